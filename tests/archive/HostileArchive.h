#pragma once

// An archive file of known content that the hostile-file test and the fuzz
// target spoil, and the program's four readers of it played in the order a
// run plays them: the archive opened at start, the interrupted session offered
// and restored, the archive window's listing and series, the analysis block's
// history of one place.
#include "StoredArchive.h"

#include "archive/Archive.h"
#include "archive/ArchiveCatalog.h"
#include "archive/ArchiveRecorder.h"
#include "session/EasySession.h"
#include "session/ProSession.h"
#include "wheel/Wheel.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <variant>

namespace rotamind::testing {

// Sessions 1 to 3 are the good ones every case must leave listed; session 4,
// the newest and the only unsaved one, is the one a case spoils and the
// launcher offers.
inline constexpr qint64 kVictim = 4;

inline std::vector<int> patternOf(int size, int seed) {
    std::vector<int> classes;
    for (int i = 0; i < size; ++i)
        classes.push_back(kClasses[static_cast<std::size_t>((i * 7 + seed) % 6)]);
    return classes;
}

// `victim` launches in the victim's first series, a tenth of them in its
// second, a tenth in the third good session's first.
inline std::vector<ArchiveRow> sessionsOf(int victim) {
    return {
        {QStringLiteral("PRO"),
         QStringLiteral("Bet365"),
         QStringLiteral("Ormilda"),
         QStringLiteral("2026-12-01T20:00:00"),
         {{3, -1, 2, 1}, {-3, 2}}},
        {QStringLiteral("EASY"),
         QStringLiteral("Bet365"),
         QStringLiteral("Ormilda"),
         QStringLiteral("2026-12-02T20:00:00"),
         {{1, 2, 3}, {}}},
        {QStringLiteral("PRO"),
         QStringLiteral("Bet365"),
         QStringLiteral("Ormilda"),
         QStringLiteral("2026-12-03T20:00:00"),
         {patternOf(victim / 10, 1), {1}}},
        {QStringLiteral("PRO"),
         QStringLiteral("Bet365"),
         QStringLiteral("Ormilda"),
         QStringLiteral("2026-12-09T21:00:00"),
         {patternOf(victim, 2), patternOf(victim / 7, 5)}},
    };
}

inline const std::vector<ArchiveRow>& baseSessions() {
    static const std::vector<ArchiveRow> sessions = sessionsOf(2800);
    return sessions;
}

// The base sessions in one file without a journal beside it; the reason when
// it could not be written.
inline QString writeBaseArchive(const QString& path,
                                const std::vector<ArchiveRow>& sessions = baseSessions()) {
    QString error = writeArchive(path, sessions);
    if (!error.isEmpty())
        return error;
    const QString name = QStringLiteral("base-archive");
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        QSqlQuery query(database);
        if (!database.open() ||
            !query.exec(
                QStringLiteral("UPDATE session SET unsaved0 = 1, unsaved1 = 1 WHERE id = 4")) ||
            !query.exec(QStringLiteral("PRAGMA journal_mode = DELETE")))
            error = QStringLiteral("base archive not finished");
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

// What the readers made of a file.
struct Outcome {
    QStringList messages; // every message of every reader
    ArchiveCatalog::Listing listing;
    // The catalog's read of each series of each listed session.
    std::map<qint64, std::array<std::variant<ArchiveCatalog::Classes, QString>, 2>> series;
    std::array<ArchiveCatalog::PlaceHistory, 2> histories; // PRO, EASY at the base's place
    std::optional<rotamind::StoredSession> restored;
    // Stored counts of the restored session before and after the restore, as listed.
    std::optional<std::array<qint64, 2>> countsBefore, countsAfter;
    // The analysis block pooled more launches than the place's whole series hold.
    bool overPooled = false;
};

inline std::optional<std::array<qint64, 2>> listedCounts(const ArchiveCatalog::Listing& listing,
                                                         qint64 id) {
    for (const rotamind::StoredSession& session : listing.sessions)
        if (session.id == id)
            return session.counts;
    return std::nullopt;
}

inline Outcome playReaders(const QString& path) {
    Outcome out;
    Archive archive(path);
    archive.open();
    ArchiveCatalog catalog(path);
    const std::vector<rotamind::StoredSession> offeredSessions = archive.interruptedSessions();
    if (!offeredSessions.empty()) {
        const rotamind::StoredSession* offered = &offeredSessions.front();
        out.countsBefore = listedCounts(catalog.sessions(), offered->id);
        out.restored = archive.readSession(offered->id);
        if (out.restored) {
            std::unique_ptr<WorkingSession> session;
            if (out.restored->mode == SessionMode::Easy)
                session = std::make_unique<EasySession>(LaunchEntry{});
            else
                session = std::make_unique<ProSession>(LaunchEntry{});
            ArchiveRecorder recorder(archive, *session, out.restored->mode);
            recorder.restore(*out.restored);
        }
        out.countsAfter = listedCounts(catalog.sessions(), offered->id);
    }
    out.messages = archive.messages();
    out.listing = catalog.sessions();
    out.messages << out.listing.error << out.listing.refused;
    for (const rotamind::StoredSession& session : out.listing.sessions)
        for (int series = 0; series < 2; ++series) {
            auto& read = out.series[session.id][static_cast<std::size_t>(series)];
            read = catalog.classes(session.id, series);
            if (const QString* error = std::get_if<QString>(&read))
                out.messages << *error;
        }
    for (const SessionMode mode : {SessionMode::Pro, SessionMode::Easy}) {
        ArchiveCatalog::PlaceHistory& history = out.histories[mode == SessionMode::Pro ? 0 : 1];
        history = catalog.placeHistory(mode, QStringLiteral("Bet365"), QStringLiteral("Ormilda"));
        out.messages << history.error << history.refused;
        // The analysis block's read: whatever the file holds, it pools no
        // more launches than the place's series that read back whole. A
        // series is a sample of its own: a damaged one does not take the
        // sound one of its session out of the pool.
        const ArchiveCatalog::PlacePool place =
            catalog.placePool(mode, QStringLiteral("Bet365"), QStringLiteral("Ormilda"));
        out.messages << place.error << place.pool.refused;
        for (std::size_t series = 0; series < 2; ++series) {
            qint64 whole = 0;
            for (const rotamind::StoredSession& session : out.listing.sessions)
                if (session.mode == mode && session.entry.site == QStringLiteral("Bet365") &&
                    session.entry.croupier == QStringLiteral("Ormilda"))
                    if (const auto* classes =
                            std::get_if<ArchiveCatalog::Classes>(&out.series[session.id][series]))
                        whole += static_cast<qint64>(classes->size());
            // Measured against the series the listing reads back: a listing that
            // fails (its own pages damaged) leaves nothing to measure against.
            out.overPooled =
                out.overPooled || (out.listing.status == ArchiveCatalog::Status::Read &&
                                   history.status == ArchiveCatalog::Status::Read &&
                                   place.pool.pooled[series].launches() > whole);
        }
    }
    out.messages.removeAll(QString());
    return out;
}

// Whatever the file held, nothing out of the readers breaks the rules a
// session lives by: classes are classes, counts are the rows given.
inline bool soundOutcome(const Outcome& out) {
    if (out.overPooled)
        return false;
    const auto classesSound = [](std::span<const std::int8_t> classes) {
        return std::all_of(classes.begin(), classes.end(), [](std::int8_t c) {
            return std::find(kClasses.begin(), kClasses.end(), c) != kClasses.end();
        });
    };
    if (out.restored && !std::all_of(out.restored->classes.begin(), out.restored->classes.end(),
                                     [&](const auto& s) { return classesSound(s); }))
        return false;
    for (const auto& [id, both] : out.series)
        for (const auto& read : both)
            if (const auto* classes = std::get_if<ArchiveCatalog::Classes>(&read);
                classes && (id < 1 || !classesSound(*classes)))
                return false;
    for (const rotamind::StoredSession& session : out.listing.sessions)
        if (session.id < 1 || session.counts[0] < 0 || session.counts[1] < 0)
            return false;
    for (const ArchiveCatalog::PlaceHistory& history : out.histories)
        for (const auto& session : history.sessions)
            if (!classesSound(session[0]) || !classesSound(session[1]))
                return false;
    // A restore never writes a different count back into the row it read.
    return !out.countsBefore || !out.countsAfter || out.countsBefore == out.countsAfter;
}

} // namespace rotamind::testing
