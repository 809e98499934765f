// Runs every test with a temporary home, the offscreen platform and the English tables.

#include "core/platform/StringTable.h"
#include "support/TemporaryHome.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TemporaryHome home;
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Fotino"));
    StringTable::install({QStringLiteral("en")});
    return RUN_ALL_TESTS();
}
