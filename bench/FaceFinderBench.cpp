// Finding the face, downscaling included: in a 6000 x 4000 photo (24 MP) and in a 640 x 480
// camera frame, packed RGB and 32-bit words, on one and two threads; and the same photo
// without a face, where every cascade runs to the end. The face is the sample portrait,
// enlarged to fill the picture's height, on a photo-like texture.
// process_cpu is the CPU time of all threads per search: on a busy machine, where wall times
// stretch, it shows the work done.

#include "PhotoTexture.h"
#include "core/analysis/FaceFinder.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <opencv2/core.hpp>
#include <string>
#include <sys/resource.h>

namespace {

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

QImage photo(QSize size, bool withFace, QImage::Format format) {
    QImage picture = PhotoTexture::picture(size.width(), size.height());
    if (withFace) {
        const QImage portrait(QStringLiteral(FOTINO_SOURCE_DIR "/tests/data/portrait-512.jpg"));
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const int side = size.height();
        painter.drawImage(QRect((size.width() - side) / 2, 0, side, side), portrait);
    }
    return picture.convertToFormat(format);
}

const FaceFinder& finder() {
    static const FaceFinder instance;
    return instance;
}

void Find(benchmark::State& state, QSize size, bool withFace, QImage::Format format, int threads) {
    const QImage picture = photo(size, withFace, format);
    if (!finder().isReady()) {
        state.SkipWithError("no cascades");
        return;
    }
    if (finder().find(picture).has_value() != withFace) {
        state.SkipWithError("the face was not found as expected");
        return;
    }
    cv::setNumThreads(threads);
    const double start = processCpuSeconds();
    for (auto _ : state) {
        benchmark::DoNotOptimize(finder().find(picture));
    }
    state.counters["process_cpu_ms"] =
        (processCpuSeconds() - start) * 1e3 / double(state.iterations());
}

void registerSearches() {
    struct Picture {
        const char* name;
        QSize size;
        bool withFace;
        QImage::Format format;
    };
    const Picture pictures[] = {
        {"Photo6000x4000_RGB888", {6000, 4000}, true, QImage::Format_RGB888},
        {"Photo6000x4000_RGB32", {6000, 4000}, true, QImage::Format_RGB32},
        {"NoFace6000x4000_RGB888", {6000, 4000}, false, QImage::Format_RGB888},
        {"Frame640x480_RGB888", {640, 480}, true, QImage::Format_RGB888},
        {"Frame640x480_RGB32", {640, 480}, true, QImage::Format_RGB32},
    };
    for (const Picture& p : pictures) {
        for (const int threads : {1, 2}) {
            benchmark::RegisterBenchmark(
                ("Find_" + std::string(p.name) + "/threads:" + std::to_string(threads)).c_str(),
                Find, p.size, p.withFace, p.format, threads)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    registerSearches();
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
