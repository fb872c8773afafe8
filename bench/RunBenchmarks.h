#pragma once

#include <benchmark/benchmark.h>

namespace rotamind::bench {

// What BENCHMARK_MAIN does, for a main that must set something up first
// (an application object for Qt SQL's driver plugin, another command).
inline int runBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace rotamind::bench
