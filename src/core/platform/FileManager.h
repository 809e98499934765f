#pragma once
// File operations the program relies on. Failures answer false or none, never throw.
// Folder listings come in "file-system order": by name, case-insensitively, so that every
// listing is stable.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

class FileManager {
public:
    // Entry names of a folder (hidden ones too, without "." and ".."); empty when the folder
    // cannot be read.
    static QStringList contentsOfDirectoryAtPath(const QString& path);
    static bool fileExistsAtPath(const QString& path);
    static bool isDirectoryAtPath(const QString& path);
    // A regular file, not a folder and not a symbolic link.
    static bool isRegularFileAtPath(const QString& path);
    // Creates the folder; with intermediates, every missing folder on the way. An existing
    // folder counts as success.
    static bool createDirectoryAtPath(const QString& path, bool withIntermediates);
    // Fails when the destination exists.
    static bool moveItemAtPath(const QString& source, const QString& destination);
    // Removes a file, or a folder with its contents. A missing item is a failure.
    static bool removeItemAtPath(const QString& path);
    // True when both paths lead to one existing file.
    static bool isSameFile(const QString& first, const QString& second);
    // True when both are readable files with the same bytes.
    static bool contentsEqualAtPath(const QString& first, const QString& second);
    static std::optional<QByteArray> contentsAtPath(const QString& path);
    // Writes through a temporary file that replaces the target only once it is complete,
    // so a failed or interrupted write leaves the old file untouched. Every write error
    // counts, including the late ones of a disk that fills up. A symbolic link is followed.
    static bool createFileAtPath(const QString& path, const QByteArray& contents);
    // Several files written as createFileAtPath writes one; none is replaced before all of
    // them are complete, so when one cannot be written every target keeps its old contents.
    // The targets are then replaced in the order given.
    static bool createFilesAtPaths(const QList<std::pair<QString, QByteArray>>& files);
    // Moves a finished file over the destination in one step (replacing it), for writers
    // that cannot go through createFileAtPath.
    static bool replaceItemAtPath(const QString& destination, const QString& finished);

    // Removes the temporaries of writes that a killed program left in the folder, once they
    // are older than the given age (a write in progress keeps its file young). Answers how
    // many went.
    static int removeLeftoverTemporaries(const QString& folder, qint64 olderThanSeconds);

    enum class WriteError { None, DiskFull, Other };
    // Why the last write (createFileAtPath, createFilesAtPaths, replaceItemAtPath) of this
    // thread failed; None after one that succeeded. DiskFull also covers a full quota.
    static WriteError lastWriteError();

    // For tests of a full disk: from now on the writes above may put only this many more
    // bytes on the disk, then fail as a full disk fails (ENOSPC). A failed write's bytes and
    // a replaced file's bytes come back. A negative value lifts the limit.
    static void setSpaceLeftForTesting(qint64 bytes);
    static qint64 spaceLeftForTesting();

    static QString homeDirectory();
    // Path arithmetic on the last component, without touching the disk. The extension is what
    // follows the last dot of the last component; a name such as ".ftoct" is all extension.
    static QString pathExtension(const QString& path);
    static QString pathWithoutExtension(const QString& path);
    // The path without its last component: "." for a bare name, "/" for a name at the root.
    static QString folderOfPath(const QString& path);
    static QString lastPathComponent(const QString& path);
    // Whether a name typed by the user can be used whole as a file name inside a folder:
    // not empty, not "." or "..", no "/" and no NUL.
    static bool isSafeFileName(const QString& name);
};
