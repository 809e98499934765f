#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The real program, started offscreen in an empty home, asked to end as a desktop
// session would end it.
TEST(Startup, FirstRunWritesTheDefaultsAndCreatesTheDocumentsFolder) {
    const TemporaryHome home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(FOTINO_BINARY), QStringList());
    ASSERT_TRUE(process.waitForStarted(10000));

    // The folder is made after the signal handlers are in place: from then on a SIGTERM ends
    // the run in order, even before the event loop has started.
    const QString folder = home.filePath(QStringLiteral("Documents/Fotino"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QDir(folder).exists(); }, 20000))
        << "the whole path is created, Documents too";
    EXPECT_TRUE(QDir(folder).isEmpty());

    process.terminate();
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);

    const QSettings settings(home.filePath(QStringLiteral(".config/Fotino/Fotino.ini")),
                             QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("ftoPath")).toString(),
              QDir(home.path()).filePath(QStringLiteral("Documents/Fotino/")));
    EXPECT_EQ(settings.value(QStringLiteral("ftoUnits")).toString(), QStringLiteral("Metric"));
}

} // namespace
