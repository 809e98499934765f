#pragma once
// Cut marks of the photos on a sheet: short lines that carry each photo's edges on past its
// corners, into the space between the photos and around them, so that a blade laid along two
// marks cuts exactly along the edge. A mark keeps clear of every photo and stops before the
// next one or the edge of the printable area, so it is never printed over a photo; where
// there is no room for it (photos that touch, say) it is left out. Points, y up.

#include <QLineF>
#include <QRectF>
#include <vector>

class CutMarks {
public:
    // Thin enough to vanish in the cut, thick enough to print on any printer.
    static constexpr double kLineWidth = 0.5;
    // Space kept free between a mark and any photo, so that the line's width and a
    // printer's slight misregistration stay off the photo.
    static constexpr double kClearance = 2.0;
    // How far a mark runs when nothing stops it: about 4 mm.
    static constexpr double kLength = 12.0;
    // A mark stopped sooner than this is left out: too short to lay a ruler on.
    static constexpr double kMinimumLength = 2.0;

    // Up to two marks at each corner of each photo, one continuing the horizontal edge and
    // one the vertical edge, away from the photo. Each line starts kClearance from the
    // corner and runs outward, inside `bounds` and kClearance away from every photo.
    static std::vector<QLineF> lines(const std::vector<QRectF>& photos, const QRectF& bounds);
};
