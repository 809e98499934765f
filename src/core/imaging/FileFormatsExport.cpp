#include "core/imaging/FileFormatsExport.h"

#include "core/platform/BitmapImageRep.h"
#include "core/platform/FileManager.h"

namespace {
// The target is checked before encoding: a missing folder costs no encoding.
template <typename Encode>
bool writeEncoded(const QString& path, const QString& extension, Encode encode) {
    const auto target = FileFormatsExport::checkPath(path, extension);
    if (!target) {
        return false;
    }
    const QByteArray data = encode();
    return !data.isEmpty() && FileManager::createFileAtPath(*target, data);
}
} // namespace

std::optional<QString> FileFormatsExport::checkPath(const QString& path,
                                                    const QString& setToExtension) {
    if (setToExtension.isEmpty() ||
        !FileManager::isDirectoryAtPath(FileManager::folderOfPath(path))) {
        return std::nullopt;
    }
    const QString base = FileManager::pathWithoutExtension(path);
    // A folder alone, or a name that is all extension (".tif"), leaves no file name.
    if (base.isEmpty() || base.endsWith(QLatin1Char('/'))) {
        return std::nullopt;
    }
    return base + QLatin1Char('.') + setToExtension;
}

QByteArray FileFormatsExport::TIFFData(const BitmapImageRep& rep) {
    return rep.TIFFRepresentation();
}

QByteArray FileFormatsExport::JPEGDataWithCompressionFactor(const BitmapImageRep& rep,
                                                            float compressionFactor) {
    return rep.JPEGRepresentation(compressionFactor);
}

QByteArray FileFormatsExport::PNGData(const BitmapImageRep& rep) {
    return rep.PNGRepresentation();
}

bool FileFormatsExport::writeTIFFToFile(const BitmapImageRep& rep, const QString& path) {
    return writeEncoded(path, QStringLiteral("tif"), [&rep] { return TIFFData(rep); });
}

bool FileFormatsExport::writeJPEGToFile(const BitmapImageRep& rep, const QString& path,
                                        float compression) {
    return writeEncoded(path, QStringLiteral("jpg"), [&rep, compression] {
        return JPEGDataWithCompressionFactor(rep, compression);
    });
}

bool FileFormatsExport::writePNGToFile(const BitmapImageRep& rep, const QString& path) {
    return writeEncoded(path, QStringLiteral("png"), [&rep] { return PNGData(rep); });
}
