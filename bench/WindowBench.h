#pragma once
// The entry point of the benchmarks that drive windows: the offscreen platform, a temporary
// home, the build tree's resources, and the drawing threads FOTINO_BENCH_THREADS (1 or 2)
// asks for; FOTINO_BENCH_SCALE=2 runs at twice the device pixels.

#include "BenchHome.h"
#include "core/platform/AreaResampler.h"
#include "core/platform/ResourceFolder.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace WindowBench {

inline int run(int argc, char** argv) {
    if (const char* scale = std::getenv("FOTINO_BENCH_SCALE")) {
        qputenv("QT_SCALE_FACTOR", scale);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const BenchHome home;
    QApplication app(argc, argv);
    ResourceFolder::setOverride(QStringLiteral(FOTINO_BENCH_RESOURCES));
    if (const char* threads = std::getenv("FOTINO_BENCH_THREADS")) {
        AreaResampler::setDrawingThreads(std::atoi(threads));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace WindowBench
