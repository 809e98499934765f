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

QString FileFormatsExport::pathWithoutPictureExtension(const QString& path) {
    static const QStringList extensions{QStringLiteral("tif"), QStringLiteral("tiff"),
                                        QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                        QStringLiteral("png")};
    const QString name = FileManager::lastPathComponent(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || !extensions.contains(name.mid(dot + 1), Qt::CaseInsensitive)) {
        return path;
    }
    return path.left(path.size() - (name.size() - dot));
}

std::optional<QString> FileFormatsExport::checkPath(const QString& path,
                                                    const QString& setToExtension) {
    if (setToExtension.isEmpty() ||
        !FileManager::isDirectoryAtPath(FileManager::folderOfPath(path))) {
        return std::nullopt;
    }
    const QString base = pathWithoutPictureExtension(path);
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

FileFormatsExport::JPEGFit FileFormatsExport::largestJPEGWithin(qint64 maxBytes,
                                                                const JPEGEncoder& encode) {
    JPEGFit fit;
    if (maxBytes <= 0) {
        return fit;
    }
    // fits stands for a quality known to fit (0: none yet), tooLarge for one known not to.
    int fits = kLowestJPEGQuality - 1;
    int tooLarge = kHighestJPEGQuality + 1;
    while (tooLarge - fits > 1) {
        const int quality = fits + (tooLarge - fits) / 2;
        QByteArray data = encode(quality);
        ++fit.encodes;
        if (data.isEmpty()) {
            fit.encoderFailed = true;
            fit.data.clear();
            fit.quality = 0;
            return fit;
        }
        if (data.size() <= maxBytes) {
            fits = quality;
            fit.data = std::move(data);
            fit.quality = quality;
        } else {
            tooLarge = quality;
            if (quality == kLowestJPEGQuality) {
                fit.smallestBytes = data.size();
            }
        }
    }
    return fit;
}

FileFormatsExport::JPEGFit FileFormatsExport::JPEGDataWithin(const BitmapImageRep& rep,
                                                             qint64 maxBytes) {
    return largestJPEGWithin(maxBytes, [&rep](int quality) {
        return JPEGDataWithCompressionFactor(rep, static_cast<float>(quality) / 100.0f);
    });
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

bool FileFormatsExport::writeJPEGToFileWithin(const BitmapImageRep& rep, const QString& path,
                                              qint64 maxBytes, JPEGFit* fit) {
    JPEGFit found;
    const bool written = writeEncoded(path, QStringLiteral("jpg"), [&] {
        found = JPEGDataWithin(rep, maxBytes);
        return found.data;
    });
    if (fit != nullptr) {
        *fit = std::move(found);
    }
    return written;
}
