// Sessions in from CSV: a file of 100,000 launches read, checked and written
// into a new archive in one transaction, as the import dialog does it; and
// the same sessions out again. Evenings of 500 launches at three sites,
// every class with its number and direction, as a recorded evening has them.
#include "archive/Archive.h"
#include "archive/CsvExchange.h"
#include "storage/CsvReader.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include "RunBenchmarks.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace rotamind;
using namespace Qt::StringLiterals;

namespace {

constexpr int kLaunchesPerSession = 500;

// `lines` launches after the header, each its own line, PRO and EASY in turn.
QByteArray evenings(int lines) {
    std::mt19937 random(1);
    QString text = csvColumns().join(u',') + u"\r\n"_s;
    static const QString sites[] = {u"Bet365"_s, u"Snai"_s, u"Casinò, \"Sala\" 2"_s};
    for (int line = 0; line < lines; ++line) {
        const int session = line / kLaunchesPerSession;
        const QString mode = session % 2 ? u"EASY"_s : u"PRO"_s;
        const bool clockwise = line % 2 == 0;
        const int series = mode == u"PRO" && !clockwise ? 1 : 0;
        text += u"%1,%2,%3,Croupier %4,2026-12-%5T21:00:00,%6,,%7,%8,,\r\n"_s.arg(session)
                    .arg(mode, csvField(sites[session % 3]))
                    .arg(session % 7)
                    .arg(1 + session % 28, 2, 10, QChar(u'0'))
                    .arg(csvSeriesName(mode, series))
                    .arg(random() % 37)
                    .arg(clockwise ? u"O"_s : u"A"_s);
    }
    return text.toUtf8();
}

void BM_ImportCsv(benchmark::State& state) {
    const QByteArray bytes = evenings(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto archive = std::make_unique<Archive>(dir.filePath(u"a%1.sqlite"_s.arg(++round)));
        if (!archive->open()) {
            state.SkipWithError("the archive could not be made");
            return;
        }
        state.ResumeTiming();
        const ImportPlan plan = readCsvSessions(bytes);
        const auto imported = importSessions(*archive, plan);
        if (!std::holds_alternative<std::vector<qint64>>(imported)) {
            state.SkipWithError(qPrintable(plan.firstProblem()));
            return;
        }
        state.PauseTiming();
        archive.reset();
        state.ResumeTiming();
    }
    state.counters["lines"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_ImportCsv)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The reading and checking alone, as the preview does it.
void BM_ReadCsv(benchmark::State& state) {
    const QByteArray bytes = evenings(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(readCsvSessions(bytes));
}
BENCHMARK(BM_ReadCsv)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_ExportCsv(benchmark::State& state) {
    QTemporaryDir dir;
    Archive archive(dir.filePath(u"archive.sqlite"_s));
    const auto imported = archive.open()
                              ? importSessions(archive, readCsvSessions(evenings(state.range(0))))
                              : std::variant<std::vector<qint64>, QString>(u"no archive"_s);
    if (!std::holds_alternative<std::vector<qint64>>(imported)) {
        state.SkipWithError("the archive could not be filled");
        return;
    }
    const auto& ids = std::get<std::vector<qint64>>(imported);
    for (auto _ : state)
        benchmark::DoNotOptimize(exportCsv(archive.path(), ids));
}
BENCHMARK(BM_ExportCsv)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

// Qt SQL loads its driver as a plugin, which needs an application object.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return rotamind::bench::runBenchmarks(argc, argv);
}
