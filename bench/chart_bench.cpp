// Cost of one launch on a distance chart: the append, the turn to the last
// page that a PRO registration makes, and the synchronous repaint, on a short
// and on a very long session. Widgets need an application object, hence the
// own main instead of benchmark_main's.
#include "session/Series.h"
#include "ui/chart/DistanceChart.h"

#include <QApplication>

#include "WidgetBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

using rotamind::DistanceChart;
using rotamind::Series;

namespace {

constexpr int kClasses[] = {3, 2, 1, -1, -2, -3};

// A chart over its own series; the series outlives the chart.
struct ShownChart {
    Series series;
    std::unique_ptr<DistanceChart> chart;
    DistanceChart* operator->() const { return chart.get(); }
};

std::unique_ptr<ShownChart> makeShownChart(int existingPoints) {
    auto shown = std::make_unique<ShownChart>();
    shown->chart = std::make_unique<DistanceChart>(
        DistanceChart::Style{QStringLiteral("Rotamind Graph - spin in senso ORARIO"),
                             QColor(255, 255, 0), QColor(Qt::red), QStringLiteral("Series1")});
    std::vector<std::int8_t> values(static_cast<std::size_t>(existingPoints));
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<std::int8_t>(kClasses[i % 6]);
    shown->series.replaceAll(std::move(values));
    auto& chart = shown->chart;
    chart->setSeries(&shown->series);
    chart->showLastPage();
    chart->setAttribute(Qt::WA_DontShowOnScreen);
    chart->show();
    chart->repaint();
    return shown;
}

// The series grows by one point per iteration, a few thousand at most: the
// cost must not depend on the length, so that drift does not matter.
void BM_appendTurnAndRepaint(benchmark::State& state) {
    auto shown = makeShownChart(static_cast<int>(state.range(0)));
    ShownChart& chart = *shown;
    int i = 0;
    for (auto _ : state) {
        chart.series.append(kClasses[i++ % 6]);
        chart->showLastPage();
        chart->repaint();
    }
}
BENCHMARK(BM_appendTurnAndRepaint)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// EASY keeps showing page 1 while launches go to later pages: no drawing at all.
void BM_appendOffShownPage(benchmark::State& state) {
    auto shown = makeShownChart(static_cast<int>(state.range(0)));
    ShownChart& chart = *shown;
    chart->setCurrentPage(1);
    chart->repaint();
    int i = 0;
    for (auto _ : state) {
        chart.series.append(kClasses[i++ % 6]);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_appendOffShownPage)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The picture that the chart bitmap files are made from.
void BM_renderPage(benchmark::State& state) {
    auto shown = makeShownChart(static_cast<int>(state.range(0)));
    ShownChart& chart = *shown;
    for (auto _ : state)
        benchmark::DoNotOptimize(chart->renderPage());
}
BENCHMARK(BM_renderPage)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

ROTAMIND_WIDGET_BENCHMARK_MAIN()
