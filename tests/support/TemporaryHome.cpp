#include "support/TemporaryHome.h"

#include "core/platform/UserDefaults.h"

#include <QDir>

namespace {
const char* const kVariables[3] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"};
}

TemporaryHome::TemporaryHome() {
    for (int i = 0; i < 3; ++i) {
        saved_[i] = qgetenv(kVariables[i]);
    }
    QDir(dir_.path()).mkpath(QStringLiteral(".config"));
    QDir(dir_.path()).mkpath(QStringLiteral(".local/share"));
    qputenv("HOME", dir_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral(".config")).toUtf8());
    qputenv("XDG_DATA_HOME", dir_.filePath(QStringLiteral(".local/share")).toUtf8());
    UserDefaults::resetStandardUserDefaults();
}

TemporaryHome::~TemporaryHome() {
    UserDefaults::resetStandardUserDefaults();
    for (int i = 0; i < 3; ++i) {
        qputenv(kVariables[i], saved_[i]);
    }
}
