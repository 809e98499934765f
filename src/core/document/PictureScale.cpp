#include "core/document/PictureScale.h"

#include <algorithm>
#include <cmath>

float PictureScale::scaleForPosition(int position) {
    const double t = std::clamp(position, 0, kPositions) / double(kPositions);
    return static_cast<float>(kMinimum * std::pow(double(kMaximum) / kMinimum, t));
}

int PictureScale::positionForScale(float scale) {
    if (!(scale > kMinimum)) {
        return 0;
    }
    const double t = std::log(double(scale) / kMinimum) / std::log(double(kMaximum) / kMinimum);
    return std::clamp(static_cast<int>(std::lround(t * kPositions)), 0, kPositions);
}

float PictureScale::coveringScale(QSizeF pictureSize, float frameAspect) {
    if (pictureSize.width() <= 0 || pictureSize.height() <= 0 || !(frameAspect > 0)) {
        return 0;
    }
    // Drawn in a frame W wide, the picture is w x W x scale / 22500 points wide (four thirds
    // of W x scale / 30000 a point): it covers the frame once that reaches W across and
    // W / aspect up. A little more makes up for the frame width the drawing truncates.
    const double across = 22500.0 / pictureSize.width();
    const double up = 22500.0 / (pictureSize.height() * frameAspect);
    return static_cast<float>(std::max(across, up) * 1.01);
}

QPointF PictureScale::offsetKeepingPoint(QSizeF pictureSize, QSizeF frame, float oldScale,
                                         float newScale, QPointF offset, QPointF point) {
    // The framing places the picture by its size at the layout factor k and draws it at four
    // thirds of k: a picture point P lies at W / 2 - size x k x (1 - offset / 100) + P x 4k / 3
    // across, and likewise up with the frame's height.
    const double width = static_cast<int>(frame.width());
    const double k0 = width * oldScale / 30000.0;
    const double k1 = width * newScale / 30000.0;
    if (!(k0 > 0) || !(k1 > 0) || pictureSize.isEmpty()) {
        return offset;
    }
    const auto keep = [&](double size, double side, double percent, double at) {
        const double picturePoint =
            (at - side / 2 + size * k0 * (1 - percent / 100)) / (k0 * 4 / 3);
        return 100 * (1 - (picturePoint * k1 * 4 / 3 - at + side / 2) / (size * k1));
    };
    return {keep(pictureSize.width(), frame.width(), offset.x(), point.x()),
            keep(pictureSize.height(), frame.height(), offset.y(), point.y())};
}
