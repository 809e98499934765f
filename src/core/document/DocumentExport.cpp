#include "core/document/DocumentExport.h"

#include "core/document/Fotino.h"
#include "core/imaging/FileFormatsExport.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/FileManager.h"

namespace {
QString baseOf(const QVariantMap& options) {
    return FileManager::pathWithoutExtension(options.value(DocumentExport::kFilename).toString());
}
} // namespace

QString DocumentExport::extensionForFormat(int format) {
    switch (format) {
    case TIFF:
        return QStringLiteral("tif");
    case JPEG:
        return QStringLiteral("jpg");
    case PNG:
        return QStringLiteral("png");
    default:
        return {};
    }
}

QString DocumentExport::outputPath(const QVariantMap& options) {
    const QString extension = extensionForFormat(options.value(kFormat).toInt());
    return FileFormatsExport::checkPath(baseOf(options), extension).value_or(QString());
}

DocumentExport::Result DocumentExport::exportFotino(Fotino& document, const QVariantMap& options) {
    const int format = options.value(kFormat).toInt();
    if (extensionForFormat(format).isEmpty()) {
        return Result::UnknownFormat;
    }
    // Checked before rendering, which is the slow part. A name that is only a folder ("out/")
    // has its folder, but no file can be written.
    if (outputPath(options).isEmpty()) {
        return FileManager::isDirectoryAtPath(FileManager::folderOfPath(baseOf(options)))
                   ? Result::WriteFailed
                   : Result::NoFolder;
    }
    const int resolution = options.value(kResolution).toInt();
    const auto bitmap = resolution != 0
                            ? document.toImage(resolution)
                            : document.toImagePixelsWide(options.value(kWidth).toInt(),
                                                         options.value(kHeight).toInt());
    if (!bitmap) {
        return Result::NoBitmap;
    }
    const QString base = baseOf(options);
    bool written = false;
    switch (format) {
    case TIFF:
        written = FileFormatsExport::writeTIFFToFile(*bitmap, base);
        break;
    case JPEG:
        written =
            FileFormatsExport::writeJPEGToFile(*bitmap, base, options.value(kQuality).toFloat());
        break;
    default:
        written = FileFormatsExport::writePNGToFile(*bitmap, base);
        break;
    }
    return written ? Result::Written : Result::WriteFailed;
}
