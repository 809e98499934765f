// Pixel kernels on a decoded 6000 x 4000 packed-RGB picture (72 MB), next to the same work
// done by libvips and Qt in the same process, and the memory floor of one pass.
// Each of our kernels runs once per instruction path the processor has, named after it
// (Table_Ours/avx2); pick paths with --benchmark_filter.
// The thread count comes from FOTINO_BENCH_THREADS (default 1): ours and libvips use it;
// Qt follows the CPUs the process may use, so run under `taskset -c 0` for one thread.

#include "core/imaging/LookupTables.h"
#include "core/imaging/PixelLoops.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTransform>
#include <benchmark/benchmark.h>
#include <vips/vips.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <string>
#include <sys/mman.h>
#include <thread>
#include <utility>

namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;
constexpr std::ptrdiff_t kRowRGB = 3 * kWidth;
constexpr std::ptrdiff_t kRow32 = 4 * kWidth;
constexpr std::size_t kBytesRGB = std::size_t{kRowRGB} * kHeight;
constexpr std::size_t kBytes32 = std::size_t{kRow32} * kHeight;
constexpr float kAngle = 7.5f;

int gThreads = 1;

std::uint8_t* mapBytes(std::size_t bytes, bool hugePages) {
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) {
        std::perror("mmap");
        std::exit(1);
    }
    if (hugePages)
        madvise(p, bytes, MADV_HUGEPAGE);
    return static_cast<std::uint8_t*>(p);
}

// Long-lived buffers, touched once so that no case pays for first faults.
std::uint8_t* warmBuffer(std::size_t bytes) {
    std::uint8_t* p = mapBytes(bytes, true);
    std::memset(p, 0, bytes);
    return p;
}

// A photo-like picture: smooth ramps with some texture.
std::uint8_t* sourceRGB() {
    static std::uint8_t* rgb = [] {
        std::uint8_t* p = warmBuffer(kBytesRGB);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                std::uint8_t* px = p + y * kRowRGB + 3 * x;
                const unsigned noise = (x * 2654435761u ^ y * 40503u) >> 27;
                px[0] = static_cast<std::uint8_t>(x * 255 / kWidth);
                px[1] = static_cast<std::uint8_t>(y * 255 / kHeight + noise);
                px[2] = static_cast<std::uint8_t>((x + y) / 40 + noise);
            }
        return p;
    }();
    return rgb;
}

std::uint8_t* source32() {
    static std::uint8_t* p = [] {
        std::uint8_t* q = warmBuffer(kBytes32);
        const std::uint8_t* s = sourceRGB();
        for (std::size_t i = 0, j = 0; i < kBytesRGB; i += 3, j += 4) {
            q[j] = s[i + 2]; // QImage::Format_RGB32 is 0xffRRGGBB: B, G, R, 255 in memory
            q[j + 1] = s[i + 1];
            q[j + 2] = s[i];
            q[j + 3] = 255;
        }
        return q;
    }();
    return p;
}

std::uint8_t* scratch() { // big enough for the 7.5 degree box in RGB32, 6471 x 4749 x 4
    static std::uint8_t* p = warmBuffer(128u << 20);
    return p;
}

std::uint8_t* scratch2() {
    static std::uint8_t* p = warmBuffer(kBytes32);
    return p;
}

std::array<std::uint8_t, 256> contrastTable() {
    std::array<std::uint8_t, 256> t{};
    LookupTables::buildContrastBrightnessLUT(t.data(), 1.3f, 0.1f);
    return t;
}

void setBytes(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["threads"] = gThreads;
}

template <class Body> void splitRows(int rows, const Body& body) {
    if (gThreads < 2) {
        body(0, rows);
        return;
    }
    std::thread second([&] { body(rows / 2, rows); });
    body(0, rows / 2);
    second.join();
}

using PixelLoops::Path;

// Runs a case on one path and goes back to the default afterwards.
class OnPath {
public:
    explicit OnPath(Path path)
        : before_(PixelLoops::currentPath()) {
        PixelLoops::setPath(path);
    }
    ~OnPath() { PixelLoops::setPath(before_); }
    OnPath(const OnPath&) = delete;
    OnPath& operator=(const OnPath&) = delete;

private:
    Path before_;
};

// ---- memory floor -------------------------------------------------------------------------

void Floor_InPlacePass(benchmark::State& state) {
    std::uint8_t* p = scratch();
    std::memcpy(p, sourceRGB(), kBytesRGB);
    for (auto _ : state) {
        splitRows(kHeight, [&](int y0, int y1) {
            std::uint8_t* q = p + y0 * kRowRGB;
            const std::size_t n = std::size_t(y1 - y0) * kRowRGB;
            for (std::size_t i = 0; i < n; ++i)
                q[i] ^= 0x5A;
        });
        benchmark::ClobberMemory();
    }
    setBytes(state, kBytesRGB);
}
BENCHMARK(Floor_InPlacePass)->UseRealTime()->Unit(benchmark::kMillisecond);

void Floor_Copy(benchmark::State& state) {
    for (auto _ : state) {
        splitRows(kHeight, [&](int y0, int y1) {
            std::memcpy(scratch() + y0 * kRowRGB, sourceRGB() + y0 * kRowRGB,
                        std::size_t(y1 - y0) * kRowRGB);
        });
        benchmark::ClobberMemory();
    }
    setBytes(state, kBytesRGB);
}
BENCHMARK(Floor_Copy)->UseRealTime()->Unit(benchmark::kMillisecond);

// ---- lookup table -------------------------------------------------------------------------

void tableOurs(benchmark::State& state, Path path) {
    const OnPath on(path);
    const auto table = contrastTable();
    std::uint8_t* p = scratch();
    std::memcpy(p, sourceRGB(), kBytesRGB);
    for (auto _ : state) {
        PixelLoops::applyTable(p, kHeight, kRowRGB, table.data(), gThreads);
        benchmark::ClobberMemory();
    }
    setBytes(state, kBytesRGB);
}

VipsImage* vipsSource() {
    return vips_image_new_from_memory(sourceRGB(), kBytesRGB, kWidth, kHeight, 3,
                                      VIPS_FORMAT_UCHAR);
}

// Runs the operation and computes every pixel into memory, as a caller of libvips would.
template <class Op> void runVips(benchmark::State& state, VipsImage* in, const Op& op) {
    for (auto _ : state) {
        VipsImage* out = nullptr;
        if (op(in, &out)) {
            state.SkipWithError(vips_error_buffer());
            break;
        }
        std::size_t size = 0;
        void* bytes = vips_image_write_to_memory(out, &size);
        benchmark::DoNotOptimize(bytes);
        g_free(bytes);
        g_object_unref(out);
    }
    g_object_unref(in);
}

void Table_Vips(benchmark::State& state) {
    static const auto table = contrastTable();
    VipsImage* lut = vips_image_new_from_memory(table.data(), 256, 256, 1, 1, VIPS_FORMAT_UCHAR);
    runVips(state, vipsSource(),
            [&](VipsImage* in, VipsImage** out) { return vips_maplut(in, out, lut, nullptr); });
    g_object_unref(lut);
    setBytes(state, kBytesRGB);
}
BENCHMARK(Table_Vips)->UseRealTime()->Unit(benchmark::kMillisecond);

// ---- gray ---------------------------------------------------------------------------------

void grayOurs(benchmark::State& state, Path path) {
    const OnPath on(path);
    for (auto _ : state) {
        PixelLoops::convertToGray(sourceRGB(), kWidth, kHeight, kRowRGB, 3, scratch(), kWidth,
                                  gThreads);
        benchmark::ClobberMemory();
    }
    setBytes(state, kBytesRGB);
}

void Gray_Vips(benchmark::State& state) {
    VipsImage* weights = vips_image_new_matrixv(3, 1, 77 / 256.0, 150 / 256.0, 29 / 256.0);
    runVips(state, vipsSource(), [&](VipsImage* in, VipsImage** out) {
        VipsImage* sum = nullptr;
        if (vips_recomb(in, &sum, weights, nullptr))
            return -1;
        const int failed = vips_linear1(sum, out, 1.0, 0.5, "uchar", TRUE, nullptr);
        g_object_unref(sum);
        return failed;
    });
    g_object_unref(weights);
    setBytes(state, kBytesRGB);
}
BENCHMARK(Gray_Vips)->UseRealTime()->Unit(benchmark::kMillisecond);

void Gray_QtOwnWeights(benchmark::State& state) {
    const QImage in(sourceRGB(), kWidth, kHeight, kRowRGB, QImage::Format_RGB888);
    for (auto _ : state)
        benchmark::DoNotOptimize(in.convertToFormat(QImage::Format_Grayscale8));
    setBytes(state, kBytesRGB);
}
BENCHMARK(Gray_QtOwnWeights)->UseRealTime()->Unit(benchmark::kMillisecond);

// ---- 32-bit to packed RGB -----------------------------------------------------------------

void toRGBOurs(benchmark::State& state, Path path) {
    const OnPath on(path);
    for (auto _ : state) {
        PixelLoops::convert32ToPackedRGB(source32(), kWidth, kHeight, kRow32,
                                         PixelLoops::AlphaPosition::Last, scratch(), kRowRGB,
                                         gThreads);
        benchmark::ClobberMemory();
    }
    setBytes(state, kBytes32);
}

void stripAlphaOurs(benchmark::State& state, Path path) {
    const OnPath on(path);
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(scratch2(), source32(), kBytes32);
        state.ResumeTiming();
        PixelLoops::stripAlphaInPlace(scratch2(), kWidth, kHeight, kRow32,
                                      PixelLoops::AlphaPosition::Last, kRowRGB);
        benchmark::ClobberMemory();
    }
    setBytes(state, kBytes32);
}

void ToRGB_Qt(benchmark::State& state) {
    const QImage in(source32(), kWidth, kHeight, kRow32, QImage::Format_RGB32);
    for (auto _ : state)
        benchmark::DoNotOptimize(in.convertToFormat(QImage::Format_RGB888));
    setBytes(state, kBytes32);
}
BENCHMARK(ToRGB_Qt)->UseRealTime()->Unit(benchmark::kMillisecond);

void ToRGB_Vips(benchmark::State& state) {
    VipsImage* in =
        vips_image_new_from_memory(source32(), kBytes32, kWidth, kHeight, 4, VIPS_FORMAT_UCHAR);
    runVips(state, in, [](VipsImage* i, VipsImage** out) {
        return vips_extract_band(i, out, 0, "n", 3, nullptr);
    });
    setBytes(state, kBytes32);
}
BENCHMARK(ToRGB_Vips)->UseRealTime()->Unit(benchmark::kMillisecond);

// ---- quarter turn -------------------------------------------------------------------------

void rotate90Ours(benchmark::State& state, Path path) {
    const OnPath on(path);
    for (auto _ : state) {
        PixelLoops::rotateQuarterTurns(sourceRGB(), kWidth, kHeight, kRowRGB, 3, 1, scratch(),
                                       3 * kHeight, gThreads);
        benchmark::ClobberMemory();
    }
    setBytes(state, kBytesRGB);
}

void rotate180Ours(benchmark::State& state, Path path) {
    const OnPath on(path);
    for (auto _ : state) {
        PixelLoops::rotateQuarterTurns(sourceRGB(), kWidth, kHeight, kRowRGB, 3, 2, scratch(),
                                       kRowRGB, gThreads);
        benchmark::ClobberMemory();
    }
    setBytes(state, kBytesRGB);
}

void rotate90Qt(benchmark::State& state, const QImage& in) {
    const QTransform turn = QTransform().rotate(90);
    for (auto _ : state)
        benchmark::DoNotOptimize(in.transformed(turn));
    setBytes(state, kBytesRGB);
}
void Rotate90_QtRGB888(benchmark::State& state) {
    rotate90Qt(state, QImage(sourceRGB(), kWidth, kHeight, kRowRGB, QImage::Format_RGB888));
}
void Rotate90_QtRGB32(benchmark::State& state) {
    rotate90Qt(state, QImage(source32(), kWidth, kHeight, kRow32, QImage::Format_RGB32));
}
BENCHMARK(Rotate90_QtRGB888)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Rotate90_QtRGB32)->UseRealTime()->Unit(benchmark::kMillisecond);

void Rotate90_Vips(benchmark::State& state) {
    runVips(state, vipsSource(), [](VipsImage* in, VipsImage** out) {
        return vips_rot(in, out, VIPS_ANGLE_D90, nullptr);
    });
    setBytes(state, kBytesRGB);
}
BENCHMARK(Rotate90_Vips)->UseRealTime()->Unit(benchmark::kMillisecond);

// ---- any angle ----------------------------------------------------------------------------

void rotateOurs(benchmark::State& state, Path path) {
    const OnPath on(path);
    const PixelLoops::PixelSize size = PixelLoops::rotatedSize(kWidth, kHeight, kAngle);
    for (auto _ : state) {
        PixelLoops::rotate(sourceRGB(), kWidth, kHeight, kRowRGB, 3, kAngle, scratch(), size.width,
                           size.height, 3 * size.width, gThreads);
        benchmark::ClobberMemory();
    }
    setBytes(state, kBytesRGB);
}

void Rotate7_5_QtPainterRGB32(benchmark::State& state) {
    const QImage in(source32(), kWidth, kHeight, kRow32, QImage::Format_RGB32);
    const PixelLoops::PixelSize size = PixelLoops::rotatedSize(kWidth, kHeight, kAngle);
    QImage out(scratch(), size.width, size.height, 4 * size.width, QImage::Format_RGB32);
    for (auto _ : state) {
        out.fill(Qt::white);
        QPainter painter(&out);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(size.width / 2.0, size.height / 2.0);
        painter.rotate(-kAngle); // counter-clockwise on screen
        painter.drawImage(QPointF(-kWidth / 2.0, -kHeight / 2.0), in);
        painter.end();
        benchmark::ClobberMemory();
    }
    setBytes(state, kBytesRGB);
}
BENCHMARK(Rotate7_5_QtPainterRGB32)->UseRealTime()->Unit(benchmark::kMillisecond);

void Rotate7_5_Vips(benchmark::State& state) {
    VipsInterpolate* bilinear = vips_interpolate_new("bilinear");
    VipsArrayDouble* white = vips_array_double_newv(3, 255.0, 255.0, 255.0);
    runVips(state, vipsSource(), [&](VipsImage* in, VipsImage** out) {
        return vips_rotate(in, out, -kAngle, "interpolate", bilinear, "background", white, nullptr);
    });
    vips_area_unref(VIPS_AREA(white));
    g_object_unref(bilinear);
    setBytes(state, kBytesRGB);
}
BENCHMARK(Rotate7_5_Vips)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

// ---- fresh destination every time (what a new bitmap per derivation would cost) ----------

void freshRotate(benchmark::State& state, bool hugePages) {
    const PixelLoops::PixelSize size = PixelLoops::rotatedSize(kWidth, kHeight, kAngle);
    const std::size_t bytes = std::size_t(3) * size.width * size.height;
    const auto table = contrastTable();
    for (auto _ : state) {
        std::uint8_t* out = mapBytes(bytes, hugePages);
        PixelLoops::rotate(sourceRGB(), kWidth, kHeight, kRowRGB, 3, kAngle, out, size.width,
                           size.height, 3 * size.width, gThreads);
        PixelLoops::applyTable(out, size.height, 3 * size.width, table.data(), gThreads);
        benchmark::ClobberMemory();
        munmap(out, bytes);
    }
    setBytes(state, kBytesRGB);
}
void FreshBuffer_Rotate7_5AndTable(benchmark::State& state) {
    freshRotate(state, false);
}
void FreshBuffer_Rotate7_5AndTable_HugePages(benchmark::State& state) {
    freshRotate(state, true);
}
BENCHMARK(FreshBuffer_Rotate7_5AndTable)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(FreshBuffer_Rotate7_5AndTable_HugePages)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void freshTouch(benchmark::State& state, bool hugePages) {
    for (auto _ : state) {
        std::uint8_t* out = mapBytes(kBytesRGB, hugePages);
        std::memset(out, 255, kBytesRGB);
        benchmark::ClobberMemory();
        munmap(out, kBytesRGB);
    }
    setBytes(state, kBytesRGB);
}
void FreshBuffer_FirstTouchOnly(benchmark::State& state) {
    freshTouch(state, false);
}
void FreshBuffer_FirstTouchOnly_HugePages(benchmark::State& state) {
    freshTouch(state, true);
}
BENCHMARK(FreshBuffer_FirstTouchOnly)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(FreshBuffer_FirstTouchOnly_HugePages)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// One operation as a whole process would do it: the picture read from a vips file into a fresh
// buffer, the result in another fresh buffer (4 KB pages, as calloc gives a new bitmap, or huge
// pages with FOTINO_BENCH_HUGEPAGES=1), written to a file.
int runOnce(const std::string& op, const std::string& in, const std::string& out) {
    const bool hugePages = std::getenv("FOTINO_BENCH_HUGEPAGES") != nullptr;
    VipsImage* image = vips_image_new_from_file(in.c_str(), nullptr);
    if (!image || vips_image_wio_input(image))
        return 1;
    const int w = image->Xsize, h = image->Ysize;
    const std::size_t bytes = std::size_t(3) * w * h;
    std::uint8_t* src = mapBytes(bytes, hugePages);
    std::memcpy(src, VIPS_IMAGE_ADDR(image, 0, 0), bytes);
    g_object_unref(image);
    PixelLoops::PixelSize size{w, h};
    if (op == "rot90")
        size = PixelLoops::quarterTurnedSize(w, h, 1);
    else if (op == "rotate7.5")
        size = PixelLoops::rotatedSize(w, h, kAngle);
    const std::size_t outBytes = std::size_t(3) * size.width * size.height;
    std::uint8_t* dst = mapBytes(outBytes, hugePages);
    const auto table = contrastTable();
    if (op == "rot90") {
        PixelLoops::rotateQuarterTurns(src, w, h, 3 * w, 3, 1, dst, 3 * size.width, gThreads);
    } else if (op == "rotate7.5") {
        PixelLoops::rotate(src, w, h, 3 * w, 3, kAngle, dst, size.width, size.height,
                           3 * size.width, gThreads);
    } else if (op == "table") {
        std::memcpy(dst, src, bytes);
        PixelLoops::applyTable(dst, h, 3 * w, table.data(), gThreads);
    } else {
        return 2;
    }
    FILE* f = std::fopen(out.c_str(), "wb");
    const bool written = f && std::fwrite(dst, 1, outBytes, f) == outBytes;
    if (f)
        std::fclose(f);
    munmap(src, bytes);
    munmap(dst, outBytes);
    return written ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (const char* t = std::getenv("FOTINO_BENCH_THREADS"))
        gThreads = std::max(1, std::atoi(t));
    for (int i = 1; i + 2 < argc; ++i) { // --once=OP IN.v OUT.raw: no Qt, no benchmarks
        const std::string arg = argv[i];
        if (arg.rfind("--once=", 0) == 0)
            return VIPS_INIT(argv[0]) ? 1 : runOnce(arg.substr(7), argv[i + 1], argv[i + 2]);
    }
    // Peers allocate their results on every call: keep freed memory in the heap so that they,
    // like our kernels, work on memory that is already mapped.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (VIPS_INIT(argv[0]))
        return 1;
    vips_concurrency_set(gThreads);
    vips_cache_set_max(0);

    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--write-picture=", 0) == 0) { // the synthetic picture, for the tools
            VipsImage* in = vipsSource();
            const int failed = vips_image_write_to_file(in, arg.substr(16).c_str(), nullptr);
            g_object_unref(in);
            return failed;
        }
        if (arg.rfind("--write-lut=", 0) == 0) {
            static const auto table = contrastTable();
            VipsImage* lut =
                vips_image_new_from_memory(table.data(), 256, 256, 1, 1, VIPS_FORMAT_UCHAR);
            const int failed = vips_image_write_to_file(lut, arg.substr(12).c_str(), nullptr);
            g_object_unref(lut);
            return failed;
        }
    }
    // Our kernels, once per path.
    const std::pair<const char*, void (*)(benchmark::State&, Path)> ours[] = {
        {"Table_Ours", tableOurs},       {"Gray_Ours", grayOurs},
        {"ToRGB_Ours", toRGBOurs},       {"StripAlpha_OursInPlace", stripAlphaOurs},
        {"Rotate90_Ours", rotate90Ours}, {"Rotate180_Ours", rotate180Ours},
        {"Rotate7_5_Ours", rotateOurs}};
    for (const auto& [name, run] : ours)
        for (Path path : PixelLoops::availablePaths())
            benchmark::RegisterBenchmark(
                (std::string(name) + "/" + PixelLoops::pathName(path)).c_str(), run, path)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
    // Make and fault in every buffer before any timing.
    sourceRGB();
    source32();
    scratch();
    scratch2();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    vips_shutdown();
    return 0;
}
