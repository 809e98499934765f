#pragma once

// Pixel kernels of the image pipeline on raw 8-bit interleaved buffers: table mapping,
// layout conversions, gray, quarter turns and bilinear rotation. No allocation here:
// callers pass the destination so that a derivation can reuse its buffers.
//
// Rows run top to bottom, `bytesPerRow` apart (may exceed what the pixels need; spare
// bytes of a destination are left untouched unless a function says otherwise).
// `threads` > 1 lets a kernel split big pictures over that many threads (at most 2),
// all joined before it returns.

#include "core/platform/InstructionPaths.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace PixelLoops {

enum class AlphaPosition { First, Last };

struct PixelSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// Replaces every byte of `height` rows of `bytesPerRow` bytes by table[byte], in place:
// colour samples, alpha or padding bytes and spare bytes at row ends alike.
void applyTable(std::uint8_t* pixels, int height, std::ptrdiff_t bytesPerRow,
                const std::uint8_t* table, int threads = 1);

// 4-byte pixels to packed RGB: keeps bytes 1-3 (alpha first) or 0-2 (alpha last).
// `dst` may be `src` (in place, then done on one thread) if dstBytesPerRow <= srcBytesPerRow.
void convert32ToPackedRGB(const std::uint8_t* src, int width, int height,
                          std::ptrdiff_t srcBytesPerRow, AlphaPosition alpha, std::uint8_t* dst,
                          std::ptrdiff_t dstBytesPerRow, int threads = 1);

// Drops the alpha byte of 4-byte pixels in place; rows end up `newBytesPerRow` apart
// (at least 3 * width, at most bytesPerRow).
void stripAlphaInPlace(std::uint8_t* pixels, int width, int height, std::ptrdiff_t bytesPerRow,
                       AlphaPosition alpha, std::ptrdiff_t newBytesPerRow, int threads = 1);

// 3- or 4-byte pixels to 8-bit gray, Y = (77 R + 150 G + 29 B + 128) >> 8, the first three
// bytes of a pixel read as R, G, B. Answers false for other sample counts.
bool convertToGray(const std::uint8_t* src, int width, int height, std::ptrdiff_t srcBytesPerRow,
                   int samplesPerPixel, std::uint8_t* dst, std::ptrdiff_t dstBytesPerRow,
                   int threads = 1);

// Size after `quarterTurns` counter-clockwise quarter turns (any integer, taken modulo 4).
PixelSize quarterTurnedSize(int width, int height, int quarterTurns);

// Moves the pixels of a 1- or 3-byte-per-pixel picture by quarter turns counter-clockwise
// into `dst` (sized by quarterTurnedSize; must not overlap `src`). Answers false for other
// pixel sizes. Zero turns copies.
bool rotateQuarterTurns(const std::uint8_t* src, int width, int height,
                        std::ptrdiff_t srcBytesPerRow, int bytesPerPixel, int quarterTurns,
                        std::uint8_t* dst, std::ptrdiff_t dstBytesPerRow, int threads = 1);

// Whole pixels of the box that holds the picture turned by `degrees`: each side of the exact
// bounding box |w cos| + |h sin|, |w sin| + |h cos| is rounded up, ignoring an excess of up to
// 1/1000 pixel so that trigonometric noise never adds a row (90 degrees swaps sides exactly).
// An angle that is not finite turns nothing, here and in rotate.
PixelSize rotatedSize(int width, int height, float degrees);

// Returns the number of quarter turns when `degrees` is an exact multiple of 90, else -1.
int exactQuarterTurns(float degrees);

// Turns a 1- or 3-byte-per-pixel picture counter-clockwise by `degrees` about its centre into
// `dst` of `dstWidth` x `dstHeight` (normally rotatedSize), centred, with bilinear sampling;
// what the picture does not cover is white and its edges blend into the white. Exact multiples
// of 90 move pixels instead of sampling (when the destination has the turned size).
// `dst` must not overlap `src`. Answers false for other pixel sizes.
bool rotate(const std::uint8_t* src, int width, int height, std::ptrdiff_t srcBytesPerRow,
            int bytesPerPixel, float degrees, std::uint8_t* dst, int dstWidth, int dstHeight,
            std::ptrdiff_t dstBytesPerRow, int threads = 1);

// The instruction paths of the kernels: portable C++, AVX2, or AVX-512 VBMI (where a kernel
// has no version of its own for a path, the next simpler path's serves). All give the same
// bytes; the best one the processor runs is used unless a test or benchmark chooses.
using Path = InstructionPath;

// The paths this processor runs, simplest first.
std::vector<Path> availablePaths();
// Chooses the path for the whole process; false, changing nothing, when the processor
// cannot run it.
bool setPath(Path path);
Path currentPath();
// "portable", "avx2" or "vbmi".
const char* pathName(Path path);

// The threads the callers of the kernels use: 2 where the machine has two cores, else 1.
int callerThreads();

} // namespace PixelLoops
