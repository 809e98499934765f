#pragma once
// The fast road for camera JPEGs: libjpeg-turbo decodes straight into a packed-RGB bitmap, and
// strip by strip the pixels are converted from the file's colour profile to sRGB (by
// SRgbConverter, or Qt's QColorTransform where its tables do not serve) and moved to where the
// file's orientation puts them, so that no second full-size picture is made. Files it does not
// handle (CMYK, profiles Qt cannot read) are left to the general decoder.

#include <QByteArray>
#include <memory>

class BitmapImageRep;

class JpegDecoder {
public:
    // The picture upright and in sRGB, one point a pixel; none when the file is not one this
    // road takes or cannot be read. orientation receives the Exif orientation (1 to 8) the
    // picture was turned upright from.
    static std::shared_ptr<BitmapImageRep> decode(const QByteArray& data, int* orientation);
    // The orientation tag (1 to 8) of an Exif block ("Exif\0\0" and a TIFF header); 1 when
    // there is none.
    static int exifOrientation(const unsigned char* exif, qsizetype size);
    // The threads a decode uses (1 or 2; 2 where the machine has two cores): with two, the
    // conversion and the turning run beside the decoding.
    static int threads();
    static void setThreads(int threads);
};
