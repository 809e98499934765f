#pragma once
// Writing a bitmap to a picture file: TIFF, JPEG or PNG, with the bitmap's resolution. Every
// write goes through a temporary file, so an existing file is wholly replaced or untouched.

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class BitmapImageRep;

namespace FileFormatsExport {
// The path without the extension of a picture format it may end in (.tif, .tiff, .jpg, .jpeg,
// .png, in any case). Other dots belong to the name: "Dr. Weber" stays whole.
QString pathWithoutPictureExtension(const QString& path);
// The path with such an extension replaced by the given one; none when the path's folder is
// not an existing folder or the extension is empty.
std::optional<QString> checkPath(const QString& path, const QString& setToExtension);

QByteArray TIFFData(const BitmapImageRep& rep);
// Compression factor from 0 (smallest file) to 1 (best quality).
QByteArray JPEGDataWithCompressionFactor(const BitmapImageRep& rep, float compressionFactor);
QByteArray PNGData(const BitmapImageRep& rep);

// The JPEG of the largest quality whose data fit in a number of bytes.
struct JPEGFit {
    QByteArray data;          // empty when no quality fits or the encoder failed
    int quality = 0;          // 1 to 100; 0 when nothing fits
    int encodes = 0;          // encodings the search made
    qint64 smallestBytes = 0; // the size at the lowest quality when even that was too large
    bool encoderFailed = false;
};
// The encoder of a quality from 1 (smallest file) to 100 (best quality).
using JPEGEncoder = std::function<QByteArray(int quality)>;
constexpr int kLowestJPEGQuality = 1;
constexpr int kHighestJPEGQuality = 100;
// Bisection over the quality: at most 7 encodings, the best fitting one kept, so the answer
// is never encoded twice. The quality answered fits and the one above it (below 100) was
// encoded and does not, even where the file size is not quite monotonic in the quality.
JPEGFit largestJPEGWithin(qint64 maxBytes, const JPEGEncoder& encode);
JPEGFit JPEGDataWithin(const BitmapImageRep& rep, qint64 maxBytes);

// Each writes to the path with the format's extension ("tif", "jpg", "png") in place of its
// own, overwriting an existing file; false when nothing was written.
bool writeTIFFToFile(const BitmapImageRep& rep, const QString& path);
bool writeJPEGToFile(const BitmapImageRep& rep, const QString& path, float compression);
bool writePNGToFile(const BitmapImageRep& rep, const QString& path);
// The JPEG of JPEGDataWithin; nothing is written when no quality fits (the fit, if asked
// for, tells why).
bool writeJPEGToFileWithin(const BitmapImageRep& rep, const QString& path, qint64 maxBytes,
                           JPEGFit* fit = nullptr);
} // namespace FileFormatsExport
