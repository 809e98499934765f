#include "core/platform/ResourceFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& overridden() {
    static QString folder;
    return folder;
}

QString locate() {
    const QByteArray fromEnvironment = qgetenv("FOTINO_RESOURCES");
    if (!fromEnvironment.isEmpty()) {
        return QString::fromLocal8Bit(fromEnvironment);
    }
    const QString appDir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    // The build tree keeps resources beside the program (and one level up from the tests);
    // an installed program finds them under share/fotino.
    for (const QString& candidate :
         {appDir + QStringLiteral("/resources"), appDir + QStringLiteral("/../resources"),
          appDir + QStringLiteral("/../share/fotino")}) {
        if (QFileInfo(candidate).isDir()) {
            return QDir::cleanPath(candidate);
        }
    }
    return QDir::cleanPath(appDir + QStringLiteral("/../share/fotino"));
}
} // namespace

QString ResourceFolder::path() {
    if (!overridden().isEmpty()) {
        return overridden();
    }
    static const QString folder = locate();
    return folder;
}

QString ResourceFolder::pathForResource(const QString& relativePath) {
    return path() + QLatin1Char('/') + relativePath;
}

void ResourceFolder::setOverride(const QString& folder) {
    overridden() = folder;
}
