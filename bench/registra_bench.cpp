// One "REGISTRA" in the PRO window, from the click to the end of the
// statistics chain with the list and the chart repainted, on long series,
// without and with the session archive recording every change (a file in a
// temporary folder: WAL, synchronous NORMAL, one transaction per press); a
// session file of a million launches loaded into a shown PRO window; and the
// CPU an idle window takes while a direction lock is on.
#include "archive/ArchiveRecorder.h"
#include "storage/SessionFile.h"
#include "ui/views/SeriesBlock.h"
#include "ui/windows/TPRO.h"
#include "wheel/Wheel.h"

#include "WidgetBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>

#include <unistd.h>

using namespace rotamind;

namespace {

// utime + stime of this process, in clock ticks.
long long cpuTicks() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Fields after the command name, which is in parentheses and may hold blanks.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.value(11).toLongLong() + fields.value(12).toLongLong();
}

void BM_Registra(benchmark::State& state) {
    TPRO window;
    window.show();
    // range(1): 1 records into an archive, 0 works from memory only.
    QTemporaryDir folder;
    Archive archive(folder.filePath(QStringLiteral("archive.sqlite")));
    std::optional<ArchiveRecorder> recorder;
    if (state.range(1) != 0) {
        if (!archive.open())
            state.SkipWithError("the archive cannot be opened");
        recorder.emplace(archive, window.session(), SessionMode::Pro);
    }
    std::vector<std::int8_t> classes;
    classes.reserve(size_t(state.range(0)));
    for (qsizetype i = 0; i < state.range(0); ++i)
        classes.push_back(std::int8_t(kClasses[size_t(i % 6)]));
    Series& clockwise = window.session().seriesFor(Direction::Clockwise);
    window.session().load(clockwise, std::move(classes));
    window.SpeedButton8Click(); // every launch clockwise
    auto* entry = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    auto* registra = window.findChild<QPushButton*>(QStringLiteral("Button11"));
    QCoreApplication::processEvents();
    const QString numbers[] = {QStringLiteral("0"), QStringLiteral("32")};
    int turn = 0;
    for (auto _ : state) {
        entry->setEditText(numbers[turn ^= 1]);
        registra->click();
        QCoreApplication::processEvents(); // the list's and the chart's repaint
    }
    state.counters["launches"] = double(clockwise.count());
    if (recorder && !archive.isAvailable())
        state.SkipWithError("the archive stopped recording");
}
BENCHMARK(BM_Registra)
    ->ArgNames({"launches", "archive"})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Args({16777216, 0}) // a file at the reader's 64 MiB limit
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Peak resident memory of this process so far, in MB.
double peakResidentMB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

// From a session file of range(0) launches on disk to the list, chart, count
// and statistics shown in a PRO window: the read, the classes, the statistics
// over the whole series and the repaint. 16,777,216 launches fill the
// reader's 64 MiB limit; run that case alone to read the peak memory of
// the load itself (--benchmark_filter=BM_LoadSessionFile/16777216).
void BM_LoadSessionFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("session.txt"));
    {
        QByteArray bytes;
        bytes.reserve(state.range(0) * 4);
        // Lines of four bytes, "-1" to "-3", so that the last case fills the limit.
        for (qint64 i = 0; i < state.range(0); ++i)
            bytes.append('-').append(char('1' + (i * 7 + i / 3) % 3)).append("\r\n", 2);
        if (!writeFileAtomically(path, bytes))
            state.SkipWithError("cannot write the file");
    }
    TPRO window;
    window.show();
    Series& clockwise = window.session().seriesFor(Direction::Clockwise);
    for (auto _ : state) {
        auto read = readSessionClasses(path);
        window.session().load(clockwise, std::move(std::get<SessionClasses>(read)));
        QCoreApplication::processEvents();
    }
    state.counters["launches"] = double(clockwise.count());
    state.counters["peak_MB"] = peakResidentMB();
}
BENCHMARK(BM_LoadSessionFile)
    ->Arg(1'000'000)
    ->Arg(16'777'216)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_IdleWithLockOn(benchmark::State& state) {
    TPRO window;
    window.show();
    window.SpeedButton7Click(); // lock "A"
    QCoreApplication::processEvents();
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    double percent = 0;
    for (auto _ : state) {
        const long long before = cpuTicks();
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        const long long used = cpuTicks() - before;
        percent = 100.0 * double(used) / double(ticksPerSecond) / 10.0;
    }
    state.counters["cpu_percent_of_a_core"] = percent;
}
BENCHMARK(BM_IdleWithLockOn)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

ROTAMIND_WIDGET_BENCHMARK_MAIN()
