// `fotino new` on a batch of 12-megapixel JPEGs (4000 x 3000, the sample portrait on a
// lightly noisy wall) with auto-frame and the ICAO preset: the time per picture, and the
// resident memory before, after and at its peak, to show that it stays flat from one picture
// to the next. FOTINO_BENCH_PICTURES sets the batch (100 by default). The same file is given
// for every picture; each becomes a document of its own.
//
//   Command      the whole command, as run from a shell (in-process, offscreen)
//   PerPicture   one picture an iteration, with the resident memory after the first and the
//                last, and the peak

#include "BenchHome.h"
#include "app/CommandLine.h"
#include "core/analysis/FaceFinder.h"
#include "core/analysis/PictureImport.h"
#include "core/platform/ResourceFolder.h"
#include "core/presets/Preset.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

int batchSize() {
    const char* size = std::getenv("FOTINO_BENCH_PICTURES");
    return size ? std::max(1, std::atoi(size)) : 100;
}

QString cameraJpeg() {
    static const QString path = [] {
        QImage canvas(4000, 3000, QImage::Format_RGB888);
        QRandomGenerator random(17);
        for (int y = 0; y < canvas.height(); ++y) {
            uchar* row = canvas.scanLine(y);
            for (int x = 0; x < canvas.width() * 3; ++x) {
                row[x] = static_cast<uchar>(222 + random.bounded(16));
            }
        }
        const QImage portrait(QStringLiteral(FOTINO_SOURCE_DIR "/tests/data/portrait-512.jpg"));
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(700, 200, 2600, 2600), portrait);
        painter.end();
        const QString p = scratch().filePath(QStringLiteral("camera.jpg"));
        QImageWriter writer(p, "jpeg");
        writer.setQuality(92);
        if (!writer.write(canvas)) {
            std::abort();
        }
        return p;
    }();
    return path;
}

// The process's resident and peak resident sizes, in megabytes.
double statusMegabytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(static_cast<int>(qstrlen(field)))
                       .trimmed()
                       .split(' ')
                       .first()
                       .toDouble() /
                   1024;
        }
    }
    return 0;
}

void Command(benchmark::State& state) {
    const QString jpeg = cameraJpeg();
    const int pictures = batchSize();
    QStringList arguments{QStringLiteral("fotino"), QStringLiteral("new")};
    for (int i = 0; i < pictures; ++i) {
        arguments << jpeg;
    }
    arguments << QStringLiteral("--preset") << QStringLiteral("00-icao-35x45")
              << QStringLiteral("--auto-frame") << QStringLiteral("--folder");
    int round = 0;
    QString lines;
    for (auto _ : state) {
        const double before = statusMegabytes("VmRSS:");
        QElapsedTimer clock;
        clock.start();
        QTextStream out(&lines);
        QTextStream err(stderr);
        const int code = CommandLine::run(
            arguments + QStringList{scratch().filePath(QStringLiteral("command%1").arg(++round))},
            out, err);
        state.counters["ms_per_picture"] = static_cast<double>(clock.elapsed()) / pictures;
        state.counters["exit_code"] = code;
        state.counters["rss_before_MB"] = before;
        state.counters["rss_after_MB"] = statusMegabytes("VmRSS:");
        state.counters["peak_MB"] = statusMegabytes("VmHWM:");
    }
    state.counters["faces"] = static_cast<double>(lines.count(QLatin1String("\tok\n")) +
                                                  lines.count(QLatin1String("\toutside\n")));
}
BENCHMARK(Command)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

void PerPicture(benchmark::State& state) {
    const QString jpeg = cameraJpeg();
    const auto preset =
        PictureImport::presetNamed(QStringLiteral("00-icao-35x45"), Preset::presets());
    if (!preset) {
        state.SkipWithError("no built-in presets");
        return;
    }
    const FaceFinder finder;
    PictureImport import(scratch().filePath(QStringLiteral("perPicture")), *preset, finder);
    import.setAutoFrame(true);
    const double start = statusMegabytes("VmRSS:");
    double afterFirst = 0;
    int faces = 0;
    for (auto _ : state) {
        const auto made = import.importPicture(jpeg);
        faces += made.report.faceFound ? 1 : 0;
        if (afterFirst == 0) {
            afterFirst = statusMegabytes("VmRSS:");
        }
    }
    state.counters["rss_start_MB"] = start;
    state.counters["rss_after_first_MB"] = afterFirst;
    state.counters["rss_after_last_MB"] = statusMegabytes("VmRSS:");
    state.counters["peak_MB"] = statusMegabytes("VmHWM:");
    state.counters["faces"] = faces;
}
BENCHMARK(PerPicture)->Iterations(batchSize())->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const BenchHome home;
    QGuiApplication app(argc, argv);
    ResourceFolder::setOverride(QStringLiteral(FOTINO_BENCH_RESOURCES));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
