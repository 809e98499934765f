#include "core/imaging/PixelKernels.h"

#include <algorithm>

namespace PixelLoops {

namespace {

void applyTable(std::uint8_t* p, std::size_t n, const std::uint8_t* t) {
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        const std::uint8_t a = t[p[i]], b = t[p[i + 1]], c = t[p[i + 2]], d = t[p[i + 3]];
        p[i] = a;
        p[i + 1] = b;
        p[i + 2] = c;
        p[i + 3] = d;
    }
    for (; i < n; ++i)
        p[i] = t[p[i]];
}

void dropFourthRows(const std::uint8_t* src, std::ptrdiff_t sbpr, std::uint8_t* dst,
                    std::ptrdiff_t dbpr, int width, int skip, std::ptrdiff_t y0,
                    std::ptrdiff_t y1) {
    for (std::ptrdiff_t y = y0; y < y1; ++y)
        dropFourthPixels(src + y * sbpr, dst + y * dbpr, width, skip);
}

template <int N>
void grayRows(const std::uint8_t* src, std::ptrdiff_t sbpr, std::uint8_t* dst, std::ptrdiff_t dbpr,
              int width, std::ptrdiff_t y0, std::ptrdiff_t y1) {
    for (std::ptrdiff_t y = y0; y < y1; ++y) {
        const std::uint8_t* s = src + y * sbpr;
        std::uint8_t* d = dst + y * dbpr;
        for (int x = 0; x < width; ++x)
            d[x] = grayOf(s + N * x);
    }
}

// ---- quarter turns ----------------------------------------------------------------------

// Copies a pixel with one 4-byte move (3-byte pixels); the byte after it is rewritten by the
// next pixel, so only for pixels that are not last in their destination row.
template <int N> inline void copyPixelWide(std::uint8_t* d, const std::uint8_t* s) {
    if constexpr (N == 3) {
        std::uint32_t v;
        std::memcpy(&v, s, 4);
        std::memcpy(d, &v, 4);
    } else {
        copyPixel<N>(d, s);
    }
}

constexpr int kTile = 64;

// Destination rows [r0, r1). A tile of 64 destination rows reads 64 neighbouring source
// columns, so each source cache line serves many destination rows while it is in L1.
template <int N>
void quarterLeftRows(const std::uint8_t* src, int width, std::ptrdiff_t sbpr, int height,
                     std::uint8_t* dst, std::ptrdiff_t dbpr, std::ptrdiff_t r0, std::ptrdiff_t r1) {
    // Destination (x, y) = source (width - 1 - y, x); destination is height wide.
    for (std::ptrdiff_t ty = r0; ty < r1; ty += kTile) {
        const std::ptrdiff_t ty1 = std::min<std::ptrdiff_t>(ty + kTile, r1);
        for (int tx = 0; tx < height; tx += kTile) {
            const int tx1 = std::min(tx + kTile, height);
            // The last destination column gets exact-width copies: no byte past the row.
            const int wide = tx1 == height ? tx1 - 1 : tx1;
            for (std::ptrdiff_t y = ty; y < ty1; ++y) {
                std::uint8_t* d = dst + y * dbpr + std::ptrdiff_t{N} * tx;
                const std::uint8_t* s = src + tx * sbpr + N * (width - 1 - y);
                int x = tx;
                for (; x < wide; ++x, d += N, s += sbpr)
                    copyPixelWide<N>(d, s);
                for (; x < tx1; ++x, d += N, s += sbpr)
                    copyPixel<N>(d, s);
            }
        }
    }
}

template <int N>
void quarterRightRows(const std::uint8_t* src, int width, std::ptrdiff_t sbpr, int height,
                      std::uint8_t* dst, std::ptrdiff_t dbpr, std::ptrdiff_t r0,
                      std::ptrdiff_t r1) {
    const std::ptrdiff_t lastRow = width - 1;
    // Destination (x, y) = source (y, height - 1 - x).
    for (std::ptrdiff_t ty = r0; ty < r1; ty += kTile) {
        const std::ptrdiff_t ty1 = std::min<std::ptrdiff_t>(ty + kTile, r1);
        for (int tx = 0; tx < height; tx += kTile) {
            const int tx1 = std::min(tx + kTile, height);
            const int wide = tx1 == height ? tx1 - 1 : tx1;
            for (std::ptrdiff_t y = ty; y < ty1; ++y) {
                std::uint8_t* d = dst + y * dbpr + std::ptrdiff_t{N} * tx;
                const std::uint8_t* s = src + (height - 1 - tx) * sbpr + N * y;
                // The last destination row reads the source's last column: a wide read of
                // its bottom pixel would pass the end of the buffer.
                int x = tx;
                if (y != lastRow)
                    for (; x < wide; ++x, d += N, s -= sbpr)
                        copyPixelWide<N>(d, s);
                for (; x < tx1; ++x, d += N, s -= sbpr)
                    copyPixel<N>(d, s);
            }
        }
    }
}

template <int N>
void halfTurnRows(const std::uint8_t* src, int width, int height, std::ptrdiff_t sbpr,
                  std::uint8_t* dst, std::ptrdiff_t dbpr, std::ptrdiff_t r0, std::ptrdiff_t r1) {
    for (std::ptrdiff_t y = r0; y < r1; ++y) {
        const std::uint8_t* s = src + (height - 1 - y) * sbpr + N * (width - 1);
        std::uint8_t* d = dst + y * dbpr;
        for (int x = 0; x < width; ++x, d += N, s -= N)
            copyPixel<N>(d, s);
    }
}

template <int N>
void quarterTurnRows(const std::uint8_t* src, int width, int height, std::ptrdiff_t sbpr, int turns,
                     std::uint8_t* dst, std::ptrdiff_t dbpr, std::ptrdiff_t r0, std::ptrdiff_t r1) {
    switch (turns) {
    case 1:
        quarterLeftRows<N>(src, width, sbpr, height, dst, dbpr, r0, r1);
        break;
    case 2:
        halfTurnRows<N>(src, width, height, sbpr, dst, dbpr, r0, r1);
        break;
    case 3:
        quarterRightRows<N>(src, width, sbpr, height, dst, dbpr, r0, r1);
        break;
    default:
        for (std::ptrdiff_t y = r0; y < r1; ++y)
            std::memcpy(dst + y * dbpr, src + y * sbpr, std::size_t{N} * width);
    }
}

void quarterTurnRows3(const std::uint8_t* src, int width, int height, std::ptrdiff_t sbpr,
                      bool left, std::uint8_t* dst, std::ptrdiff_t dbpr, std::ptrdiff_t r0,
                      std::ptrdiff_t r1) {
    quarterTurnRows<3>(src, width, height, sbpr, left ? 1 : 3, dst, dbpr, r0, r1);
}

// ---- bilinear rotation ------------------------------------------------------------------

template <int N>
void rotateRows(const std::uint8_t* src, int width, int height, std::ptrdiff_t sbpr,
                const Mapping& m, std::uint8_t* dst, int dstWidth, std::ptrdiff_t dbpr,
                std::ptrdiff_t r0, std::ptrdiff_t r1) {
    for (std::ptrdiff_t j = r0; j < r1; ++j) {
        float rowX, rowY;
        m.row(j, rowX, rowY);
        std::uint8_t* d = dst + j * dbpr;
        for (int i = 0; i < dstWidth; ++i, d += N) {
            const float fi = static_cast<float>(i);
            rotatedPixel<N>(src, width, height, sbpr, rowX + m.stepX * fi, rowY + m.stepY * fi, d);
        }
    }
}

} // namespace

void quarterTurnRowsPortable(const std::uint8_t* src, int width, int height, std::ptrdiff_t sbpr,
                             int bytesPerPixel, int turns, std::uint8_t* dst, std::ptrdiff_t dbpr,
                             std::ptrdiff_t r0, std::ptrdiff_t r1) {
    if (bytesPerPixel == 3)
        quarterTurnRows<3>(src, width, height, sbpr, turns, dst, dbpr, r0, r1);
    else
        quarterTurnRows<1>(src, width, height, sbpr, turns, dst, dbpr, r0, r1);
}

void rotateRowsPortable(const std::uint8_t* src, int width, int height, std::ptrdiff_t sbpr,
                        int bytesPerPixel, const Mapping& m, std::uint8_t* dst, int dstWidth,
                        std::ptrdiff_t dbpr, std::ptrdiff_t r0, std::ptrdiff_t r1) {
    if (bytesPerPixel == 3)
        rotateRows<3>(src, width, height, sbpr, m, dst, dstWidth, dbpr, r0, r1);
    else
        rotateRows<1>(src, width, height, sbpr, m, dst, dstWidth, dbpr, r0, r1);
}

const PixelKernels kPortableKernels = {
    applyTable,       dropFourthRows,  grayRows<3>,   grayRows<4>,
    quarterTurnRows3, halfTurnRows<3>, rotateRows<3>,
};

} // namespace PixelLoops
