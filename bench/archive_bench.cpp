// The archive window's reads on a generated archive: opening it and listing
// every session, one keystroke in a filter field, and reading one series.
// The archive is made once per size, in a temporary folder, with sessions of
// 1,000 launches each. And the recorder's side: a double-click delete in the
// middle of a long series, and its undo, with the archive on.
#include "analysis/SeriesAnalysis.h"
#include "archive/ArchiveCatalog.h"
#include "archive/ArchiveRecorder.h"
#include "archive/ArchiveSchema.h"
#include "archive/ArchiveSessionModel.h"
#include "archive/PlaceHistoryReader.h"
#include "archive/SeriesSummaryTable.h"
#include "history/SessionHistory.h"
#include "session/ProSession.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include "RunBenchmarks.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

using namespace rotamind;
using namespace Qt::StringLiterals;

namespace {

constexpr int kLaunches = 1000;

bool exec(QSqlQuery& query, const QString& statement) {
    if (query.exec(statement))
        return true;
    qWarning("%s", qPrintable(query.lastError().text()));
    return false;
}

// Sessions over a year, in no order of id, at eight sites with sixty
// croupiers, or all in PRO at one site with one croupier.
bool fill(QSqlDatabase& database, int sessions, bool onePlace) {
    QString error;
    if (!archive_schema::configure(database, &error) || !archive_schema::migrate(database, &error))
        return false;
    if (!database.transaction())
        return false;
    QSqlQuery query(database);
    query.prepare(u"INSERT INTO session (id, mode, site, croupier, started, changed, ended, "
                  "count0, count1, launches) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s);
    static const QString sites[] = {u"Bet365"_s,  u"William Hill"_s, u"Snai"_s,   u"Sisal"_s,
                                    u"Eurobet"_s, u"Lottomatica"_s,  u"Planet"_s, u"Goldbet"_s};
    const QDateTime base(QDate(2025, 1, 1), QTime(20, 0));
    for (int id = 1; id <= sessions; ++id) {
        const qint64 count0 = 500 + id % 100;
        const QString started =
            base.addSecs(qint64(id) * 7919 % (365 * 86400)).toString(Qt::ISODate);
        query.addBindValue(id);
        query.addBindValue(id % 3 || onePlace ? u"PRO"_s : u"EASY"_s);
        query.addBindValue(sites[onePlace ? 0 : id % 8]);
        query.addBindValue(u"Croupier %1"_s.arg(onePlace ? 0 : id % 60));
        query.addBindValue(started);
        query.addBindValue(started);
        query.addBindValue(started);
        query.addBindValue(count0);
        query.addBindValue(kLaunches - count0);
        query.addBindValue(kLaunches + 2);
        if (!query.exec())
            return false;
    }
    // Every launch of every session in one statement: ten million rows
    // through bound values would take the generation minutes.
    return exec(query, u"WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n "
                       "WHERE i < %1) "
                       "INSERT INTO item (session_id, series, position, class, number, direction) "
                       "SELECT s.id, n.i >= s.count0, "
                       "CASE WHEN n.i < s.count0 THEN n.i ELSE n.i - s.count0 END, "
                       "CASE WHEN (n.i * 7 + s.id) % 6 < 3 THEN (n.i * 7 + s.id) % 6 - 3 "
                       "ELSE (n.i * 7 + s.id) % 6 - 2 END, "
                       "CAST((n.i * 11 + s.id) % 37 AS TEXT), "
                       "CASE WHEN n.i < s.count0 THEN 'O' ELSE 'A' END "
                       "FROM session s CROSS JOIN n ORDER BY s.id, n.i"_s.arg(kLaunches - 1)) &&
           // The counts the recorder would have kept, made as for an older file.
           series_summary_table::fill(database, &error) && database.commit();
}

// The path of an archive of `sessions` sessions, made on first use; empty
// when it could not be made.
QString archiveOf(int sessions, bool onePlace = false) {
    static QTemporaryDir folder;
    static std::map<std::pair<int, bool>, QString> made;
    if (const auto found = made.find({sessions, onePlace}); found != made.end())
        return found->second;
    const QString path = folder.filePath(
        u"archive-%1%2.sqlite"_s.arg(sessions).arg(onePlace ? u"-one"_s : QString()));
    bool filled = false;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"generator"_s);
        database.setDatabaseName(path);
        filled = database.open() && fill(database, sessions, onePlace);
    }
    QSqlDatabase::removeDatabase(u"generator"_s);
    return made[{sessions, onePlace}] = filled ? path : QString();
}

void BM_OpenAndList(benchmark::State& state) {
    const QString path = archiveOf(int(state.range(0)));
    if (path.isEmpty()) {
        state.SkipWithError("the archive could not be generated");
        return;
    }
    for (auto _ : state) {
        ArchiveCatalog catalog(path);
        ArchiveCatalog::Listing listing = catalog.sessions();
        if (listing.status != ArchiveCatalog::Status::Read ||
            qsizetype(listing.sessions.size()) != state.range(0)) {
            state.SkipWithError("the archive was not listed whole");
            return;
        }
        ArchiveSessionModel model;
        model.setSessions(std::move(listing.sessions));
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_OpenAndList)->Arg(100)->Arg(10'000)->Unit(benchmark::kMillisecond);

// One keystroke: the site filter grows by a letter or loses it again, with a
// croupier filter standing, over every loaded session.
void BM_Filter(benchmark::State& state) {
    const QString path = archiveOf(int(state.range(0)));
    ArchiveCatalog catalog(path);
    ArchiveSessionModel model;
    model.setSessions(catalog.sessions().sessions);
    if (model.totalCount() != state.range(0)) {
        state.SkipWithError("the archive was not listed whole");
        return;
    }
    const QString typed[] = {u"b"_s, u"be"_s, u"bet"_s, u"be"_s};
    std::size_t key = 0;
    for (auto _ : state) {
        model.setFilter(typed[key++ % std::size(typed)], u"croupier 1"_s);
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_Filter)->Arg(100)->Arg(10'000)->Unit(benchmark::kMillisecond);

void BM_ReadSeries(benchmark::State& state) {
    const QString path = archiveOf(int(state.range(0)));
    ArchiveCatalog catalog(path);
    qint64 id = 0;
    for (auto _ : state) {
        id = id % state.range(0) + 1;
        const auto classes = catalog.classes(id, 0);
        if (!std::holds_alternative<ArchiveCatalog::Classes>(classes)) {
            state.SkipWithError("a series could not be read");
            return;
        }
    }
}
BENCHMARK(BM_ReadSeries)->Arg(100)->Arg(10'000)->Unit(benchmark::kMicrosecond);

// The analysis block's read: every session of one place, PRO, each with its
// classes checked. It runs off the window's thread; this is how long the
// block waits for its figures.
void BM_PlaceHistory(benchmark::State& state) {
    const QString path = archiveOf(int(state.range(0)), true);
    if (path.isEmpty()) {
        state.SkipWithError("the archive could not be generated");
        return;
    }
    for (auto _ : state) {
        const ArchiveCatalog::PlaceHistory history =
            ArchiveCatalog(path).placeHistory(SessionMode::Pro, u"Bet365"_s, u"Croupier 0"_s);
        if (qsizetype(history.sessions.size()) != state.range(0)) {
            state.SkipWithError("the place was not read whole");
            return;
        }
    }
}
BENCHMARK(BM_PlaceHistory)->Arg(167)->Arg(6'667)->Unit(benchmark::kMillisecond);

// A PRO session of `launches` clockwise classes, recorded in an archive of
// its own (or with the archive off, to compare) and kept for every run of
// one size: loading two million launches into the archive takes seconds.
struct RecordedSession {
    QTemporaryDir folder;
    Archive archive{folder.filePath(u"archive.sqlite"_s)};
    ProSession session{LaunchEntry{}};
    ArchiveRecorder recorder{archive, session, SessionMode::Pro};
    SessionHistory history{session};
};

RecordedSession* recorded(qint64 launches, bool archiveOn) {
    static std::map<std::pair<qint64, bool>, std::unique_ptr<RecordedSession>> made;
    auto& one = made[{launches, archiveOn}];
    if (!one) {
        one = std::make_unique<RecordedSession>();
        std::vector<std::int8_t> classes(static_cast<std::size_t>(launches));
        for (std::size_t i = 0; i < classes.size(); ++i)
            classes[i] = static_cast<std::int8_t>(i % 6 < 3 ? int(i % 6) - 3 : int(i % 6) - 2);
        if (!archiveOn || one->archive.open())
            one->session.load(one->session.seriesAt(0), classes);
        for (const QString& text : one->archive.messages())
            qWarning("%s", qPrintable(text));
    }
    return !archiveOn || one->archive.isAvailable() ? one.get() : nullptr;
}

// A double-click delete of the middle launch and its undo; `undo` says which
// of the two is timed. Arguments: launches, archive on.
void middleDelete(benchmark::State& state, bool timeUndo) {
    const bool archiveOn = state.range(1) != 0;
    RecordedSession* recording = recorded(state.range(0), archiveOn);
    if (!recording) {
        state.SkipWithError("the archive could not be made");
        return;
    }
    Series& series = recording->session.seriesAt(0);
    for (auto _ : state) {
        if (timeUndo)
            state.PauseTiming();
        recording->session.deleteAt(series, series.count() / 2);
        if (timeUndo)
            state.ResumeTiming();
        else
            state.PauseTiming();
        recording->history.undo();
        if (!timeUndo)
            state.ResumeTiming();
    }
    if (recording->archive.isAvailable() != archiveOn || series.count() != state.range(0))
        state.SkipWithError("the archive switched off or the series changed");
}

void BM_MiddleDelete(benchmark::State& state) {
    middleDelete(state, false);
}
void BM_MiddleDeleteUndo(benchmark::State& state) {
    middleDelete(state, true);
}
BENCHMARK(BM_MiddleDelete)->ArgsProduct({{100, 2'000'000}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MiddleDeleteUndo)
    ->ArgsProduct({{100, 2'000'000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// What the analysis block waits for now: the stored counts of every session
// of one place summed in one snapshot, and the block's tests made from them.
void BM_PlacePool(benchmark::State& state) {
    const QString path = archiveOf(int(state.range(0)), true);
    if (path.isEmpty()) {
        state.SkipWithError("the archive could not be generated");
        return;
    }
    for (auto _ : state) {
        const PlaceHistory history =
            PlaceHistoryReader::read(path, {.mode = PlaceHistoryQuery::Mode::Pro,
                                            .site = u"Bet365"_s,
                                            .croupier = u"Croupier 0"_s});
        if (history.sessions[0] != state.range(0) || history.setAside[0] != 0) {
            state.SkipWithError("the place was not pooled whole");
            return;
        }
        for (std::size_t c = 0; c < 2; ++c) {
            analysis::JoinedAnalysis joined;
            joined.addSummary(history.pooled[c], history.sessions[c]);
            benchmark::DoNotOptimize(joined.report().logEvidence);
        }
    }
}
BENCHMARK(BM_PlacePool)->Arg(167)->Arg(6'667)->Unit(benchmark::kMillisecond);

} // namespace

// Qt SQL loads its driver as a plugin, which needs an application object.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return rotamind::bench::runBenchmarks(argc, argv);
}
