#include "archive/ArchiveSchema.h"

#include "archive/ArchiveChecks.h"
#include "archive/SeriesSummaryTable.h"

#include <QCoreApplication>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <tuple>

using namespace Qt::StringLiterals;

namespace rotamind::archive_schema {
namespace {

bool run(QSqlDatabase& database, const QString& statement, QString* error) {
    QSqlQuery query(database);
    if (query.exec(statement))
        return true;
    if (error)
        *error = archive_checks::reasonOf(query.lastError());
    return false;
}

// A step of the migration: the statements that lay out its tables, then what
// fills them from the rows already there (nothing for most).
struct Step {
    QStringList statements;
    bool (*fill)(QSqlDatabase&, QString*) = nullptr;
};

Step firstLayout() {
    return {.statements =
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
            .fill = nullptr};
}

// Version 2: item.position becomes a key that orders a series, with gaps
// left for rows put in between, where version 1 numbered the rows 0..n-1.
// The rows of version 1 are already keys in order, so nothing is rewritten
// (rewriting every launch would hold up the first start of a large archive);
// the version alone tells a program of version 1 not to read the gaps as
// missing launches. Keys without gaps get gaps as rows are put between them.
Step keysWithGaps() {
    return {};
}

// The counts the analysis block pools, per series, and where its launches came
// from; an older file's series are counted from their items.
Step seriesSummaries() {
    return {.statements = series_summary_table::createStatements(),
            .fill = &series_summary_table::fill};
}

// Step k brings version k to version k + 1. A step is only ever appended:
// files of every earlier version must still open.
const std::array<Step, kVersion>& steps() {
    static const std::array<Step, kVersion> all{firstLayout(), keysWithGaps(), seriesSummaries()};
    return all;
}

// One object of sqlite_master: type, name, table and the statement that made it.
using SchemaObject = std::tuple<QString, QString, QString, QString>;
using Schema = std::set<SchemaObject>;

// What the migration steps leave in sqlite_master at each version, made once
// in a database in memory: the text of every statement is compared, so an
// altered CHECK or an added column is found as surely as a planted trigger.
const std::array<Schema, kVersion + 1>& expectedSchemas() {
    static const std::array<Schema, kVersion + 1> all = [] {
        std::array<Schema, kVersion + 1> made;
        sqlite3* memory = nullptr;
        if (sqlite3_open(":memory:", &memory) != SQLITE_OK) {
            sqlite3_close(memory);
            return made;
        }
        for (int version = 1; version <= kVersion; ++version) {
            for (const QString& statement :
                 steps()[static_cast<std::size_t>(version - 1)].statements)
                sqlite3_exec(memory, statement.toUtf8().constData(), nullptr, nullptr, nullptr);
            sqlite3_stmt* read = nullptr;
            sqlite3_prepare_v2(memory, "SELECT type, name, tbl_name, sql FROM sqlite_master", -1,
                               &read, nullptr);
            const auto text = [read](int column) {
                const auto* bytes = sqlite3_column_text(read, column);
                return bytes ? QString::fromUtf8(reinterpret_cast<const char*>(bytes)) : QString();
            };
            while (read && sqlite3_step(read) == SQLITE_ROW)
                made[static_cast<std::size_t>(version)].emplace(text(0), text(1), text(2), text(3));
            sqlite3_finalize(read);
        }
        sqlite3_close(memory);
        return made;
    }();
    return all;
}

QString describe(const SchemaObject& object) {
    static const std::map<QString, const char*> kinds{
        {u"table"_s, QT_TRANSLATE_NOOP("ArchiveSchema", "la tabella %1")},
        {u"index"_s, QT_TRANSLATE_NOOP("ArchiveSchema", "l'indice %1")},
        {u"trigger"_s, QT_TRANSLATE_NOOP("ArchiveSchema", "il trigger %1")},
        {u"view"_s, QT_TRANSLATE_NOOP("ArchiveSchema", "la vista %1")}};
    const auto kind = kinds.find(std::get<0>(object));
    return QCoreApplication::translate("ArchiveSchema",
                                       kind == kinds.end()
                                           ? QT_TRANSLATE_NOOP("ArchiveSchema", "l'oggetto %1")
                                           : kind->second)
        .arg(std::get<1>(object));
}

bool feminine(const SchemaObject& object) {
    return std::get<0>(object) == u"table"_s || std::get<0>(object) == u"view"_s;
}

} // namespace

bool harden(QSqlDatabase& database, QString* error) {
    const QVariant handle = database.driver() ? database.driver()->handle() : QVariant();
    sqlite3* connection = nullptr;
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        connection = *static_cast<sqlite3* const*>(handle.constData());
    if (!connection) {
        if (error)
            *error = QCoreApplication::translate("ArchiveSchema",
                                                 "driver SQLite senza accesso alla connessione");
        return false;
    }
    // Codes that say which write or read failed, for the player's messages.
    sqlite3_extended_result_codes(connection, 1);
    int off = 1;
    bool done = true;
    for (const auto& [option, value] :
         {std::pair{SQLITE_DBCONFIG_DEFENSIVE, 1}, std::pair{SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0},
          std::pair{SQLITE_DBCONFIG_ENABLE_TRIGGER, 0}, std::pair{SQLITE_DBCONFIG_ENABLE_VIEW, 0},
          std::pair{SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0}})
        done = done && sqlite3_db_config(connection, option, value, &off) == SQLITE_OK;
    if (!done) {
        if (error)
            *error = QCoreApplication::translate(
                "ArchiveSchema", "impossibile proteggere la connessione all'archivio");
        return false;
    }
    // Damage in a cell is found when the cell is read, not after a wild read.
    return run(database, u"PRAGMA trusted_schema = OFF"_s, error) &&
           run(database, u"PRAGMA cell_size_check = ON"_s, error) &&
           run(database, u"PRAGMA mmap_size = 0"_s, error);
}

Inspection inspect(QSqlDatabase& database) {
    Inspection found;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(u"PRAGMA user_version"_s) || !query.next()) {
        found.reason = archive_checks::reasonOf(query.lastError());
        found.code = archive_checks::primaryCode(query.lastError());
        return found;
    }
    // Four bytes of the header, whatever they hold: read as a number, checked
    // as a range before anything is indexed with it.
    const qint64 version = query.value(0).toLongLong();
    query.finish();
    if (version > kVersion) {
        found.verdict = Inspection::Verdict::Newer;
        found.reason = QCoreApplication::translate(
            "ArchiveSchema", "archivio di una versione più recente del programma");
        return found;
    }
    if (version < 0) {
        found.verdict = Inspection::Verdict::Damaged;
        found.reason =
            QCoreApplication::translate("ArchiveSchema", "versione dell'archivio non valida (%1)")
                .arg(version);
        return found;
    }
    found.version = static_cast<int>(version);

    if (!query.exec(u"SELECT type, name, tbl_name, sql FROM sqlite_master"_s)) {
        found.reason = archive_checks::reasonOf(query.lastError());
        found.code = archive_checks::primaryCode(query.lastError());
        return found;
    }
    Schema present;
    while (query.next()) {
        const QString name = query.value(1).toString();
        // SQLite's own statistics, should a tool have run ANALYZE.
        if (query.value(0).toString() == u"table"_s && name.startsWith(u"sqlite_stat"_s))
            continue;
        present.emplace(query.value(0).toString(), name, query.value(2).toString(),
                        query.value(3).toString());
    }
    if (query.lastError().isValid()) {
        found.reason = archive_checks::reasonOf(query.lastError());
        found.code = archive_checks::primaryCode(query.lastError());
        return found;
    }
    const Schema& expected = expectedSchemas()[static_cast<std::size_t>(found.version)];
    for (const SchemaObject& object : present)
        if (!expected.contains(object)) {
            found.verdict = Inspection::Verdict::Damaged;
            const bool known = std::any_of(expected.begin(), expected.end(), [&](const auto& e) {
                return std::get<1>(e) == std::get<1>(object);
            });
            found.reason =
                (known ? feminine(object)
                             ? QCoreApplication::translate("ArchiveSchema", "%1 è stata modificata")
                             : QCoreApplication::translate("ArchiveSchema", "%1 è stato modificato")
                       : QCoreApplication::translate("ArchiveSchema",
                                                     "%1 non appartiene all'archivio"))
                    .arg(describe(object));
            return found;
        }
    for (const SchemaObject& object : expected)
        if (!present.contains(object)) {
            found.verdict = Inspection::Verdict::Damaged;
            found.reason =
                QCoreApplication::translate("ArchiveSchema", "manca %1").arg(describe(object));
            return found;
        }
    found.verdict = Inspection::Verdict::Sound;
    return found;
}

bool configure(QSqlDatabase& database, QString* error) {
    return run(database, u"PRAGMA busy_timeout = 5000"_s, error) &&
           run(database, u"PRAGMA journal_mode = WAL"_s, error) &&
           run(database, u"PRAGMA synchronous = NORMAL"_s, error) &&
           run(database, u"PRAGMA foreign_keys = ON"_s, error) &&
           // A change of two million launches leaves a journal of a hundred
           // megabytes; it is cut back to this once checkpointed.
           run(database, u"PRAGMA journal_size_limit = 8388608"_s, error);
}

bool migrate(QSqlDatabase& database, QString* error) {
    QSqlQuery version(database);
    if (!version.exec(u"PRAGMA user_version"_s) || !version.next()) {
        if (error)
            *error = archive_checks::reasonOf(version.lastError());
        return false;
    }
    const qint64 stored = version.value(0).toLongLong();
    version.finish();
    if (stored > kVersion || stored < 0) {
        if (error)
            *error =
                stored < 0
                    ? QCoreApplication::translate("ArchiveSchema",
                                                  "versione dell'archivio non valida (%1)")
                          .arg(stored)
                    : QCoreApplication::translate(
                          "ArchiveSchema", "archivio di una versione più recente del programma");
        return false;
    }
    int current = static_cast<int>(stored);
    while (current < kVersion) {
        // The write lock first, then the version again: a second program
        // opening the same new file at the same moment waits, then finds
        // the step done.
        if (!run(database, u"BEGIN IMMEDIATE"_s, error))
            return false;
        bool done = version.exec(u"PRAGMA user_version"_s) && version.next();
        if (!done && error)
            *error = archive_checks::reasonOf(version.lastError());
        const qint64 step = done ? version.value(0).toLongLong() : 0;
        version.finish();
        if (done && (step < 0 || step > kVersion)) {
            done = false;
            if (error)
                *error = QCoreApplication::translate("ArchiveSchema",
                                                     "versione dell'archivio non valida (%1)")
                             .arg(step);
        }
        if (done && step < kVersion) {
            const Step& made = steps()[static_cast<std::size_t>(step)];
            for (const QString& statement : made.statements)
                done = done && run(database, statement, error);
            done = done && (!made.fill || made.fill(database, error));
            done = done && run(database, u"PRAGMA user_version = %1"_s.arg(step + 1), error);
        }
        if (!done || !run(database, u"COMMIT"_s, error)) {
            run(database, u"ROLLBACK"_s, nullptr);
            return false;
        }
        current = std::max(static_cast<int>(step) + 1, current + 1);
    }
    return true;
}

} // namespace rotamind::archive_schema
