#include "core/imaging/PixelKernels.h"

#if defined(__x86_64__)

#include <algorithm>

// GCC 12's AVX-512 headers start intrinsics from self-initialised "undefined" vectors, which
// -Wmaybe-uninitialized reports wherever they are inlined.
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <immintrin.h>

// Everything below may use AVX-512 VBMI; it only runs where the processor has it.
#if defined(__clang__)
#pragma clang attribute push(                                                                      \
    __attribute__((target("avx2,avx512f,avx512bw,avx512dq,avx512vl,avx512vbmi"))),                 \
    apply_to = function)
#else
#pragma GCC target("avx2,avx512f,avx512bw,avx512dq,avx512vl,avx512vbmi")
#endif

namespace PixelLoops {

namespace {

inline __m512i lookup256(__m512i x, __m512i t0, __m512i t1, __m512i t2, __m512i t3) {
    // Two 128-entry permutes on the low seven bits, chosen by the top bit.
    const __m512i low = _mm512_permutex2var_epi8(t0, x, t1);
    const __m512i high = _mm512_permutex2var_epi8(t2, x, t3);
    return _mm512_mask_blend_epi8(_mm512_movepi8_mask(x), low, high);
}

void applyTableVbmi(std::uint8_t* p, std::size_t n, const std::uint8_t* t) {
    const __m512i t0 = _mm512_loadu_si512(t), t1 = _mm512_loadu_si512(t + 64);
    const __m512i t2 = _mm512_loadu_si512(t + 128), t3 = _mm512_loadu_si512(t + 192);
    std::size_t i = 0;
    for (; i + 128 <= n; i += 128) {
        const __m512i a = _mm512_loadu_si512(p + i), b = _mm512_loadu_si512(p + i + 64);
        _mm512_storeu_si512(p + i, lookup256(a, t0, t1, t2, t3));
        _mm512_storeu_si512(p + i + 64, lookup256(b, t0, t1, t2, t3));
    }
    for (; i < n; i += 64) {
        const std::size_t left = std::min<std::size_t>(64, n - i);
        const __mmask64 m = left == 64 ? ~__mmask64{0} : (__mmask64{1} << left) - 1;
        const __m512i a = _mm512_maskz_loadu_epi8(m, p + i);
        _mm512_mask_storeu_epi8(p + i, m, lookup256(a, t0, t1, t2, t3));
    }
}

void dropFourthRowsVbmi(const std::uint8_t* src, std::ptrdiff_t sbpr, std::uint8_t* dst,
                        std::ptrdiff_t dbpr, int width, int k, std::ptrdiff_t y0,
                        std::ptrdiff_t y1) {
    alignas(64) std::uint8_t order[64] = {};
    for (int j = 0; j < 48; ++j)
        order[j] = static_cast<std::uint8_t>(4 * (j / 3) + k + j % 3);
    const __m512i idx = _mm512_load_si512(order);
    for (std::ptrdiff_t y = y0; y < y1; ++y) {
        const std::uint8_t* s = src + y * sbpr;
        std::uint8_t* d = dst + y * dbpr;
        int x = 0;
        // A full 64-byte store stays inside the row while 22 pixels remain; in place it
        // never reaches bytes not yet loaded (3x + 64 <= 4x + 64).
        for (; x + 22 <= width; x += 16)
            _mm512_storeu_si512(d + 3 * x,
                                _mm512_permutexvar_epi8(idx, _mm512_loadu_si512(s + 4 * x)));
        for (; x < width; x += 16) {
            const int n = std::min(16, width - x);
            const __mmask64 in = n == 16 ? ~__mmask64{0} : (__mmask64{1} << (4 * n)) - 1;
            const __mmask64 out = (__mmask64{1} << (3 * n)) - 1;
            const __m512i v = _mm512_maskz_loadu_epi8(in, s + 4 * x);
            _mm512_mask_storeu_epi8(d + 3 * x, out, _mm512_permutexvar_epi8(idx, v));
        }
    }
}

void grayRowsVbmi(const std::uint8_t* src, std::ptrdiff_t sbpr, std::uint8_t* dst,
                  std::ptrdiff_t dbpr, int width, std::ptrdiff_t y0, std::ptrdiff_t y1) {
    // 64 pixels = three vectors a, b, c. Red and blue go in byte pairs for one
    // multiply-add with (77, 29); green is widened to words and multiplied by 150 (150 does
    // not fit the signed weight byte). The sum never exceeds 65408, so its high byte is Y.
    alignas(64) std::uint8_t rb0[64], rb1[64], g0[64] = {}, g1[64] = {}, hi[64];
    for (int p = 0; p < 32; ++p) {
        rb0[2 * p] = static_cast<std::uint8_t>(3 * p);
        rb0[2 * p + 1] = static_cast<std::uint8_t>(3 * p + 2);
        rb1[2 * p] = static_cast<std::uint8_t>(3 * p + 32); // from b (64 bytes in)
        rb1[2 * p + 1] = static_cast<std::uint8_t>(3 * p + 34);
        g0[2 * p] = static_cast<std::uint8_t>(3 * p + 1);
        g1[2 * p] = static_cast<std::uint8_t>(3 * p + 33);
    }
    for (int j = 0; j < 64; ++j)
        hi[j] = static_cast<std::uint8_t>(2 * j + 1);
    const __m512i irb0 = _mm512_load_si512(rb0), irb1 = _mm512_load_si512(rb1);
    const __m512i ig0 = _mm512_load_si512(g0), ig1 = _mm512_load_si512(g1);
    const __m512i ihi = _mm512_load_si512(hi);
    const __mmask64 evenBytes = 0x5555555555555555ULL;
    const __m512i wrb = _mm512_set1_epi16(29 << 8 | 77);
    const __m512i wg = _mm512_set1_epi16(150);
    const __m512i half = _mm512_set1_epi16(128);
    for (std::ptrdiff_t y = y0; y < y1; ++y) {
        const std::uint8_t* s = src + y * sbpr;
        std::uint8_t* d = dst + y * dbpr;
        int x = 0;
        for (; x + 64 <= width; x += 64) {
            const std::uint8_t* p = s + 3 * x;
            const __m512i a = _mm512_loadu_si512(p), b = _mm512_loadu_si512(p + 64);
            const __m512i c = _mm512_loadu_si512(p + 128);
            const __m512i g0w = _mm512_maskz_permutex2var_epi8(evenBytes, a, ig0, b);
            const __m512i g1w = _mm512_maskz_permutex2var_epi8(evenBytes, b, ig1, c);
            __m512i s0 = _mm512_maddubs_epi16(_mm512_permutex2var_epi8(a, irb0, b), wrb);
            __m512i s1 = _mm512_maddubs_epi16(_mm512_permutex2var_epi8(b, irb1, c), wrb);
            s0 = _mm512_add_epi16(_mm512_add_epi16(s0, _mm512_mullo_epi16(g0w, wg)), half);
            s1 = _mm512_add_epi16(_mm512_add_epi16(s1, _mm512_mullo_epi16(g1w, wg)), half);
            _mm512_storeu_si512(d + x, _mm512_permutex2var_epi8(s0, ihi, s1));
        }
        for (; x < width; ++x)
            d[x] = grayOf(s + 3 * x);
    }
}

// Transposes 16 rows of 16 words: afterwards r[j] holds what was column j.
inline void transpose16(__m512i* r) {
    __m512i t[16];
    for (int g = 0; g < 4; ++g) {
        const __m512i lo01 = _mm512_unpacklo_epi32(r[4 * g], r[4 * g + 1]);
        const __m512i hi01 = _mm512_unpackhi_epi32(r[4 * g], r[4 * g + 1]);
        const __m512i lo23 = _mm512_unpacklo_epi32(r[4 * g + 2], r[4 * g + 3]);
        const __m512i hi23 = _mm512_unpackhi_epi32(r[4 * g + 2], r[4 * g + 3]);
        // Lane L of t[4g + k]: column 4L + k of rows 4g..4g+3.
        t[4 * g] = _mm512_unpacklo_epi64(lo01, lo23);
        t[4 * g + 1] = _mm512_unpackhi_epi64(lo01, lo23);
        t[4 * g + 2] = _mm512_unpacklo_epi64(hi01, hi23);
        t[4 * g + 3] = _mm512_unpackhi_epi64(hi01, hi23);
    }
    for (int k = 0; k < 4; ++k) {
        const __m512i a01 = _mm512_shuffle_i32x4(t[k], t[4 + k], 0x44);
        const __m512i b01 = _mm512_shuffle_i32x4(t[k], t[4 + k], 0xEE);
        const __m512i a23 = _mm512_shuffle_i32x4(t[8 + k], t[12 + k], 0x44);
        const __m512i b23 = _mm512_shuffle_i32x4(t[8 + k], t[12 + k], 0xEE);
        r[k] = _mm512_shuffle_i32x4(a01, a23, 0x88);
        r[4 + k] = _mm512_shuffle_i32x4(a01, a23, 0xDD);
        r[8 + k] = _mm512_shuffle_i32x4(b01, b23, 0x88);
        r[12 + k] = _mm512_shuffle_i32x4(b01, b23, 0xDD);
    }
}

// Quarter turns of 3-byte pixels in blocks of 16 x 16: pixels widened to words, transposed
// in registers, packed back; 64 x 64 tiles keep source and destination lines in cache.
// Destination rows [r0, r1); rows and columns that do not fill a block go the portable way.
void quarterTurnRowsVbmi(const std::uint8_t* src, int width, int height, std::ptrdiff_t sbpr,
                         bool left, std::uint8_t* dst, std::ptrdiff_t dbpr, std::ptrdiff_t r0,
                         std::ptrdiff_t r1) {
    alignas(64) std::uint8_t widen[64], pack[64] = {};
    for (int p = 0; p < 16; ++p)
        for (int c = 0; c < 4; ++c)
            widen[4 * p + c] = static_cast<std::uint8_t>(3 * p + std::min(c, 2));
    // Turning right reverses the order of the pixels within a destination block.
    for (int p = 0; p < 16; ++p)
        for (int c = 0; c < 3; ++c)
            pack[3 * p + c] = static_cast<std::uint8_t>(4 * (left ? p : 15 - p) + c);
    const __m512i widenIdx = _mm512_load_si512(widen), packIdx = _mm512_load_si512(pack);
    const __mmask64 bytes48 = (__mmask64{1} << 48) - 1;
    const std::ptrdiff_t fullRows = r0 + (r1 - r0) / 16 * 16;
    const int fullBands = height / 16 * 16;
    for (std::ptrdiff_t yt = r0; yt < fullRows; yt += 64) {
        const std::ptrdiff_t yt1 = std::min<std::ptrdiff_t>(yt + 64, fullRows);
        for (int bt = 0; bt < fullBands; bt += 64) {
            const int bt1 = std::min(bt + 64, fullBands);
            for (std::ptrdiff_t y = yt; y < yt1; y += 16) {
                // Source columns c0..c0+15 make destination rows y..y+15.
                const std::ptrdiff_t c0 = left ? width - 16 - y : y;
                for (int band = bt; band < bt1; band += 16) {
                    __m512i r[16];
                    for (int i = 0; i < 16; ++i) {
                        const std::uint8_t* s = src + (band + i) * sbpr + 3 * c0;
                        r[i] =
                            _mm512_permutexvar_epi8(widenIdx, _mm512_maskz_loadu_epi8(bytes48, s));
                    }
                    transpose16(r);
                    const std::ptrdiff_t x = left ? band : height - 16 - band;
                    for (int c = 0; c < 16; ++c) {
                        const std::ptrdiff_t row = left ? y + 15 - c : y + c;
                        _mm512_mask_storeu_epi8(dst + row * dbpr + 3 * x, bytes48,
                                                _mm512_permutexvar_epi8(packIdx, r[c]));
                    }
                }
            }
        }
    }
    // Leftovers: destination columns from the last source rows, and the last rows.
    for (std::ptrdiff_t y = r0; y < r1; ++y) {
        std::uint8_t* d = dst + y * dbpr;
        const std::ptrdiff_t column = left ? width - 1 - y : y;
        // Columns whose source row is past the last full band, or all of them.
        int x = 0, xEnd = height;
        if (y < fullRows) {
            x = left ? fullBands : 0;
            xEnd = left ? height : height - fullBands;
        }
        for (; x < xEnd; ++x) {
            const int band = left ? x : height - 1 - x;
            copyPixel<3>(d + 3 * x, src + band * sbpr + 3 * column);
        }
    }
}

// Per-pixel weight words spread over the byte pairs of each pixel's 64-bit lane.
inline __m512i spreadWeights(__m256i words, __m512i shuffle) {
    return _mm512_shuffle_epi8(_mm512_cvtepu32_epi64(words), shuffle);
}

// Left and right taps of each lane blended: words (r, g, b, 0) in 0..255.
inline __m512i blendTaps(__m512i gathered, __m512i pairs, __m512i wx) {
    const __m512i h = _mm512_maddubs_epi16(_mm512_shuffle_epi8(gathered, pairs), wx);
    return _mm512_srli_epi16(_mm512_add_epi16(h, _mm512_set1_epi16(32)), 6);
}

// Eight 8-byte reads at base + offsets[0..7] into one vector. Separate loads beat the
// gather instruction by far on the processors measured.
inline __m128i loadPair(const std::uint8_t* base, std::int32_t a, std::int32_t b) {
    const __m128i low = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(base + a));
    return _mm_castpd_si128(
        _mm_loadh_pd(_mm_castsi128_pd(low), reinterpret_cast<const double*>(base + b)));
}

inline __m512i loadEight(const std::uint8_t* base, const std::int32_t* o) {
    const __m256i low = _mm256_inserti128_si256(_mm256_castsi128_si256(loadPair(base, o[0], o[1])),
                                                loadPair(base, o[2], o[3]), 1);
    const __m256i high = _mm256_inserti128_si256(_mm256_castsi128_si256(loadPair(base, o[4], o[5])),
                                                 loadPair(base, o[6], o[7]), 1);
    return _mm512_inserti64x4(_mm512_castsi256_si512(low), high, 1);
}

void rotateRowsVbmi(const std::uint8_t* src, int width, int height, std::ptrdiff_t sbpr,
                    const Mapping& m, std::uint8_t* dst, int dstWidth, std::ptrdiff_t dbpr,
                    std::ptrdiff_t r0, std::ptrdiff_t r1) {
    // 16 destination pixels per step. Each reads 8 bytes at its top-left tap in two rows
    // (left and right neighbours), weighs the pairs horizontally, then the two rows.
    alignas(64) std::uint8_t pairBytes[64], weightX[64], weightY[64], pack[64] = {};
    for (int lane = 0; lane < 4; ++lane) {
        const std::uint8_t pattern[16] = {0, 3,  1, 4,  2,  5,  0x80, 0x80,
                                          8, 11, 9, 12, 10, 13, 0x80, 0x80};
        const std::uint8_t wxp[16] = {0, 1, 0, 1, 0, 1, 0x80, 0x80, 8, 9, 8, 9, 8, 9, 0x80, 0x80};
        const std::uint8_t wyp[16] = {0, 1, 0, 1, 0, 1, 0, 1, 8, 9, 8, 9, 8, 9, 8, 9};
        std::memcpy(pairBytes + 16 * lane, pattern, 16);
        std::memcpy(weightX + 16 * lane, wxp, 16);
        std::memcpy(weightY + 16 * lane, wyp, 16);
    }
    for (int j = 0; j < 48; ++j) {
        const int p = j / 3, c = j % 3;
        pack[j] = static_cast<std::uint8_t>(p < 8 ? 8 * p + 2 * c : 64 + 8 * (p - 8) + 2 * c);
    }
    const __m512i shufPairs = _mm512_load_si512(pairBytes);
    const __m512i shufWx = _mm512_load_si512(weightX), shufWy = _mm512_load_si512(weightY);
    const __m512i packIdx = _mm512_load_si512(pack);
    const __m512i lanes = _mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    const __m512 stepX = _mm512_set1_ps(m.stepX), stepY = _mm512_set1_ps(m.stepY);
    const __m512i sixtyFour = _mm512_set1_epi32(64), round = _mm512_set1_epi16(32);
    const __m512i maxX = _mm512_set1_epi32(width - 3), maxY = _mm512_set1_epi32(height - 2);
    const __m512i zero = _mm512_setzero_si512();
    const __m512i rowBytes = _mm512_set1_epi32(static_cast<int>(sbpr));
    const __m512i three = _mm512_set1_epi32(3);
    const __m512 scale = _mm512_set1_ps(64.0f);
    const __mmask64 store48 = (__mmask64{1} << 48) - 1;
    // The test of fullyOutside, for 16 pixels at once.
    const __m512 minusOneF = _mm512_set1_ps(-1.0f);
    const __m512 widthF = _mm512_set1_ps(static_cast<float>(width));
    const __m512 heightF = _mm512_set1_ps(static_cast<float>(height));
    const std::uint8_t* below = src + sbpr;

    // Tiles of 32 rows x 128 pixels: the source they read (about 20 KB at small angles) stays
    // in L1 from one destination row to the next.
    for (std::ptrdiff_t jt = r0; jt < r1; jt += 32)
        for (int it = 0; it < dstWidth; it += 128)
            for (std::ptrdiff_t j = jt; j < std::min<std::ptrdiff_t>(jt + 32, r1); ++j) {
                const int iEnd = std::min(it + 128, dstWidth);
                float rowX, rowY;
                m.row(j, rowX, rowY);
                const __m512 baseX = _mm512_set1_ps(rowX), baseY = _mm512_set1_ps(rowY);
                int i = it;
                std::uint8_t* d = dst + j * dbpr + 3 * i;
                for (; i + 16 <= iEnd; i += 16, d += 48) {
                    const __m512 fi =
                        _mm512_cvtepi32_ps(_mm512_add_epi32(_mm512_set1_epi32(i), lanes));
                    const __m512 fx = _mm512_add_ps(baseX, _mm512_mul_ps(stepX, fi));
                    const __m512 fy = _mm512_add_ps(baseY, _mm512_mul_ps(stepY, fi));
                    const __m512 flx = _mm512_floor_ps(fx), fly = _mm512_floor_ps(fy);
                    const __m512i x0 = _mm512_cvtps_epi32(flx), y0 = _mm512_cvtps_epi32(fly);
                    const __mmask16 inside =
                        _mm512_cmpge_epi32_mask(x0, zero) & _mm512_cmple_epi32_mask(x0, maxX) &
                        _mm512_cmpge_epi32_mask(y0, zero) & _mm512_cmple_epi32_mask(y0, maxY);
                    if (inside != 0xFFFF) {
                        const __mmask16 outside = _mm512_cmp_ps_mask(fx, minusOneF, _CMP_LT_OQ) |
                                                  _mm512_cmp_ps_mask(fy, minusOneF, _CMP_LT_OQ) |
                                                  _mm512_cmp_ps_mask(fx, widthF, _CMP_GE_OQ) |
                                                  _mm512_cmp_ps_mask(fy, heightF, _CMP_GE_OQ);
                        if (outside == 0xFFFF) { // the corners of the box
                            _mm512_mask_storeu_epi8(d, store48, _mm512_set1_epi8(-1));
                            continue;
                        }
                        // Edge of the picture: per pixel, white where nothing covers.
                        alignas(64) float xs[16], ys[16];
                        _mm512_store_ps(xs, fx);
                        _mm512_store_ps(ys, fy);
                        for (int l = 0; l < 16; ++l)
                            rotatedPixel<3>(src, width, height, sbpr, xs[l], ys[l], d + 3 * l);
                        continue;
                    }
                    const __m512i wx =
                        _mm512_cvttps_epi32(_mm512_mul_ps(_mm512_sub_ps(fx, flx), scale));
                    const __m512i wy =
                        _mm512_cvttps_epi32(_mm512_mul_ps(_mm512_sub_ps(fy, fly), scale));
                    const __m512i wxWords =
                        _mm512_or_si512(_mm512_slli_epi32(wx, 8), _mm512_sub_epi32(sixtyFour, wx));
                    const __m512i wyWords =
                        _mm512_or_si512(_mm512_slli_epi32(wy, 8), _mm512_sub_epi32(sixtyFour, wy));
                    const __m512i offsets = _mm512_add_epi32(_mm512_mullo_epi32(y0, rowBytes),
                                                             _mm512_mullo_epi32(x0, three));
                    alignas(64) std::int32_t offs[16];
                    _mm512_store_si512(offs, offsets);
                    __m512i out[2];
                    for (int half = 0; half < 2; ++half) {
                        const __m256i wxh = half ? _mm512_extracti32x8_epi32(wxWords, 1)
                                                 : _mm512_castsi512_si256(wxWords);
                        const __m256i wyh = half ? _mm512_extracti32x8_epi32(wyWords, 1)
                                                 : _mm512_castsi512_si256(wyWords);
                        const __m512i wxq = spreadWeights(wxh, shufWx),
                                      wyq = spreadWeights(wyh, shufWy);
                        const __m512i top =
                            blendTaps(loadEight(src, offs + 8 * half), shufPairs, wxq);
                        const __m512i bottom =
                            blendTaps(loadEight(below, offs + 8 * half), shufPairs, wxq);
                        const __m512i both = _mm512_or_si512(top, _mm512_slli_epi16(bottom, 8));
                        const __m512i v = _mm512_maddubs_epi16(both, wyq);
                        out[half] = _mm512_srli_epi16(_mm512_add_epi16(v, round), 6);
                    }
                    _mm512_mask_storeu_epi8(d, store48,
                                            _mm512_permutex2var_epi8(out[0], packIdx, out[1]));
                }
                for (; i < iEnd; ++i, d += 3) {
                    const float fi = static_cast<float>(i);
                    const float fx = rowX + m.stepX * fi, fy = rowY + m.stepY * fi;
                    rotatedPixel<3>(src, width, height, sbpr, fx, fy, d);
                }
            }
}

} // namespace

// 4-byte gray and the half turn have no VBMI versions: the AVX2 ones serve.
const PixelKernels kVbmiKernels = {
    applyTableVbmi, dropFourthRowsVbmi, grayRowsVbmi, nullptr, quarterTurnRowsVbmi,
    nullptr,        rotateRowsVbmi,
};

} // namespace PixelLoops

#if defined(__clang__)
#pragma clang attribute pop
#endif

#endif
