#include "core/platform/FileManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>

QStringList FileManager::contentsOfDirectoryAtPath(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    const QDir dir(path);
    QStringList names = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

bool FileManager::fileExistsAtPath(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool FileManager::isDirectoryAtPath(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool FileManager::isRegularFileAtPath(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink();
}

bool FileManager::createDirectoryAtPath(const QString& path, bool withIntermediates) {
    if (path.isEmpty()) {
        return false;
    }
    if (isDirectoryAtPath(path)) {
        return true;
    }
    QDir dir;
    return withIntermediates ? dir.mkpath(path) : dir.mkdir(path);
}

bool FileManager::moveItemAtPath(const QString& source, const QString& destination) {
    if (source.isEmpty() || destination.isEmpty() || fileExistsAtPath(destination) ||
        !fileExistsAtPath(source)) {
        return false;
    }
    return QDir().rename(source, destination);
}

bool FileManager::removeItemAtPath(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink()) {
        return QDir(path).removeRecursively();
    }
    if (!info.exists() && !info.isSymLink()) {
        return false;
    }
    return QFile::remove(path);
}

bool FileManager::isSameFile(const QString& first, const QString& second) {
    const QString canonical = QFileInfo(first).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(second).canonicalFilePath();
}

bool FileManager::contentsEqualAtPath(const QString& first, const QString& second) {
    QFile a(first);
    QFile b(second);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly)) {
        return false;
    }
    if (a.size() != b.size()) {
        return false;
    }
    constexpr qint64 chunk = 1 << 16;
    while (!a.atEnd()) {
        const QByteArray x = a.read(chunk);
        const QByteArray y = b.read(chunk);
        if (x != y) {
            return false;
        }
        if (x.isEmpty()) {
            break;
        }
    }
    return a.atEnd() && b.atEnd();
}

std::optional<QByteArray> FileManager::contentsAtPath(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

bool FileManager::createFileAtPath(const QString& path, const QByteArray& contents) {
    if (path.isEmpty() || isDirectoryAtPath(path)) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool FileManager::replaceItemAtPath(const QString& destination, const QString& finished) {
    if (destination.isEmpty() || finished.isEmpty() || isDirectoryAtPath(destination)) {
        return false;
    }
    return ::rename(QFile::encodeName(finished).constData(),
                    QFile::encodeName(destination).constData()) == 0;
}

QString FileManager::homeDirectory() {
    return QDir::homePath();
}

namespace {
// Index of the dot that starts the extension of the last component, or -1.
qsizetype extensionDot(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? dot : -1;
}
} // namespace

QString FileManager::pathExtension(const QString& path) {
    const qsizetype dot = extensionDot(path);
    return dot < 0 ? QString() : path.mid(dot + 1);
}

QString FileManager::pathWithoutExtension(const QString& path) {
    const qsizetype dot = extensionDot(path);
    return dot < 0 ? path : path.left(dot);
}

QString FileManager::folderOfPath(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) {
        return QStringLiteral(".");
    }
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

QString FileManager::lastPathComponent(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

bool FileManager::isSafeFileName(const QString& name) {
    const QString trimmed = name.trimmed();
    return !trimmed.isEmpty() && trimmed != QLatin1String(".") && trimmed != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}
