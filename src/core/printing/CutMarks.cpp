#include "core/printing/CutMarks.h"

#include <algorithm>

namespace {
// How far a ray from `start` along an axis (dx, dy of -1, 0 or 1) runs before it enters the
// open inside of the rectangle; 0 when it starts inside, kLength when it never enters.
double distanceTo(const QRectF& r, QPointF start, int dx, int dy) {
    const double far = CutMarks::kLength;
    if (dy == 0) {
        if (start.y() <= r.top() || start.y() >= r.bottom()) {
            return far; // runs beside the rectangle, or along its edge
        }
        if (start.x() > r.left() && start.x() < r.right()) {
            return 0;
        }
        const double d = dx > 0 ? r.left() - start.x() : start.x() - r.right();
        return d >= 0 ? d : far;
    }
    if (start.x() <= r.left() || start.x() >= r.right()) {
        return far;
    }
    if (start.y() > r.top() && start.y() < r.bottom()) {
        return 0;
    }
    const double d = dy > 0 ? r.top() - start.y() : start.y() - r.bottom();
    return d >= 0 ? d : far;
}

// How far the ray stays inside the bounds (edges included); negative when it starts outside.
double roomIn(const QRectF& bounds, QPointF start, int dx, int dy) {
    if (start.x() < bounds.left() || start.x() > bounds.right() || start.y() < bounds.top() ||
        start.y() > bounds.bottom()) {
        return -1;
    }
    if (dx > 0) {
        return bounds.right() - start.x();
    }
    if (dx < 0) {
        return start.x() - bounds.left();
    }
    return dy > 0 ? bounds.bottom() - start.y() : start.y() - bounds.top();
}
} // namespace

std::vector<QLineF> CutMarks::lines(const std::vector<QRectF>& photos, const QRectF& bounds) {
    // QRectF's top() is the smaller y: in these y-up coordinates the bottom edge of a photo.
    std::vector<QRectF> placed;
    for (const QRectF& photo : photos) {
        if (!photo.normalized().isEmpty()) {
            placed.push_back(photo.normalized());
        }
    }
    std::vector<QRectF> keptClear;
    keptClear.reserve(placed.size());
    for (const QRectF& r : placed) {
        keptClear.push_back(r.adjusted(-kClearance, -kClearance, kClearance, kClearance));
    }
    const QRectF area = bounds.normalized();

    std::vector<QLineF> marks;
    for (size_t i = 0; i < placed.size(); ++i) {
        const QRectF& photo = placed[i];
        for (const QPointF corner :
             {photo.topLeft(), photo.topRight(), photo.bottomLeft(), photo.bottomRight()}) {
            const int outX = corner.x() == photo.left() ? -1 : 1;
            const int outY = corner.y() == photo.top() ? -1 : 1;
            // Along the horizontal edge, then along the vertical one.
            for (const auto& [dx, dy] : {std::pair{outX, 0}, std::pair{0, outY}}) {
                const QPointF start(corner.x() + dx * kClearance, corner.y() + dy * kClearance);
                double length = std::min(kLength, roomIn(area, start, dx, dy));
                // The photo's own zone lies behind the start: only the others can stop it.
                for (size_t j = 0; j < keptClear.size() && length >= kMinimumLength; ++j) {
                    if (j != i) {
                        length = std::min(length, distanceTo(keptClear[j], start, dx, dy));
                    }
                }
                if (length >= kMinimumLength) {
                    marks.emplace_back(start,
                                       QPointF(start.x() + dx * length, start.y() + dy * length));
                }
            }
        }
    }
    return marks;
}
