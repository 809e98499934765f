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
