#include "core/platform/StringTable.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// Key -> text of one language's table, read from its source file.
QMap<QString, QString> tableOf(const QString& language) {
    QFile file(QStringLiteral(FOTINO_SOURCE_DIR "/resources/i18n/fotino_") + language +
               QStringLiteral(".ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QString ts = QString::fromUtf8(file.readAll());
    QMap<QString, QString> table;
    static const QRegularExpression message(
        QStringLiteral(
            R"re(<message id="([^"]+)">\s*<source>.*?</source>\s*<translation>(.*?)</translation>)re"),
        QRegularExpression::DotMatchesEverythingOption);
    for (auto it = message.globalMatch(ts); it.hasNext();) {
        const auto match = it.next();
        table.insert(match.captured(1), match.captured(2));
    }
    return table;
}

QSet<QString> keysOf(const QString& language) {
    const QStringList keys = tableOf(language).keys();
    return QSet<QString>(keys.begin(), keys.end());
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
        const auto table = tableOf(QString::fromLatin1(language));
        for (auto it = table.cbegin(); it != table.cend(); ++it) {
            EXPECT_FALSE(it.value().trimmed().isEmpty())
                << language << ' ' << it.key().toStdString();
        }
    }
}

// The keys the alerts of the program use.
TEST_F(StringTableTest, EveryAlertKeyIsInTheTables) {
    const QSet<QString> english = keysOf(QStringLiteral("en"));
    for (const char* key : {"NoSelection",
                            "ERROR_NO_VIDEOHWFOUND",
                            "warning",
                            "DeleteLong",
                            "newversion",
                            "newversionLong",
                            "MSG_NEW_VERSION",
                            "MSG_NEW_VERSION_LONG",
                            "BTN_OK",
                            "BTN_CANCEL",
                            "MSG_VERSION_UPTODATE",
                            "MSG_VERSION_UPTODATE_LONG",
                            "ERROR_VERSION_CHECK",
                            "ERROR_VERSION_CHECK_LONG",
                            "save",
                            "saveLong",
                            "FileExists",
                            "FileExistsLong",
                            "noName",
                            "noPicture",
                            "unableToDeleteBuiltinPreset",
                            "Cancel",
                            "untitled",
                            "untitledPreset"}) {
        EXPECT_TRUE(english.contains(QString::fromLatin1(key))) << key;
    }
}

} // namespace
