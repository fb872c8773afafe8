// The whole statistics chain that follows one launch: classic statistics,
// percentages and index of the six classes, lengths and their index, with
// every label text produced as the window writes it.
#include "stats/SeriesStats.h"
#include "wheel/Wheel.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

using namespace rotamind;

namespace {

// List items share the class strings, as the items a list holds after
// registration do.
std::vector<QString> randomSeries(std::int64_t size) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::size_t> pick(0, kClasses.size() - 1);
    std::vector<QString> items;
    items.reserve(static_cast<std::size_t>(size));
    for (std::int64_t i = 0; i < size; ++i)
        items.push_back(classText(kClasses[pick(random)]));
    return items;
}

QString integerText(std::int64_t value) {
    return QString::number(value);
}

void BM_StatisticsChain(benchmark::State& state) {
    const std::vector<QString> items = randomSeries(state.range(0));
    const auto launches = static_cast<std::int64_t>(items.size());
    const QChar separator = u',';
    for (auto _ : state) {
        // Classic statistics: frequency, RIT and RMAX labels, then percentages.
        const ClassicStats classic = computeClassicStats(items);
        std::array<QString, 6 * 5> classicTexts;
        for (std::size_t c = 0; c < 6; ++c) {
            classicTexts[c] = integerText(classic.frequency[c]);
            classicTexts[6 + c] = integerText(classic.absence[c]);
            classicTexts[12 + c] = integerText(classic.maxAbsence[c]);
            if (classic.frequency[c] > 0)
                classicTexts[18 + c] = percentage(classic.frequency[c], launches).toText(separator);
            const Fixed4 index =
                convenienceIndex(classic.frequency[c], classic.absence[c], launches);
            classicTexts[24 + c] = index.toText(separator);
            benchmark::DoNotOptimize(Fixed4::parse(classicTexts[24 + c], separator));
        }
        benchmark::DoNotOptimize(classicTexts);

        // Length statistics: frequency and RIT labels, then the index.
        const LengthStats lengths = computeLengthStats(items);
        std::array<QString, 11 * 3> lengthTexts;
        for (std::size_t l = 0; l < 11; ++l) {
            lengthTexts[l] = integerText(lengths.frequency[l]);
            lengthTexts[11 + l] = integerText(lengths.absence[l]);
            const Fixed4 index =
                convenienceIndex(lengths.frequency[l], lengths.absence[l], launches);
            lengthTexts[22 + l] = index.toText(separator);
            benchmark::DoNotOptimize(Fixed4::parse(lengthTexts[22 + l], separator));
        }
        benchmark::DoNotOptimize(lengthTexts);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The two scans on their own, to show where the chain spends its time.
void BM_ClassicStatsOnly(benchmark::State& state) {
    const std::vector<QString> items = randomSeries(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(computeClassicStats(items));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LengthStatsOnly(benchmark::State& state) {
    const std::vector<QString> items = randomSeries(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(computeLengthStats(items));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_ClassicStatsOnly)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LengthStatsOnly)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StatisticsChain)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
