#include "core/capture/LiveViewGeometry.h"

QTransform LiveViewGeometry::mirrorMatrix(const QRectF& bounds) {
    return QTransform::fromScale(-1.0, 1.0) * QTransform::fromTranslate(bounds.width(), 0.0);
}

QRectF LiveViewGeometry::portraitGuide(const QRectF& bounds) {
    const auto by = static_cast<float>(bounds.y());
    const auto bw = static_cast<float>(bounds.width());
    const auto bh = static_cast<float>(bounds.height());
    const float y0 = by + 0.23f * bh;
    const float height = bh - 2.0f * y0;
    const float width = 0.75f * height;
    return {(bw - width) * 0.5f, y0, width, height};
}
