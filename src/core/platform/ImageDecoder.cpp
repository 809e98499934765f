#include "core/platform/ImageDecoder.h"

#include "core/platform/BitmapImageRep.h"
#include "core/platform/JpegDecoder.h"
#include "core/platform/Log.h"
#include "core/platform/SRgbConverter.h"
#include "core/platform/Units.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

using Units::kCentimetresPerInch;
using Units::kMetresPerInch;
using Units::kPointsPerInch;
constexpr qint64 kMiB = 1024 * 1024;
// Qt reads 16-bit pictures into 8 bytes per pixel: the most any handler asks for.
constexpr qint64 kMaxBytesPerDecodedPixel = 8;

quint32 be16(const uchar* p) {
    return quint32(p[0]) << 8 | p[1];
}
quint32 be32(const uchar* p) {
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

// Densities stored in whole dots per metre miss round numbers of dots per inch by up to
// 0.0127 (300 dpi is stored as 11811 dots per metre); such values are taken as the round
// number.
double snapDotsPerInch(double dpi) {
    const double whole = std::round(dpi);
    return std::abs(dpi - whole) < 0.02 ? whole : dpi;
}

QSizeF dotsPerInchOf(const QImage& image) {
    return {snapDotsPerInch(image.dotsPerMeterX() * kMetresPerInch),
            snapDotsPerInch(image.dotsPerMeterY() * kMetresPerInch)};
}

// The resolution tags of the first directory of TIFF-structured bytes (a TIFF file, or the
// Exif block of a JPEG): none when absent or unreadable.
std::optional<QSizeF> tiffDensity(const uchar* d, qsizetype n) {
    if (n < 8) {
        return std::nullopt;
    }
    const bool little = d[0] == 'I' && d[1] == 'I';
    if (!little && !(d[0] == 'M' && d[1] == 'M')) {
        return std::nullopt;
    }
    auto u16 = [&](qsizetype at) -> quint32 {
        return little ? quint32(d[at]) | quint32(d[at + 1]) << 8 : be16(d + at);
    };
    auto u32 = [&](qsizetype at) -> quint32 {
        return little ? u16(at) | u16(at + 2) << 16 : be32(d + at);
    };
    if (u16(2) != 42) {
        return std::nullopt;
    }
    const qsizetype directory = u32(4);
    if (directory < 8 || directory > n - 2) {
        return std::nullopt;
    }
    const qsizetype count = u16(directory);
    double x = 0;
    double y = 0;
    quint32 unit = 2; // inches unless told otherwise
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype entry = directory + 2 + 12 * i;
        if (entry > n - 12) {
            break;
        }
        const quint32 tag = u16(entry);
        const quint32 type = u16(entry + 2);
        if (tag == 0x0128 && type == 3) {
            unit = u16(entry + 8);
        } else if ((tag == 0x011A || tag == 0x011B) && type == 5) {
            const qsizetype at = u32(entry + 8);
            if (at < 8 || at > n - 8) {
                continue;
            }
            const quint32 den = u32(at + 4);
            const double value = den == 0 ? 0.0 : double(u32(at)) / den;
            (tag == 0x011A ? x : y) = value;
        }
    }
    if (!(x > 0) || !(y > 0) || (unit != 2 && unit != 3)) {
        return std::nullopt;
    }
    const double perInch = unit == 3 ? kCentimetresPerInch : 1.0;
    return QSizeF(snapDotsPerInch(x * perInch), snapDotsPerInch(y * perInch));
}

// The stored picture turned as the file says: mirrored first, then a quarter clockwise.
QImage upright(QImage image, QImageIOHandler::Transformations turn) {
    if (turn & (QImageIOHandler::TransformationMirror | QImageIOHandler::TransformationFlip)) {
        image = std::move(image).mirrored(turn & QImageIOHandler::TransformationMirror,
                                          turn & QImageIOHandler::TransformationFlip);
    }
    if (turn & QImageIOHandler::TransformationRotate90) {
        image = image.transformed(QTransform().rotate(90));
    }
    return image;
}

// Opaque 8-bit pictures go through SRgbConverter's tables, the others (alpha, deeper samples,
// profiles the tables do not reproduce) through Qt.
void convertToSRgb(QImage& image) {
    const QImage::Format f = image.format();
    const bool eightBitOpaque =
        f == QImage::Format_RGB32 || f == QImage::Format_RGB888 || f == QImage::Format_RGBX8888;
    const auto converter =
        eightBitOpaque ? SRgbConverter::fromColorSpace(image.colorSpace()) : nullptr;
    if (!converter) {
        image.convertToColorSpace(QColorSpace::SRgb);
        return;
    }
    image.convertTo(QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        uchar* row = image.scanLine(y);
        converter->convert(row, row, image.width());
    }
    image.setColorSpace(QColorSpace::SRgb);
}

} // namespace

ImageDecoder::Structure ImageDecoder::scanJPEG(const QByteArray& data) {
    Structure result;
    const auto* d = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype n = data.size();
    if (n < 4 || d[0] != 0xFF || d[1] != 0xD8) {
        return result;
    }
    std::optional<QSizeF> exifDpi;
    qsizetype pos = 2;
    while (pos < n) {
        while (pos < n && d[pos] != 0xFF) {
            ++pos; // stray bytes before a marker, which decoders skip too
        }
        while (pos < n && d[pos] == 0xFF) {
            ++pos; // fill bytes
        }
        if (pos >= n) {
            return result;
        }
        const uchar marker = d[pos++];
        if (marker == 0xD9) {
            result.complete = true;
            // The JFIF density comes first; Exif's stands in when JFIF has none.
            if (!result.dotsPerInch) {
                result.dotsPerInch = exifDpi;
            }
            return result;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            continue; // markers without a length
        }
        if (pos + 2 > n) {
            return result;
        }
        const qsizetype length = be16(d + pos);
        if (length < 2 || pos + length > n) {
            return result;
        }
        const uchar* segment = d + pos + 2;
        if (marker == 0xE0 && length >= 16 && std::memcmp(segment, "JFIF\0", 5) == 0) {
            const int unit = segment[7];
            const double x = be16(segment + 8);
            const double y = be16(segment + 10);
            if ((unit == 1 || unit == 2) && x > 0 && y > 0) {
                const double perInch = unit == 2 ? kCentimetresPerInch : 1.0;
                result.dotsPerInch =
                    QSizeF(snapDotsPerInch(x * perInch), snapDotsPerInch(y * perInch));
            }
        }
        if (marker == 0xE1 && length >= 16 && !exifDpi &&
            std::memcmp(segment, "Exif\0\0", 6) == 0) {
            exifDpi = tiffDensity(segment + 6, length - 8);
        }
        pos += length;
        if (marker != 0xDA) {
            continue;
        }
        // Entropy-coded data runs to the next marker that is neither a stuffed zero nor a
        // restart marker.
        for (;;) {
            const void* ff = std::memchr(d + pos, 0xFF, size_t(n - pos));
            if (ff == nullptr) {
                return result;
            }
            pos = static_cast<const uchar*>(ff) - d;
            if (pos + 1 >= n) {
                return result;
            }
            const uchar next = d[pos + 1];
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
                pos += 2;
            } else if (next == 0xFF) {
                pos += 1;
            } else {
                break;
            }
        }
    }
    return result;
}

std::optional<QSizeF> ImageDecoder::scanTIFF(const QByteArray& data) {
    return tiffDensity(reinterpret_cast<const uchar*>(data.constData()), data.size());
}

ImageDecoder::Structure ImageDecoder::scanPNG(const QByteArray& data) {
    Structure result;
    const auto* d = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype n = data.size();
    if (n < 8 || std::memcmp(d, "\x89PNG\r\n\x1a\n", 8) != 0) {
        return result;
    }
    qsizetype pos = 8;
    while (pos + 12 <= n) {
        const qint64 length = be32(d + pos);
        const uchar* type = d + pos + 4;
        if (length > n - pos - 12) {
            return result;
        }
        if (std::memcmp(type, "pHYs", 4) == 0 && length == 9 && d[pos + 16] == 1) {
            const double x = be32(d + pos + 8);
            const double y = be32(d + pos + 12);
            if (x > 0 && y > 0) {
                result.dotsPerInch = QSizeF(snapDotsPerInch(x * kMetresPerInch),
                                            snapDotsPerInch(y * kMetresPerInch));
            }
        }
        if (std::memcmp(type, "IEND", 4) == 0) {
            result.complete = true;
            return result;
        }
        pos += 12 + length;
    }
    return result;
}

std::shared_ptr<BitmapImageRep> ImageDecoder::decodeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Log::write(
            QStringLiteral("Unable to read image file %1: %2").arg(path, file.errorString()));
        return nullptr;
    }
    return decode(file.readAll(), path, kMaxPixels);
}

std::shared_ptr<BitmapImageRep> ImageDecoder::decodeData(const QByteArray& data, qint64 maxPixels) {
    return decode(data, QStringLiteral("data of %1 bytes").arg(data.size()),
                  std::min(maxPixels, kMaxPixels));
}

std::shared_ptr<BitmapImageRep> ImageDecoder::decode(const QByteArray& data, const QString& origin,
                                                     qint64 maxPixels) {
    auto refuse = [&origin](const QString& why) {
        Log::write(QStringLiteral("Unable to decode image (%1): %2").arg(why, origin));
        return std::shared_ptr<BitmapImageRep>();
    };
    auto tooLarge = [maxPixels](int width, int height) {
        return qint64(width) * height > maxPixels;
    };
    auto refuseTooLarge = [&refuse](int width, int height) {
        return refuse(QStringLiteral("%1 x %2 pixels is too large").arg(width).arg(height));
    };
    if (data.isEmpty()) {
        return refuse(QStringLiteral("empty"));
    }
    QByteArray bytes = data; // shares, never copies: the buffer only reads
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) {
        return refuse(QStringLiteral("not a readable picture"));
    }
    const QByteArray format = reader.format();
    std::optional<QSizeF> declaredDpi;
    if (format == "jpeg" || format == "png") {
        const Structure s = format == "png" ? scanPNG(data) : scanJPEG(data);
        if (!s.complete) {
            return refuse(QStringLiteral("truncated %1 file").arg(QString::fromLatin1(format)));
        }
        declaredDpi = s.dotsPerInch;
    } else if (format == "tiff") {
        declaredDpi = scanTIFF(data);
    }
    // A density under one dot per inch is damage, not a choice: its printed size would be
    // astronomic, or infinite once snapped to zero.
    if (declaredDpi && !(declaredDpi->width() >= 1 && declaredDpi->height() >= 1)) {
        declaredDpi.reset();
    }
    const QSize header = reader.size();
    if (header.isValid()) {
        const qint64 pixels = qint64(header.width()) * header.height();
        if (header.isEmpty()) {
            return refuse(QStringLiteral("no pixels"));
        }
        if (tooLarge(header.width(), header.height())) {
            return refuseTooLarge(header.width(), header.height());
        }
        // Deflate packs at most 1032 bytes into one, and a PNG row holds at least one filter
        // byte and one bit per pixel: a shorter file cannot hold what its header claims.
        if (format == "png") {
            const qint64 leastRaw =
                qint64(header.height()) * (1 + (qint64(header.width()) + 7) / 8);
            if (data.size() < leastRaw / 1032) {
                return refuse(QStringLiteral("%1 x %2 pixels in %3 bytes cannot be")
                                  .arg(header.width())
                                  .arg(header.height())
                                  .arg(data.size()));
            }
        }
        // Qt's own limit (256 MB) would refuse big camera photos.
        const qint64 needMiB = pixels * kMaxBytesPerDecodedPixel / kMiB + 1;
        reader.setAllocationLimit(int(std::max<qint64>(needMiB, reader.allocationLimit())));
    }
    if (format == "jpeg") {
        int orientation = 1;
        auto rep = JpegDecoder::decode(data, &orientation);
        if (rep && tooLarge(rep->pixelsWide(), rep->pixelsHigh())) {
            return refuseTooLarge(rep->pixelsWide(), rep->pixelsHigh());
        }
        if (rep) {
            QSizeF dpi = declaredDpi.value_or(QSizeF(72, 72));
            if (orientation >= 5) { // the sides swap
                dpi.transpose();
            }
            rep->setSize(QSizeF(rep->pixelsWide() * kPointsPerInch / dpi.width(),
                                rep->pixelsHigh() * kPointsPerInch / dpi.height()));
            return rep;
        }
    }
    // Qt's reader loses the colour space of pictures it turns a quarter: convert first, then
    // turn.
    reader.setAutoTransform(false);
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        return refuse(reader.errorString());
    }
    // Some headers give no size beforehand (a BMP stored top down): the limit holds all the
    // same.
    if (tooLarge(image.width(), image.height())) {
        return refuseTooLarge(image.width(), image.height());
    }
    const QColorSpace colorSpace = image.colorSpace();
    if (colorSpace.isValid() && colorSpace != QColorSpace(QColorSpace::SRgb)) {
        convertToSRgb(image);
    }
    image = upright(std::move(image), reader.transformation());
    QSizeF dpi(72, 72);
    if (declaredDpi) {
        dpi = *declaredDpi;
        if (reader.transformation() & QImageIOHandler::TransformationRotate90) {
            dpi.transpose();
        }
    } else if (format != "jpeg" && format != "png" && format != "tiff") {
        // Qt gives pictures without a declared density its default one.
        const QSizeF fallback = dotsPerInchOf(QImage(1, 1, QImage::Format_RGB32));
        const QSizeF read = dotsPerInchOf(image);
        if (read != fallback && read.width() > 0 && read.height() > 0) {
            dpi = read;
        }
    }
    const QSize pixels = image.size();
    auto rep = BitmapImageRep::initWithQImage(std::move(image));
    if (!rep) {
        return refuse(QStringLiteral("out of memory"));
    }
    rep->setSize(QSizeF(pixels.width() * kPointsPerInch / dpi.width(),
                        pixels.height() * kPointsPerInch / dpi.height()));
    return rep;
}
