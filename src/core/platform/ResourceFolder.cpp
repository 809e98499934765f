#include "core/platform/ResourceFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& overridden() {
    static QString folder;
    return folder;
}

QString programFolder() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                        : QDir::currentPath();
}
} // namespace

QString ResourceFolder::path() {
    if (!overridden().isEmpty()) {
        return overridden();
    }
    static const QString folder = [] {
        const QByteArray fromEnvironment = qgetenv("FOTINO_RESOURCES");
        return fromEnvironment.isEmpty() ? locate(programFolder())
                                         : QString::fromLocal8Bit(fromEnvironment);
    }();
    return folder;
}

QString ResourceFolder::pathForResource(const QString& relativePath) {
    return path() + QLatin1Char('/') + relativePath;
}

void ResourceFolder::setOverride(const QString& folder) {
    overridden() = folder;
}

QString ResourceFolder::locate(const QString& programFolder) {
    const QString installed = programFolder + QStringLiteral("/../share/fotino");
    // A folder merely named "resources" next to an installed program (in ~/bin, say) is not
    // ours: only one holding the presets counts.
    for (const QString& candidate : {programFolder + QStringLiteral("/resources"),
                                     programFolder + QStringLiteral("/../resources"), installed}) {
        if (QFileInfo(candidate + QStringLiteral("/presets")).isDir()) {
            return QDir::cleanPath(candidate);
        }
    }
    return QDir::cleanPath(installed);
}
