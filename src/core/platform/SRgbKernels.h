#pragma once
// The pixel loops behind SRgbConverter, one per instruction path. Each follows Qt's own 8-bit
// conversion step for step (linear light in steps of 1/65280, a float matrix clamped to
// [0, 1], then one of 4081 encoded values), so that every path writes the same bytes.

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace SRgbKernels {

// 4080 steps of linear light between black and white pick the encoded value, as in Qt.
constexpr int kEncodedSteps = 4080;

struct Tables {
    // Per channel, the linear light of each 8-bit value: Qt's count of 1/65280 steps, split
    // in its low and high bytes, and the same as a float (count x (1/65280), as Qt has it).
    alignas(64) std::uint8_t linearLow[3][256];
    alignas(64) std::uint8_t linearHigh[3][256];
    alignas(64) float linear[3][256];
    // Linear sRGB from the file's linear light; one row per output channel.
    float matrix[3][3];
    // The 8-bit sRGB value of each step of linear light, with spare bytes for 4-byte gathers.
    std::uint8_t encoded[kEncodedSteps + 4];
    // encoded[] in runs of 16 steps: the value at the start of each run, and bit i of the
    // 16-bit mask (low byte, high byte) set where step i of the run rises by one.
    alignas(64) std::uint8_t runStart[256];
    alignas(64) std::uint8_t runRisesLow[256];
    alignas(64) std::uint8_t runRisesHigh[256];
};

// Converts count packed RGB pixels of src into dst, which may be src itself.
using Kernel = void (*)(const Tables& t, const std::uint8_t* src, std::uint8_t* dst,
                        std::size_t count);

void convertPortable(const Tables& t, const std::uint8_t* src, std::uint8_t* dst,
                     std::size_t count);
#if defined(__x86_64__)
void convertAvx2(const Tables& t, const std::uint8_t* src, std::uint8_t* dst, std::size_t count);
void convertVbmi(const Tables& t, const std::uint8_t* src, std::uint8_t* dst, std::size_t count);
#endif

// One pixel, as every path computes it; the vector paths finish their rows with it.
inline void convertPixel(const Tables& t, const std::uint8_t* s, std::uint8_t* d) {
    const float r = t.linear[0][s[0]];
    const float g = t.linear[1][s[1]];
    const float b = t.linear[2][s[2]];
    std::uint8_t out[3];
    for (int c = 0; c < 3; ++c) {
        const float* m = t.matrix[c];
        const float x =
            std::min(std::max((m[0] * r + m[1] * g) + m[2] * b, 0.0f), 1.0f) * float(kEncodedSteps);
        // Adding and taking away 1.5 x 2^23 rounds half to even, as the vector conversions do.
        const float step = (x + 0x1.8p23f) - 0x1.8p23f;
        out[c] = t.encoded[int(step)];
    }
    d[0] = out[0];
    d[1] = out[1];
    d[2] = out[2];
}

} // namespace SRgbKernels
