#pragma once

#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace rotamind {

// The layout of the session archive, one SQLite file:
//
// session  one row per working-window session: mode ('PRO' or 'EASY'), site,
//          croupier, started / changed / ended (local time, ISO 8601 to the
//          second; ended is NULL while the window is open and stays NULL when
//          the run was cut short), end_reason ('closed', 'replaced', or
//          'damaged' for a row found damaged and never written again), the
//          entry as the window shows it (number, direction 'O' / 'A' / NULL,
//          n1, n2, last_number), the
//          number of classes of each series (count0, count1), whether each
//          series changed since it was last written to a session file
//          (unsaved0, unsaved1) and the launches registered (with or without
//          a class).
// item     every class of every series, in order: series 0 is PRO's clockwise
//          or EASY's current series, 1 the counter-clockwise or saved one;
//          position is a key that orders a series, ascending from 0 with gaps
//          (see ItemKeys.h), one row per class. number and direction are
//          what was typed for a registered launch, NULL for a loaded class.
// series_summary  per session and series: where its launches came from
//          (origin 'typed', 'loaded' or 'imported') and the counts the
//          analysis block pools (see SeriesSummaryTable.h).
// Nothing else: no trigger, view or other table or index. A file holding
// anything else is not trusted (see inspect()).
namespace archive_schema {

// The version migrate() brings a file to, kept in PRAGMA user_version.
inline constexpr int kVersion = 3;

// Brings the file behind `database` (open) to kVersion, one transaction per
// step, from any earlier version including an empty file. False with the
// reason in `error` when a step fails or the file is from a newer program.
bool migrate(QSqlDatabase& database, QString* error);

// What a file's layout was found to be before anything else is read from it.
struct Inspection {
    enum class Verdict {
        Sound,   // the version and the schema this program knows; migrate() may run
        Newer,   // from a newer program: left as it is
        Damaged, // a version or schema no program of ours wrote: set aside
        Failed,  // not even that could be read; code says why
    };
    Verdict verdict = Verdict::Failed;
    int version = 0;
    QString reason; // in words, for every verdict but Sound
    int code = -1;  // SQLite's primary result code when Failed
};

// The settings every connection to the archive takes before its first read,
// as SQLite's authors advise for files that may come from anyone: defensive
// mode, no trust in functions named by the schema, and triggers and views
// switched off (the archive has none, so a planted one never runs).
bool harden(QSqlDatabase& database, QString* error);

// The file's user_version (within 0..kVersion, never an index otherwise) and
// its schema in sqlite_master compared object by object with the one the
// migration steps make: any other table, index, trigger or view is damage.
Inspection inspect(QSqlDatabase& database);

// The journal and locking settings every connection to the archive uses: WAL,
// synchronous NORMAL, foreign keys on, a busy timeout for a second program,
// and a bound on the journal's size once a large change is checkpointed.
bool configure(QSqlDatabase& database, QString* error);

} // namespace archive_schema
} // namespace rotamind
