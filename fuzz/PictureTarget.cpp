#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/ImageDecoder.h"
#include "core/platform/JpegDecoder.h"

#include <QBuffer>
#include <QImageReader>
#include <cmath>
#include <cstring>

namespace {
// The JPEG road alone, on one thread and then on two; none for a picture above the limit,
// which the decoder refuses before it comes here.
bool sameOnOneAndTwoThreads(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    const QSize header = QImageReader(&buffer, "jpeg").size();
    if (!header.isValid() || qint64(header.width()) * header.height() > FuzzTargets::kMaxPixels) {
        return true;
    }
    const int threads = JpegDecoder::threads();
    int orientation[2] = {0, 0};
    JpegDecoder::setThreads(1);
    const auto one = JpegDecoder::decode(bytes, &orientation[0]);
    JpegDecoder::setThreads(2);
    const auto two = JpegDecoder::decode(bytes, &orientation[1]);
    JpegDecoder::setThreads(threads);
    FUZZ_CHECK(bool(one) == bool(two));
    if (!one) {
        return true;
    }
    FUZZ_CHECK(orientation[0] == orientation[1]);
    FUZZ_CHECK(one->pixelsWide() == two->pixelsWide() && one->pixelsHigh() == two->pixelsHigh());
    FUZZ_CHECK(one->bytesPerRow() == two->bytesPerRow());
    FUZZ_CHECK(std::memcmp(one->bitmapData(), two->bitmapData(), size_t(one->dataSize())) == 0);
    return true;
}
} // namespace

bool FuzzTargets::picture(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)ImageDecoder::scanJPEG(bytes);
    (void)ImageDecoder::scanPNG(bytes);
    (void)ImageDecoder::scanTIFF(bytes);
    (void)JpegDecoder::exifOrientation(data, static_cast<qsizetype>(size));
    if (const auto rep = ImageDecoder::decodeData(bytes, kMaxPixels)) {
        // What every caller relies on: 8-bit RGB or RGBA, within the limit, a printable size.
        FUZZ_CHECK(rep->pixelsWide() > 0 && rep->pixelsHigh() > 0);
        FUZZ_CHECK(qint64(rep->pixelsWide()) * rep->pixelsHigh() <= kMaxPixels);
        FUZZ_CHECK(rep->bitsPerSample() == 8);
        FUZZ_CHECK(rep->samplesPerPixel() == (rep->hasAlpha() ? 4 : 3));
        FUZZ_CHECK(rep->bytesPerRow() >= rep->pixelsWide() * rep->samplesPerPixel());
        const QSizeF points = rep->size();
        FUZZ_CHECK(std::isfinite(points.width()) && std::isfinite(points.height()));
        FUZZ_CHECK(points.width() > 0 && points.height() > 0);
        FUZZ_CHECK(!rep->toQImage().isNull());
    }
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8) {
        return sameOnOneAndTwoThreads(bytes);
    }
    return true;
}
