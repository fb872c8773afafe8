// The "Analisi" page brought up to date after a load (every test rebuilt
// from the whole series) and after one more launch, on long random series.
#include "session/EasySession.h"
#include "ui/views/AnalysisPage.h"
#include "wheel/Wheel.h"

#include "WidgetBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace rotamind;

namespace {

std::vector<std::int8_t> randomClasses(std::int64_t count) {
    std::mt19937 engine(20240611);
    std::uniform_int_distribution<std::size_t> pick(0, 5);
    std::vector<std::int8_t> classes(static_cast<std::size_t>(count));
    for (std::int8_t& distanceClass : classes)
        distanceClass = static_cast<std::int8_t>(kClasses[pick(engine)]);
    return classes;
}

// A load: the series' statistics and the whole page, both columns' labels included.
void BM_AnalysisPageAfterLoad(benchmark::State& state) {
    EasySession session({});
    Series& first = session.current();
    AnalysisPage page(session, first, session.saved(), {});
    const std::vector<std::int8_t> classes = randomClasses(state.range(0));
    for (auto _ : state)
        first.replaceAll(classes);
    state.counters["launches"] = double(first.count());
}
BENCHMARK(BM_AnalysisPageAfterLoad)
    ->Arg(1000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One launch appended to a long series, page and statistics brought up to date.
void BM_AnalysisPageAfterAppend(benchmark::State& state) {
    EasySession session({});
    Series& first = session.current();
    AnalysisPage page(session, first, session.saved(), {});
    first.replaceAll(randomClasses(state.range(0)));
    int turn = 0;
    for (auto _ : state)
        first.append(kClasses[static_cast<std::size_t>(turn++ % 6)]);
}
BENCHMARK(BM_AnalysisPageAfterAppend)
    ->Arg(1000)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

ROTAMIND_WIDGET_BENCHMARK_MAIN()
