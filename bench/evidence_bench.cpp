// The evidence of the "Analisi" page, through its own code without widgets.
//
//   evidence_bench --tables [evenings]   how often a fair evening ever shows a
//                                        verdict, and how soon a real
//                                        signature does (10,000 evenings)
//   evidence_bench [benchmark flags]     the cost of one more launch and of a
//                                        whole page of a million launches
#include "analysis/PageVerdict.h"
#include "analysis/SeriesAnalysis.h"
#include "analysis/ShareBounds.h"
#include "wheel/Wheel.h"

#include "RunBenchmarks.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using namespace rotamind;
using namespace rotamind::analysis;

namespace {

// A wheel whose classified launches fall in the first class with `share`
// and in each other with an even part of the rest; one number in 37 repeats
// the last one, whatever the croupier's hand.
class Wheel {
public:
    Wheel(double share, std::uint32_t seed)
        : m_engine(seed), m_class({share, (1 - share) / 5, (1 - share) / 5, (1 - share) / 5,
                                   (1 - share) / 5, (1 - share) / 5}) {}

    // 0 for a repeat, else a class.
    int spin() {
        if (m_repeat(m_engine) == 0)
            return 0;
        return kClasses[static_cast<std::size_t>(m_class(m_engine))];
    }

private:
    std::mt19937_64 m_engine;
    std::uniform_int_distribution<int> m_repeat{0, 36};
    std::discrete_distribution<int> m_class;
};

void take(SeriesAnalysis& analysis, int spin) {
    if (spin == 0)
        analysis.addRepeat();
    else
        analysis.add(spin);
}

Verdict pageVerdict(const std::array<SeriesAnalysis, 2>& series) {
    const std::array<SeriesEvidence, 2> evidence{
        SeriesEvidence{series[0].logEvidence(), series[0].launches()},
        SeriesEvidence{series[1].logEvidence(), series[1].launches()}};
    return pageFigures(evidence).verdict;
}

// One evening of launches alternating between the two series, as the PRO
// window flips the direction after each; returns, per verdict, the launches
// per series at which the page first showed it (0 for never).
std::array<std::int64_t, 4> evening(Wheel& wheel, std::int64_t launchesPerSeries) {
    std::array<SeriesAnalysis, 2> series;
    std::array<std::int64_t, 4> first{};
    for (std::int64_t launch = 0; launch < 2 * launchesPerSeries; ++launch) {
        take(series[static_cast<std::size_t>(launch % 2)], wheel.spin());
        const auto verdict = static_cast<std::size_t>(pageVerdict(series));
        for (std::size_t v = 0; v <= verdict; ++v)
            if (first[v] == 0)
                first[v] = launch / 2 + 1;
    }
    return first;
}

void printTables(int evenings) {
    constexpr std::int64_t kLaunches = 1000;
    std::printf("Fair wheel: %d evenings of 2 x %lld launches, page read after every launch\n",
                evenings, static_cast<long long>(kLaunches));
    Wheel fair(1.0 / 6, 20261210);
    int significant = 0;
    int weak = 0;
    for (int e = 0; e < evenings; ++e) {
        const auto first = evening(fair, kLaunches);
        significant += first[static_cast<std::size_t>(Verdict::Significant)] > 0 ? 1 : 0;
        weak += first[static_cast<std::size_t>(Verdict::WeakHint)] > 0 ? 1 : 0;
    }
    std::printf("  ever \"Firma significativa\":           %6.2f %%  (bound 1 %%)\n",
                100.0 * significant / evenings);
    std::printf("  ever \"Indizio debole\" or stronger:    %6.2f %%  (bound 5 %%)\n\n",
                100.0 * weak / evenings);

    std::printf("Power: one class at a share, the others even, in both series; %d evenings\n",
                evenings);
    std::printf("  share   \"Firma significativa\" by 100 / 300 / 1000 launches per series   "
                "median   formula (one series alone)\n");
    for (const double share : {0.25, 0.35}) {
        Wheel biased(share, 777 + static_cast<std::uint32_t>(share * 100));
        std::array<int, 3> by{};
        std::vector<std::int64_t> reached;
        for (int e = 0; e < evenings; ++e) {
            const std::int64_t at =
                evening(biased, kLaunches)[static_cast<std::size_t>(Verdict::Significant)];
            reached.push_back(at == 0 ? kLaunches + 1 : at);
            for (std::size_t i = 0; i < 3; ++i)
                by[i] += at > 0 && at <= std::array<std::int64_t, 3>{100, 300, 1000}[i] ? 1 : 0;
        }
        std::nth_element(reached.begin(), reached.begin() + evenings / 2, reached.end());
        const std::int64_t median = reached[static_cast<std::size_t>(evenings / 2)];
        std::printf("  %4.0f %%        %6.1f %% / %6.1f %% / %6.1f %%                          "
                    "%s   %lld\n",
                    share * 100, 100.0 * by[0] / evenings, 100.0 * by[1] / evenings,
                    100.0 * by[2] / evenings,
                    median > kLaunches ? "> 1000" : std::to_string(median).c_str(),
                    static_cast<long long>(
                        launchesToDetect(share, kSignificantEvidence * 2 * kTestsPerSeries)));
    }
}

std::vector<std::int8_t> fairClasses(std::int64_t count) {
    Wheel wheel(1.0 / 6, 5);
    std::vector<std::int8_t> classes;
    while (static_cast<std::int64_t>(classes.size()) < count)
        if (const int spin = wheel.spin(); spin != 0)
            classes.push_back(static_cast<std::int8_t>(spin));
    return classes;
}

std::array<SeriesEvidence, 2> evidenceOf(const std::array<SeriesAnalysis, 2>& series) {
    return {SeriesEvidence{series[0].logEvidence(), series[0].launches()},
            SeriesEvidence{series[1].logEvidence(), series[1].launches()}};
}

// Everything the page computes for a series: its verdicts, its tests and the
// six share bounds.
void pageOfSeries(const std::array<SeriesAnalysis, 2>& series) {
    benchmark::DoNotOptimize(pageFigures(evidenceOf(series)));
    benchmark::DoNotOptimize(series[0].report());
    for (const std::int64_t count : series[0].frequency())
        benchmark::DoNotOptimize(shareInterval(count, series[0].launches()));
}

// One more launch on a long series: the evidence and the page's verdicts
// (what the simulations run), then everything the page shows of it.
void BM_OneMoreLaunch(benchmark::State& state) {
    std::array<SeriesAnalysis, 2> series;
    series[0].recompute(fairClasses(state.range(0)));
    int turn = 0;
    const bool wholePage = state.range(1) != 0;
    for (auto _ : state) {
        series[0].add(kClasses[static_cast<std::size_t>(turn++ % 6)]);
        if (wholePage)
            pageOfSeries(series);
        else
            benchmark::DoNotOptimize(pageFigures(evidenceOf(series)));
    }
}
BENCHMARK(BM_OneMoreLaunch)
    ->ArgNames({"launches", "page"})
    ->ArgsProduct({{1000, 1000000}, {0, 1}})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A load: every test rebuilt from the whole series, then the page's figures.
void BM_WholePage(benchmark::State& state) {
    const std::vector<std::int8_t> classes = fairClasses(state.range(0));
    std::array<SeriesAnalysis, 2> series;
    for (auto _ : state) {
        series[0].recompute(classes);
        pageOfSeries(series);
    }
}
BENCHMARK(BM_WholePage)
    ->Arg(1000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--tables") == 0) {
        printTables(argc >= 3 ? std::max(1, std::atoi(argv[2])) : 10000);
        return 0;
    }
    return rotamind::bench::runBenchmarks(argc, argv);
}
