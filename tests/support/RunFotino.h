#pragma once
// Runs the real program as a user's shell would, with no display at all, in English.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace runfotino {

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

// The test's own environment (its temporary home) without any display.
inline QProcessEnvironment headless() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return env;
}

inline Result run(const QStringList& arguments,
                  const QProcessEnvironment& env = headless()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(FOTINO_BINARY), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    Result result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace runfotino
