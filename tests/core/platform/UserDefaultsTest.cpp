#include "core/platform/UserDefaults.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

TEST(UserDefaults, LivesInTheXDGConfigFolderAndSurvivesAReload) {
    TemporaryHome home;
    UserDefaults& ud = UserDefaults::standardUserDefaults();
    EXPECT_EQ(ud.filePath(), home.filePath(QStringLiteral(".config/Fotino/Fotino.ini")));
    ud.setObject(QStringLiteral("Inches"), QStringLiteral("ftoUnits"));
    ud.setBool(true, QStringLiteral("checkVersion"));
    ud.setFloat(12.5f, QStringLiteral("PRINT_INTERSPACE"));
    ASSERT_TRUE(ud.synchronize());
    ASSERT_TRUE(QFile::exists(ud.filePath()));

    UserDefaults::resetStandardUserDefaults();
    UserDefaults& again = UserDefaults::standardUserDefaults();
    EXPECT_EQ(again.stringForKey(QStringLiteral("ftoUnits")), QStringLiteral("Inches"));
    EXPECT_TRUE(again.boolForKey(QStringLiteral("checkVersion")));
    EXPECT_EQ(again.floatForKey(QStringLiteral("PRINT_INTERSPACE")), 12.5f);
}

TEST(UserDefaults, AbsentKeysReadAsTheRegisteredDefaultsWhichAreNeverStored) {
    TemporaryHome home;
    UserDefaults& ud = UserDefaults::standardUserDefaults();
    EXPECT_TRUE(ud.stringForKey(QStringLiteral("ftoUnits")).isNull());
    EXPECT_FALSE(ud.boolForKey(QStringLiteral("checkVersion")));
    EXPECT_EQ(ud.floatForKey(QStringLiteral("PRINT_INTERSPACE")), 0.0f);
    ud.registerDefaults({{QStringLiteral("ftoUnits"), QStringLiteral("Metric")}});
    EXPECT_EQ(ud.stringForKey(QStringLiteral("ftoUnits")), QStringLiteral("Metric"));
    EXPECT_FALSE(ud.hasValueForKey(QStringLiteral("ftoUnits")));
    ud.setObject(QStringLiteral("Inches"), QStringLiteral("ftoUnits"));
    EXPECT_EQ(ud.stringForKey(QStringLiteral("ftoUnits")), QStringLiteral("Inches"));
    ud.removeObjectForKey(QStringLiteral("ftoUnits"));
    ud.synchronize();
    EXPECT_EQ(ud.stringForKey(QStringLiteral("ftoUnits")), QStringLiteral("Metric"));
    const QSettings onDisk(ud.filePath(), QSettings::IniFormat);
    EXPECT_FALSE(onDisk.contains(QStringLiteral("ftoUnits")));
}

} // namespace
