#include "archive/Archive.h"

#include "archive/ArchiveSchema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>
#include <atomic>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {

// SQLite's primary result codes the archive tells apart.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
constexpr int kSqliteCantOpen = 14;
constexpr int kSqliteNotADatabase = 26;
constexpr int kSqliteIoError = 10;

// Positions of a series are lifted by this much while they move, so that no
// row ever takes a position another row still holds: SQLite checks the
// primary key row by row during an UPDATE.
constexpr qint64 kLift = qint64{1} << 40;

// Classes per statement when a whole series is written.
constexpr std::size_t kChunk = 65536;

int primaryCode(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

bool isDamage(int code) {
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

QString reasonOf(const QSqlError& error) {
    switch (primaryCode(error)) {
    case kSqliteFull:
        return u"disco pieno"_s;
    case kSqliteIoError:
        return u"errore di scrittura (%1)"_s.arg(error.databaseText());
    case kSqliteCantOpen:
        return u"impossibile aprire il file"_s;
    default:
        break;
    }
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.trimmed();
}

QString timestamp(const QDateTime& moment) {
    return moment.toString(Qt::ISODate);
}

QVariant directionValue(std::optional<Direction> direction) {
    if (!direction)
        return {};
    return *direction == Direction::Clockwise ? u"O"_s : u"A"_s;
}

std::optional<Direction> directionFrom(const QVariant& value) {
    const QString text = value.toString();
    if (text == u"O")
        return Direction::Clockwise;
    if (text == u"A")
        return Direction::CounterClockwise;
    return std::nullopt;
}

// "[3,-1,2]": a series as json_each() reads it.
QString jsonArray(std::span<const std::int8_t> classes) {
    QByteArray text;
    text.reserve(static_cast<qsizetype>(classes.size() * 3 + 2));
    text.append('[');
    for (std::size_t i = 0; i < classes.size(); ++i) {
        if (i > 0)
            text.append(',');
        const int value = classes[i];
        if (value < 0)
            text.append('-');
        text.append(static_cast<char>('0' + (value < 0 ? -value : value)));
    }
    text.append(']');
    return QString::fromLatin1(text);
}

} // namespace

// Every statement of the writers, prepared once per connection.
struct Archive::Queries {
    explicit Queries(const QSqlDatabase& database)
        : begin(database), commit(database), rollback(database), insertSession(database),
          updateSession(database), insertItem(database), insertMany(database),
          deleteRange(database), deleteSeries(database), lift(database), settle(database),
          endSession(database), reopenSession(database) {}

    bool prepare() {
        return begin.prepare(u"BEGIN IMMEDIATE"_s) && commit.prepare(u"COMMIT"_s) &&
               rollback.prepare(u"ROLLBACK"_s) &&
               insertSession.prepare(
                   u"INSERT INTO session (mode, started, changed, site, croupier, number,"
                   " direction, n1, n2, last_number, count0, count1, unsaved0, unsaved1, launches)"
                   " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s) &&
               updateSession.prepare(
                   u"UPDATE session SET changed = ?, site = ?, croupier = ?, number = ?,"
                   " direction = ?, n1 = ?, n2 = ?, last_number = ?, count0 = ?, count1 = ?,"
                   " unsaved0 = ?, unsaved1 = ?, launches = ? WHERE id = ?"_s) &&
               insertItem.prepare(u"INSERT INTO item (session_id, series, position, class,"
                                  " number, direction) VALUES (?, ?, ?, ?, ?, ?)"_s) &&
               insertMany.prepare(u"INSERT INTO item (session_id, series, position, class)"
                                  " SELECT ?, ?, ? + key, value FROM json_each(?)"_s) &&
               deleteRange.prepare(u"DELETE FROM item WHERE session_id = ? AND series = ?"
                                   " AND position BETWEEN ? AND ?"_s) &&
               deleteSeries.prepare(u"DELETE FROM item WHERE session_id = ? AND series = ?"_s) &&
               lift.prepare(u"UPDATE item SET position = position + ?"
                            " WHERE session_id = ? AND series = ? AND position >= ?"_s) &&
               settle.prepare(u"UPDATE item SET position = position - ?"
                              " WHERE session_id = ? AND series = ? AND position >= ?"_s) &&
               endSession.prepare(u"UPDATE session SET ended = ?, end_reason = ? WHERE id = ?"_s) &&
               reopenSession.prepare(
                   u"UPDATE session SET ended = NULL, end_reason = NULL WHERE id = ?"_s);
    }

    QSqlQuery begin, commit, rollback, insertSession, updateSession, insertItem, insertMany,
        deleteRange, deleteSeries, lift, settle, endSession, reopenSession;
};

QString Archive::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/archive.sqlite"_s;
}

Archive::Archive(QString path, QObject* parent) : QObject(parent), m_path(std::move(path)) {
    static std::atomic<int> instances{0};
    m_connection = u"rotamind-archive-%1"_s.arg(++instances);
}

Archive::~Archive() {
    closeConnection();
}

QSqlDatabase Archive::database() const {
    return m_available ? QSqlDatabase::database(m_connection, false) : QSqlDatabase();
}

void Archive::tell(const QString& text) {
    m_messages.append(text);
    emit message(text);
}

QString Archive::damageMarker() const {
    return m_path + u".danneggiato"_s;
}

void Archive::closeConnection() {
    m_queries.reset();
    m_inTransaction = false;
    if (QSqlDatabase::contains(m_connection)) {
        {
            QSqlDatabase database = QSqlDatabase::database(m_connection, false);
            database.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool Archive::openFile(QString* error, int* code) {
    *code = -1;
    QSqlDatabase database = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
    database.setDatabaseName(m_path);
    // From the very first read: a second program may be making the file's
    // tables right now, and the probe below must wait for it, not fail.
    database.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=5000"_s);
    if (!database.open()) {
        *error = reasonOf(database.lastError());
        *code = primaryCode(database.lastError());
        return false;
    }
    // Reads the header and the schema: a file that is no database, or whose
    // first pages are damaged, fails here with its own code.
    {
        QSqlQuery probe(database);
        if (!probe.exec(u"SELECT count(*) FROM sqlite_master"_s) || !probe.next()) {
            *error = reasonOf(probe.lastError());
            *code = primaryCode(probe.lastError());
            return false;
        }
    }
    if (!archive_schema::configure(database, error) || !archive_schema::migrate(database, error))
        return false;
    // Every session row read once: damage there shows now rather than in the launcher.
    {
        QSqlQuery sessions(database);
        if (!sessions.exec(
                u"SELECT count(*), max(length(site) + length(croupier)) FROM session"_s) ||
            !sessions.next()) {
            *error = reasonOf(sessions.lastError());
            *code = primaryCode(sessions.lastError());
            return false;
        }
    }
    m_queries = std::make_unique<Queries>(database);
    if (!m_queries->prepare()) {
        *error = reasonOf(m_queries->begin.lastError());
        return false;
    }
    return true;
}

bool Archive::moveAside(QString* movedTo) {
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyy-MM-dd_HH-mm-ss"_s);
    QString target = u"%1.danneggiato-%2"_s.arg(m_path, stamp);
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = u"%1.danneggiato-%2-%3"_s.arg(m_path, stamp).arg(n);
    if (!QFile::rename(m_path, target))
        return false;
    // The journal belongs to the damaged file; the shared memory is remade.
    QFile::rename(m_path + u"-wal"_s, target + u"-wal"_s);
    QFile::remove(m_path + u"-shm"_s);
    *movedTo = QFileInfo(target).fileName();
    return true;
}

bool Archive::open() {
    closeConnection();
    m_available = false;
    const QFileInfo file(m_path);
    if (!QDir().mkpath(file.absolutePath())) {
        tell(u"Archivio non disponibile: impossibile creare la cartella %1"_s.arg(
            QDir::toNativeSeparators(file.absolutePath())));
        return false;
    }
    QString error;
    int code = -1;
    bool opened = false;
    bool markedDamaged = QFileInfo::exists(damageMarker());
    if (markedDamaged && !QFileInfo::exists(m_path)) {
        QFile::remove(damageMarker());
        markedDamaged = false;
    }
    if (!markedDamaged)
        opened = openFile(&error, &code);
    if (!opened && (markedDamaged || isDamage(code)) && QFileInfo::exists(m_path)) {
        closeConnection();
        QString movedTo;
        if (!moveAside(&movedTo)) {
            tell(u"Archivio non disponibile: archivio danneggiato, impossibile spostarlo"_s);
            return false;
        }
        QFile::remove(damageMarker());
        tell(u"Archivio danneggiato: spostato in %1, ne è stato creato uno nuovo"_s.arg(movedTo));
        opened = openFile(&error, &code);
    }
    if (!opened) {
        closeConnection();
        tell(u"Archivio non disponibile: %1"_s.arg(error));
        return false;
    }
    m_available = true;
    return true;
}

void Archive::fail(const QString& reason) {
    if (!m_available)
        return;
    rollback();
    m_available = false;
    tell(u"Archivio non disponibile: %1"_s.arg(reason));
    emit becameUnavailable();
}

bool Archive::exec(QSqlQuery& query) {
    if (!m_available)
        return false;
    if (query.exec())
        return true;
    const QSqlError error = query.lastError();
    // Damage found while working: the next start moves the file aside.
    if (isDamage(primaryCode(error))) {
        QFile marker(damageMarker());
        if (marker.open(QIODevice::WriteOnly))
            marker.close();
    }
    fail(reasonOf(error));
    return false;
}

void Archive::rollback() {
    if (!m_inTransaction)
        return;
    m_inTransaction = false;
    if (m_queries)
        m_queries->rollback.exec();
}

bool Archive::begin() {
    if (!m_available)
        return false;
    if (m_inTransaction)
        return true;
    if (!exec(m_queries->begin))
        return false;
    m_inTransaction = true;
    return true;
}

bool Archive::commit() {
    if (!m_available || !m_inTransaction)
        return false;
    if (!exec(m_queries->commit))
        return false;
    m_inTransaction = false;
    return true;
}

qint64 Archive::createSession(const QString& mode, const SessionState& state) {
    if (!m_available)
        return 0;
    QSqlQuery& query = m_queries->insertSession;
    const QString now = timestamp(QDateTime::currentDateTime());
    const LaunchEntry& entry = state.entry;
    int i = 0;
    for (const QVariant& value :
         {QVariant(mode), QVariant(now), QVariant(now), QVariant(entry.site),
          QVariant(entry.croupier), QVariant(entry.number), directionValue(entry.direction),
          QVariant(entry.n1), QVariant(entry.n2), QVariant(entry.lastNumber),
          QVariant(state.counts[0]), QVariant(state.counts[1]), QVariant(int{state.unsaved[0]}),
          QVariant(int{state.unsaved[1]}), QVariant(state.launches)})
        query.bindValue(i++, value);
    if (!exec(query))
        return 0;
    return query.lastInsertId().toLongLong();
}

bool Archive::updateSession(qint64 id, const SessionState& state) {
    if (!m_available)
        return false;
    QSqlQuery& query = m_queries->updateSession;
    const LaunchEntry& entry = state.entry;
    int i = 0;
    for (const QVariant& value :
         {QVariant(timestamp(QDateTime::currentDateTime())), QVariant(entry.site),
          QVariant(entry.croupier), QVariant(entry.number), directionValue(entry.direction),
          QVariant(entry.n1), QVariant(entry.n2), QVariant(entry.lastNumber),
          QVariant(state.counts[0]), QVariant(state.counts[1]), QVariant(int{state.unsaved[0]}),
          QVariant(int{state.unsaved[1]}), QVariant(state.launches), QVariant(id)})
        query.bindValue(i++, value);
    return exec(query);
}

bool Archive::insertItems(qint64 id, int series, qint64 first, std::span<const std::int8_t> classes,
                          qint64 countBefore, const QString& number,
                          std::optional<Direction> direction) {
    if (!m_available)
        return false;
    const auto added = static_cast<qint64>(classes.size());
    if (added == 0)
        return true;
    if (first < countBefore) {
        // Positions first.. move up by `added`, through positions no row holds.
        QSqlQuery& lift = m_queries->lift;
        lift.bindValue(0, kLift);
        lift.bindValue(1, id);
        lift.bindValue(2, series);
        lift.bindValue(3, first);
        if (!exec(lift))
            return false;
        QSqlQuery& settle = m_queries->settle;
        settle.bindValue(0, kLift - added);
        settle.bindValue(1, id);
        settle.bindValue(2, series);
        settle.bindValue(3, kLift);
        if (!exec(settle))
            return false;
    }
    if (added == 1) {
        QSqlQuery& insert = m_queries->insertItem;
        insert.bindValue(0, id);
        insert.bindValue(1, series);
        insert.bindValue(2, first);
        insert.bindValue(3, int{classes.front()});
        insert.bindValue(4, number.isEmpty() ? QVariant() : QVariant(number));
        insert.bindValue(5, directionValue(direction));
        return exec(insert);
    }
    QSqlQuery& insert = m_queries->insertMany;
    for (std::size_t start = 0; start < classes.size(); start += kChunk) {
        const std::span<const std::int8_t> part =
            classes.subspan(start, std::min(kChunk, classes.size() - start));
        insert.bindValue(0, id);
        insert.bindValue(1, series);
        insert.bindValue(2, first + static_cast<qint64>(start));
        insert.bindValue(3, jsonArray(part));
        if (!exec(insert))
            return false;
    }
    return true;
}

bool Archive::removeItems(qint64 id, int series, qint64 first, qint64 last, qint64 countAfter) {
    if (!m_available)
        return false;
    QSqlQuery& remove = m_queries->deleteRange;
    remove.bindValue(0, id);
    remove.bindValue(1, series);
    remove.bindValue(2, first);
    remove.bindValue(3, last);
    if (!exec(remove))
        return false;
    if (first >= countAfter)
        return true;
    // Positions after `last` move down to `first`.., through positions no row holds.
    QSqlQuery& lift = m_queries->lift;
    lift.bindValue(0, kLift);
    lift.bindValue(1, id);
    lift.bindValue(2, series);
    lift.bindValue(3, last + 1);
    if (!exec(lift))
        return false;
    QSqlQuery& settle = m_queries->settle;
    settle.bindValue(0, kLift + (last - first + 1));
    settle.bindValue(1, id);
    settle.bindValue(2, series);
    settle.bindValue(3, kLift);
    return exec(settle);
}

bool Archive::replaceItems(qint64 id, int series, std::span<const std::int8_t> classes) {
    if (!m_available)
        return false;
    QSqlQuery& remove = m_queries->deleteSeries;
    remove.bindValue(0, id);
    remove.bindValue(1, series);
    if (!exec(remove))
        return false;
    if (classes.size() == 1)
        return insertItems(id, series, 0, classes, 0);
    QSqlQuery& insert = m_queries->insertMany;
    for (std::size_t start = 0; start < classes.size(); start += kChunk) {
        const std::span<const std::int8_t> part =
            classes.subspan(start, std::min(kChunk, classes.size() - start));
        insert.bindValue(0, id);
        insert.bindValue(1, series);
        insert.bindValue(2, static_cast<qint64>(start));
        insert.bindValue(3, jsonArray(part));
        if (!exec(insert))
            return false;
    }
    return true;
}

bool Archive::endSession(qint64 id, const QString& reason) {
    if (!m_available)
        return false;
    QSqlQuery& query = m_queries->endSession;
    query.bindValue(0, timestamp(QDateTime::currentDateTime()));
    query.bindValue(1, reason);
    query.bindValue(2, id);
    return exec(query);
}

bool Archive::appendItems(qint64 id, int series, qint64 first, std::span<const ArchiveItem> items) {
    if (!m_available)
        return false;
    QSqlQuery insert(QSqlDatabase::database(m_connection, false));
    insert.prepare(u"INSERT INTO item (session_id, series, position, class, number, direction)"
                   " SELECT ?, ?, ? + key, json_extract(value, '$[0]'),"
                   " json_extract(value, '$[1]'), json_extract(value, '$[2]') FROM json_each(?)"_s);
    for (std::size_t start = 0; start < items.size(); start += kChunk) {
        // [[3,"17","O"],[-1,null,null],...]; a number is a pocket's digits.
        QByteArray json = "[";
        for (const ArchiveItem& item :
             items.subspan(start, std::min(kChunk, items.size() - start))) {
            if (json.size() > 1)
                json += ',';
            json += '[' + QByteArray::number(item.distanceClass) + ',';
            const QByteArray number = item.number.toLatin1();
            const bool digits =
                !number.isEmpty() && std::all_of(number.begin(), number.end(),
                                                 [](char c) { return c >= '0' && c <= '9'; });
            json += digits ? '"' + number + '"' : QByteArray("null");
            json += item.direction
                        ? (*item.direction == Direction::Clockwise ? ",\"O\"]" : ",\"A\"]")
                        : ",null]";
        }
        json += ']';
        insert.bindValue(0, id);
        insert.bindValue(1, series);
        insert.bindValue(2, first + static_cast<qint64>(start));
        insert.bindValue(3, QString::fromLatin1(json));
        if (!exec(insert))
            return false;
    }
    return true;
}

bool Archive::setStarted(qint64 id, const QDateTime& started) {
    if (!m_available)
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(u"UPDATE session SET started = ? WHERE id = ?"_s);
    query.bindValue(0, timestamp(started));
    query.bindValue(1, id);
    return exec(query);
}

bool Archive::reopenSession(qint64 id) {
    if (!m_available)
        return false;
    QSqlQuery& query = m_queries->reopenSession;
    query.bindValue(0, id);
    return exec(query);
}

std::unique_ptr<SessionLock> Archive::lockSession(qint64 id) const {
    return SessionLock::tryLock(m_path + u".sessioni"_s, id);
}

std::optional<InterruptedSession> Archive::interruptedSession() {
    if (!m_available)
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(u"SELECT id, mode, changed, count0, count1, unsaved0, unsaved1 FROM session"
                    " ORDER BY changed DESC, id DESC LIMIT 64"_s))
        return std::nullopt;
    while (query.next()) {
        const qint64 id = query.value(0).toLongLong();
        // A session another running program works on is not interrupted.
        if (!lockSession(id))
            continue;
        const qint64 count0 = query.value(3).toLongLong();
        const qint64 count1 = query.value(4).toLongLong();
        const bool unsaved =
            (query.value(5).toBool() && count0 > 0) || (query.value(6).toBool() && count1 > 0);
        if (!unsaved)
            return std::nullopt;
        return InterruptedSession{
            .id = id,
            .mode = query.value(1).toString(),
            .changed = QDateTime::fromString(query.value(2).toString(), Qt::ISODate),
            .launches = count0 + count1,
        };
    }
    return std::nullopt;
}

std::optional<StoredSession> Archive::readSession(qint64 id) {
    if (!m_available)
        return std::nullopt;
    const QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    QSqlQuery row(database);
    row.setForwardOnly(true);
    row.prepare(u"SELECT mode, started, changed, ended, end_reason, site, croupier, number,"
                " direction, n1, n2, last_number, unsaved0, unsaved1, launches"
                " FROM session WHERE id = ?"_s);
    row.bindValue(0, id);
    if (!row.exec() || !row.next())
        return std::nullopt;
    StoredSession stored;
    stored.id = id;
    stored.mode = row.value(0).toString();
    stored.started = QDateTime::fromString(row.value(1).toString(), Qt::ISODate);
    stored.changed = QDateTime::fromString(row.value(2).toString(), Qt::ISODate);
    if (!row.value(3).isNull())
        stored.ended = QDateTime::fromString(row.value(3).toString(), Qt::ISODate);
    stored.endReason = row.value(4).toString();
    stored.entry = {.number = row.value(7).toString(),
                    .direction = directionFrom(row.value(8)),
                    .n1 = row.value(9).toString(),
                    .n2 = row.value(10).toString(),
                    .lastNumber = row.value(11).toString(),
                    .site = row.value(5).toString(),
                    .croupier = row.value(6).toString()};
    stored.unsaved = {row.value(12).toBool(), row.value(13).toBool()};
    stored.launches = row.value(14).toLongLong();
    row.finish();

    QSqlQuery items(database);
    items.setForwardOnly(true);
    items.prepare(
        u"SELECT class FROM item WHERE session_id = ? AND series = ? ORDER BY position"_s);
    for (int series = 0; series < WorkingSession::kSeriesCount; ++series) {
        items.bindValue(0, id);
        items.bindValue(1, series);
        if (!items.exec())
            return std::nullopt;
        std::vector<std::int8_t>& classes = stored.classes[static_cast<std::size_t>(series)];
        while (items.next())
            classes.push_back(static_cast<std::int8_t>(items.value(0).toInt()));
        items.finish();
    }
    return stored;
}

} // namespace rotamind
