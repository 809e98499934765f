#include "core/platform/BitmapImageRep.h"

#include "core/platform/ImageDecoder.h"
#include "core/platform/Log.h"
#include "core/platform/Units.h"

#include <QBuffer>
#include <QImageWriter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <sys/mman.h>

namespace {

using Units::kMetresPerInch;
using Units::kPointsPerInch;

// Qt's JPEG writer declares its density in dots per centimetre, whole ones: 300 dpi would read
// back as 118 per cm, 299.72 dpi, which programs and portals that check for "300 dpi" refuse.
// The JFIF header is rewritten to whole dots per inch instead.
void declareDotsPerInch(QByteArray& jpeg, QSizeF dpi) {
    // SOI, then APP0: length, "JFIF\0", version, units, x and y density.
    static const char jfif[] = "\xFF\xD8\xFF\xE0";
    if (jpeg.size() < 18 || !jpeg.startsWith(QByteArray::fromRawData(jfif, 4)) ||
        jpeg.mid(6, 5) != QByteArray("JFIF\0", 5)) {
        return;
    }
    const auto whole = [](double value) {
        return static_cast<quint16>(std::clamp(std::lround(value), 1L, 65535L));
    };
    const quint16 x = whole(dpi.width());
    const quint16 y = whole(dpi.height());
    jpeg[13] = 1; // dots per inch
    jpeg[14] = static_cast<char>(x >> 8);
    jpeg[15] = static_cast<char>(x & 0xFF);
    jpeg[16] = static_cast<char>(y >> 8);
    jpeg[17] = static_cast<char>(y & 0xFF);
}

int colourSamples(BitmapImageRep::ColorSpace space) {
    return space == BitmapImageRep::ColorSpace::CalibratedWhite ? 1 : 3;
}

quint32 load32(const unsigned char* p) {
    quint32 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

quint16 load16(const unsigned char* p) {
    quint16 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Turns the 32-bit or 24-bit pixels of an 8-bit colour image into packed RGB or RGBA,
// rows bytesPerRow apart, in place: every pixel moves to an address at or below its old
// one, so a forward pass never overwrites what it has yet to read.
void packInPlace(QImage& image, bool toRGBA) {
    const int w = image.width();
    const int h = image.height();
    const qsizetype srcStride = image.bytesPerLine();
    const qsizetype dstStride = qsizetype(w) * (toRGBA ? 4 : 3);
    unsigned char* bits = image.bits();
    const QImage::Format format = image.format();
    for (int y = 0; y < h; ++y) {
        const unsigned char* src = bits + y * srcStride;
        unsigned char* dst = bits + y * dstStride;
        switch (format) {
        case QImage::Format_RGB888:
        case QImage::Format_RGBA8888:
            std::memmove(dst, src, size_t(dstStride));
            break;
        case QImage::Format_RGBX8888:
            for (int x = 0; x < w; ++x) {
                dst[3 * x] = src[4 * x];
                dst[3 * x + 1] = src[4 * x + 1];
                dst[3 * x + 2] = src[4 * x + 2];
            }
            break;
        default: // RGB32 and ARGB32: one native 0xAARRGGBB word per pixel
            if (toRGBA) {
                for (int x = 0; x < w; ++x) {
                    const quint32 p = load32(src + 4 * x);
                    dst[4 * x] = uchar(qRed(p));
                    dst[4 * x + 1] = uchar(qGreen(p));
                    dst[4 * x + 2] = uchar(qBlue(p));
                    dst[4 * x + 3] = uchar(qAlpha(p));
                }
            } else {
                for (int x = 0; x < w; ++x) {
                    const quint32 p = load32(src + 4 * x);
                    dst[3 * x] = uchar(qRed(p));
                    dst[3 * x + 1] = uchar(qGreen(p));
                    dst[3 * x + 2] = uchar(qBlue(p));
                }
            }
            break;
        }
    }
}

} // namespace

BitmapImageRep::BitmapImageRep(const Layout& layout, unsigned char* data, ReleaseCallback release)
    : layout_(layout)
    , size_(layout.pixelsWide, layout.pixelsHigh)
    , data_(data)
    , release_(std::move(release)) {}

BitmapImageRep::~BitmapImageRep() {
    if (release_) {
        release_(data_);
    }
}

bool BitmapImageRep::normalizeLayout(Layout& l) {
    if (l.pixelsWide <= 0 || l.pixelsHigh <= 0 || l.isPlanar) {
        return false;
    }
    if (l.bitsPerSample != 8 && l.bitsPerSample != 16) {
        return false;
    }
    if (l.samplesPerPixel < 1 || l.samplesPerPixel > 4) {
        return false;
    }
    const int colours = l.samplesPerPixel - (l.hasAlpha ? 1 : 0);
    // Three colours may come with a fourth sample that carries nothing.
    const bool spare = !l.hasAlpha && l.samplesPerPixel == 4 && colourSamples(l.colorSpace) == 3;
    if (colours != colourSamples(l.colorSpace) && !spare) {
        return false;
    }
    const int needBits = l.bitsPerSample * l.samplesPerPixel;
    if (l.bitsPerPixel == 0) {
        l.bitsPerPixel = needBits;
    }
    if (l.bitsPerPixel < needBits || l.bitsPerPixel % l.bitsPerSample != 0 ||
        l.bitsPerPixel > 4 * l.bitsPerSample) {
        return false;
    }
    const qint64 minRow = (qint64(l.pixelsWide) * l.bitsPerPixel + 7) / 8;
    if (minRow > std::numeric_limits<int>::max()) {
        return false;
    }
    if (l.bytesPerRow == 0) {
        l.bytesPerRow = int(minRow);
    }
    if (l.bytesPerRow < minRow) {
        return false;
    }
    return qint64(l.bytesPerRow) * l.pixelsHigh <= kMaxBytes;
}

namespace {

constexpr size_t kHugePage = size_t(2) << 20;

// Fresh zero pages, mapped lazily so a big bitmap costs nothing until it is touched. A big
// one asks for 2 MB pages: touching 72 MB of 4 KB pages takes a few hundred milliseconds
// here, of 2 MB pages a few tens.
unsigned char* allocatePixels(size_t bytes, BitmapImageRep::ReleaseCallback& release) {
    if (bytes >= 2 * kHugePage) {
        const size_t span = (bytes + kHugePage - 1) / kHugePage * kHugePage + kHugePage;
        void* base =
            ::mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (base != MAP_FAILED) {
            const auto address = reinterpret_cast<std::uintptr_t>(base);
            const std::uintptr_t aligned = (address + kHugePage - 1) & ~(kHugePage - 1);
            ::madvise(reinterpret_cast<void*>(aligned), span - (aligned - address), MADV_HUGEPAGE);
            release = [base, span](unsigned char*) { ::munmap(base, span); };
            return reinterpret_cast<unsigned char*>(aligned);
        }
    }
    auto* data = static_cast<unsigned char*>(std::calloc(bytes > 0 ? bytes : 1, 1));
    release = [](unsigned char* p) { std::free(p); };
    return data;
}

} // namespace

std::shared_ptr<BitmapImageRep> BitmapImageRep::initWithLayout(const Layout& layout) {
    Layout l = layout;
    if (!normalizeLayout(l)) {
        return nullptr;
    }
    ReleaseCallback release;
    unsigned char* data = allocatePixels(size_t(l.bytesPerRow) * size_t(l.pixelsHigh), release);
    if (!data) {
        return nullptr;
    }
    return std::shared_ptr<BitmapImageRep>(new BitmapImageRep(l, data, std::move(release)));
}

std::shared_ptr<BitmapImageRep>
BitmapImageRep::initWithBitmapDataPlanes(unsigned char** planes, int pixelsWide, int pixelsHigh,
                                         int bitsPerSample, int samplesPerPixel, bool hasAlpha,
                                         bool isPlanar, ColorSpace colorSpaceName,
                                         unsigned bitmapFormat, int bytesPerRow, int bitsPerPixel) {
    if (planes != nullptr && planes[0] != nullptr) {
        return nullptr;
    }
    return initWithLayout(Layout{pixelsWide, pixelsHigh, bitsPerSample, samplesPerPixel, hasAlpha,
                                 isPlanar, colorSpaceName, bitmapFormat, bytesPerRow,
                                 bitsPerPixel});
}

std::shared_ptr<BitmapImageRep> BitmapImageRep::initWithBytesNoCopy(unsigned char* bytes,
                                                                    const Layout& layout,
                                                                    ReleaseCallback release) {
    Layout l = layout;
    if (bytes == nullptr || !normalizeLayout(l)) {
        if (release) {
            release(bytes);
        }
        return nullptr;
    }
    return std::shared_ptr<BitmapImageRep>(new BitmapImageRep(l, bytes, std::move(release)));
}

std::shared_ptr<BitmapImageRep> BitmapImageRep::initWithQImage(QImage image) {
    if (image.isNull()) {
        return nullptr;
    }
    const bool alpha = image.hasAlphaChannel();
    const QImage::Format f = image.format();
    if (alpha) {
        if (f != QImage::Format_ARGB32 && f != QImage::Format_RGBA8888) {
            image.convertTo(QImage::Format_ARGB32);
        }
    } else if (f != QImage::Format_RGB888 && f != QImage::Format_RGB32 &&
               f != QImage::Format_ARGB32 && f != QImage::Format_RGBX8888) {
        image.convertTo(QImage::Format_RGB888);
    }
    if (image.isNull()) {
        return nullptr;
    }
    packInPlace(image, alpha); // detaches first if the caller still shares the image
    Layout l;
    l.pixelsWide = image.width();
    l.pixelsHigh = image.height();
    l.samplesPerPixel = alpha ? 4 : 3;
    l.hasAlpha = alpha;
    l.bitmapFormat = alpha ? kAlphaNonpremultiplied : 0;
    unsigned char* bits = image.bits();
    // The image stays the owner of the bytes; it is kept until the bitmap goes.
    return initWithBytesNoCopy(
        bits, l, [keep = std::move(image)](unsigned char*) mutable { keep = QImage(); });
}

std::shared_ptr<BitmapImageRep> BitmapImageRep::imageRepWithContentsOfFile(const QString& path) {
    return ImageDecoder::decodeFile(path);
}

std::shared_ptr<BitmapImageRep> BitmapImageRep::imageRepWithData(const QByteArray& data) {
    return ImageDecoder::decodeData(data);
}

QSizeF BitmapImageRep::resolution() const {
    const double x = size_.width() > 0 ? layout_.pixelsWide / size_.width() * kPointsPerInch : 0.0;
    const double y =
        size_.height() > 0 ? layout_.pixelsHigh / size_.height() * kPointsPerInch : 0.0;
    return {x, y};
}

QImage::Format BitmapImageRep::sharedFormat() const {
    const Layout& l = layout_;
    const bool alphaFirst = (l.bitmapFormat & kAlphaFirst) != 0;
    const bool premultiplied = (l.bitmapFormat & kAlphaNonpremultiplied) == 0;
    if (l.bitsPerSample == 8) {
        if (l.samplesPerPixel == 1 && l.bitsPerPixel == 8) {
            return QImage::Format_Grayscale8;
        }
        if (l.samplesPerPixel == 3 && l.bitsPerPixel == 24) {
            return QImage::Format_RGB888;
        }
        if (!alphaFirst && l.bitsPerPixel == 32 && (l.samplesPerPixel == 3 || !l.hasAlpha) &&
            spareBytesAreOpaque()) {
            return QImage::Format_RGBX8888;
        }
        if (!alphaFirst && l.samplesPerPixel == 4 && l.hasAlpha) {
            return premultiplied ? QImage::Format_RGBA8888_Premultiplied : QImage::Format_RGBA8888;
        }
    } else if (l.bitsPerSample == 16) {
        if (l.samplesPerPixel == 1 && l.bitsPerPixel == 16) {
            return QImage::Format_Grayscale16;
        }
        if (!alphaFirst && l.samplesPerPixel == 4 && l.hasAlpha) {
            return premultiplied ? QImage::Format_RGBA64_Premultiplied : QImage::Format_RGBA64;
        }
        if (!alphaFirst && l.bitsPerPixel == 64 && !l.hasAlpha) {
            return QImage::Format_RGBX64;
        }
    }
    return QImage::Format_Invalid;
}

bool BitmapImageRep::spareBytesAreOpaque() const {
    // Qt draws the fourth byte of RGBX pixels as alpha.
    for (int y = 0; y < layout_.pixelsHigh; ++y) {
        const unsigned char* p = data_ + qsizetype(y) * layout_.bytesPerRow + 3;
        for (int x = 0; x < layout_.pixelsWide; ++x, p += 4) {
            if (*p != 0xFF) {
                return false;
            }
        }
    }
    return true;
}

bool BitmapImageRep::hasSharedQImageFormat() const {
    return sharedFormat() != QImage::Format_Invalid;
}

QImage BitmapImageRep::convertedQImage() const {
    const Layout& l = layout_;
    const bool alpha = l.hasAlpha;
    const bool premultiplied = alpha && (l.bitmapFormat & kAlphaNonpremultiplied) == 0;
    QImage out(l.pixelsWide, l.pixelsHigh,
               premultiplied ? QImage::Format_RGBA8888_Premultiplied
                             : (alpha ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888));
    if (out.isNull()) {
        return out;
    }
    const int bytesPerSample = l.bitsPerSample / 8;
    const int bytesPerPixel = l.bitsPerPixel / 8;
    const int colours = colourSamples(l.colorSpace);
    // Index of the first colour sample and of alpha within a pixel.
    const bool alphaFirst = (l.bitmapFormat & kAlphaFirst) != 0;
    const bool leadingSpare = alphaFirst && !alpha && bytesPerPixel > colours * bytesPerSample;
    const int first = (alpha && alphaFirst) || leadingSpare ? 1 : 0;
    const int alphaIndex = !alpha ? -1 : (alphaFirst ? 0 : colours);
    auto sample = [&](const unsigned char* pixel, int index) -> uchar {
        const unsigned char* p = pixel + index * bytesPerSample;
        return bytesPerSample == 1 ? *p : uchar(load16(p) >> 8);
    };
    for (int y = 0; y < l.pixelsHigh; ++y) {
        const unsigned char* src = data_ + qsizetype(y) * l.bytesPerRow;
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < l.pixelsWide; ++x, src += bytesPerPixel, dst += 4) {
            if (colours == 1) {
                dst[0] = dst[1] = dst[2] = sample(src, first);
            } else {
                dst[0] = sample(src, first);
                dst[1] = sample(src, first + 1);
                dst[2] = sample(src, first + 2);
            }
            dst[3] = alphaIndex < 0 ? 255 : sample(src, alphaIndex);
        }
    }
    return out;
}

QImage BitmapImageRep::toQImage() {
    const QImage::Format format = sharedFormat();
    if (format == QImage::Format_Invalid) {
        return convertedQImage();
    }
    // The view holds a reference to the bitmap so that the bytes outlive every copy of it.
    auto* keep = new std::shared_ptr<BitmapImageRep>(shared_from_this());
    return QImage(
        data_, layout_.pixelsWide, layout_.pixelsHigh, layout_.bytesPerRow, format,
        [](void* info) { delete static_cast<std::shared_ptr<BitmapImageRep>*>(info); }, keep);
}

QByteArray BitmapImageRep::encode(const char* format, int quality, int compression) const {
    const QImage::Format shared = sharedFormat();
    QImage image =
        shared == QImage::Format_Invalid
            ? convertedQImage()
            : QImage(data_, layout_.pixelsWide, layout_.pixelsHigh, layout_.bytesPerRow, shared);
    if (image.isNull()) {
        return {};
    }
    const QSizeF dpi = resolution();
    if (dpi.width() > 0 && dpi.height() > 0) {
        image.setDotsPerMeterX(int(std::lround(dpi.width() / kMetresPerInch)));
        image.setDotsPerMeterY(int(std::lround(dpi.height() / kMetresPerInch)));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) {
        writer.setQuality(quality);
    }
    if (compression >= 0) {
        writer.setCompression(compression);
    }
    if (!writer.write(image)) {
        Log::write(QStringLiteral("Unable to encode %1 as %2: %3")
                       .arg(description(), QString::fromLatin1(format), writer.errorString()));
        return {};
    }
    return bytes;
}

QByteArray BitmapImageRep::TIFFRepresentation(bool compressed) const {
    // Qt's TIFF writer: 0 is no compression, 1 is LZW.
    return encode("tiff", -1, compressed ? 1 : 0);
}

QByteArray BitmapImageRep::JPEGRepresentation(float compressionFactor) const {
    const float factor =
        std::isnan(compressionFactor) ? 1.0f : std::clamp(compressionFactor, 0.0f, 1.0f);
    QByteArray jpeg = encode("jpeg", int(std::lround(factor * 100.0f)), -1);
    const QSizeF dpi = resolution();
    if (dpi.width() > 0 && dpi.height() > 0) {
        declareDotsPerInch(jpeg, dpi);
    }
    return jpeg;
}

QByteArray BitmapImageRep::PNGRepresentation() const {
    // Qt's middle setting: files as small as its default makes, in half the time.
    return encode("png", 50, -1);
}

QString BitmapImageRep::nameOfColorSpace(ColorSpace colorSpace) {
    switch (colorSpace) {
    case ColorSpace::CalibratedRGB:
        return QStringLiteral("CalibratedRGBColorSpace");
    case ColorSpace::CalibratedWhite:
        return QStringLiteral("CalibratedWhiteColorSpace");
    case ColorSpace::DeviceRGB:
        return QStringLiteral("DeviceRGBColorSpace");
    }
    return {};
}

QString BitmapImageRep::description() const {
    return QStringLiteral("BitmapImageRep %1x%2 pixels, %3x%4 points, %5 bps, %6 spp, %7 bpp, "
                          "%8 bytes per row, alpha %9, format %10, %11")
        .arg(layout_.pixelsWide)
        .arg(layout_.pixelsHigh)
        .arg(size_.width())
        .arg(size_.height())
        .arg(layout_.bitsPerSample)
        .arg(layout_.samplesPerPixel)
        .arg(layout_.bitsPerPixel)
        .arg(layout_.bytesPerRow)
        .arg(layout_.hasAlpha ? QStringLiteral("yes") : QStringLiteral("no"))
        .arg(layout_.bitmapFormat)
        .arg(nameOfColorSpace(layout_.colorSpace));
}
