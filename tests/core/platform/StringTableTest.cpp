#include "core/platform/StringTable.h"
#include "support/QtPrinters.h"

#include <QDirIterator>
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

TEST_F(StringTableTest, EveryLanguageHasATextForEveryKey) {
    const QSet<QString> english = keysOf(QStringLiteral("en"));
    ASSERT_GT(english.size(), 10);
    for (const char* language : {"en", "fr", "de"}) {
        const auto table = tableOf(QString::fromLatin1(language));
        EXPECT_EQ(QSet<QString>(table.keyBegin(), table.keyEnd()), english) << language;
        for (auto it = table.cbegin(); it != table.cend(); ++it) {
            EXPECT_FALSE(it.value().trimmed().isEmpty())
                << language << ' ' << it.key().toStdString();
        }
    }
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

// The keys the sources hand to the look-ups, relabelling and alerts as literals (whatever
// follows ".arg(" is an argument, and a literal followed by "+" only begins a key).
TEST_F(StringTableTest, EveryKeyTheSourcesUseIsInTheTables) {
    static const QRegularExpression call(
        QStringLiteral(R"re(\b(?:localize\w*|localizedAlert|localizedFBAlert|localizedString|)re"
                       R"re(alert|confirm|text)\(([^;]*?)(?:\.arg\(|;|$))re"));
    static const QRegularExpression literal(QStringLiteral(R"re("([^"]+)"\)(?!\s*\+))re"));
    const QSet<QString> english = keysOf(QStringLiteral("en"));
    QSet<QString> used;
    QDirIterator files(QStringLiteral(FOTINO_SOURCE_DIR "/src"), {QStringLiteral("*.cpp")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        for (qsizetype n = 0; n < lines.size(); ++n) {
            const auto found = call.match(lines[n]);
            for (auto it = literal.globalMatch(found.captured(1)); it.hasNext();) {
                const QString key = it.next().captured(1);
                used.insert(key);
                EXPECT_TRUE(english.contains(key))
                    << key.toStdString() << " at " << file.fileName().toStdString() << ':' << n + 1;
            }
        }
    }
    EXPECT_GT(used.size(), 50) << "the sources were read";
}

} // namespace
