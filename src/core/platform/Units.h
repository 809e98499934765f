#pragma once
// Lengths on paper and on screen: a point is 1/72 inch.

#include <algorithm>
#include <cmath>
#include <limits>

namespace Units {
inline constexpr double kPointsPerInch = 72.0;
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kCentimetresPerInch = 2.54;
inline constexpr double kMetresPerInch = 0.0254;

// Whole units of a length, cut toward zero, as the framing counts a frame's width. Lengths come
// from files that may hold anything: what is no number counts as 0, and the result stays
// within int.
inline int wholeUnits(double length) {
    if (std::isnan(length)) {
        return 0;
    }
    constexpr double most = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(length, -most, most));
}
} // namespace Units
