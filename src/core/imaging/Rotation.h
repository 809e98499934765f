#pragma once
// Turning a picture by any angle into a new picture just large enough to hold it, on white,
// at the source's resolution and without alpha.

#include <QRectF>
#include <memory>

class GraphicsContext;
class Image;

namespace Rotation {
// Counter-clockwise for positive angles. Multiples of 90 move pixels exactly (a 400 x 300
// picture turned by 90 is 300 x 400); other angles sample bilinearly. None when the picture
// has no bitmap or memory cannot be had. The picture itself is not changed.
std::shared_ptr<Image> imageRotatedByDegrees(const Image& image, float degrees);
// Rotates the current transform by the angle, then moves the frame's origin to (0, 0).
void applyRotationTransform(GraphicsContext& context, float degrees, const QRectF& frame);
} // namespace Rotation
