#pragma once
// Exporting a document's finished photo to a picture file, from the options chosen in the
// export panel (or given on the command line).

#include "core/imaging/FileFormatsExport.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

class Fotino;
class UserDefaults;

class DocumentExport {
public:
    static inline const QString kFilename = QStringLiteral("FTN_Filename");
    static inline const QString kResolution = QStringLiteral("FTN_Resolution");
    static inline const QString kQuality = QStringLiteral("FTN_Quality");
    static inline const QString kFormat = QStringLiteral("FTN_Format");
    static inline const QString kWidth = QStringLiteral("FTN_Width");
    static inline const QString kHeight = QStringLiteral("FTN_Height");
    // The largest JPEG file allowed, in kilobytes of 1000 bytes (the stricter reading, so the
    // file passes a portal that counts either way); absent or 0: no limit.
    static inline const QString kMaxKilobytes = QStringLiteral("FTN_MaxKB");
    // The folder of the last export, a user default.
    static inline const QString kExportPathKey = QStringLiteral("FTN_ExportPath");

    enum Format { TIFF = 0, JPEG = 1, PNG = 2 };
    static constexpr int kFallbackResolution = 150;
    static constexpr float kDefaultQuality = 0.9f;
    static constexpr qint64 kBytesPerKilobyte = 1000;
    // A larger limit is a typing error rather than a portal's rule.
    static constexpr int kLargestMaxKilobytes = 999999;

    enum class Result {
        Written,
        NoFolder,
        NoBitmap,
        WriteFailed,
        UnknownFormat,
        DocumentsFile,
        TooLarge
    };
    // Renders the document at "FTN_Resolution" dots per inch, or at exactly "FTN_Width" ×
    // "FTN_Height" pixels when the resolution is 0, and writes it in "FTN_Format" to
    // "FTN_Filename" with the format's extension in place of the name's last two. A file that
    // belongs to a document (its own, its picture copy, its calibrated picture; of this
    // document or of any in the folder written to) is never written over: DocumentsFile.
    // A JPEG with "FTN_MaxKB" takes the largest quality whose file fits, instead of
    // "FTN_Quality"; TooLarge, with nothing written, when even the lowest does not fit. The
    // limit is left aside for the lossless formats. The fit, if asked for, tells the quality
    // found, or the smallest size there was.
    static Result exportFotino(Fotino& document, const QVariantMap& options,
                               FileFormatsExport::JPEGFit* fit = nullptr);
    // The limit in bytes the options set; 0 for none.
    static qint64 maxBytes(const QVariantMap& options);
    // Whether writing the path would replace a file of the document or of a document of the
    // folder the path leads to (through symbolic links).
    static bool belongsToDocument(const QString& path, const Fotino& document);
    // The file that exportFotino writes for these options; none when the folder is missing or
    // the format unknown.
    static QString outputPath(const QVariantMap& options);
    static QString extensionForFormat(int format);
    // The folder the export panel opens in: the folder of the last export, else the first of
    // the pictures folders, else the home folder; the first of them that is an existing folder
    // given by its whole path, so that the panel never opens in the program's working folder.
    static QString startFolder(const UserDefaults& defaults, const QStringList& picturesFolders,
                               const QString& home);
};
