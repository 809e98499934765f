#include "core/analysis/FaceFeatures.h"

#include <cmath>
#include <numbers>

QPointF FaceFeatures::eyeCentre() const {
    return (leftEye + rightEye) / 2;
}

double FaceFeatures::tiltDegrees() const {
    // y runs downward: an eye on the right that sits higher has the smaller y.
    const double rise = leftEye.y() - rightEye.y();
    const double run = rightEye.x() - leftEye.x();
    if (rise == 0 && run == 0) {
        return 0;
    }
    return std::atan2(rise, run) * 180 / std::numbers::pi;
}
