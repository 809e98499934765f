#include "core/document/FramingDrag.h"

#include "core/document/Fotino.h"

#include <cmath>

namespace {
bool finite(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}
} // namespace

std::optional<FramingDrag> FramingDrag::begin(Fotino& fotino, QPointF location) {
    const QSizeF picture = fotino.originalPictureSize();
    const float scale = fotino.pictureSize();
    if (picture.width() <= 0 || picture.height() <= 0 || !(scale > 0) || !std::isfinite(scale)) {
        return std::nullopt;
    }
    const QPointF q0 =
        Fotino::offsetInPixelsForPictureSize(picture, scale, fotino.offsetInPercent());
    if (!finite(q0)) {
        return std::nullopt;
    }
    return FramingDrag(picture, location + q0);
}

std::optional<QPointF> FramingDrag::offsetAt(float scale, QPointF location) const {
    if (!(scale > 0) || !std::isfinite(scale)) {
        return std::nullopt;
    }
    const QPointF q = anchor_ - location;
    const QPointF percent = Fotino::offsetInPercentsForPictureSize(pictureSize_, scale, q);
    if (!finite(percent)) {
        return std::nullopt;
    }
    return percent;
}
