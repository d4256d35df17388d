#pragma once

// What every benchmark of the windows runs as its main: offscreen unless QT_QPA_PLATFORM says
// otherwise, under the program's own application object.

#include "app/gui/application/TorvexApplication.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace torvex::bench {

inline int runOffscreen(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    TorvexApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace torvex::bench
