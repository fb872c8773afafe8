#include "storage/SessionFile.h"
#include "wheel/Wheel.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace rotamind;

namespace {

constexpr int kItems = 1'000'000;

QStringList millionItems() {
    QStringList items;
    items.reserve(kItems);
    for (int i = 0; i < kItems; ++i)
        items.append(classText(kClasses[static_cast<std::size_t>(i * 7 % 6)]));
    return items;
}

void readMillionLineFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("milione.txt"));
    if (!writeSessionFile(path, millionItems())) {
        state.SkipWithError("could not write the session file");
        return;
    }
    for (auto _ : state) {
        auto result = readSessionFile(path);
        benchmark::DoNotOptimize(result);
        if (!std::holds_alternative<QStringList>(result) ||
            std::get<QStringList>(result).size() != kItems)
            state.SkipWithError("file not read back whole");
    }
}
BENCHMARK(readMillionLineFile)->Unit(benchmark::kMillisecond);

void writeMillionLineFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("milione.txt"));
    const QStringList items = millionItems();
    for (auto _ : state)
        if (!writeSessionFile(path, items))
            state.SkipWithError("could not write the session file");
}
BENCHMARK(writeMillionLineFile)->Unit(benchmark::kMillisecond);

void millionItemsToBytes(benchmark::State& state) {
    const QStringList items = millionItems();
    for (auto _ : state)
        benchmark::DoNotOptimize(sessionFileBytes(items));
}
BENCHMARK(millionItemsToBytes)->Unit(benchmark::kMillisecond);

} // namespace
