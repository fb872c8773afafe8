#pragma once

#include "analysis/SeriesSummary.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

class QSqlQuery;

namespace rotamind {

// Where the launches of an archived series came from. Only launches typed at
// the table are pooled by the analysis block: a series loaded from a file or
// from the archive window, or imported, holds launches already counted where
// they were first typed (or never typed here at all).
enum class SeriesOrigin { Typed, Loaded, Imported };

// The table series_summary: per session and series, where its launches came
// from and the counts the analysis pools (analysis::SeriesSummary), kept by
// the recorder in the transaction that changes the series. Its rows are
// checked when read like every other value of the file: a row that does not
// add up is rebuilt from the items. The items keep only launches with a class,
// so the row alone knows the bets lost on repeated numbers; a rebuilt row
// has none.
namespace series_summary_table {

// The statements that make the table, in the order the schema step runs them.
QStringList createStatements();
// The step's second half: every series of an older file gets its row, its
// counts replayed from the items and its origin inferred from them (a class
// without a typed number was loaded; an imported session was imported). A
// series whose items fail their checks gets no row. False with the reason.
bool fill(QSqlDatabase& database, QString* error);

// "INSERT ... ON CONFLICT": binds id, series, origin and the counts; a row
// already there keeps its origin.
QString upsertCountsStatement();
void bindCounts(QSqlQuery& query, qint64 id, int series, SeriesOrigin origin,
                const analysis::SeriesSummary& summary);
// "INSERT ... ON CONFLICT": binds id, series, origin.
QString upsertOriginStatement();
QString originText(SeriesOrigin origin);
// The count columns, for a copy from one file to another.
QString countColumnList();
// The counts as stored.
QByteArray encoded(const analysis::SeriesSummary& summary);

// What one place holds for the analysis block, read in one snapshot.
struct PlacePool {
    // Pooled per series (0, 1): the sum of the summaries of the series typed
    // at the table, and how many sessions gave one with launches.
    std::array<analysis::SeriesSummary, 2> pooled{};
    std::array<std::int64_t, 2> sessions{};
    // Series with launches left out because they were loaded or imported.
    std::array<std::int64_t, 2> setAside{};
    // Series whose stored counts did not add up and were counted again from
    // their items.
    std::int64_t rebuilt = 0;
    // Series left out as damaged, each named with the reason.
    QStringList refused;
};

// The pool of `mode` ("PRO" / "EASY") at this site and croupier: one
// aggregate statement over the rows that add up, then a replay of the items
// of those few that do not. False with the reason when the file cannot be read.
bool readPlace(QSqlDatabase& database, const QString& mode, const QString& site,
               const QString& croupier, PlacePool* pool, QString* error);

} // namespace series_summary_table
} // namespace rotamind
