#include "core/document/DocumentExport.h"

#include "core/document/DocumentLibrary.h"
#include "core/document/DocumentStorage.h"
#include "core/document/Fotino.h"
#include "core/imaging/FileFormatsExport.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/FileManager.h"
#include "core/platform/UserDefaults.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace {
QString baseOf(const QVariantMap& options) {
    return FileFormatsExport::pathWithoutPictureExtension(
        options.value(DocumentExport::kFilename).toString());
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

bool DocumentExport::belongsToDocument(const QString& path, const Fotino& document) {
    const QFileInfo info(path);
    // Where the bytes would really go: writes follow links.
    const QString target =
        info.exists()
            ? info.canonicalFilePath()
            : QDir(QFileInfo(info.absolutePath()).canonicalFilePath()).filePath(info.fileName());
    const auto isTarget = [&](const QString& file) {
        return QFileInfo(file).absoluteFilePath() == target || FileManager::isSameFile(file, path);
    };
    auto documents = DocumentLibrary::listDocuments(FileManager::folderOfPath(target));
    for (const auto& other : documents) {
        const QStringList files = DocumentStorage::filesOf(*other);
        if (std::any_of(files.cbegin(), files.cend(), isTarget)) {
            return true;
        }
    }
    const QStringList own = DocumentStorage::filesOf(document);
    return std::any_of(own.cbegin(), own.cend(), isTarget);
}

QString DocumentExport::outputPath(const QVariantMap& options) {
    const QString extension = extensionForFormat(options.value(kFormat).toInt());
    return FileFormatsExport::checkPath(baseOf(options), extension).value_or(QString());
}

qint64 DocumentExport::maxBytes(const QVariantMap& options) {
    // Clamped so that no stored number overflows; a limit that large is no limit anyway.
    const qint64 kilobytes = std::clamp<qint64>(options.value(kMaxKilobytes).toLongLong(), 0,
                                                std::numeric_limits<int>::max());
    return kilobytes * kBytesPerKilobyte;
}

DocumentExport::Result DocumentExport::exportFotino(Fotino& document, const QVariantMap& options,
                                                    FileFormatsExport::JPEGFit* fit) {
    const int format = options.value(kFormat).toInt();
    if (extensionForFormat(format).isEmpty()) {
        return Result::UnknownFormat;
    }
    // Checked before rendering, which is the slow part. A name that is only a folder ("out/")
    // has its folder, but no file can be written.
    const QString output = outputPath(options);
    if (output.isEmpty()) {
        return FileManager::isDirectoryAtPath(FileManager::folderOfPath(baseOf(options)))
                   ? Result::WriteFailed
                   : Result::NoFolder;
    }
    if (belongsToDocument(output, document)) {
        return Result::DocumentsFile;
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
        if (const qint64 limit = maxBytes(options); limit > 0) {
            FileFormatsExport::JPEGFit found;
            written = FileFormatsExport::writeJPEGToFileWithin(*bitmap, base, limit, &found);
            const bool tooLarge = found.smallestBytes > 0;
            if (fit != nullptr) {
                *fit = std::move(found);
            }
            if (tooLarge) {
                return Result::TooLarge;
            }
        } else {
            written = FileFormatsExport::writeJPEGToFile(*bitmap, base,
                                                         options.value(kQuality).toFloat());
        }
        break;
    default:
        written = FileFormatsExport::writePNGToFile(*bitmap, base);
        break;
    }
    return written ? Result::Written : Result::WriteFailed;
}

QString DocumentExport::startFolder(const UserDefaults& defaults,
                                    const QStringList& picturesFolders, const QString& home) {
    QStringList candidates = {defaults.stringForKey(kExportPathKey)};
    candidates += picturesFolders;
    for (const QString& folder : candidates) {
        if (!folder.isEmpty() && QDir::isAbsolutePath(folder) &&
            FileManager::isDirectoryAtPath(folder)) {
            return folder;
        }
    }
    return home;
}
