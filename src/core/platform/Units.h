#pragma once
// Lengths on paper and on screen: a point is 1/72 inch.

namespace Units {
inline constexpr double kPointsPerInch = 72.0;
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kCentimetresPerInch = 2.54;
inline constexpr double kMetresPerInch = 0.0254;
} // namespace Units
