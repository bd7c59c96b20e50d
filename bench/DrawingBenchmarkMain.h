#pragma once
// The main of the benchmarks that draw: an offscreen Qt application with the
// font substitutions the programs install, so that text costs what it costs
// in the window and in kolv-cli.
#include "render/QtPainterDevice.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace kolv::bench {

inline int runDrawingBenchmarks(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace kolv::bench
