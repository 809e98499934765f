#pragma once
// Small questions the picture pipeline asks of a picture: its first bitmap, pixel size,
// point rectangle, resolution and whether it is gray; and matching a resolution.

#include <QRectF>
#include <QSizeF>
#include <memory>

class BitmapImageRep;
class Image;

namespace CustomCompose {

// None when the picture has no representation.
std::shared_ptr<BitmapImageRep> firstRepresentation(const Image& image);
// Pixels across and down of the first representation; (0, 0) without one.
QSizeF sizeInPixels(const Image& image);
// (0, 0, width, height) of the point size.
QRectF imageRect(const Image& image);
// 72 x pixels across / point width, in single precision; 0 when either is missing. Only the
// horizontal direction counts.
float resolution(const Image& image);
// Sets the point size so that resolution() answers dpi; the pixels stay as they are (pictures
// always draw scaled to their point size). Nothing happens for a resolution of 0 or less, or
// for a picture whose resolution is 0.
void matchResolution(Image& image, float dpi);
// True when the first representation has exactly one sample per pixel.
bool isGrayScale(const Image& image);

} // namespace CustomCompose
