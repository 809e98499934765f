#include "core/imaging/PixelLoops.h"

#include "core/imaging/PixelKernels.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numbers>
#include <thread>

namespace PixelLoops {

namespace {

// Below this many bytes a second thread costs more than it saves.
constexpr std::size_t kParallelBytes = std::size_t{1} << 21;
// Quarter turns split their destination rows at multiples of their tiles.
constexpr std::ptrdiff_t kQuarterTurnTile = 64;

InstructionPaths& paths() {
    static InstructionPaths family;
    return family;
}

const PixelKernels& kernelsOf(Path path) {
#if defined(__x86_64__)
    switch (path) {
    case Path::Vbmi:
        return kVbmiKernels;
    case Path::Avx2:
        return kAvx2Kernels;
    case Path::Portable:
        break;
    }
#else
    (void)path;
#endif
    return kPortableKernels;
}

Path simpler(Path path) {
    return path == Path::Vbmi ? Path::Avx2 : Path::Portable;
}

// The current path's version of a kernel, or the nearest simpler path's.
template <class Fn> Fn kernel(Fn PixelKernels::*member) {
    for (Path path = paths().current();; path = simpler(path)) {
        if (const Fn fn = kernelsOf(path).*member; fn || path == Path::Portable)
            return fn;
    }
}

// Runs body(begin, end) over [0, count), split in two halves when asked and worth it.
template <class Body>
void splitRange(std::ptrdiff_t count, int threads, std::size_t bytes, std::ptrdiff_t align,
                const Body& body) {
    if (threads < 2 || bytes < kParallelBytes || count < 2 * align) {
        body(std::ptrdiff_t{0}, count);
        return;
    }
    const std::ptrdiff_t middle = count / 2 / align * align;
    std::thread second;
    try {
        second = std::thread([&] { body(middle, count); });
    } catch (...) {
        body(std::ptrdiff_t{0}, count);
        return;
    }
    body(std::ptrdiff_t{0}, middle);
    second.join();
}

void dropFourthByte(const std::uint8_t* src, int width, int height, std::ptrdiff_t sbpr,
                    AlphaPosition alpha, std::uint8_t* dst, std::ptrdiff_t dbpr, int threads) {
    if (!src || !dst || width <= 0 || height <= 0)
        return;
    const int skip = alpha == AlphaPosition::First ? 1 : 0;
    if (src == dst)
        threads = 1; // the second half would write over rows the first half still reads
    const auto rows = kernel(&PixelKernels::dropFourthRows);
    splitRange(height, threads, static_cast<std::size_t>(height) * sbpr, 1,
               [&](std::ptrdiff_t y0, std::ptrdiff_t y1) {
                   rows(src, sbpr, dst, dbpr, width, skip, y0, y1);
               });
}

} // namespace

std::vector<Path> availablePaths() {
    return paths().available();
}

bool setPath(Path path) {
    return paths().set(path);
}

Path currentPath() {
    return paths().current();
}

const char* pathName(Path path) {
    return InstructionPaths::name(path);
}

int callerThreads() {
    static const int threads =
        std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 2);
    return threads;
}

void applyTable(std::uint8_t* pixels, int height, std::ptrdiff_t bytesPerRow,
                const std::uint8_t* table, int threads) {
    if (!pixels || !table || height <= 0 || bytesPerRow <= 0)
        return;
    const std::size_t total = static_cast<std::size_t>(height) * bytesPerRow;
    const auto map = kernel(&PixelKernels::applyTable);
    splitRange(static_cast<std::ptrdiff_t>(total), threads, total, 4096,
               [&](std::ptrdiff_t begin, std::ptrdiff_t end) {
                   map(pixels + begin, static_cast<std::size_t>(end - begin), table);
               });
}

void convert32ToPackedRGB(const std::uint8_t* src, int width, int height,
                          std::ptrdiff_t srcBytesPerRow, AlphaPosition alpha, std::uint8_t* dst,
                          std::ptrdiff_t dstBytesPerRow, int threads) {
    dropFourthByte(src, width, height, srcBytesPerRow, alpha, dst, dstBytesPerRow, threads);
}

void stripAlphaInPlace(std::uint8_t* pixels, int width, int height, std::ptrdiff_t bytesPerRow,
                       AlphaPosition alpha, std::ptrdiff_t newBytesPerRow, int threads) {
    if (newBytesPerRow < 3 * static_cast<std::ptrdiff_t>(width) || newBytesPerRow > bytesPerRow)
        return;
    dropFourthByte(pixels, width, height, bytesPerRow, alpha, pixels, newBytesPerRow, threads);
}

bool convertToGray(const std::uint8_t* src, int width, int height, std::ptrdiff_t srcBytesPerRow,
                   int samplesPerPixel, std::uint8_t* dst, std::ptrdiff_t dstBytesPerRow,
                   int threads) {
    if (samplesPerPixel != 3 && samplesPerPixel != 4)
        return false;
    if (!src || !dst || width <= 0 || height <= 0)
        return true;
    const auto rows =
        kernel(samplesPerPixel == 3 ? &PixelKernels::grayRows3 : &PixelKernels::grayRows4);
    splitRange(height, threads, static_cast<std::size_t>(height) * srcBytesPerRow, 1,
               [&](std::ptrdiff_t y0, std::ptrdiff_t y1) {
                   rows(src, srcBytesPerRow, dst, dstBytesPerRow, width, y0, y1);
               });
    return true;
}

PixelSize quarterTurnedSize(int width, int height, int quarterTurns) {
    return (quarterTurns % 2 + 2) % 2 == 1 ? PixelSize{height, width} : PixelSize{width, height};
}

bool rotateQuarterTurns(const std::uint8_t* src, int width, int height,
                        std::ptrdiff_t srcBytesPerRow, int bytesPerPixel, int quarterTurns,
                        std::uint8_t* dst, std::ptrdiff_t dstBytesPerRow, int threads) {
    if (bytesPerPixel != 1 && bytesPerPixel != 3)
        return false;
    if (!src || !dst || width <= 0 || height <= 0)
        return true;
    const int turns = (quarterTurns % 4 + 4) % 4;
    const PixelSize out = quarterTurnedSize(width, height, turns);
    const auto quarter = kernel(&PixelKernels::quarterTurnRows3);
    const auto half = kernel(&PixelKernels::halfTurnRows3);
    splitRange(out.height, threads, static_cast<std::size_t>(height) * srcBytesPerRow,
               kQuarterTurnTile, [&](std::ptrdiff_t r0, std::ptrdiff_t r1) {
                   if (bytesPerPixel == 3 && turns % 2 == 1)
                       quarter(src, width, height, srcBytesPerRow, turns == 1, dst, dstBytesPerRow,
                               r0, r1);
                   else if (bytesPerPixel == 3 && turns == 2)
                       half(src, width, height, srcBytesPerRow, dst, dstBytesPerRow, r0, r1);
                   else
                       quarterTurnRowsPortable(src, width, height, srcBytesPerRow, bytesPerPixel,
                                               turns, dst, dstBytesPerRow, r0, r1);
               });
    return true;
}

int exactQuarterTurns(float degrees) {
    if (!std::isfinite(degrees))
        return -1;
    const double quarters = static_cast<double>(degrees) / 90.0;
    if (quarters != std::floor(quarters) || std::fabs(quarters) > 1e9)
        return -1;
    return static_cast<int>((static_cast<long long>(quarters) % 4 + 4) % 4);
}

PixelSize rotatedSize(int width, int height, float degrees) {
    if (width <= 0 || height <= 0)
        return {};
    // An angle that is no number (a damaged file's) turns nothing.
    if (!std::isfinite(degrees))
        degrees = 0;
    const int turns = exactQuarterTurns(degrees);
    if (turns >= 0)
        return quarterTurnedSize(width, height, turns);
    const double radians = static_cast<double>(degrees) * (std::numbers::pi / 180.0);
    const double c = std::fabs(std::cos(radians)), s = std::fabs(std::sin(radians));
    const double boxWidth = width * c + height * s, boxHeight = width * s + height * c;
    const auto whole = [](double v) { return std::max(1, static_cast<int>(std::ceil(v - 1e-3))); };
    return {whole(boxWidth), whole(boxHeight)};
}

bool rotate(const std::uint8_t* src, int width, int height, std::ptrdiff_t srcBytesPerRow,
            int bytesPerPixel, float degrees, std::uint8_t* dst, int dstWidth, int dstHeight,
            std::ptrdiff_t dstBytesPerRow, int threads) {
    if (bytesPerPixel != 1 && bytesPerPixel != 3)
        return false;
    if (!src || !dst || width <= 0 || height <= 0 || dstWidth <= 0 || dstHeight <= 0)
        return true;
    if (!std::isfinite(degrees))
        degrees = 0;
    const int turns = exactQuarterTurns(degrees);
    if (turns >= 0 && quarterTurnedSize(width, height, turns) == PixelSize{dstWidth, dstHeight})
        return rotateQuarterTurns(src, width, height, srcBytesPerRow, bytesPerPixel, turns, dst,
                                  dstBytesPerRow, threads);

    const double radians = static_cast<double>(degrees) * (std::numbers::pi / 180.0);
    Mapping m{};
    m.cosA = std::cos(radians);
    m.sinA = std::sin(radians);
    m.srcCx = width / 2.0;
    m.srcCy = height / 2.0;
    m.dstCx = dstWidth / 2.0;
    m.dstCy = dstHeight / 2.0;
    m.stepX = static_cast<float>(m.cosA);
    m.stepY = static_cast<float>(m.sinA);

    // The vector kernels address the source with 32-bit offsets and need 3 x 2 pixels.
    const bool vector = bytesPerPixel == 3 && width >= 3 && height >= 2 &&
                        static_cast<double>(height) * srcBytesPerRow < 2147483647.0;
    const auto rows = vector ? kernel(&PixelKernels::rotateRows3) : nullptr;
    const std::size_t bytes = static_cast<std::size_t>(dstHeight) * dstBytesPerRow;
    splitRange(dstHeight, threads, bytes, 1, [&](std::ptrdiff_t r0, std::ptrdiff_t r1) {
        if (rows)
            rows(src, width, height, srcBytesPerRow, m, dst, dstWidth, dstBytesPerRow, r0, r1);
        else
            rotateRowsPortable(src, width, height, srcBytesPerRow, bytesPerPixel, m, dst, dstWidth,
                               dstBytesPerRow, r0, r1);
    });
    return true;
}

} // namespace PixelLoops
