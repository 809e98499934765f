// Runs every test with a temporary home, the offscreen platform and the English tables.

#include "core/platform/StringTable.h"
#include "support/TemporaryHome.h"

#include <QApplication>
#include <QFileInfo>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // GStreamer keeps its plugin registry in the home: built anew in every temporary home, on a
    // busy machine it made a camera's first frame later than the program waits. The tests share
    // one beside the program.
    if (qEnvironmentVariableIsEmpty("GST_REGISTRY")) {
        qputenv("GST_REGISTRY",
                QFile::encodeName(QFileInfo(QStringLiteral(FOTINO_BINARY)).absolutePath() +
                                  QStringLiteral("/gst-registry.bin")));
    }
    ::testing::InitGoogleTest(&argc, argv);
    TemporaryHome home;
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Fotino"));
    StringTable::install({QStringLiteral("en")});
    return RUN_ALL_TESTS();
}
