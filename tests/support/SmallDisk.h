#pragma once
// A folder that runs out of space when told: a small tmpfs mounted on it where the process may
// mount one (as root), or else FileManager's seam, which fails the program's writes as a full
// disk does. Lifts the limit and unmounts when it goes.

#include "core/platform/FileManager.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <algorithm>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

class SmallDisk {
public:
    enum class Kind { Seam, Tmpfs };

    explicit SmallDisk(Kind kind)
        : kind_(kind)
        , folder_(base_.filePath(QStringLiteral("disk"))) {
        QDir().mkpath(folder_);
        if (kind == Kind::Tmpfs) {
            mounted_ = ::mount("tmpfs", QFile::encodeName(folder_).constData(), "tmpfs",
                               MS_NOSUID | MS_NODEV, "size=16m,mode=0755") == 0;
        }
    }
    ~SmallDisk() {
        FileManager::setSpaceLeftForTesting(-1);
        if (mounted_) {
            ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // False when a tmpfs was asked for and could not be mounted.
    bool usable() const { return kind_ == Kind::Seam || mounted_; }
    QString path() const { return folder_; }
    QString filePath(const QString& name) const { return QDir(folder_).filePath(name); }

    // Leaves about that many bytes for new files: exactly with the seam, to the page on a tmpfs
    // (a file outside the program's view takes the rest).
    void leaveRoom(qint64 bytes) {
        if (kind_ == Kind::Seam) {
            FileManager::setSpaceLeftForTesting(bytes);
            return;
        }
        struct statvfs disk {};
        if (::statvfs(QFile::encodeName(folder_).constData(), &disk) != 0) {
            return;
        }
        const qint64 free = qint64(disk.f_bavail) * qint64(disk.f_frsize);
        fillerBytes_ = std::max<qint64>(0, fillerBytes_ + free - bytes);
        const QByteArray filler = QFile::encodeName(filePath(QStringLiteral(".filler")));
        const int fd = ::open(filler.constData(), O_RDWR | O_CREAT, 0600);
        if (fd < 0) {
            return;
        }
        if (::ftruncate(fd, fillerBytes_) == 0 && fillerBytes_ > 0) {
            ::posix_fallocate(fd, 0, fillerBytes_);
        }
        ::close(fd);
    }
    void makeRoom() {
        if (kind_ == Kind::Seam) {
            FileManager::setSpaceLeftForTesting(-1);
        } else {
            fillerBytes_ = 0;
            QFile::remove(filePath(QStringLiteral(".filler")));
        }
    }

    // Every file below the folder with its bytes, the filler left out.
    QMap<QString, QByteArray> contents() const {
        QMap<QString, QByteArray> files;
        collect(folder_, QString(), files);
        files.remove(QStringLiteral(".filler"));
        return files;
    }

private:
    static void collect(const QString& folder, const QString& prefix,
                        QMap<QString, QByteArray>& into) {
        for (const QString& name : FileManager::contentsOfDirectoryAtPath(folder)) {
            const QString path = QDir(folder).filePath(name);
            if (FileManager::isDirectoryAtPath(path)) {
                collect(path, prefix + name + QLatin1Char('/'), into);
            } else {
                into.insert(prefix + name, FileManager::contentsAtPath(path).value_or("?"));
            }
        }
    }

    Kind kind_;
    QTemporaryDir base_;
    QString folder_;
    bool mounted_ = false;
    qint64 fillerBytes_ = 0;
};
