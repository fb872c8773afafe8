#include "archive/SeriesSummaryTable.h"

#include "archive/ArchiveChecks.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace rotamind::series_summary_table {

namespace {

// The counts in one order: frequencies per row of kClasses, class after
// class row by row, bets and wins by the red classes staked, then the bets
// lost on repeats and the classes they staked.
std::vector<std::int64_t> flatten(const analysis::SeriesSummary& summary) {
    std::vector<std::int64_t> values(summary.frequency.begin(), summary.frequency.end());
    for (const auto& row : summary.transitions)
        values.insert(values.end(), row.begin(), row.end());
    values.insert(values.end(), summary.bets.begin(), summary.bets.end());
    values.insert(values.end(), summary.wins.begin(), summary.wins.end());
    values.push_back(summary.repeatBets);
    values.push_back(summary.repeatRedClasses);
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
    if (i < values.size()) {
        summary.repeatBets = values[i++];
        summary.repeatRedClasses = values[i++];
    }
    return summary;
}

// The counts as stored: little-endian 64-bit integers in the order of
// flatten(), one blob per row, so that a place of thousands of sessions
// is read as that many values, not sixty times as many. A row written before
// the bets on repeats were counted ends before them and reads as none: those
// repeats were never kept anywhere.
constexpr qsizetype kBlobSize = (6 + 36 + 5 + 5 + 2) * 8;
constexpr qsizetype kBlobSizeWithoutRepeats = (6 + 36 + 5 + 5) * 8;

QByteArray encode(const analysis::SeriesSummary& summary) {
    QByteArray blob;
    blob.reserve(kBlobSize);
    for (const std::int64_t value : flatten(summary)) {
        const auto bits = static_cast<quint64>(value);
        for (int byte = 0; byte < 8; ++byte)
            blob.append(static_cast<char>((bits >> (8 * byte)) & 0xff));
    }
    return blob;
}

std::optional<analysis::SeriesSummary> decode(const QVariant& stored) {
    if (stored.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    const QByteArray blob = stored.toByteArray();
    if (blob.size() != kBlobSize && blob.size() != kBlobSizeWithoutRepeats)
        return std::nullopt;
    std::vector<std::int64_t> values(static_cast<std::size_t>(blob.size() / 8));
    for (std::size_t i = 0; i < values.size(); ++i) {
        quint64 bits = 0;
        for (int byte = 7; byte >= 0; --byte)
            bits = (bits << 8) |
                   static_cast<unsigned char>(blob[static_cast<qsizetype>(i * 8) + byte]);
        values[i] = static_cast<std::int64_t>(bits);
    }
    return unflatten(values);
}

// Whether counts can be those of a series of `n` classes: none negative, the
// classes adding up to n, n - 1 steps, each class followed and preceded as
// often as it occurs (less one for the first and the last), no more wins than
// bets and no bet on the first launch, and from one to five classes staked
// on each repeat. The bound on n keeps every sum of the archive's rows within
// 64 bits.
bool plausible(const analysis::SeriesSummary& summary, std::int64_t n) {
    constexpr std::int64_t kMaxLaunches = std::int64_t{1} << 40;
    if (n < 1 || n > kMaxLaunches)
        return false;
    const auto within = [](std::int64_t value) { return value >= 0 && value <= kMaxLaunches; };
    std::int64_t classes = 0;
    std::int64_t steps = 0;
    for (std::size_t row = 0; row < 6; ++row) {
        if (!within(summary.frequency[row]))
            return false;
        classes += summary.frequency[row];
        std::int64_t after = 0;
        std::int64_t before = 0;
        for (std::size_t other = 0; other < 6; ++other) {
            if (!within(summary.transitions[row][other]))
                return false;
            after += summary.transitions[row][other];
            before += summary.transitions[other][row];
        }
        const std::int64_t f = summary.frequency[row];
        if (after < f - 1 || after > f || before < f - 1 || before > f)
            return false;
        steps += after;
    }
    std::int64_t bets = 0;
    for (std::size_t k = 0; k < summary.bets.size(); ++k) {
        if (!within(summary.bets[k]) || !within(summary.wins[k]) ||
            summary.wins[k] > summary.bets[k])
            return false;
        bets += summary.bets[k];
    }
    if (!within(summary.repeatBets) || !within(summary.repeatRedClasses) ||
        summary.repeatRedClasses < summary.repeatBets ||
        summary.repeatRedClasses > 5 * summary.repeatBets)
        return false;
    return classes == n && steps == n - 1 && bets < n;
}

// Each series of the place with its count as n, its row's columns beside it.
QString placeRows() {
    return u"SELECT x.id AS id, k.series AS series, x.end_reason AS end_reason, x.mode AS mode,"
           " x.started AS started, x.changed AS changed, x.ended AS ended, x.count0 AS count0,"
           " x.count1 AS count1,"
           " CASE k.series WHEN 0 THEN x.count0 ELSE x.count1 END AS n, u.origin AS origin,"
           " u.counts AS counts FROM session x JOIN session y ON y.id = x.id"
           " CROSS JOIN (SELECT 0 AS series UNION ALL SELECT 1) k"
           " LEFT JOIN series_summary u ON u.session_id = x.id AND u.series = k.series"
           // The place's index finds the rows; each is then read again by its
           // id, as every other reader reads it, and kept only if it is still
           // of this place: a damaged index can point at a row of another place.
           " WHERE x.mode = ? AND x.site = ? AND x.croupier = ?"
           " AND +y.mode = x.mode AND +y.site = x.site AND +y.croupier = x.croupier"_s;
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
    return {
        u"CREATE TABLE series_summary ("
        "session_id INTEGER NOT NULL REFERENCES session (id) ON DELETE CASCADE,"
        "series INTEGER NOT NULL CHECK (series IN (0, 1)),"
        "origin TEXT NOT NULL DEFAULT 'typed' CHECK (origin IN ('typed', 'loaded', 'imported')),"
        "counts BLOB NOT NULL DEFAULT x'',"
        "PRIMARY KEY (session_id, series)) WITHOUT ROWID"_s};
}

QString upsertCountsStatement() {
    return u"INSERT INTO series_summary (session_id, series, origin, counts) VALUES (?, ?, ?, ?)"
           " ON CONFLICT (session_id, series) DO UPDATE SET counts = excluded.counts"_s;
}

void bindCounts(QSqlQuery& query, qint64 id, int series, SeriesOrigin origin,
                const analysis::SeriesSummary& summary) {
    query.bindValue(0, id);
    query.bindValue(1, series);
    query.bindValue(2, originText(origin));
    query.bindValue(3, encode(summary));
}

QByteArray encoded(const analysis::SeriesSummary& summary) {
    return encode(summary);
}

QString upsertOriginStatement() {
    return u"INSERT INTO series_summary (session_id, series, origin) VALUES (?, ?, ?)"
           " ON CONFLICT (session_id, series) DO UPDATE SET origin = excluded.origin"_s;
}

QString countColumnList() {
    return u"counts"_s;
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
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(
        u"SELECT id, series, n, origin, end_reason, counts, mode, started, changed, ended,"
        " count0, count1 FROM ("_s +
        placeRows() + u") WHERE n IS NOT 0"_s);
    query.addBindValue(mode);
    query.addBindValue(site);
    query.addBindValue(croupier);
    if (!query.exec()) {
        if (error)
            *error = archive_checks::reasonOf(query.lastError());
        return false;
    }
    struct Suspect {
        qint64 id;
        int series;
        QVariant count;
        QVariant origin;
        QVariant endReason;
    };
    // Rows that do not add up, or have none: counted again from the items.
    std::vector<Suspect> suspects;
    // Worded as the catalog words its own refusals, in the player's language.
    const auto refusal = [](qint64 id, const QString& series, const QString& problem) {
        return QCoreApplication::translate("ArchiveCatalog", "sessione %1, serie %2: %3")
            .arg(archive_checks::sessionName(id), series, problem);
    };
    // A session the listing refuses (a date, a mode, a count no program of
    // ours writes) is refused here too, its summary however sound.
    const archive_checks::RowCheck check(query.record());
    while (query.next()) {
        const auto id = archive_checks::id(query.value(0));
        if (!id)
            continue;
        if (const QString problem = check.problem(query); !problem.isEmpty()) {
            pool->refused.append(refusal(*id, query.value(1).toString(), problem));
            continue;
        }
        const int index = query.value(1).toInt();
        const auto i = static_cast<std::size_t>(index);
        const QString origin = query.value(3).toString();
        if (origin == u"loaded"_s || origin == u"imported"_s) {
            ++pool->setAside[i];
            continue;
        }
        const auto n = integerAt(query, 2);
        const auto summary = decode(query.value(5));
        if (origin == u"typed"_s && n && summary && plausible(*summary, *n)) {
            pool->pooled[i] += *summary;
            ++pool->sessions[i];
            continue;
        }
        suspects.push_back({*id, index, query.value(2), query.value(3), query.value(4)});
    }
    if (query.lastError().isValid()) {
        if (error)
            *error = archive_checks::reasonOf(query.lastError());
        return false;
    }
    query.finish();
    for (const Suspect& suspect : suspects) {
        const ReadSeries read = readItems(database, suspect.id, suspect.series, suspect.count);
        if (!read.whole) {
            pool->refused.append(
                refusal(suspect.id, QString::number(suspect.series), read.problem));
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
