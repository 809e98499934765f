// One fuzz target as a libFuzzer program; FOTINO_FUZZ_TARGET names its function. The
// program runs offscreen, in a home of its own, without the program's diagnostics.

#include "FuzzTargets.h"
#include "core/platform/StringTable.h"

#include <QApplication>
#include <QDir>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString home = QDir(FuzzTargets::sandbox()).filePath(QStringLiteral("home"));
    QDir().mkpath(home);
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/data")).toUtf8());
    qputenv("XDG_CACHE_HOME", (home + QStringLiteral("/cache")).toUtf8());
    // Qt keeps a reference to the count; the fuzzer's own options are not for Qt.
    static int argc = 1;
    static char name[] = "fotino-fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
    QCoreApplication::setApplicationName(QStringLiteral("Fotino"));
    StringTable::install({QStringLiteral("en")});
    // Refused pictures and broken files are the daily bread here: their log lines would bury
    // the fuzzer's.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!FuzzTargets::FOTINO_FUZZ_TARGET(data, size)) {
        std::abort();
    }
    return 0;
}
