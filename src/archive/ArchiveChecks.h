#pragma once

#include "wheel/Wheel.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>
#include <vector>

class QSqlError;
class QSqlQuery;
class QSqlRecord;

namespace rotamind::archive_checks {

// Nothing read from the archive file is trusted: another program, a damaged
// disk or a hand with a SQLite shell may have written anything there. Every
// value goes through one of these before it reaches a session, a window or
// an analysis; a value that fails is damage, never a crash or a size.

// More classes than any series gets in a lifetime at the table: a stored count
// beyond it is damage. Counts are compared with the rows, never allocated.
inline constexpr qint64 kMaxCount = qint64{1} << 31;

// A stored integer exactly (not a text or a real that looks like one).
std::optional<qint64> integer(const QVariant& value);
// 3, 2, 1, -1, -2 or -3.
std::optional<std::int8_t> distanceClass(const QVariant& value);
// 0..kMaxCount.
std::optional<qint64> count(const QVariant& value);
// 1 and up: the rows of the archive are numbered from 1.
std::optional<qint64> id(const QVariant& value);
// "PRO" or "EASY".
std::optional<QString> mode(const QVariant& value);
// 0 or 1.
std::optional<bool> flag(const QVariant& value);
// NULL, "O" or "A"; nothing for anything else.
std::optional<std::optional<Direction>> direction(const QVariant& value);
// Local time as written, "2026-12-09T21:14:05"; nothing for any other text.
std::optional<QDateTime> moment(const QVariant& value);

// The checks of a session row, for the columns one query reads (found by
// name once, then applied row by row).
class RowCheck final {
public:
    // `columns`: the query's record after exec().
    explicit RowCheck(const QSqlRecord& columns);
    // The first value of the current row that no program of ours writes, in
    // words; empty when every one is sound.
    QString problem(const QSqlQuery& row) const;

private:
    enum class Kind { Id, Mode, Moment, OptionalMoment, Direction, Count, Flag };
    struct Column {
        int index;
        Kind kind;
        QString problem;
    };
    std::vector<Column> m_columns;
};

// Why nothing may be opened at `path`: a folder, a FIFO (whose open would
// wait for ever), a device or a socket stands there. Empty for a regular file
// or nothing at all.
QString notAFile(const QString& path);

// The reason of a failed statement in words for the player, in Italian.
QString reasonOf(const QSqlError& error);
// SQLite's result code of a failed statement, extended where the connection
// gives extended codes (see archive_schema::harden); -1 without one.
int resultCode(const QSqlError& error);
// SQLite's primary result code of a failed statement, -1 without one.
int primaryCode(const QSqlError& error);
// Whether that code says the file is damaged or no database at all.
bool isDamage(int code);

// How a session is named in a message: "n. 4 (PRO del 09-12-2026 21:14)".
QString sessionName(qint64 id, const QString& mode = {}, const QVariant& started = {});
// "2.301": counts in messages, grouped as an Italian reader expects.
QString number(qint64 value);

// Item keys above this are damage: far more than a lifetime of inserts and
// deletes can reach, far from the end of a 64-bit number.
inline constexpr qint64 kMaxPosition = qint64{1} << 56;

// One series read back row by row, in position order, against the count its
// session row gives. Rows that cannot be used are left out; whole() says
// whether the series is exactly what was recorded.
class SeriesCheck final {
public:
    // `expected` as stored: a count out of range is damage too.
    explicit SeriesCheck(const QVariant& expected);

    // One row; its class is appended to `kept` when the row is usable.
    void add(const QVariant& position, const QVariant& storedClass, std::vector<std::int8_t>& kept);
    // Positions ascending from 0 within kMaxPosition, every class valid, as
    // many rows as the count says.
    bool whole() const { return m_sound && m_expected && *m_expected == m_rows; }
    qint64 kept() const { return m_kept; }
    // The count as stored when it is one; otherwise the rows seen.
    qint64 expected() const { return m_expected.value_or(m_rows); }
    // What is wrong, in words; empty when whole().
    QString problem() const;

private:
    std::optional<qint64> m_expected;
    qint64 m_rows = 0;
    qint64 m_kept = 0;
    qint64 m_lastPosition = -1;
    bool m_sound = true;
    QString m_firstProblem;
};

} // namespace rotamind::archive_checks
