#pragma once
// The files of one document in the documents folder: D/N.ftoct (the document), D/N.e (a copy
// of its picture) and D/N.cftn (a calibrated picture nothing here writes). Opening, saving,
// saving under a name (which renames the previous name's files) and deleting.
//
// Every write goes to a temporary file first, and files of the previous name are removed only
// after the new ones are complete, so an interrupted save leaves the old document or the new
// one, and the picture survives either way.

#include "core/document/Fotino.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class DocumentStorage {
public:
    struct Opened {
        std::shared_ptr<Fotino> document;
        // The picture copy beside the document file; empty when the document names none.
        QString picturePath;
        // The file read, whose files a save under another name replaces; empty when it
        // could not be read.
        QString previousPath;
        bool loaded = false;
    };
    // A fresh document with the path when the file cannot be read (after a beep); a version 0
    // document is converted and rewritten.
    static Opened open(const QString& path);

    // What the editor's fields hold when it saves. Width and height are in the display unit:
    // centimetres when metric, else inches.
    struct Fields {
        QString name;
        float width = 0;
        float height = 0;
        bool metric = true;
        bool showFaceFrame = true;
    };

    // Writes the picture copy D/N.e (from picturePath, when given) and then D/N.ftoct.
    // Answers whether both were written; when either cannot be written (a full disk) both
    // files are left as they were.
    static bool saveToFolder(Fotino& document, const QString& folder, const QString& name,
                             const QString& picturePath, const Fields& fields);

    enum class SaveResult { Saved, WriteFailed, NoName, UnusableName, NoPicture, Declined };
    // The editor's save under the name in the fields: checks the name (alerts "noName",
    // "badName", "noPicture"), asks "FileExists" when another document already uses it,
    // saves, and then removes the files of the document as it was read (previousPath, empty
    // for a new document) that the new ones do not replace: its file and calibrated picture
    // under another name, its picture copy under another name or type. picturePath is the
    // picture in use; it is copied, and removed only when it was that old copy. Files
    // outside the folder are never removed.
    static SaveResult saveAs(Fotino& document, const QString& folder, const QString& previousPath,
                             const QString& picturePath, const Fields& fields);

    // Asks "DeleteLong" (titled "warning"); on OK removes the document file, its picture
    // copy and calibrated picture. Answers whether the user agreed.
    static bool deleteDocument(const Fotino& document);
    // The same without asking. A file that is a symbolic link goes, not what it leads to.
    static void removeFiles(const Fotino& document);
    // Every file of the document: its own, its calibrated picture and its picture copy (as
    // the document's name and as stored), whether they exist or not.
    static QStringList filesOf(const Fotino& document);

    // Whether a name can be used whole as the base of the document's file names in a folder:
    // it must hold something besides spaces, no "/" and no NUL, not be "." or "..", and leave
    // room for the longest extension within the file system's name length.
    static bool isUsableName(const QString& name);
    // The picture copy named in the document, when the name is a plain file name; none for
    // a name that would lead out of the document's folder.
    static std::optional<QString> storedPicturePath(const Fotino& document);
};
