#pragma once
// Makes photo documents of picture files without a window, as the editor makes a new one: the
// preset applied, the picture copied beside the document and framed to cover the photo,
// optionally framed on the face, then saved into the library under a name no document uses
// yet and measured against the format's rules. Also measures documents already saved.

#include "core/analysis/ComplianceReport.h"

#include <QSet>
#include <QString>
#include <memory>
#include <vector>

class FaceFinder;
class Fotino;
class Preset;

class PictureImport {
public:
    enum class Failure {
        None,
        // The file is no picture that can be decoded.
        UnreadablePicture,
        // Its name (or the one asked for) cannot name a document's files.
        UnusableName,
        // A file could not be written (the folder cannot be made, the file system refuses).
        WriteFailed,
        // The disk ran out of space: the pictures after this one would fail the same way.
        DiskFull,
        // A document to measure that does not read as one.
        UnreadableDocument,
    };

    struct Outcome {
        // The picture imported, or the document measured.
        QString source;
        Failure failure = Failure::None;
        // The document's name and file.
        QString name;
        QString path;
        ComplianceReport report;

        bool succeeded() const { return failure == Failure::None; }
    };

    // Documents go into the folder (made when missing), following a copy of the preset.
    PictureImport(const QString& folder, const Preset& preset, const FaceFinder& finder);
    ~PictureImport();
    PictureImport(const PictureImport&) = delete;
    PictureImport& operator=(const PictureImport&) = delete;

    // Frame each document on the face found in it (off: the covering framing stays).
    void setAutoFrame(bool autoFrame) { autoFrame_ = autoFrame; }
    // The name every document gets instead of its picture's base name; numbered like any
    // other name already in use.
    void setName(const QString& name) { name_ = name; }

    // One document of the picture. On a failure nothing of it is left in the folder.
    Outcome importPicture(const QString& picturePath);

    // The report of a saved document as it is framed, on the face found in its picture.
    static Outcome check(const QString& documentPath, const FaceFinder& finder);

    // The preset of that name (of several, the last, as the editor's list keeps it), else the
    // built-in one whose file has that name, with or without its extension; none otherwise.
    static std::shared_ptr<Preset> presetNamed(const QString& name,
                                               const std::vector<std::shared_ptr<Preset>>& presets);
    // The first of "name", "name 2", "name 3"… that no name in `taken` is and whose files
    // (document, calibrated picture, picture copy with that extension) are all free in the
    // folder. Empty when the name cannot name a document's files.
    static QString uniqueName(const QString& folder, const QString& name,
                              const QString& pictureExtension, const QSet<QString>& taken);
    // "name<TAB>path<TAB>head mm<TAB>eye line mm<TAB>status", each figure with one decimal or
    // "-" when there is none; tabs and line breaks in the name become spaces.
    static QString reportLine(const Outcome& outcome);

private:
    QString folder_;
    std::shared_ptr<Preset> preset_;
    const FaceFinder& finder_;
    bool autoFrame_ = false;
    QString name_;
    // The names of the library's documents, read once, with every document made since.
    QSet<QString> taken_;
    bool takenRead_ = false;
};
