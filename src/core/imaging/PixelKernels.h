#pragma once

// The row kernels behind PixelLoops, one table per instruction path; a null entry means the
// path has no version of its own and the next simpler path's serves. PixelLoops picks the
// kernel and splits the rows over threads; a kernel only does the rows it is given. Every
// path writes the same bytes.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace PixelLoops {

// Source position of destination pixel centres: x = rowX + stepX * i, y = rowY + stepY * i.
struct Mapping {
    double cosA, sinA;
    double srcCx, srcCy, dstCx, dstCy;
    float stepX, stepY;
    void row(std::ptrdiff_t j, float& rowX, float& rowY) const {
        const double dx = 0.5 - dstCx, dy = static_cast<double>(j) + 0.5 - dstCy;
        rowX = static_cast<float>(srcCx - 0.5 + cosA * dx - sinA * dy);
        rowY = static_cast<float>(srcCy - 0.5 + sinA * dx + cosA * dy);
    }
};

struct PixelKernels {
    // Replaces each of `count` bytes by table[byte].
    void (*applyTable)(std::uint8_t* bytes, std::size_t count, const std::uint8_t* table);
    // Rows [y0, y1) of 4-byte pixels to their bytes skip..skip+2. `dst` may be `src` when
    // its rows are no longer than the source's.
    void (*dropFourthRows)(const std::uint8_t* src, std::ptrdiff_t srcBytesPerRow,
                           std::uint8_t* dst, std::ptrdiff_t dstBytesPerRow, int width, int skip,
                           std::ptrdiff_t y0, std::ptrdiff_t y1);
    // Rows [y0, y1) of 3- or 4-byte pixels to gray.
    void (*grayRows3)(const std::uint8_t* src, std::ptrdiff_t srcBytesPerRow, std::uint8_t* dst,
                      std::ptrdiff_t dstBytesPerRow, int width, std::ptrdiff_t y0,
                      std::ptrdiff_t y1);
    void (*grayRows4)(const std::uint8_t* src, std::ptrdiff_t srcBytesPerRow, std::uint8_t* dst,
                      std::ptrdiff_t dstBytesPerRow, int width, std::ptrdiff_t y0,
                      std::ptrdiff_t y1);
    // Destination rows [r0, r1) of one quarter turn of 3-byte pixels, to the left or right.
    void (*quarterTurnRows3)(const std::uint8_t* src, int width, int height,
                             std::ptrdiff_t srcBytesPerRow, bool left, std::uint8_t* dst,
                             std::ptrdiff_t dstBytesPerRow, std::ptrdiff_t r0, std::ptrdiff_t r1);
    // Destination rows [r0, r1) of a half turn of 3-byte pixels.
    void (*halfTurnRows3)(const std::uint8_t* src, int width, int height,
                          std::ptrdiff_t srcBytesPerRow, std::uint8_t* dst,
                          std::ptrdiff_t dstBytesPerRow, std::ptrdiff_t r0, std::ptrdiff_t r1);
    // Destination rows [r0, r1) of the bilinear rotation of 3-byte pixels. The vector versions
    // need a source of at least 3 x 2 pixels addressed with 32-bit offsets.
    void (*rotateRows3)(const std::uint8_t* src, int width, int height,
                        std::ptrdiff_t srcBytesPerRow, const Mapping& m, std::uint8_t* dst,
                        int dstWidth, std::ptrdiff_t dstBytesPerRow, std::ptrdiff_t r0,
                        std::ptrdiff_t r1);
};

extern const PixelKernels kPortableKernels;
#if defined(__x86_64__)
extern const PixelKernels kAvx2Kernels;
extern const PixelKernels kVbmiKernels;
#endif

// Kernels that only have the portable version.
void quarterTurnRowsPortable(const std::uint8_t* src, int width, int height,
                             std::ptrdiff_t srcBytesPerRow, int bytesPerPixel, int turns,
                             std::uint8_t* dst, std::ptrdiff_t dstBytesPerRow, std::ptrdiff_t r0,
                             std::ptrdiff_t r1);
void rotateRowsPortable(const std::uint8_t* src, int width, int height,
                        std::ptrdiff_t srcBytesPerRow, int bytesPerPixel, const Mapping& m,
                        std::uint8_t* dst, int dstWidth, std::ptrdiff_t dstBytesPerRow,
                        std::ptrdiff_t r0, std::ptrdiff_t r1);

// ---- pieces the vector kernels share with the portable ones, for edges and row ends --------

// Y = (77 R + 150 G + 29 B + 128) >> 8.
inline std::uint8_t grayOf(const std::uint8_t* p) {
    return static_cast<std::uint8_t>((77 * p[0] + 150 * p[1] + 29 * p[2] + 128) >> 8);
}

// Byte by byte: in place, `d` is `s` shifted back, so a pixel is read before it is written.
inline void dropFourthPixels(const std::uint8_t* s, std::uint8_t* d, int count, int skip) {
    s += skip;
    for (int x = 0; x < count; ++x, s += 4, d += 3) {
        const std::uint8_t r = s[0], g = s[1], b = s[2];
        d[0] = r;
        d[1] = g;
        d[2] = b;
    }
}

template <int N> inline void copyPixel(std::uint8_t* d, const std::uint8_t* s) {
    for (int i = 0; i < N; ++i)
        d[i] = s[i];
}

// Six-bit weights: the vector paths multiply bytes by them, and 1/64 pixel is finer than the
// eye can tell on a rotated photo. Taps outside the picture read as white.
template <int N>
inline void samplePixel(const std::uint8_t* src, int width, int height, std::ptrdiff_t sbpr,
                        float fx, float fy, std::uint8_t* out) {
    const float flx = std::floor(fx), fly = std::floor(fy);
    const int x0 = static_cast<int>(flx), y0 = static_cast<int>(fly);
    const int wx = static_cast<int>((fx - flx) * 64.0f);
    const int wy = static_cast<int>((fy - fly) * 64.0f);
    const bool inX0 = x0 >= 0 && x0 < width, inX1 = x0 + 1 >= 0 && x0 + 1 < width;
    const bool inY0 = y0 >= 0 && y0 < height, inY1 = y0 + 1 >= 0 && y0 + 1 < height;
    const std::ptrdiff_t row0 = static_cast<std::ptrdiff_t>(y0) * sbpr, row1 = row0 + sbpr;
    const std::ptrdiff_t left = std::ptrdiff_t{N} * x0, right = left + N;
    for (int c = 0; c < N; ++c) {
        const int tl = inY0 && inX0 ? src[row0 + left + c] : 255;
        const int tr = inY0 && inX1 ? src[row0 + right + c] : 255;
        const int bl = inY1 && inX0 ? src[row1 + left + c] : 255;
        const int br = inY1 && inX1 ? src[row1 + right + c] : 255;
        const int top = (tl * (64 - wx) + tr * wx + 32) >> 6;
        const int bottom = (bl * (64 - wx) + br * wx + 32) >> 6;
        out[c] = static_cast<std::uint8_t>((top * (64 - wy) + bottom * wy + 32) >> 6);
    }
}

inline bool fullyOutside(int width, int height, float fx, float fy) {
    return fx < -1.0f || fy < -1.0f || fx >= static_cast<float>(width) ||
           fy >= static_cast<float>(height);
}

// One destination pixel of the rotation, white where the picture does not reach.
template <int N>
inline void rotatedPixel(const std::uint8_t* src, int width, int height, std::ptrdiff_t sbpr,
                         float fx, float fy, std::uint8_t* out) {
    if (fullyOutside(width, height, fx, fy))
        std::memset(out, 255, N);
    else
        samplePixel<N>(src, width, height, sbpr, fx, fy, out);
}

} // namespace PixelLoops
