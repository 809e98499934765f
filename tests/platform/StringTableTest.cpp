#include "platform/StringTable.h"
#include "QtPrinters.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QSet<QString> keysOf(const QString& language) {
    QFile file(QStringLiteral(FOTINO_SOURCE_DIR "/resources/i18n/fotino_") + language +
               QStringLiteral(".ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QString ts = QString::fromUtf8(file.readAll());
    QSet<QString> keys;
    static const QRegularExpression id(QStringLiteral(R"re(<message id="([^"]+)">)re"));
    for (auto it = id.globalMatch(ts); it.hasNext();) {
        keys.insert(it.next().captured(1));
    }
    return keys;
}

class StringTableTest : public ::testing::Test {
protected:
    void TearDown() override { StringTable::install({QStringLiteral("en")}); }
};

TEST_F(StringTableTest, EveryKeyExistsInEveryLanguage) {
    const QSet<QString> english = keysOf(QStringLiteral("en"));
    ASSERT_GT(english.size(), 10);
    EXPECT_EQ(keysOf(QStringLiteral("fr")), english);
    EXPECT_EQ(keysOf(QStringLiteral("de")), english);
}

TEST_F(StringTableTest, LooksUpTheUserLanguageOverEnglish) {
    EXPECT_EQ(StringTable::install({QStringLiteral("fr-CH"), QStringLiteral("en")}),
              QStringLiteral("fr"));
    EXPECT_EQ(StringTable::localizedString(QStringLiteral("untitled")),
              QStringLiteral("Sans titre"));
    EXPECT_EQ(StringTable::install({QStringLiteral("de_DE")}), QStringLiteral("de"));
    EXPECT_EQ(StringTable::localizedString(QStringLiteral("untitled")),
              QStringLiteral("Unbenannt"));
    EXPECT_EQ(StringTable::install({QStringLiteral("it"), QStringLiteral("ja")}),
              QStringLiteral("en"));
    EXPECT_EQ(StringTable::localizedString(QStringLiteral("untitled")), QStringLiteral("Untitled"));
}

TEST_F(StringTableTest, AMissingKeyReadsAsTheKey) {
    for (const char* language : {"en", "fr", "de"}) {
        StringTable::install({QString::fromLatin1(language)});
        EXPECT_EQ(StringTable::localizedString(QStringLiteral("noSuchKey")),
                  QStringLiteral("noSuchKey"));
    }
    EXPECT_EQ(StringTable::localizedString(QString()), QString());
}

TEST_F(StringTableTest, EveryKeyHasATextInEveryLanguage) {
    for (const char* language : {"en", "fr", "de"}) {
        StringTable::install({QString::fromLatin1(language)});
        for (const QString& key : keysOf(QStringLiteral("en"))) {
            EXPECT_NE(StringTable::localizedString(key), key)
                << language << ' ' << key.toStdString();
        }
    }
}

} // namespace
