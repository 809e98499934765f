#pragma once
// Exporting a document's finished photo to a picture file, from the options chosen in the
// export panel (or given on the command line).

#include <QString>
#include <QVariantMap>

class Fotino;

class DocumentExport {
public:
    static inline const QString kFilename = QStringLiteral("FTN_Filename");
    static inline const QString kResolution = QStringLiteral("FTN_Resolution");
    static inline const QString kQuality = QStringLiteral("FTN_Quality");
    static inline const QString kFormat = QStringLiteral("FTN_Format");
    static inline const QString kWidth = QStringLiteral("FTN_Width");
    static inline const QString kHeight = QStringLiteral("FTN_Height");
    // The folder of the last export, a user default.
    static inline const QString kExportPathKey = QStringLiteral("FTN_ExportPath");

    enum Format { TIFF = 0, JPEG = 1, PNG = 2 };
    static constexpr int kFallbackResolution = 150;
    static constexpr float kDefaultQuality = 0.9f;

    enum class Result { Written, NoFolder, NoBitmap, WriteFailed, UnknownFormat, DocumentsFile };
    // Renders the document at "FTN_Resolution" dots per inch, or at exactly "FTN_Width" ×
    // "FTN_Height" pixels when the resolution is 0, and writes it in "FTN_Format" to
    // "FTN_Filename" with the format's extension in place of the name's last two. A file that
    // belongs to a document (its own, its picture copy, its calibrated picture; of this
    // document or of any in the folder written to) is never written over: DocumentsFile.
    static Result exportFotino(Fotino& document, const QVariantMap& options);
    // Whether writing the path would replace a file of the document or of a document of the
    // folder the path leads to (through symbolic links).
    static bool belongsToDocument(const QString& path, const Fotino& document);
    // The file that exportFotino writes for these options; none when the folder is missing or
    // the format unknown.
    static QString outputPath(const QVariantMap& options);
    static QString extensionForFormat(int format);
};
