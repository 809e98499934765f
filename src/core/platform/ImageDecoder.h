#pragma once
// Reads picture files into 8-bit colour bitmaps, safely: broken, truncated and absurdly large
// files are refused with one log line before any big allocation.

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <memory>
#include <optional>

class BitmapImageRep;

class ImageDecoder {
public:
    // Pictures larger than this are refused from their header alone.
    static constexpr qint64 kMaxPixels = 300'000'000;

    // Packed RGB (bytesPerRow = 3 x width), or RGBA (alpha last, not premultiplied) when the
    // picture has alpha, whatever the file's own layout. Turned upright by the file's
    // orientation, converted to sRGB, point size from the declared density (72 dpi without
    // one). None, with one log line, when the picture cannot be read.
    static std::shared_ptr<BitmapImageRep> decodeFile(const QString& path);
    // The same with a lower limit where a picture is expected to be small.
    static std::shared_ptr<BitmapImageRep> decodeData(const QByteArray& data,
                                                      qint64 maxPixels = kMaxPixels);

    // What a cheap walk through a JPEG or PNG file finds.
    struct Structure {
        bool complete = false;             // every part up to the end marker is present
        std::optional<QSizeF> dotsPerInch; // the declared density, if any
    };
    // The JFIF density, or else the Exif resolution.
    static Structure scanJPEG(const QByteArray& data);
    static Structure scanPNG(const QByteArray& data);
    // The resolution tags of the first directory.
    static std::optional<QSizeF> scanTIFF(const QByteArray& data);

private:
    static std::shared_ptr<BitmapImageRep> decode(const QByteArray& data, const QString& origin,
                                                  qint64 maxPixels);
};
