#pragma once

#include "archive/SeriesSummaryTable.h"
#include "archive/StoredSession.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <variant>
#include <vector>

namespace rotamind {

// The reading side of the session archive: a connection of its own to the
// file, opened read-only for each read, so that looking at the archive can
// neither create the file nor disturb the program that records into it.
class ArchiveCatalog final {
public:
    enum class Status {
        Read,    // the sessions were read (possibly none)
        Missing, // no archive file yet: nothing has been recorded
        Failed,  // the file exists but cannot be read; error says why
    };
    struct Listing {
        Status status = Status::Missing;
        std::vector<StoredSession> sessions; // newest first
        QString error;
        // Sessions left out because a value of their row failed its check,
        // each named with the reason ("sessione n. 4 rifiutata: ...").
        QStringList refused;
    };
    using Classes = std::vector<std::int8_t>;
    // The series of every session of one mode at one site with one croupier.
    struct PlaceHistory {
        Status status = Status::Missing;
        // Oldest session first, each with the classes of its series 0 and 1;
        // a series found damaged is left empty.
        std::vector<std::array<Classes, 2>> sessions;
        QString error;
        // Sessions or series left out as damaged, each named with the reason.
        QStringList refused;
    };

    // What the analysis block pools at one place (see SeriesSummaryTable.h).
    struct PlacePool {
        Status status = Status::Missing;
        series_summary_table::PlacePool pool;
        QString error;
    };

    explicit ArchiveCatalog(QString path);
    ~ArchiveCatalog();
    ArchiveCatalog(const ArchiveCatalog&) = delete;
    ArchiveCatalog& operator=(const ArchiveCatalog&) = delete;

    const QString& path() const { return m_path; }

    // Every session, newest start first (the later id first at the same second).
    Listing sessions();
    // The classes (3..-3) of a session's series (0 or 1), oldest first; the
    // reason in words when the session is gone or its series is incomplete.
    std::variant<Classes, QString> classes(qint64 sessionId, int series);
    // What can still be read of a series classes() refuses as damaged: its
    // usable classes in order, and the damage in words ("sessione
    // danneggiata: recuperati 2.301 lanci su 2.800"). The reason when not
    // even that can be read.
    struct Recovered {
        Classes classes;
        QString damage;
    };
    std::variant<Recovered, QString> recoverable(qint64 sessionId, int series);
    // Every class of every session of `mode` recorded with exactly this site
    // and croupier, read in one query; sessions without a class are left out.
    PlaceHistory placeHistory(SessionMode mode, const QString& site, const QString& croupier);

    // The counts of every series of `mode` recorded at exactly this site and
    // croupier, summed by the file in one snapshot; only the series whose
    // stored counts do not add up are read item by item.
    PlacePool placePool(SessionMode mode, const QString& site, const QString& croupier);

private:
    // Reads a series in one snapshot; `whole` says whether it is exactly as
    // recorded, `damage` (when not) says how it is not.
    std::variant<Classes, QString> readSeries(qint64 sessionId, int series, bool* whole,
                                              QString* damage);
    // False with the reason when the file is there but refuses to be read or
    // is not an archive of this program; `laidOut` false for a file made but
    // not yet given its tables.
    bool open(QString* error, bool* laidOut);
    // Opens the file for one read and tells `result` what it found: no file
    // (Missing), one that cannot be read (Failed, with why), or one to read
    // (Read). True only when there are tables to query; the caller closes.
    template <typename Result> bool beginRead(Result& result);
    // The schema version of the file open() opened.
    int m_version = 0;
    void close();
    // A query on the open file that reads its rows once, in order.
    QSqlQuery forwardQuery() const;

    QString m_path;
    QString m_connection;
    QSqlDatabase m_database;
};

} // namespace rotamind
