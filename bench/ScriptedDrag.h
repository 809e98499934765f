#pragma once
// A scripted drag for the benchmarks: the left button pressed in a view, then mouse moves
// wandering a pixel at a time, each followed by the repaint it asks for. Frames are timed one
// by one, so that the slowest shows as well as the mean.

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace ScriptedDrag {

struct Frames {
    double total = 0; // milliseconds
    double slowest = 0;
    int count = 0;
};

inline void drag(QWidget& view, int moves, Frames& frames) {
    QPoint at(view.width() / 2, view.height() / 2);
    QTest::mousePress(&view, Qt::LeftButton, {}, at);
    for (int i = 0; i < moves; ++i) {
        at += QPoint(i % 40 < 20 ? 1 : -1, i % 50 < 25 ? 1 : -1);
        QElapsedTimer timer;
        timer.start();
        QTest::mouseMove(&view, at);
        view.repaint();
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        frames.slowest = std::max(frames.slowest, ms);
        frames.total += ms;
        ++frames.count;
    }
    QTest::mouseRelease(&view, Qt::LeftButton, {}, at);
}

inline void report(benchmark::State& state, const Frames& frames) {
    if (frames.count == 0) {
        return;
    }
    state.counters["ms_per_frame"] = frames.total / frames.count;
    state.counters["slowest_ms"] = frames.slowest;
    state.counters["fps"] = frames.count * 1000.0 / frames.total;
}

} // namespace ScriptedDrag
