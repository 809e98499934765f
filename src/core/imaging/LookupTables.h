#pragma once

// Builders of the 256-entry tables that carry the picture adjustments.
// Entry i is the output for input sample i; the caller owns the tables.

#include <cstdint>

namespace LookupTables {

// v = (i - 128) * contrast + 100 * brightness + 128, clamped to [0, 255], truncated.
// Float arithmetic on purpose: stored documents expect exactly these entries.
void buildContrastBrightnessLUT(std::uint8_t* table, float contrast, float brightness);

// Fills each non-null table with 255 * clamp((i / 255)^(1 / f) + offset * 0.005, 0, 1),
// f = 1 + gamma / 32 (gamma >= 0) or 1 + gamma / 128 (gamma < 0). Double arithmetic.
void buildGammaLUTs(std::uint8_t* red, std::uint8_t* green, std::uint8_t* blue, int gamma,
                    int offset);

} // namespace LookupTables
