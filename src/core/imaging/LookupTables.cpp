#include "core/imaging/LookupTables.h"

#include <cmath>

namespace LookupTables {

void buildContrastBrightnessLUT(std::uint8_t* table, float contrast, float brightness) {
    if (!table)
        return;
    // Kept in separate float statements so that no fused multiply-add changes a rounding.
    const float base = 100.0f * brightness + 128.0f;
    for (int i = 0; i < 256; ++i) {
        const float scaled = static_cast<float>(i - 128) * contrast;
        float v = scaled + base;
        if (v < 0.0f)
            v = 0.0f;
        if (v > 255.0f)
            v = 255.0f;
        table[i] = static_cast<std::uint8_t>(static_cast<int>(v));
    }
}

void buildGammaLUTs(std::uint8_t* red, std::uint8_t* green, std::uint8_t* blue, int gamma,
                    int offset) {
    const double f = gamma >= 0 ? 1.0 + gamma * 0.03125 : 1.0 + gamma * 0.0078125;
    // gamma = -128 would divide by zero; the historical tables use this exponent instead.
    const double exponent = f == 0.0 ? 100.00000223517424 : 1.0 / f;
    const double shift = offset * 0.005;
    // 0.00392156862745098 is not exactly 1/255: some identity entries come out one lower,
    // and existing pictures were adjusted with exactly these tables.
    for (int i = 0; i < 256; ++i) {
        double v = std::pow(i * 0.00392156862745098, exponent) + shift;
        if (v < 0.0)
            v = 0.0;
        if (v > 1.0)
            v = 1.0;
        const auto entry = static_cast<std::uint8_t>(static_cast<int>(v * 255.0));
        if (red)
            red[i] = entry;
        if (green)
            green[i] = entry;
        if (blue)
            blue[i] = entry;
    }
}

} // namespace LookupTables
