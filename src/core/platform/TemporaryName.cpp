#include "core/platform/TemporaryName.h"

#include <QDir>
#include <QFile>
#include <QUuid>
#include <cstdlib>
#include <unistd.h>

QString TemporaryName::uniquePath(const QString& templatePath, const QString& suffix) {
    if (!templatePath.endsWith(QLatin1String("XXXXXX"))) {
        return {};
    }
    // mkstemps needs the suffix inside the template; the file is created with it.
    QByteArray buffer = QFile::encodeName(templatePath + suffix);
    const int fd = ::mkstemps(buffer.data(), static_cast<int>(QFile::encodeName(suffix).size()));
    if (fd < 0) {
        return {};
    }
    ::close(fd);
    return QFile::decodeName(buffer);
}

QString TemporaryName::temporaryDirectory() {
    return QDir::tempPath();
}

QByteArray TemporaryName::uuidBytes() {
    return QUuid::createUuid().toRfc4122();
}

QString TemporaryName::uuidString() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}
