#include "core/document/DocumentStorage.h"

#include "core/platform/Alerts.h"
#include "core/platform/FileManager.h"
#include "core/platform/Log.h"
#include "core/platform/Panels.h"
#include "core/platform/PropertyList.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {
// Longest extension a document's files get: ".ftoct", or a picture's ".jpeg".
constexpr int kLongestSuffix = 7;
constexpr int kMaxFileNameBytes = 255;

// Removes a plain file, or a symbolic link itself (never what it leads to); a folder of that
// name is left alone.
void removeFile(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    const QFileInfo info(path);
    if (info.isSymLink() || FileManager::isRegularFileAtPath(path)) {
        FileManager::removeItemAtPath(path);
    }
}

bool sameFolder(const QString& first, const QString& second) {
    return QDir(first).canonicalPath() == QDir(second).canonicalPath();
}

bool samePath(const QString& first, const QString& second) {
    return FileManager::isSameFile(first, second) ||
           QDir::cleanPath(QDir(first).absolutePath()) ==
               QDir::cleanPath(QDir(second).absolutePath());
}

QString withType(const QString& base, const QString& type) {
    return base + QLatin1Char('.') + type;
}
} // namespace

DocumentStorage::Opened DocumentStorage::open(const QString& path) {
    Opened opened;
    opened.document = std::make_shared<Fotino>();
    opened.document->setFilePath(path);
    opened.loaded = opened.document->loadFromFile();
    if (!opened.loaded) {
        Panels::beep();
        return opened;
    }
    opened.document->convertOldOffset();
    opened.previousPath = path;
    opened.picturePath = storedPicturePath(*opened.document).value_or(QString());
    return opened;
}

std::optional<QString> DocumentStorage::storedPicturePath(const Fotino& document) {
    const QString name = document.imageName();
    if (document.filePath().isEmpty() || !FileManager::isSafeFileName(name)) {
        return std::nullopt;
    }
    return QDir(FileManager::folderOfPath(document.filePath())).filePath(name);
}

bool DocumentStorage::isUsableName(const QString& name) {
    if (!FileManager::isSafeFileName(name) ||
        name.toUtf8().size() + kLongestSuffix > kMaxFileNameBytes) {
        return false;
    }
    // Control characters cannot be stored in the document file.
    return std::none_of(name.cbegin(), name.cend(),
                        [](QChar c) { return c.category() == QChar::Other_Control; });
}

bool DocumentStorage::saveToFolder(Fotino& document, const QString& folder, const QString& name,
                                   const QString& picturePath, const Fields& fields) {
    const QString base = QDir(folder).filePath(name);
    document.setFileType(Fotino::kFileType);
    document.setFilePath(withType(base, Fotino::kFileType));
    // The picture copy first, then the document: neither replaces its old file before both
    // are complete, so a full disk leaves the old pair as it was.
    QList<std::pair<QString, QByteArray>> files;
    if (!picturePath.isEmpty()) {
        const QString extension = FileManager::pathExtension(picturePath);
        const QString copyName = extension.isEmpty() ? name : withType(name, extension);
        document.setImageName(copyName);
        const QString copy = document.originalPicturePath();
        // The document's own copy is kept as it is, even when it has gone missing.
        if (!samePath(picturePath, copy)) {
            const auto bytes = FileManager::contentsAtPath(picturePath);
            if (!bytes) {
                return false;
            }
            files.append({copy, *bytes});
            // The copy is not in place yet: the thumbnail is drawn from the picture itself.
            document.loadOriginalPictureFromPath(picturePath);
        }
    }
    document.setName(fields.name);
    document.setWidth(fields.width, fields.metric);
    document.setHeight(fields.height, fields.metric);
    document.setShowFaceFrame(fields.showFaceFrame);
    document.setPictureVersion(1);
    document.setImage(document.createThumbnail());
    const auto xml = PropertyList::toXML(QVariant(document.container()));
    if (!xml) {
        return false;
    }
    files.append({document.filePath(), *xml});
    document.setNeedsSave(false);
    return FileManager::createFilesAtPaths(files);
}

DocumentStorage::SaveResult DocumentStorage::saveAs(Fotino& document, const QString& folder,
                                                    const QString& previousPath,
                                                    const QString& picturePath,
                                                    const Fields& fields) {
    const QString& name = fields.name;
    if (name.trimmed().isEmpty()) {
        Alerts::alert(QStringLiteral("noName"));
        return SaveResult::NoName;
    }
    if (!isUsableName(name)) {
        Alerts::alert(QStringLiteral("badName"));
        return SaveResult::UnusableName;
    }
    if (picturePath.isEmpty()) {
        Alerts::alert(QStringLiteral("noPicture"));
        return SaveResult::NoPicture;
    }

    const QString newBase = QDir(folder).filePath(name);
    const QString newFile = withType(newBase, Fotino::kFileType);
    // Only a document read from this folder is renamed; one opened from elsewhere stays.
    const bool hasPrevious =
        !previousPath.isEmpty() && sameFolder(FileManager::folderOfPath(previousPath), folder);
    const QString oldBase =
        hasPrevious ? FileManager::pathWithoutExtension(previousPath) : QString();

    // Another document uses the name when its files differ from the ones this one was read from.
    const auto usedByAnother = [&](const QString& ours, const QString& theirs) {
        return FileManager::fileExistsAtPath(theirs) &&
               (ours.isEmpty() || !FileManager::contentsEqualAtPath(theirs, ours));
    };
    const bool nameTaken =
        usedByAnother(hasPrevious ? previousPath : QString(), newFile) ||
        usedByAnother(hasPrevious ? withType(oldBase, Fotino::kCalibratedType) : QString(),
                      withType(newBase, Fotino::kCalibratedType));
    if (nameTaken &&
        !Alerts::confirm(QStringLiteral("FileExistsLong"), QStringLiteral("FileExists"))) {
        return SaveResult::Declined;
    }
    // The pictures that go once the new files are complete: the copy this document kept
    // under its previous name or type, and that of a document it replaces.
    QString previousCopy;
    if (hasPrevious) {
        if (const auto previous = Fotino::initWithPath(previousPath)) {
            previousCopy = previous->originalPicturePath();
        }
    }
    QString replacedPicture;
    if (nameTaken) {
        if (const auto replaced = Fotino::initWithPath(newFile)) {
            replacedPicture = replaced->originalPicturePath();
        }
    }

    if (!saveToFolder(document, folder, name, picturePath, fields)) {
        return SaveResult::WriteFailed;
    }

    // The new files are complete: the old name's files can go.
    const QString newPicture = document.originalPicturePath();
    if (hasPrevious && !samePath(previousPath, newFile)) {
        removeFile(previousPath);
        removeFile(withType(oldBase, Fotino::kCalibratedType));
    }
    for (const QString& old : {previousCopy, replacedPicture}) {
        if (!old.isEmpty() && !samePath(old, newPicture)) {
            removeFile(old);
        }
    }
    return SaveResult::Saved;
}

bool DocumentStorage::deleteDocument(const Fotino& document) {
    if (!Alerts::confirm(QStringLiteral("DeleteLong"), QStringLiteral("warning"))) {
        return false;
    }
    removeFiles(document);
    return true;
}

QStringList DocumentStorage::filesOf(const Fotino& document) {
    QStringList files{document.filePath(), document.calibratedPicturePath(),
                      document.originalPicturePath()};
    if (const auto stored = storedPicturePath(document)) {
        files << *stored;
    }
    files.removeAll(QString());
    files.removeDuplicates();
    return files;
}

void DocumentStorage::removeFiles(const Fotino& document) {
    const QString calibrated = document.calibratedPicturePath();
    const QString& file = document.filePath();
    const QString picture = document.originalPicturePath();
    Log::write(QStringLiteral("Deleting %1,%2,%3").arg(calibrated, file, picture));
    removeFile(calibrated);
    removeFile(file);
    removeFile(picture);
}
