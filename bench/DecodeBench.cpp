// Decoding a 12-megapixel camera JPEG (4000 x 3000): libjpeg-turbo alone, our road for an
// upright sRGB file and for Display P3 files upright, sideways (orientation 6) and mirrored
// sideways (orientation 5) on one and two threads, and Qt's reader doing the same work
// (untransformed read, conversion to sRGB, turn; Qt converts on its own thread pool). Our
// road for the Display P3 files once more with Qt's transform in place of SRgbConverter. Then
// the conversion from Display P3 alone: SRgbConverter on each instruction path, and Qt's
// transform as the decoder would run it.
// process_cpu is the CPU time of all threads per decode: on a busy machine, where wall times
// stretch, it shows the work done.

#include "PhotoTexture.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/ImageDecoder.h"
#include "core/platform/JpegDecoder.h"
#include "core/platform/SRgbConverter.h"

#include <QBuffer>
#include <QColorSpace>
#include <QColorTransform>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTransform>
#include <benchmark/benchmark.h>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

QByteArray cameraJpeg() {
    static const QByteArray bytes = [] {
        const QImage q = PhotoTexture::picture(kWidth, kHeight);
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(90);
        writer.write(q);
        return out;
    }();
    return bytes;
}

// A segment inserted right after the start-of-image marker.
QByteArray withSegment(const QByteArray& jpeg, uchar marker, const QByteArray& payload) {
    const int length = int(payload.size()) + 2;
    QByteArray segment;
    segment.append(char(0xFF)).append(char(marker)).append(char(length >> 8)).append(char(length));
    return jpeg.left(2) + segment + payload + jpeg.mid(2);
}

// An Exif block holding only the orientation, little-endian.
QByteArray exifOrientation(int orientation) {
    const char block[] = {'E', 'x',  'i',  'f', 0,
                          0,   'I',  'I',  42,  0,
                          8,   0,    0,    0,   1,
                          0,   0x12, 0x01, 3,   0,
                          1,   0,    0,    0,   char(orientation),
                          0,   0,    0,    0,   0,
                          0,   0};
    return QByteArray(block, sizeof block);
}

QByteArray cameraJpeg(bool displayP3, int orientation) {
    QByteArray jpeg = cameraJpeg();
    if (displayP3) {
        jpeg = withSegment(jpeg, 0xE2,
                           QByteArray("ICC_PROFILE\0\x01\x01", 14) +
                               QColorSpace(QColorSpace::DisplayP3).iccProfile());
    }
    if (orientation != 1) {
        jpeg = withSegment(jpeg, 0xE1, exifOrientation(orientation));
    }
    return jpeg;
}

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

// Reports the CPU time of every thread of the process per iteration, in milliseconds.
class ProcessCpu {
public:
    explicit ProcessCpu(benchmark::State& state)
        : state_(state)
        , start_(processCpuSeconds()) {}
    ~ProcessCpu() {
        if (state_.iterations() > 0) {
            state_.counters["process_cpu_ms"] =
                (processCpuSeconds() - start_) * 1e3 / double(state_.iterations());
        }
    }
    ProcessCpu(const ProcessCpu&) = delete;
    ProcessCpu& operator=(const ProcessCpu&) = delete;

private:
    benchmark::State& state_;
    double start_;
};

struct ErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Straight into a packed-RGB bitmap, nothing else: the floor for every road.
bool decodeAlone(const QByteArray& jpeg, BitmapImageRep* rep) {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = onError;
    jpeg_create_decompress(&info);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()),
                 static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row =
            rep->bitmapData() + std::ptrdiff_t(info.output_scanline) * rep->bytesPerRow();
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

void LibjpegTurbo_DecodeAlone(benchmark::State& state) {
    const QByteArray jpeg = cameraJpeg();
    BitmapImageRep::Layout layout;
    layout.pixelsWide = kWidth;
    layout.pixelsHigh = kHeight;
    const ProcessCpu cpu(state);
    for (auto _ : state) {
        auto rep = BitmapImageRep::initWithLayout(layout);
        if (!rep || !decodeAlone(jpeg, rep.get())) {
            state.SkipWithError("decoding failed");
            break;
        }
        benchmark::DoNotOptimize(rep->bitmapData());
    }
}
BENCHMARK(LibjpegTurbo_DecodeAlone)->UseRealTime()->Unit(benchmark::kMillisecond);

// tables: the profile converted by SRgbConverter, or else by Qt's transform.
void Ours(benchmark::State& state, bool displayP3, int orientation, int threads, bool tables) {
    const QByteArray jpeg = cameraJpeg(displayP3, orientation);
    JpegDecoder::setThreads(threads);
    SRgbConverter::setEnabled(tables);
    {
        const ProcessCpu cpu(state);
        for (auto _ : state) {
            auto rep = ImageDecoder::decodeData(jpeg);
            if (!rep) {
                state.SkipWithError("decoding failed");
                break;
            }
            benchmark::DoNotOptimize(rep->bitmapData());
        }
    }
    SRgbConverter::setEnabled(true);
}

void QtReader(benchmark::State& state, bool displayP3, int orientation) {
    QByteArray jpeg = cameraJpeg(displayP3, orientation);
    const ProcessCpu cpu(state);
    for (auto _ : state) {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        reader.setAutoTransform(false);
        QImage image = reader.read();
        if (image.colorSpace().isValid()) {
            image.convertToColorSpace(QColorSpace::SRgb);
        }
        const auto turn = reader.transformation();
        if (turn & (QImageIOHandler::TransformationMirror | QImageIOHandler::TransformationFlip)) {
            image = std::move(image).mirrored(turn & QImageIOHandler::TransformationMirror,
                                              turn & QImageIOHandler::TransformationFlip);
        }
        if (turn & QImageIOHandler::TransformationRotate90) {
            image = image.transformed(QTransform().rotate(90));
        }
        if (image.isNull()) {
            state.SkipWithError("decoding failed");
            break;
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The decoder's strips: 64 rows of the texture, as packed RGB.
constexpr int kStripRows = 64;

std::vector<uchar> photoStrip() {
    std::vector<uchar> strip(size_t(3 * kWidth) * kStripRows);
    for (int y = 0; y < kStripRows; ++y) {
        PhotoTexture::row(y, kWidth, kHeight, strip.data() + size_t(3 * kWidth) * size_t(y));
    }
    return strip;
}

void Convert(benchmark::State& state, SRgbConverter::Path path) {
    const auto converter = SRgbConverter::fromColorSpace(QColorSpace(QColorSpace::DisplayP3));
    const SRgbConverter::Path previous = SRgbConverter::currentPath();
    if (!converter || !SRgbConverter::setPath(path)) {
        state.SkipWithError("no converter on this path");
        return;
    }
    const std::vector<uchar> strip = photoStrip();
    std::vector<uchar> out(strip.size());
    for (auto _ : state) {
        for (int y = 0; y < kHeight; y += kStripRows) {
            converter->convert(strip.data(), out.data(),
                               qsizetype(kWidth) * std::min(kStripRows, kHeight - y));
        }
        benchmark::DoNotOptimize(out.data());
    }
    SRgbConverter::setPath(previous);
}

// Row by row in place on RGB32, as the decoder runs it where the tables do not serve.
void QtTransform(benchmark::State& state) {
    const QColorTransform transform =
        QColorSpace(QColorSpace::DisplayP3).transformationToColorSpace(QColorSpace::SRgb);
    const std::vector<uchar> packed = photoStrip();
    QImage strip(kWidth, kStripRows, QImage::Format_RGB32);
    for (int y = 0; y < kStripRows; ++y) {
        auto* row = reinterpret_cast<QRgb*>(strip.scanLine(y));
        const uchar* p = packed.data() + size_t(3 * kWidth) * size_t(y);
        for (int x = 0; x < kWidth; ++x) {
            row[x] = qRgb(p[3 * x], p[3 * x + 1], p[3 * x + 2]);
        }
    }
    for (auto _ : state) {
        for (int y = 0; y < kHeight; y += kStripRows) {
            for (int i = 0; i < std::min(kStripRows, kHeight - y); ++i) {
                QImage row(strip.scanLine(i), kWidth, 1, strip.bytesPerLine(),
                           QImage::Format_RGB32);
                row.applyColorTransform(transform);
            }
        }
        benchmark::DoNotOptimize(strip.constBits());
    }
}

void registerRoads() {
    const struct {
        const char* name;
        bool displayP3;
        int orientation;
    } files[] = {
        {"sRGB_Upright", false, 1},   {"sRGB_Orientation6", false, 6}, {"P3_Upright", true, 1},
        {"P3_Orientation6", true, 6}, {"P3_Orientation5", true, 5},
    };
    for (const auto& f : files) {
        for (const int threads : {1, 2}) {
            benchmark::RegisterBenchmark(
                ("Ours_" + std::string(f.name) + "/threads:" + std::to_string(threads)).c_str(),
                Ours, f.displayP3, f.orientation, threads, true)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
        }
        for (const int threads : {1, 2}) {
            if (f.displayP3) {
                benchmark::RegisterBenchmark(("OursConvertingByQt_" + std::string(f.name) +
                                              "/threads:" + std::to_string(threads))
                                                 .c_str(),
                                             Ours, f.displayP3, f.orientation, threads, false)
                    ->UseRealTime()
                    ->Unit(benchmark::kMillisecond);
            }
        }
        benchmark::RegisterBenchmark(("QtReader_" + std::string(f.name)).c_str(), QtReader,
                                     f.displayP3, f.orientation)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    }
    for (const SRgbConverter::Path path : SRgbConverter::availablePaths()) {
        benchmark::RegisterBenchmark(
            (std::string("Convert_P3/") + SRgbConverter::pathName(path)).c_str(), Convert, path)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("QtTransform_P3", QtTransform)->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // FOTINO_BENCH_PATH=portable|avx2|vbmi measures the whole roads on that conversion path.
    const QByteArray wanted = qgetenv("FOTINO_BENCH_PATH");
    for (const SRgbConverter::Path path : SRgbConverter::availablePaths()) {
        if (wanted == SRgbConverter::pathName(path)) {
            SRgbConverter::setPath(path);
        }
    }
    registerRoads();
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
