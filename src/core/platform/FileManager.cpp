#include "core/platform/FileManager.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

namespace {

// The start of the name a write's temporary has beside its target.
constexpr char kTemporaryPrefix[] = ".fotino-";

thread_local FileManager::WriteError tLastWriteError = FileManager::WriteError::None;

void setLastWriteError(int error) {
    tLastWriteError = error == 0                           ? FileManager::WriteError::None
                      : error == ENOSPC || error == EDQUOT ? FileManager::WriteError::DiskFull
                                                           : FileManager::WriteError::Other;
}

// The room the tests leave on the disk; negative: no limit but the disk's own.
std::mutex gSpaceMutex;
qint64 gSpaceLeft = -1;

// Up to `wanted` bytes of the room left, or all of them without a limit.
qint64 claimSpace(qint64 wanted) {
    const std::lock_guard lock(gSpaceMutex);
    if (gSpaceLeft < 0) {
        return wanted;
    }
    const qint64 granted = std::min(wanted, gSpaceLeft);
    gSpaceLeft -= granted;
    return granted;
}

void returnSpace(qint64 bytes) {
    const std::lock_guard lock(gSpaceMutex);
    if (gSpaceLeft >= 0) {
        gSpaceLeft += bytes;
    }
}

// Permissions of a new file: what the process's mask leaves of rw-rw-rw-.
mode_t newFileMode() {
    static const mode_t mode = [] {
        const mode_t mask = ::umask(022);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    return mode;
}

// One file on its way: complete in a temporary (unnamed where the file system allows it),
// then put in place of the target.
class PendingFile {
public:
    PendingFile() = default;
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile() { discard(); }

    // Writes the bytes into a temporary beside the target; errno tells why when false.
    bool write(const QString& path, const QByteArray& contents) {
        QFileInfo info(path);
        // Writes follow a link to where its bytes live.
        target_ = QFile::encodeName(info.isSymLink() ? info.symLinkTarget() : path);
        info = QFileInfo(QFile::decodeName(target_));
        if (info.isDir()) {
            errno = EISDIR;
            return false;
        }
        folder_ = QFile::encodeName(FileManager::folderOfPath(QFile::decodeName(target_)));
        struct stat existing {};
        const bool replaces = ::stat(target_.constData(), &existing) == 0;
        replacedBytes_ = replaces ? existing.st_size : 0;
        // An unnamed file gets its name through /proc: without it, a named one is used.
        static const bool canName = ::access("/proc/self/fd", X_OK) == 0;
        fd_ = canName ? ::open(folder_.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, newFileMode())
                      : -1;
        if (fd_ < 0 && (!canName || errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
            // A file system without unnamed files: a hidden name, removed on failure.
            QByteArray name = folder_ + "/" + kTemporaryPrefix + "XXXXXX";
            fd_ = ::mkstemp(name.data());
            if (fd_ >= 0) {
                named_ = name;
                ::fchmod(fd_, newFileMode());
            }
        }
        if (fd_ < 0) {
            return false;
        }
        if (replaces) {
            ::fchmod(fd_, existing.st_mode & 07777);
        }
        const char* data = contents.constData();
        qint64 left = contents.size();
        while (left > 0) {
            const qint64 room = claimSpace(std::min<qint64>(left, 1 << 20));
            if (room == 0) {
                errno = ENOSPC;
                return false;
            }
            const ssize_t done = ::write(fd_, data, static_cast<size_t>(room));
            if (done < 0 && errno == EINTR) {
                returnSpace(room);
                continue;
            }
            if (done <= 0) {
                returnSpace(room);
                if (done == 0) {
                    errno = EIO;
                }
                return false;
            }
            returnSpace(room - done);
            claimed_ += done;
            data += done;
            left -= done;
        }
        // The bytes are on the disk before the name leads to them.
        return ::fdatasync(fd_) == 0;
    }

    // Puts the complete file in place of the target in one step.
    bool publish() {
        if (named_.isEmpty()) {
            // An unnamed file gets a name beside the target first: a link cannot replace.
            const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_);
            for (int attempt = 0; attempt < 16 && named_.isEmpty(); ++attempt) {
                const QByteArray name =
                    folder_ + "/" + kTemporaryPrefix +
                    QByteArray::number(QRandomGenerator::global()->generate64(), 36);
                if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(),
                             AT_SYMLINK_FOLLOW) == 0) {
                    named_ = name;
                } else if (errno != EEXIST) {
                    return false;
                }
            }
            if (named_.isEmpty()) {
                return false;
            }
        }
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0 || ::rename(named_.constData(), target_.constData()) != 0) {
            return false;
        }
        named_.clear();
        // The replaced file's room is free again.
        returnSpace(replacedBytes_);
        claimed_ = 0;
        return true;
    }

    // Drops the temporary and gives its room back.
    void discard() {
        const int error = errno;
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
        if (!named_.isEmpty()) {
            ::unlink(named_.constData());
            named_.clear();
        }
        returnSpace(claimed_);
        claimed_ = 0;
        errno = error;
    }

private:
    QByteArray target_;
    QByteArray folder_;
    QByteArray named_;
    int fd_ = -1;
    qint64 claimed_ = 0;
    qint64 replacedBytes_ = 0;
};

} // namespace

int FileManager::removeLeftoverTemporaries(const QString& folder, qint64 olderThanSeconds) {
    const QDir dir(folder);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-olderThanSeconds);
    int removed = 0;
    const QFileInfoList entries =
        dir.entryInfoList({QString::fromLatin1(kTemporaryPrefix) + QLatin1Char('*')},
                          QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (!entry.isSymLink() && entry.lastModified() < before &&
            QFile::remove(entry.filePath())) {
            ++removed;
        }
    }
    return removed;
}

bool FileManager::createFileAtPath(const QString& path, const QByteArray& contents) {
    return createFilesAtPaths({{path, contents}});
}

bool FileManager::createFilesAtPaths(const QList<std::pair<QString, QByteArray>>& files) {
    std::vector<std::unique_ptr<PendingFile>> pending;
    for (const auto& [path, contents] : files) {
        if (path.isEmpty()) {
            setLastWriteError(ENOENT);
            return false;
        }
        pending.push_back(std::make_unique<PendingFile>());
        if (!pending.back()->write(path, contents)) {
            setLastWriteError(errno);
            return false;
        }
    }
    for (const auto& file : pending) {
        if (!file->publish()) {
            setLastWriteError(errno);
            return false;
        }
    }
    setLastWriteError(0);
    return true;
}

bool FileManager::replaceItemAtPath(const QString& destination, const QString& finished) {
    if (destination.isEmpty() || finished.isEmpty() || isDirectoryAtPath(destination)) {
        setLastWriteError(EISDIR);
        return false;
    }
    const bool replaced = ::rename(QFile::encodeName(finished).constData(),
                                   QFile::encodeName(destination).constData()) == 0;
    setLastWriteError(replaced ? 0 : errno);
    return replaced;
}

FileManager::WriteError FileManager::lastWriteError() {
    return tLastWriteError;
}

void FileManager::setSpaceLeftForTesting(qint64 bytes) {
    const std::lock_guard lock(gSpaceMutex);
    gSpaceLeft = bytes < 0 ? -1 : bytes;
}

qint64 FileManager::spaceLeftForTesting() {
    const std::lock_guard lock(gSpaceMutex);
    return gSpaceLeft;
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
