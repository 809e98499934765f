#include "core/platform/SRgbKernels.h"

#if defined(__x86_64__)

#include <array>

// GCC 12's AVX-512 headers start intrinsics from self-initialised "undefined" vectors, which
// -Wmaybe-uninitialized reports wherever they are inlined.
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <immintrin.h>

// Everything below may use AVX-512 VBMI and BITALG; it only runs where the processor has
// them.
#if defined(__clang__)
#pragma clang attribute push(                                                                      \
    __attribute__((target("avx2,avx512f,avx512bw,avx512dq,avx512vl,avx512vbmi,avx512bitalg"))),    \
    apply_to = function)
#else
#pragma GCC target("avx2,avx512f,avx512bw,avx512dq,avx512vl,avx512vbmi,avx512bitalg")
#endif

namespace SRgbKernels {

namespace {

using Bytes = std::array<std::uint8_t, 64>;

// Channel c of 64 packed pixels (192 bytes in three vectors): a two-vector permute takes the
// bytes of the first 128, a masked one the rest.
constexpr Bytes planeFromFirst(int c) {
    Bytes b{};
    for (int p = 0; p < 64; ++p) {
        b[p] = 3 * p + c < 128 ? std::uint8_t(3 * p + c) : 0;
    }
    return b;
}
constexpr Bytes planeFromThird(int c) {
    Bytes b{};
    for (int p = 0; p < 64; ++p) {
        b[p] = 3 * p + c < 128 ? 0 : std::uint8_t(3 * p + c - 128);
    }
    return b;
}
constexpr std::uint64_t planeThirdMask(int c) {
    std::uint64_t m = 0;
    for (int p = 0; p < 64; ++p) {
        m |= std::uint64_t(3 * p + c >= 128) << p;
    }
    return m;
}

// Output vector o of 64 packed pixels from the three planes: red and green by a two-vector
// permute, blue by a masked one.
constexpr Bytes packedFromRedGreen(int o) {
    Bytes b{};
    for (int i = 0; i < 64; ++i) {
        const int at = 64 * o + i;
        b[i] = at % 3 == 2 ? 0 : std::uint8_t(at % 3 * 64 + at / 3);
    }
    return b;
}
constexpr Bytes packedFromBlue(int o) {
    Bytes b{};
    for (int i = 0; i < 64; ++i) {
        const int at = 64 * o + i;
        b[i] = at % 3 == 2 ? std::uint8_t(at / 3) : 0;
    }
    return b;
}
constexpr std::uint64_t packedBlueMask(int o) {
    std::uint64_t m = 0;
    for (int i = 0; i < 64; ++i) {
        m |= std::uint64_t((64 * o + i) % 3 == 2) << i;
    }
    return m;
}

// Widening to 32 bits and packing back leave pixel p of each lane of 16 in word
// 8 x lane + p % 8 of the first (p % 16 < 8) or the second vector: the low byte of each.
constexpr Bytes lowBytesInPixelOrder() {
    Bytes b{};
    for (int p = 0; p < 64; ++p) {
        const int lane = p / 16, r = p % 16;
        b[p] = std::uint8_t(r < 8 ? 2 * (8 * lane + r) : 64 + 2 * (8 * lane + r - 8));
    }
    return b;
}

// Bits 1 to l of a run's rise mask, low byte and high byte, by l (in each 16-byte lane).
constexpr Bytes risesUpTo(bool high) {
    Bytes b{};
    for (int i = 0; i < 64; ++i) {
        const int l = i % 16;
        const unsigned bits = (2u << l) - 2u;
        b[i] = std::uint8_t(high ? bits >> 8 : bits & 0xFF);
    }
    return b;
}

constexpr std::array<Bytes, 3> kPlaneFromFirst = {planeFromFirst(0), planeFromFirst(1),
                                                  planeFromFirst(2)};
constexpr std::array<Bytes, 3> kPlaneFromThird = {planeFromThird(0), planeFromThird(1),
                                                  planeFromThird(2)};
constexpr std::array<std::uint64_t, 3> kPlaneThirdMask = {planeThirdMask(0), planeThirdMask(1),
                                                          planeThirdMask(2)};
constexpr std::array<Bytes, 3> kPackedFromRedGreen = {packedFromRedGreen(0), packedFromRedGreen(1),
                                                      packedFromRedGreen(2)};
constexpr std::array<Bytes, 3> kPackedFromBlue = {packedFromBlue(0), packedFromBlue(1),
                                                  packedFromBlue(2)};
constexpr std::array<std::uint64_t, 3> kPackedBlueMask = {packedBlueMask(0), packedBlueMask(1),
                                                          packedBlueMask(2)};
constexpr Bytes kLowBytes = lowBytesInPixelOrder();
constexpr Bytes kRisesLow = risesUpTo(false);
constexpr Bytes kRisesHigh = risesUpTo(true);

__m512i load(const Bytes& b) {
    return _mm512_loadu_si512(b.data());
}

struct Table256 {
    __m512i part[4];
    explicit Table256(const std::uint8_t* t) {
        for (int j = 0; j < 4; ++j) {
            part[j] = _mm512_loadu_si512(t + 64 * j);
        }
    }
    // Two 128-entry permutes on the low seven bits, chosen by the top bit (given as top).
    __m512i operator()(__m512i x, __mmask64 top) const {
        return _mm512_mask_blend_epi8(top, _mm512_permutex2var_epi8(part[0], x, part[1]),
                                      _mm512_permutex2var_epi8(part[2], x, part[3]));
    }
};

} // namespace

// 64 pixels a step, in planes: every table is read by byte permutes. A step of linear light
// k = 16h + l is encoded as the value at the start of run h plus the rises of the run's
// steps 1 to l.
void convertVbmi(const Tables& t, const std::uint8_t* src, std::uint8_t* dst, std::size_t count) {
    __m512i planeFromFirst[3], planeFromThird[3], packedFromRedGreen[3], packedFromBlue[3];
    for (int c = 0; c < 3; ++c) {
        planeFromFirst[c] = load(kPlaneFromFirst[c]);
        planeFromThird[c] = load(kPlaneFromThird[c]);
        packedFromRedGreen[c] = load(kPackedFromRedGreen[c]);
        packedFromBlue[c] = load(kPackedFromBlue[c]);
    }
    const __m512i lowBytes = load(kLowBytes), risesLow = load(kRisesLow);
    const __m512i risesHigh = load(kRisesHigh);
    const Table256 linearLow[3] = {Table256(t.linearLow[0]), Table256(t.linearLow[1]),
                                   Table256(t.linearLow[2])};
    const Table256 linearHigh[3] = {Table256(t.linearHigh[0]), Table256(t.linearHigh[1]),
                                    Table256(t.linearHigh[2])};
    const Table256 runStart(t.runStart), runRisesLow(t.runRisesLow), runRisesHigh(t.runRisesHigh);
    __m512 m[3][3];
    for (int c = 0; c < 3; ++c) {
        for (int j = 0; j < 3; ++j) {
            m[c][j] = _mm512_set1_ps(t.matrix[c][j]);
        }
    }
    const __m512 zero = _mm512_setzero_ps(), one = _mm512_set1_ps(1.0f);
    const __m512 perStep = _mm512_set1_ps(1.0f / 65280.0f);
    const __m512 steps = _mm512_set1_ps(float(kEncodedSteps));
    const __m512i nibble = _mm512_set1_epi8(0x0F), none = _mm512_setzero_si512();

    for (std::size_t i = 0; i < count; i += 64) {
        // The last pixels with masked loads and stores: nothing outside the row is touched.
        const std::size_t bytes = 3 * std::min<std::size_t>(64, count - i);
        const auto maskOf = [bytes](std::size_t from) {
            return bytes >= from + 64 ? ~__mmask64{0}
                   : bytes > from     ? (__mmask64{1} << (bytes - from)) - 1
                                      : __mmask64{0};
        };
        const std::uint8_t* s = src + 3 * i;
        const __m512i in0 = _mm512_maskz_loadu_epi8(maskOf(0), s);
        const __m512i in1 = _mm512_maskz_loadu_epi8(maskOf(64), s + 64);
        const __m512i in2 = _mm512_maskz_loadu_epi8(maskOf(128), s + 128);

        // Linear light, 16 floats per vector; the widening scatters the lanes, as undone below.
        __m512 light[3][4];
        for (int c = 0; c < 3; ++c) {
            const __m512i plane =
                _mm512_mask_permutexvar_epi8(_mm512_permutex2var_epi8(in0, planeFromFirst[c], in1),
                                             kPlaneThirdMask[c], planeFromThird[c], in2);
            const __mmask64 top = _mm512_movepi8_mask(plane);
            const __m512i low = linearLow[c](plane, top), high = linearHigh[c](plane, top);
            const __m512i words[2] = {_mm512_unpacklo_epi8(low, high),
                                      _mm512_unpackhi_epi8(low, high)};
            for (int w = 0; w < 2; ++w) {
                light[c][2 * w] = _mm512_mul_ps(
                    _mm512_cvtepi32_ps(_mm512_unpacklo_epi16(words[w], none)), perStep);
                light[c][2 * w + 1] = _mm512_mul_ps(
                    _mm512_cvtepi32_ps(_mm512_unpackhi_epi16(words[w], none)), perStep);
            }
        }

        __m512i planes[3];
        for (int c = 0; c < 3; ++c) {
            __m512i step[4];
            for (int q = 0; q < 4; ++q) {
                __m512 x = _mm512_add_ps(_mm512_add_ps(_mm512_mul_ps(m[c][0], light[0][q]),
                                                       _mm512_mul_ps(m[c][1], light[1][q])),
                                         _mm512_mul_ps(m[c][2], light[2][q]));
                x = _mm512_mul_ps(_mm512_min_ps(_mm512_max_ps(x, zero), one), steps);
                step[q] = _mm512_cvtps_epi32(x);
            }
            // Steps 0 to 4080 as words, then h = step >> 4 and l = step & 15 as bytes, back in
            // pixel order.
            const __m512i words0 = _mm512_packus_epi32(step[0], step[1]);
            const __m512i words1 = _mm512_packus_epi32(step[2], step[3]);
            const __m512i h = _mm512_permutex2var_epi8(_mm512_srli_epi16(words0, 4), lowBytes,
                                                       _mm512_srli_epi16(words1, 4));
            const __m512i l =
                _mm512_and_si512(_mm512_permutex2var_epi8(words0, lowBytes, words1), nibble);
            const __mmask64 top = _mm512_movepi8_mask(h);
            const __m512i low =
                _mm512_and_si512(runRisesLow(h, top), _mm512_shuffle_epi8(risesLow, l));
            const __m512i high =
                _mm512_and_si512(runRisesHigh(h, top), _mm512_shuffle_epi8(risesHigh, l));
            planes[c] =
                _mm512_add_epi8(runStart(h, top),
                                _mm512_add_epi8(_mm512_popcnt_epi8(low), _mm512_popcnt_epi8(high)));
        }

        std::uint8_t* d = dst + 3 * i;
        for (int o = 0; o < 3; ++o) {
            const __m512i packed = _mm512_mask_permutexvar_epi8(
                _mm512_permutex2var_epi8(planes[0], packedFromRedGreen[o], planes[1]),
                kPackedBlueMask[o], packedFromBlue[o], planes[2]);
            _mm512_mask_storeu_epi8(d + 64 * o, maskOf(64 * std::size_t(o)), packed);
        }
    }
}

} // namespace SRgbKernels

#if defined(__clang__)
#pragma clang attribute pop
#endif

#endif
