#include "core/platform/SRgbKernels.h"

#if defined(__x86_64__)

#include <immintrin.h>

// Everything below may use AVX2 (no FMA: the sums must round as the portable loop's do); it
// only runs where the processor has it.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC target("avx2")
#endif

namespace SRgbKernels {

namespace {

// Sixteen bytes repeated in both lanes, as the in-lane byte shuffles want their patterns.
__m256i bothLanes(const std::int8_t (&pattern)[16]) {
    return _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pattern)));
}

} // namespace

// Eight pixels a step, their tables read by gathers.
void convertAvx2(const Tables& t, const std::uint8_t* src, std::uint8_t* dst, std::size_t count) {
    // Pixels 0-3 in lane 0 and 4-7 in lane 1, each lane's twelve bytes from its start.
    const __m256i spread = _mm256_setr_epi32(0, 1, 2, 3, 3, 4, 5, 6);
    constexpr std::int8_t kRed[16] = {0, -1, -1, -1, 3, -1, -1, -1, 6, -1, -1, -1, 9, -1, -1, -1};
    constexpr std::int8_t kGreen[16] = {1, -1, -1, -1, 4,  -1, -1, -1,
                                        7, -1, -1, -1, 10, -1, -1, -1};
    constexpr std::int8_t kBlue[16] = {2, -1, -1, -1, 5, -1, -1, -1, 8, -1, -1, -1, 11, -1, -1, -1};
    constexpr std::int8_t kPack[16] = {0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1};
    const __m256i red = bothLanes(kRed), green = bothLanes(kGreen), blue = bothLanes(kBlue);
    const __m256i pack = bothLanes(kPack);
    const __m256i join = _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 7, 7);
    const __m256i byte = _mm256_set1_epi32(0xFF);
    const __m256 zero = _mm256_setzero_ps(), one = _mm256_set1_ps(1.0f);
    const __m256 steps = _mm256_set1_ps(float(kEncodedSteps));
    __m256 m[3][3];
    for (int c = 0; c < 3; ++c) {
        for (int j = 0; j < 3; ++j) {
            m[c][j] = _mm256_set1_ps(t.matrix[c][j]);
        }
    }
    const int* encoded = reinterpret_cast<const int*>(t.encoded);
    std::size_t i = 0;
    // The 32-byte load reads eight bytes past the eight pixels: keep it inside the row.
    for (; i + 11 <= count; i += 8) {
        const __m256i v = _mm256_permutevar8x32_epi32(
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + 3 * i)), spread);
        const __m256 r = _mm256_i32gather_ps(t.linear[0], _mm256_shuffle_epi8(v, red), 4);
        const __m256 g = _mm256_i32gather_ps(t.linear[1], _mm256_shuffle_epi8(v, green), 4);
        const __m256 b = _mm256_i32gather_ps(t.linear[2], _mm256_shuffle_epi8(v, blue), 4);
        __m256i out[3];
        for (int c = 0; c < 3; ++c) {
            __m256 x =
                _mm256_add_ps(_mm256_add_ps(_mm256_mul_ps(m[c][0], r), _mm256_mul_ps(m[c][1], g)),
                              _mm256_mul_ps(m[c][2], b));
            x = _mm256_mul_ps(_mm256_min_ps(_mm256_max_ps(x, zero), one), steps);
            out[c] =
                _mm256_and_si256(_mm256_i32gather_epi32(encoded, _mm256_cvtps_epi32(x), 1), byte);
        }
        const __m256i pixels = _mm256_or_si256(
            out[0], _mm256_or_si256(_mm256_slli_epi32(out[1], 8), _mm256_slli_epi32(out[2], 16)));
        const __m256i packed = _mm256_permutevar8x32_epi32(_mm256_shuffle_epi8(pixels, pack), join);
        // Exactly 24 bytes: in place, the next pixels are still to be read.
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 3 * i), _mm256_castsi256_si128(packed));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(dst + 3 * i + 16),
                         _mm256_extracti128_si256(packed, 1));
    }
    for (; i < count; ++i) {
        convertPixel(t, src + 3 * i, dst + 3 * i);
    }
}

} // namespace SRgbKernels

#if defined(__clang__)
#pragma clang attribute pop
#endif

#endif
