#include "core/document/PictureScale.h"

#include "core/platform/Units.h"

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
    if (!(magnification(frame, oldScale) > 0) || !(magnification(frame, newScale) > 0) ||
        pictureSize.isEmpty()) {
        return offset;
    }
    const QPointF under = picturePoint(pictureSize, frame, oldScale, offset, point);
    return offsetPlacing(pictureSize, frame, newScale, offset, under, point);
}

double PictureScale::magnification(QSizeF frame, float scale) {
    // The framing places the picture by its size at the layout factor k = W x scale / 30000
    // (W in whole frame points) and draws it at four thirds of k: a picture point P lies at
    // W / 2 - size x k x (1 - offset / 100) + P x 4k / 3 across, and likewise up with the
    // frame's height.
    return Units::wholeUnits(frame.width()) * double(scale) / 22500.0;
}

QPointF PictureScale::framePoint(QSizeF pictureSize, QSizeF frame, float scale, QPointF offset,
                                 QPointF picturePoint) {
    const double m = magnification(frame, scale);
    const double k = m * 3 / 4;
    return {frame.width() / 2 - pictureSize.width() * k * (1 - offset.x() / 100) +
                picturePoint.x() * m,
            frame.height() / 2 - pictureSize.height() * k * (1 - offset.y() / 100) +
                picturePoint.y() * m};
}

QPointF PictureScale::picturePoint(QSizeF pictureSize, QSizeF frame, float scale, QPointF offset,
                                   QPointF at) {
    const double m = magnification(frame, scale);
    if (!(m > 0)) {
        return {};
    }
    const double k = m * 3 / 4;
    return {(at.x() - frame.width() / 2 + pictureSize.width() * k * (1 - offset.x() / 100)) / m,
            (at.y() - frame.height() / 2 + pictureSize.height() * k * (1 - offset.y() / 100)) / m};
}

QPointF PictureScale::offsetPlacing(QSizeF pictureSize, QSizeF frame, float scale, QPointF offset,
                                    QPointF picturePoint, QPointF at) {
    const double m = magnification(frame, scale);
    const double k = m * 3 / 4;
    if (!(k > 0) || pictureSize.isEmpty()) {
        return offset;
    }
    const auto place = [&](double size, double side, double point, double target) {
        return 100 * (1 - (side / 2 - target + point * m) / (size * k));
    };
    return {place(pictureSize.width(), frame.width(), picturePoint.x(), at.x()),
            place(pictureSize.height(), frame.height(), picturePoint.y(), at.y())};
}
