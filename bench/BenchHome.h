#pragma once
// A home of the benchmark's own: HOME and the XDG folders in a temporary folder, so that a run
// neither reads nor changes the user's settings and library.

#include <QString>
#include <QTemporaryDir>

class BenchHome {
public:
    BenchHome() {
        qputenv("HOME", dir_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_HOME", filePath(QStringLiteral("data")).toUtf8());
    }
    BenchHome(const BenchHome&) = delete;
    BenchHome& operator=(const BenchHome&) = delete;

    QString filePath(const QString& relative) const { return dir_.filePath(relative); }

private:
    QTemporaryDir dir_;
};
