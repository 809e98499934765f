// The photo editor on a 6000 x 4000 camera JPEG, on the offscreen platform: the first complete
// frame after the picture is given, one step of the contrast slider, a drag of the picture,
// and the memory the program holds with the editor open. FOTINO_BENCH_THREADS (1 or 2) sets
// the drawing threads. Run the memory case alone (--benchmark_filter=Memory): it reads the
// process's peak resident size.

#include "PhotoTexture.h"
#include "ScriptedDrag.h"
#include "WindowBench.h"
#include "core/document/Fotino.h"
#include "core/platform/AreaResampler.h"
#include "core/platform/ResourceFolder.h"
#include "ui/editor/PictureSettingsWindow.h"
#include "ui/editor/PictureView.h"
#include "ui_PictureSettingsWindows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

constexpr double kDecodedMegabytes = 6000.0 * 4000 * 3 / (1024 * 1024);

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

QString cameraJpeg() {
    static const QString path = [] {
        const QString p = folder().filePath(QStringLiteral("camera.jpg"));
        QImageWriter writer(p, "jpeg");
        writer.setQuality(90);
        writer.write(PhotoTexture::picture(6000, 4000));
        return p;
    }();
    return path;
}

PictureSettingsWindow* editor() {
    PictureSettingsWindow* window = PictureSettingsWindow::pictureSettingsWindow();
    window->resize(1000, 860);
    if (!QTest::qWaitForWindowExposed(window)) {
        std::abort();
    }
    return window;
}

// The process's peak resident size so far, in megabytes.
double peakMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
        }
    }
    return 0;
}

void Memory_EditorWithPicture(benchmark::State& state) {
    const QString jpeg = cameraJpeg();
    PictureSettingsWindow* warm = editor();
    QApplication::processEvents();
    delete warm;
    const double empty = peakMegabytes();
    for (auto _ : state) {
        PictureSettingsWindow* window = editor();
        window->loadImage(jpeg);
        window->pictureView()->repaint();
        window->outlets()->gammaSlider->setValue(20);
        window->pictureView()->repaint();
        QTest::mousePress(window->pictureView(), Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(window->pictureView(), QPoint(120, 110));
        QTest::mouseRelease(window->pictureView(), Qt::LeftButton, {}, QPoint(120, 110));
        window->pictureView()->repaint();
        state.counters["empty_MB"] = empty;
        state.counters["peak_MB"] = peakMegabytes();
        state.counters["above_MB"] = peakMegabytes() - empty;
        state.counters["times_decoded"] = (peakMegabytes() - empty) / kDecodedMegabytes;
        delete window;
    }
}
BENCHMARK(Memory_EditorWithPicture)->Iterations(1)->Unit(benchmark::kMillisecond);

void FirstFrame_DroppedJpeg(benchmark::State& state) {
    const QString jpeg = cameraJpeg();
    for (auto _ : state) {
        state.PauseTiming();
        PictureSettingsWindow* window = editor();
        state.ResumeTiming();
        window->loadImage(jpeg);
        window->pictureView()->repaint();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(FirstFrame_DroppedJpeg)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);

void ContrastStep(benchmark::State& state) {
    PictureSettingsWindow* window = editor();
    window->loadImage(cameraJpeg());
    window->pictureView()->repaint();
    int value = 0;
    for (auto _ : state) {
        value = value >= 50 ? 0 : value + 1;
        window->outlets()->gammaSlider->setValue(value);
        window->pictureView()->repaint();
    }
    delete window;
}
BENCHMARK(ContrastStep)->Iterations(20)->UseRealTime()->Unit(benchmark::kMillisecond);

void Drag_InTheEditor(benchmark::State& state) {
    PictureSettingsWindow* window = editor();
    window->loadImage(cameraJpeg());
    PictureView* view = window->pictureView();
    view->repaint();
    ScriptedDrag::Frames frames;
    for (auto _ : state) {
        ScriptedDrag::drag(*view, 200, frames);
    }
    ScriptedDrag::report(state, frames);
    state.counters["view_pixels"] = view->width() * view->height();
    delete window;
}
BENCHMARK(Drag_InTheEditor)->Iterations(2)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return WindowBench::run(argc, argv);
}
