// Redrawing the framing view while the picture is dragged: a 6000 x 4000 camera picture in an
// ICAO 35 x 45 mm document, guides on, in a 600 x 770 point window on the offscreen platform.
// Each frame is one QTest mouse move and the repaint it asks for. FOTINO_BENCH_THREADS (1 or
// 2) sets the drawing threads; FOTINO_BENCH_SCALE=2 runs at twice the device pixels.
//
// "AsWritten" draws the photo a second time, clipped to the face box, as a view that laid the
// veil over everything and uncovered the face box again would: what drawing it once saves.

#include "PhotoTexture.h"
#include "ScriptedDrag.h"
#include "WindowBench.h"
#include "core/document/Fotino.h"
#include "core/platform/AreaResampler.h"
#include "core/platform/GraphicsContext.h"
#include "core/platform/ResourceFolder.h"
#include "core/presets/FramingGuides.h"
#include "core/presets/Preset.h"
#include "ui/editor/PictureView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kMoves = 200;

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

std::shared_ptr<Fotino> document() {
    auto doc = std::make_shared<Fotino>();
    const QString jpeg = folder().filePath(QStringLiteral("camera.jpg"));
    if (!QFile::exists(jpeg)) {
        QImageWriter writer(jpeg, "jpeg");
        writer.setQuality(90);
        writer.write(PhotoTexture::picture(6000, 4000));
    }
    doc->setFilePath(folder().filePath(QStringLiteral("camera.ftoct")));
    doc->setImageName(QStringLiteral("camera.jpg"));
    for (const auto& preset : Preset::presets()) {
        if (preset->name().startsWith(QStringLiteral("ICAO"))) {
            for (const QString& key : {AttributeKeys::kWidth, AttributeKeys::kHeight,
                                       AttributeKeys::kPresetGuides, AttributeKeys::kPresetMask}) {
                doc->setObject(preset->objectForKey(key), key);
            }
        }
    }
    // About 3000 x 3850 picture pixels in the frame, as in the rendering benchmark.
    doc->setPictureSize(7.5f);
    doc->setOffset(QPointF(50, 50));
    doc->setPictureVersion(1);
    doc->originalPicture(); // decoded and adjusted once, outside the timings
    return doc;
}

// The view as it would be if the photo were drawn again inside the face box.
class TwiceDrawnView : public PictureView {
protected:
    void paintEvent(QPaintEvent* event) override {
        PictureView::paintEvent(event);
        if (!fotino()) {
            return;
        }
        const auto guides = FramingGuides::guidesInView(fotino()->guides(), fotino()->widthInCm(),
                                                        static_cast<float>(width()));
        GraphicsContext context(this, QSizeF(width(), height()));
        const GraphicsContext::CurrentScope current(context);
        if (!guides.empty()) {
            context.addClip(GraphicsContext::pathWithRect(guides.front().rect));
        }
        fotino()->drawInFrame(QRectF(0, 0, width(), height()));
    }
};

void drag(benchmark::State& state, PictureView& view) {
    view.setFotino(document());
    view.resize(600, 770);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    QApplication::processEvents();
    ScriptedDrag::Frames frames;
    for (auto _ : state) {
        ScriptedDrag::drag(view, kMoves, frames);
    }
    ScriptedDrag::report(state, frames);
    state.counters["device_pixels"] =
        view.width() * view.devicePixelRatioF() * view.height() * view.devicePixelRatioF();
}

void Drag_GuidesOn(benchmark::State& state) {
    PictureView view;
    drag(state, view);
}
BENCHMARK(Drag_GuidesOn)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

void Drag_AsWritten(benchmark::State& state) {
    TwiceDrawnView view;
    drag(state, view);
}
BENCHMARK(Drag_AsWritten)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return WindowBench::run(argc, argv);
}
