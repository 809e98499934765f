#pragma once
// The editor's scale slider: positions spread evenly over the ratio of scales rather than
// their difference, so that one slider reaches from a whole 50-megapixel photo in the frame
// to a face filling it from a 640 x 480 camera frame, with the same fine steps everywhere.

#include <QPointF>
#include <QSizeF>

namespace PictureScale {

inline constexpr int kPositions = 1000;
inline constexpr float kMinimum = 0.5f;
inline constexpr float kMaximum = 3000.0f;

// The picture scale ("FTSize", a percentage) at a slider position, and back (the nearest
// position, clamped to the slider).
float scaleForPosition(int position);
int positionForScale(float scale);
// The offset (in percent, both ways) that puts the middle of the picture in the middle of the
// frame: the framing places the picture by its size at three quarters of the scale it draws
// it at, so a third rather than a half.
inline constexpr float kCentredOffset = 100.0f / 3.0f;
// The smallest scale at which a picture of that point size, centred, covers a frame of these
// proportions (width over height); 0 without a picture.
float coveringScale(QSizeF pictureSize, float frameAspect);

// The offset (in percent) that keeps the picture's point under `point` (frame points, y
// upward, from the frame's lower-left corner) where it is when the scale goes from oldScale
// to newScale: zooming about the mouse. The offset unchanged when either scale shows nothing.
QPointF offsetKeepingPoint(QSizeF pictureSize, QSizeF frame, float oldScale, float newScale,
                           QPointF offset, QPointF point);

// Where a picture point (picture points, y upward) lands in the frame (frame points, y upward,
// from its lower-left corner) at that scale and offset.
QPointF framePoint(QSizeF pictureSize, QSizeF frame, float scale, QPointF offset,
                   QPointF picturePoint);
// The picture point under a frame point; the origin when the scale shows nothing.
QPointF picturePoint(QSizeF pictureSize, QSizeF frame, float scale, QPointF offset, QPointF at);
// The offset that puts the picture point at the frame point at that scale; the offset
// unchanged when the scale shows nothing.
QPointF offsetPlacing(QSizeF pictureSize, QSizeF frame, float scale, QPointF offset,
                      QPointF picturePoint, QPointF at);
// How many frame points one picture point becomes at that scale.
double magnification(QSizeF frame, float scale);

} // namespace PictureScale
