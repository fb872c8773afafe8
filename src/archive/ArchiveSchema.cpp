#include "archive/ArchiveSchema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace rotamind::archive_schema {
namespace {

bool run(QSqlDatabase& database, const QString& statement, QString* error) {
    QSqlQuery query(database);
    if (query.exec(statement))
        return true;
    if (error)
        *error = query.lastError().text();
    return false;
}

// Step k brings version k to version k + 1. A step is only ever appended:
// files of every earlier version must still open.
const std::array<QStringList, kVersion>& steps() {
    static const std::array<QStringList, kVersion> all{{
        {
            u"CREATE TABLE session ("
            "id INTEGER PRIMARY KEY,"
            "mode TEXT NOT NULL CHECK (mode IN ('PRO', 'EASY')),"
            "site TEXT NOT NULL DEFAULT '',"
            "croupier TEXT NOT NULL DEFAULT '',"
            "started TEXT NOT NULL,"
            "changed TEXT NOT NULL,"
            "ended TEXT,"
            "end_reason TEXT,"
            "number TEXT NOT NULL DEFAULT '',"
            "direction TEXT CHECK (direction IN ('O', 'A')),"
            "n1 TEXT NOT NULL DEFAULT '',"
            "n2 TEXT NOT NULL DEFAULT '',"
            "last_number TEXT NOT NULL DEFAULT '',"
            "count0 INTEGER NOT NULL DEFAULT 0,"
            "count1 INTEGER NOT NULL DEFAULT 0,"
            "unsaved0 INTEGER NOT NULL DEFAULT 0,"
            "unsaved1 INTEGER NOT NULL DEFAULT 0,"
            "launches INTEGER NOT NULL DEFAULT 0)"_s,
            u"CREATE INDEX session_by_place ON session (site, croupier)"_s,
            u"CREATE TABLE item ("
            "session_id INTEGER NOT NULL REFERENCES session (id) ON DELETE CASCADE,"
            "series INTEGER NOT NULL CHECK (series IN (0, 1)),"
            "position INTEGER NOT NULL CHECK (position >= 0),"
            "class INTEGER NOT NULL CHECK (class BETWEEN -3 AND 3 AND class <> 0),"
            "number TEXT,"
            "direction TEXT CHECK (direction IN ('O', 'A')),"
            "PRIMARY KEY (session_id, series, position)) WITHOUT ROWID"_s,
        },
    }};
    return all;
}

} // namespace

bool configure(QSqlDatabase& database, QString* error) {
    return run(database, u"PRAGMA busy_timeout = 5000"_s, error) &&
           run(database, u"PRAGMA journal_mode = WAL"_s, error) &&
           run(database, u"PRAGMA synchronous = NORMAL"_s, error) &&
           run(database, u"PRAGMA foreign_keys = ON"_s, error);
}

bool migrate(QSqlDatabase& database, QString* error) {
    QSqlQuery version(database);
    if (!version.exec(u"PRAGMA user_version"_s) || !version.next()) {
        if (error)
            *error = version.lastError().text();
        return false;
    }
    int current = version.value(0).toInt();
    version.finish();
    if (current > kVersion) {
        if (error)
            *error = u"archivio di una versione più recente del programma"_s;
        return false;
    }
    while (current < kVersion) {
        // The write lock first, then the version again: a second program
        // opening the same new file at the same moment waits, then finds
        // the step done.
        if (!run(database, u"BEGIN IMMEDIATE"_s, error))
            return false;
        bool done = version.exec(u"PRAGMA user_version"_s) && version.next();
        if (!done && error)
            *error = version.lastError().text();
        const int step = done ? version.value(0).toInt() : 0;
        version.finish();
        if (done && step < kVersion) {
            for (const QString& statement : steps()[static_cast<std::size_t>(step)])
                done = done && run(database, statement, error);
            done = done && run(database, u"PRAGMA user_version = %1"_s.arg(step + 1), error);
        }
        if (!done || !run(database, u"COMMIT"_s, error)) {
            run(database, u"ROLLBACK"_s, nullptr);
            return false;
        }
        current = std::max(step + 1, current + 1);
    }
    return true;
}

} // namespace rotamind::archive_schema
