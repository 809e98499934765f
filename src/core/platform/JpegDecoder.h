#pragma once
// The fast road for camera JPEGs: libjpeg-turbo decodes straight into a packed-RGB bitmap
// (no intermediate 32-bit picture, no second full-size buffer) and the file's orientation is
// applied by moving pixels. Files it does not handle (CMYK, mirrored orientations, colour
// profiles other than sRGB) are left to the general decoder.

#include <QByteArray>
#include <memory>

class BitmapImageRep;

class JpegDecoder {
public:
    // The picture upright, one point a pixel; none when the file is not one this road takes
    // or cannot be read. quarterTurns receives the counter-clockwise quarter turns applied.
    static std::shared_ptr<BitmapImageRep> decode(const QByteArray& data, int* quarterTurns);
    // The orientation tag (1 to 8) of an Exif block ("Exif\0\0" and a TIFF header); 1 when
    // there is none.
    static int exifOrientation(const unsigned char* exif, qsizetype size);
};
