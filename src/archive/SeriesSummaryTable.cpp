#include "archive/SeriesSummaryTable.h"

#include "archive/ArchiveChecks.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace rotamind::series_summary_table {

namespace {

// The count columns in the order bindCounts() binds them: f0..f5 per row of
// kClasses, t00..t55 class after class, b1..b5 bets and w1..w5 wins by the
// red classes staked.
const QStringList& countColumns() {
    static const QStringList all = [] {
        QStringList names;
        for (int row = 0; row < 6; ++row)
            names << u"f%1"_s.arg(row);
        for (int row = 0; row < 6; ++row)
            for (int next = 0; next < 6; ++next)
                names << u"t%1%2"_s.arg(row).arg(next);
        for (int reds = 1; reds <= 5; ++reds)
            names << u"b%1"_s.arg(reds);
        for (int reds = 1; reds <= 5; ++reds)
            names << u"w%1"_s.arg(reds);
        return names;
    }();
    return all;
}

std::vector<std::int64_t> flatten(const analysis::SeriesSummary& summary) {
    std::vector<std::int64_t> values(summary.frequency.begin(), summary.frequency.end());
    for (const auto& row : summary.transitions)
        values.insert(values.end(), row.begin(), row.end());
    values.insert(values.end(), summary.bets.begin(), summary.bets.end());
    values.insert(values.end(), summary.wins.begin(), summary.wins.end());
    return values;
}

analysis::SeriesSummary unflatten(const std::vector<std::int64_t>& values) {
    analysis::SeriesSummary summary;
    std::size_t i = 0;
    for (auto& count : summary.frequency)
        count = values[i++];
    for (auto& row : summary.transitions)
        for (auto& count : row)
            count = values[i++];
    for (auto& count : summary.bets)
        count = values[i++];
    for (auto& count : summary.wins)
        count = values[i++];
    return summary;
}

QString sumOf(const QStringList& columns) {
    return u"("_s + columns.join(u" + "_s) + u")"_s;
}

// The condition a row `u` of a series of `n` classes meets when its counts
// can be those of such a series: none negative, the classes adding up to n,
// n - 1 steps, each class followed and preceded as often as it occurs (less
// one for the first and the last), no more wins than bets and no bet on the
// first launch. The bound on n keeps every sum of the archive's rows within
// 64 bits.
QString soundCondition() {
    QStringList terms;
    terms << u"typeof(n) = 'integer'"_s << u"n BETWEEN 1 AND 1099511627776"_s;
    // One call for every column: a text or a real among them makes the sums
    // below fail, or the file's totals come back as reals and are refused.
    terms << u"min(%1) >= 0"_s.arg(countColumns().join(u", "_s));
    QStringList classes;
    QStringList steps;
    for (int row = 0; row < 6; ++row) {
        classes << u"f%1"_s.arg(row);
        QStringList after;
        QStringList before;
        for (int other = 0; other < 6; ++other) {
            after << u"t%1%2"_s.arg(row).arg(other);
            before << u"t%1%2"_s.arg(other).arg(row);
        }
        steps << after;
        terms << u"%1 BETWEEN f%2 - 1 AND f%2"_s.arg(sumOf(after)).arg(row)
              << u"%1 BETWEEN f%2 - 1 AND f%2"_s.arg(sumOf(before)).arg(row);
    }
    terms << sumOf(classes) + u" = n"_s << sumOf(steps) + u" = n - 1"_s;
    QStringList bets;
    for (int reds = 1; reds <= 5; ++reds) {
        bets << u"b%1"_s.arg(reds);
        terms << u"w%1 <= b%1"_s.arg(reds);
    }
    terms << sumOf(bets) + u" < n"_s;
    return u"("_s + terms.join(u" AND "_s) + u")"_s;
}

// Each series of the place with its count as n, its row's columns beside it.
QString placeRows() {
    return u"SELECT x.id AS id, k.series AS series, x.end_reason AS end_reason,"
           " CASE k.series WHEN 0 THEN x.count0 ELSE x.count1 END AS n, u.origin AS origin, "_s +
           countColumns().join(u", "_s) +
           u" FROM session x CROSS JOIN (SELECT 0 AS series UNION ALL SELECT 1) k"
           " LEFT JOIN series_summary u ON u.session_id = x.id AND u.series = k.series"
           " WHERE x.mode = ? AND x.site = ? AND x.croupier = ?"_s;
}

std::optional<std::int64_t> integerAt(const QSqlQuery& query, int column) {
    return archive_checks::integer(query.value(column));
}

// One series' classes read back in order and checked against its count;
// `loaded` tells whether any class came without a typed number.
struct ReadSeries {
    std::vector<std::int8_t> classes;
    bool whole = false;
    bool loaded = false;
    QString problem;
};

ReadSeries readItems(QSqlDatabase& database, qint64 id, int series, const QVariant& count) {
    ReadSeries read;
    QSqlQuery items(database);
    items.setForwardOnly(true);
    items.prepare(u"SELECT position, class, number IS NULL FROM item"
                  " WHERE session_id = ? AND series = ? ORDER BY position"_s);
    items.addBindValue(id);
    items.addBindValue(series);
    archive_checks::SeriesCheck check(count);
    if (!items.exec()) {
        read.problem = archive_checks::reasonOf(items.lastError());
        return read;
    }
    while (items.next()) {
        check.add(items.value(0), items.value(1), read.classes);
        read.loaded = read.loaded || items.value(2).toInt() != 0;
    }
    read.whole = !items.lastError().isValid() && check.whole();
    if (items.lastError().isValid())
        read.problem = archive_checks::reasonOf(items.lastError());
    else if (!read.whole)
        read.problem = check.problem();
    return read;
}

SeriesOrigin inferredOrigin(const QVariant& endReason, bool loaded) {
    if (endReason.toString() == u"imported"_s)
        return SeriesOrigin::Imported;
    return loaded ? SeriesOrigin::Loaded : SeriesOrigin::Typed;
}

} // namespace

QStringList createStatements() {
    QStringList columns;
    for (const QString& column : countColumns())
        columns << column + u" INTEGER NOT NULL DEFAULT 0"_s;
    return {
        u"CREATE TABLE series_summary ("
        "session_id INTEGER NOT NULL REFERENCES session (id) ON DELETE CASCADE,"
        "series INTEGER NOT NULL CHECK (series IN (0, 1)),"
        "origin TEXT NOT NULL DEFAULT 'typed' CHECK (origin IN ('typed', 'loaded', 'imported')),"_s +
        columns.join(u","_s) + u", PRIMARY KEY (session_id, series)) WITHOUT ROWID"_s};
}

QString upsertCountsStatement() {
    QStringList updates;
    for (const QString& column : countColumns())
        updates << u"%1 = excluded.%1"_s.arg(column);
    return u"INSERT INTO series_summary (session_id, series, origin, "_s +
           countColumns().join(u", "_s) + u") VALUES (?, ?, ?"_s +
           u", ?"_s.repeated(static_cast<int>(countColumns().size())) +
           u") ON CONFLICT (session_id, series) DO UPDATE SET "_s + updates.join(u", "_s);
}

void bindCounts(QSqlQuery& query, qint64 id, int series, SeriesOrigin origin,
                const analysis::SeriesSummary& summary) {
    query.bindValue(0, id);
    query.bindValue(1, series);
    query.bindValue(2, originText(origin));
    int i = 3;
    for (const std::int64_t value : flatten(summary))
        query.bindValue(i++, static_cast<qint64>(value));
}

QString upsertOriginStatement() {
    return u"INSERT INTO series_summary (session_id, series, origin) VALUES (?, ?, ?)"
           " ON CONFLICT (session_id, series) DO UPDATE SET origin = excluded.origin"_s;
}

QString countColumnList() {
    return countColumns().join(u", "_s);
}

QString originText(SeriesOrigin origin) {
    switch (origin) {
    case SeriesOrigin::Typed:
        return u"typed"_s;
    case SeriesOrigin::Loaded:
        return u"loaded"_s;
    case SeriesOrigin::Imported:
        return u"imported"_s;
    }
    return u"loaded"_s;
}

bool fill(QSqlDatabase& database, QString* error) {
    const auto failed = [error](const QSqlQuery& query) {
        if (error)
            *error = archive_checks::reasonOf(query.lastError());
        return false;
    };
    QSqlQuery series(database);
    series.setForwardOnly(true);
    if (!series.exec(u"SELECT x.id, k.series, CASE k.series WHEN 0 THEN x.count0 ELSE x.count1"
                     " END, x.end_reason FROM session x"
                     " CROSS JOIN (SELECT 0 AS series UNION ALL SELECT 1) k ORDER BY x.id"_s))
        return failed(series);
    struct Found {
        qint64 id;
        int series;
        QVariant count;
        QVariant endReason;
    };
    std::vector<Found> found;
    while (series.next())
        if (const auto id = archive_checks::id(series.value(0)))
            found.push_back({*id, series.value(1).toInt(), series.value(2), series.value(3)});
    series.finish();
    QSqlQuery counts(database);
    if (!counts.prepare(upsertCountsStatement()))
        return failed(counts);
    for (const Found& each : found) {
        // A series that does not read back whole gets no row: the analysis
        // block tells it when it reads the place.
        const ReadSeries read = readItems(database, each.id, each.series, each.count);
        if (!read.whole)
            continue;
        bindCounts(counts, each.id, each.series, inferredOrigin(each.endReason, read.loaded),
                   analysis::SeriesSummary::of(read.classes));
        if (!counts.exec())
            return failed(counts);
    }
    return true;
}

bool readPlace(QSqlDatabase& database, const QString& mode, const QString& site,
               const QString& croupier, PlacePool* pool, QString* error) {
    const auto failed = [error](const QSqlQuery& query) {
        if (error)
            *error = archive_checks::reasonOf(query.lastError());
        return false;
    };
    QStringList sums;
    for (const QString& column : countColumns())
        sums << u"sum(%1)"_s.arg(column);
    const QString rows = placeRows();
    const QString soundRow = soundCondition();
    QSqlQuery query(database);
    query.setForwardOnly(true);
    const auto bindPlace = [&] {
        query.addBindValue(mode);
        query.addBindValue(site);
        query.addBindValue(croupier);
    };

    // The rows that add up, summed by the file itself.
    query.prepare(u"SELECT series, count(*), "_s + sums.join(u", "_s) + u" FROM ("_s + rows +
                  u") WHERE origin = 'typed' AND "_s + soundRow + u" GROUP BY series"_s);
    bindPlace();
    if (!query.exec())
        return failed(query);
    // A total that is not a whole number means a value that is not one: then
    // no stored count is trusted and every series is counted from its items.
    bool trusted = true;
    std::array<std::int64_t, 2> sound{};
    while (query.next()) {
        const auto index = integerAt(query, 0);
        if (!index || (*index != 0 && *index != 1))
            continue;
        std::vector<std::int64_t> values;
        for (int column = 2; column < 2 + static_cast<int>(countColumns().size()); ++column) {
            const auto value = integerAt(query, column);
            trusted = trusted && value.has_value();
            values.push_back(value.value_or(0));
        }
        pool->pooled[static_cast<std::size_t>(*index)] += unflatten(values);
        sound[static_cast<std::size_t>(*index)] += integerAt(query, 1).value_or(0);
    }
    if (query.lastError().isValid())
        return failed(query);
    query.finish();
    if (!trusted)
        pool->pooled = {};
    else
        pool->sessions = sound;

    // The series that are neither sound nor set aside, when any: a cheap count
    // first, since the condition costs most of the read.
    query.prepare(u"SELECT series, count(*), count(CASE WHEN origin IN ('loaded', 'imported')"
                  " THEN 1 END) FROM ("_s +
                  rows + u") WHERE n IS NOT 0 GROUP BY series"_s);
    bindPlace();
    if (!query.exec())
        return failed(query);
    bool allAccounted = trusted;
    while (query.next()) {
        const auto index = static_cast<std::size_t>(query.value(0).toInt() != 0);
        pool->setAside[index] += query.value(2).toLongLong();
        allAccounted = allAccounted &&
                       query.value(1).toLongLong() == sound[index] + query.value(2).toLongLong();
    }
    if (query.lastError().isValid())
        return failed(query);
    query.finish();
    if (allAccounted)
        return true;

    // The rest: series loaded or imported are only counted; a missing row or
    // one that does not add up is counted again from the items.
    query.prepare(u"SELECT id, series, n, origin, end_reason, coalesce(origin = 'typed' AND "_s +
                  (trusted ? soundRow : u"0"_s) + u", 0) FROM ("_s + rows +
                  u") WHERE n IS NOT 0"_s);
    bindPlace();
    if (!query.exec())
        return failed(query);
    struct Suspect {
        qint64 id;
        int series;
        QVariant count;
        QVariant origin;
        QVariant endReason;
    };
    std::vector<Suspect> suspects;
    while (query.next()) {
        const auto id = archive_checks::id(query.value(0));
        const int index = query.value(1).toInt();
        if (!id || query.value(5).toInt() != 0)
            continue;
        // Counted above.
        const QString origin = query.value(3).toString();
        if (origin == u"loaded"_s || origin == u"imported"_s)
            continue;
        suspects.push_back({*id, index, query.value(2), query.value(3), query.value(4)});
    }
    if (query.lastError().isValid())
        return failed(query);
    query.finish();
    for (const Suspect& suspect : suspects) {
        const ReadSeries read = readItems(database, suspect.id, suspect.series, suspect.count);
        if (!read.whole) {
            pool->refused.append(
                u"sessione %1, serie %2: %3"_s.arg(archive_checks::sessionName(suspect.id),
                                                   QString::number(suspect.series), read.problem));
            continue;
        }
        const SeriesOrigin origin = suspect.origin.toString() == u"typed"_s
                                        ? SeriesOrigin::Typed
                                        : inferredOrigin(suspect.endReason, read.loaded);
        const auto index = static_cast<std::size_t>(suspect.series);
        if (origin != SeriesOrigin::Typed) {
            ++pool->setAside[index];
            continue;
        }
        ++pool->rebuilt;
        if (read.classes.empty())
            continue;
        pool->pooled[index] += analysis::SeriesSummary::of(read.classes);
        ++pool->sessions[index];
    }
    return true;
}

} // namespace rotamind::series_summary_table
