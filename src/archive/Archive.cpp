#include "archive/Archive.h"

#include "archive/ArchiveChecks.h"
#include "archive/ArchiveSchema.h"
#include "archive/ItemKeys.h"
#include "archive/SeriesSummaryTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTimer>
#include <QVariant>

#include <sys/stat.h>

#include <algorithm>
#include <atomic>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {

using archive_checks::isDamage;
using archive_checks::primaryCode;
using archive_checks::reasonOf;

constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteBusy = 5;

// Classes per statement when a whole series is written.
constexpr std::size_t kChunk = 65536;

// A journal larger than this after a commit is checkpointed and cut at once,
// not left to grow until the program ends.
constexpr qint64 kLargeJournal = qint64{16} << 20;

// How long a change waits for a second program's write lock before it is
// kept in memory instead: long enough for that program's usual change, short
// enough that the table never feels it.
constexpr int kBusyTimeoutMs = 100;

// How often changes kept in memory try the lock again.
constexpr int kRetryMs = 250;

// Below this much free space a failed open is a full disk, whatever SQLite said.
constexpr qint64 kFullDisk = qint64{1} << 20;

QString timestamp(const QDateTime& moment) {
    return moment.toString(Qt::ISODate);
}

// A text column of the session row: never NULL, even for a QString never set.
QVariant textValue(const QString& text) {
    return text.isNull() ? QVariant(QString(u""_s)) : QVariant(text);
}

QVariant directionValue(std::optional<Direction> direction) {
    if (!direction)
        return {};
    return *direction == Direction::Clockwise ? u"O"_s : u"A"_s;
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
          updateSession(database), insertItem(database), insertMany(database), insertRows(database),
          readKeys(database), readRange(database), deleteRange(database), deleteSeries(database),
          endSession(database), reopenSession(database), summary(database), origin(database) {}

    bool prepare() {
        readKeys.setForwardOnly(true);
        readRange.setForwardOnly(true);
        return begin.prepare(u"BEGIN IMMEDIATE"_s) && commit.prepare(u"COMMIT"_s) &&
               rollback.prepare(u"ROLLBACK"_s) &&
               insertSession.prepare(
                   u"INSERT INTO session (id, mode, started, changed, site, croupier, number,"
                   " direction, n1, n2, last_number, count0, count1, unsaved0, unsaved1, launches)"
                   " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s) &&
               updateSession.prepare(
                   u"UPDATE session SET changed = ?, site = ?, croupier = ?, number = ?,"
                   " direction = ?, n1 = ?, n2 = ?, last_number = ?, count0 = ?, count1 = ?,"
                   " unsaved0 = ?, unsaved1 = ?, launches = ? WHERE id = ?"_s) &&
               insertItem.prepare(u"INSERT INTO item (session_id, series, position, class,"
                                  " number, direction) VALUES (?, ?, ?, ?, ?, ?)"_s) &&
               insertMany.prepare(u"INSERT INTO item (session_id, series, position, class)"
                                  " SELECT ?, ?, (? + key) * ?, value FROM json_each(?)"_s) &&
               insertRows.prepare(
                   u"INSERT INTO item (session_id, series, position, class, number, direction)"
                   " SELECT ?, ?, json_extract(value, '$[0]'), json_extract(value, '$[1]'),"
                   " json_extract(value, '$[2]'), json_extract(value, '$[3]')"
                   " FROM json_each(?)"_s) &&
               readKeys.prepare(u"SELECT position FROM item WHERE session_id = ? AND series = ?"
                                " ORDER BY position"_s) &&
               readRange.prepare(u"SELECT class, number, direction FROM item"
                                 " WHERE session_id = ? AND series = ?"
                                 " AND position BETWEEN ? AND ? ORDER BY position"_s) &&
               deleteRange.prepare(u"DELETE FROM item WHERE session_id = ? AND series = ?"
                                   " AND position BETWEEN ? AND ?"_s) &&
               deleteSeries.prepare(u"DELETE FROM item WHERE session_id = ? AND series = ?"_s) &&
               endSession.prepare(u"UPDATE session SET ended = ?, end_reason = ? WHERE id = ?"_s) &&
               reopenSession.prepare(
                   u"UPDATE session SET ended = NULL, end_reason = NULL WHERE id = ?"_s) &&
               summary.prepare(series_summary_table::upsertCountsStatement()) &&
               origin.prepare(series_summary_table::upsertOriginStatement());
    }

    QSqlQuery begin, commit, rollback, insertSession, updateSession, insertItem, insertMany,
        insertRows, readKeys, readRange, deleteRange, deleteSeries, endSession, reopenSession,
        summary, origin;
};

QString Archive::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/archive.sqlite"_s;
}

Archive::Archive(QString path, QObject* parent) : QObject(parent), m_path(std::move(path)) {
    static std::atomic<int> instances{0};
    m_connection = u"rotamind-archive-%1"_s.arg(++instances);
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, [this] { writePending(); });
}

Archive::~Archive() {
    // Changes still waiting get one last, longer wait for the lock.
    if (!m_pending.empty() && m_available && !m_inTransaction) {
        QSqlQuery wait(QSqlDatabase::database(m_connection, false));
        wait.exec(u"PRAGMA busy_timeout = 5000"_s);
        writePending();
    }
    closeConnection();
}

QSqlDatabase Archive::database() const {
    return m_available ? QSqlDatabase::database(m_connection, false) : QSqlDatabase();
}

void Archive::tell(const QString& text) {
    m_messages.append(text);
    emit message(text);
}

void Archive::tellOnce(const QString& text) {
    if (!m_messages.contains(text))
        tell(text);
}

QString Archive::damageMarker() const {
    return m_path + u".danneggiato"_s;
}

void Archive::closeConnection() {
    m_queries.reset();
    m_inTransaction = false;
    m_queueing = false;
    m_pending.clear();
    m_retry.stop();
    m_keys.clear();
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
    if (!archive_schema::harden(database, error))
        return false;
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
    const archive_schema::Inspection found = archive_schema::inspect(database);
    switch (found.verdict) {
    case archive_schema::Inspection::Verdict::Sound:
        break;
    case archive_schema::Inspection::Verdict::Damaged:
        *error = found.reason;
        *code = kSqliteCorrupt;
        return false;
    case archive_schema::Inspection::Verdict::Newer:
    case archive_schema::Inspection::Verdict::Failed:
        *error = found.reason;
        *code = found.code;
        return false;
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
    // From now on a second program's write lock is waited for in memory, not here.
    if (QSqlQuery wait(database); !wait.exec(u"PRAGMA busy_timeout = %1"_s.arg(kBusyTimeoutMs))) {
        *error = reasonOf(wait.lastError());
        return false;
    }
    m_queries = std::make_unique<Queries>(database);
    if (!m_queries->prepare()) {
        *error = reasonOf(m_queries->begin.lastError());
        return false;
    }
    rememberFile();
    return true;
}

namespace {
std::optional<std::pair<quint64, quint64>> fileIdentity(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return std::pair{static_cast<quint64>(status.st_dev), static_cast<quint64>(status.st_ino)};
}
} // namespace

void Archive::rememberFile() {
    m_file = fileIdentity(m_path);
}

bool Archive::fileIsOurs() const {
    return !m_file || fileIdentity(m_path) == m_file;
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
    *movedTo = target;
    return true;
}

bool Archive::open() {
    closeConnection();
    m_available = false;
    m_file.reset();
    const QFileInfo file(m_path);
    if (!QDir().mkpath(file.absolutePath())) {
        tell(QCoreApplication::translate(
                 "Archive", "Archivio non disponibile: impossibile creare la cartella %1")
                 .arg(QDir::toNativeSeparators(file.absolutePath())));
        return false;
    }
    // Checked before any open: SQLite would wait for ever on a FIFO.
    for (const QString& path : QStringList{m_path, m_path + u"-wal"_s, m_path + u"-shm"_s}) {
        if (const QString problem = archive_checks::notAFile(path); !problem.isEmpty()) {
            tell(QCoreApplication::translate("Archive", "Archivio non disponibile: %1")
                     .arg(problem));
            return false;
        }
    }
    if (const QString problem = archive_checks::notAFile(m_path + u".sessioni"_s);
        !problem.isEmpty())
        tell(QCoreApplication::translate(
                 "Archive", "Archivio: %1, le sessioni interrotte non possono essere offerte")
                 .arg(problem));
    QString error;
    int code = -1;
    bool opened = false;
    // Only a file we made marks damage: anything else of that name is ignored.
    bool markedDamaged = QFileInfo(damageMarker()).isFile();
    if (markedDamaged && !QFileInfo::exists(m_path)) {
        QFile::remove(damageMarker());
        markedDamaged = false;
    }
    if (!markedDamaged)
        opened = openFile(&error, &code);
    else
        error = QCoreApplication::translate("Archive", "danni trovati durante l'uso precedente");
    if (!opened && (markedDamaged || isDamage(code)) && QFileInfo::exists(m_path)) {
        closeConnection();
        QString movedTo;
        if (!moveAside(&movedTo)) {
            tell(QCoreApplication::translate(
                     "Archive",
                     "Archivio non disponibile: archivio danneggiato (%1), impossibile spostarlo")
                     .arg(error));
            return false;
        }
        QFile::remove(damageMarker());
        const QString why = error;
        opened = openFile(&error, &code);
        const QString saved = opened ? salvage(movedTo) : QString();
        tell(QCoreApplication::translate(
                 "Archive",
                 "Archivio danneggiato: %1; spostato in %2, ne è stato creato uno nuovo%3")
                 .arg(why, QFileInfo(movedTo).fileName(), saved));
    }
    if (!opened) {
        closeConnection();
        const QStorageInfo disk(file.absolutePath());
        if (disk.isValid() && disk.bytesAvailable() >= 0 && disk.bytesAvailable() < kFullDisk)
            error = QCoreApplication::translate("Archive", "disco pieno");
        tell(QCoreApplication::translate("Archive", "Archivio non disponibile: %1")
                 .arg(error.isEmpty() ? QCoreApplication::translate("Archive", "motivo sconosciuto")
                                      : error));
        return false;
    }
    m_available = true;
    return true;
}

QString Archive::salvage(const QString& movedTo) {
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(database);
    query.prepare(u"ATTACH DATABASE ? AS old"_s);
    query.addBindValue(movedTo);
    if (!query.exec())
        return {};
    int total = 0;
    int copied = 0;
    // The columns by name: whatever else was planted or altered in the old
    // file, the rows are checked here and again by the new file's constraints.
    static const QString columns =
        u"id, mode, site, croupier, started, changed, ended, end_reason, number, direction,"
        " n1, n2, last_number, count0, count1, unsaved0, unsaved1, launches"_s;
    if (query.exec(u"SELECT %1 FROM old.session ORDER BY id"_s.arg(columns))) {
        // The rows first, then each session on its own: a damaged page
        // costs the sessions on it and no other.
        std::vector<std::array<QVariant, 3>> rows;
        const archive_checks::RowCheck rowCheck(query.record());
        while (query.next()) {
            ++total;
            if (rowCheck.problem(query).isEmpty())
                rows.push_back({query.value(0), query.value(13), query.value(14)});
        }
        query.finish();
        QSqlQuery items(database);
        items.setForwardOnly(true);
        items.prepare(u"SELECT position, class FROM old.item"
                      " WHERE session_id = ? AND series = ? ORDER BY position"_s);
        std::vector<std::int8_t> scratch;
        QSqlQuery copy(database);
        copy.exec(u"BEGIN IMMEDIATE"_s);
        for (const auto& [id, count0, count1] : rows) {
            bool whole = true;
            for (int series = 0; series < 2 && whole; ++series) {
                archive_checks::SeriesCheck check(series == 0 ? count0 : count1);
                items.bindValue(0, id);
                items.bindValue(1, series);
                whole = items.exec();
                while (whole && items.next()) {
                    check.add(items.value(0), items.value(1), scratch);
                    scratch.clear();
                }
                whole = whole && !items.lastError().isValid() && check.whole();
                items.finish();
            }
            if (!whole)
                continue;
            copy.exec(u"SAVEPOINT session"_s);
            const bool done =
                copy.prepare(u"INSERT INTO main.session (%1) SELECT %1 FROM old.session"
                             " WHERE id = ?"_s.arg(columns)) &&
                (copy.addBindValue(id), copy.exec()) &&
                copy.prepare(u"INSERT INTO main.item (session_id, series, position, class,"
                             " number, direction) SELECT session_id, series, position, class,"
                             " number, direction FROM old.item"
                             " WHERE session_id = ? AND series IN (0, 1)"_s) &&
                (copy.addBindValue(id), copy.exec());
            // Where its launches came from, when the old file knew; its counts
            // are not trusted and are made again from the items when read.
            if (done && copy.prepare(u"INSERT INTO main.series_summary (session_id, series, origin)"
                                     " SELECT session_id, series, origin FROM old.series_summary"
                                     " WHERE session_id = ? AND series IN (0, 1)"
                                     " AND origin IN ('typed', 'loaded', 'imported')"_s)) {
                copy.addBindValue(id);
                copy.exec();
            }
            if (!done)
                copy.exec(u"ROLLBACK TO session"_s);
            copy.exec(u"RELEASE session"_s);
            copied += done ? 1 : 0;
        }
        if (!copy.exec(u"COMMIT"_s)) {
            copy.exec(u"ROLLBACK"_s);
            copied = 0;
        }
    }
    query.exec(u"DETACH DATABASE old"_s);
    if (total == 0)
        return {};
    return QCoreApplication::translate("Archive", ", con %1 sessioni su %2 recuperate")
        .arg(archive_checks::number(copied), archive_checks::number(total));
}

void Archive::fail(const QString& reason) {
    if (!m_available)
        return;
    rollback();
    m_available = false;
    tell(QCoreApplication::translate("Archive", "Archivio non disponibile: %1").arg(reason));
    emit becameUnavailable();
}

bool Archive::exec(QSqlQuery& query) {
    if (!m_available)
        return false;
    if (query.exec())
        return true;
    failWith(query.lastError());
    return false;
}

void Archive::failWith(const QSqlError& error) {
    // Damage found while working: the next start moves the file aside.
    if (isDamage(primaryCode(error))) {
        QFile marker(damageMarker());
        if (marker.open(QIODevice::WriteOnly))
            marker.close();
    }
    fail(reasonOf(error));
}

void Archive::rollback() {
    // What the keys held in memory said may be gone with the transaction.
    m_keys.clear();
    m_queueing = false;
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
    if (!fileIsOurs() && !relocate())
        return false;
    // Behind changes still waiting, a change waits too: they are written in order.
    if (m_pending.empty()) {
        if (m_queries->begin.exec()) {
            m_inTransaction = true;
            return true;
        }
        const QSqlError error = m_queries->begin.lastError();
        if (primaryCode(error) != kSqliteBusy) {
            failWith(error);
            return false;
        }
        // A second program holds the write lock longer than its usual change:
        // this change waits in memory and the table goes on.
        m_waitingSince.start();
        m_retry.start();
    }
    m_inTransaction = true;
    m_queueing = true;
    return true;
}

bool Archive::commit() {
    if (!m_available || !m_inTransaction)
        return false;
    if (m_queueing) {
        m_queueing = false;
        m_inTransaction = false;
        return true;
    }
    if (!exec(m_queries->commit))
        return false;
    m_inTransaction = false;
    // A change of many launches leaves a journal as large as itself; it is
    // cut now rather than at the end of the program. A reader in another
    // program may keep part of it: that part waits for the next large change.
    if (QFileInfo(m_path + u"-wal"_s).size() > kLargeJournal) {
        QSqlQuery checkpoint(QSqlDatabase::database(m_connection, false));
        checkpoint.exec(u"PRAGMA wal_checkpoint(TRUNCATE)"_s);
    }
    return true;
}

bool Archive::writePending() {
    if (m_pending.empty())
        return true;
    // Only between changes: the changes kept are whole ones.
    if (!m_available || m_inTransaction)
        return false;
    if (!m_queries->begin.exec()) {
        const QSqlError error = m_queries->begin.lastError();
        if (primaryCode(error) != kSqliteBusy) {
            failWith(error);
            return false;
        }
        if (!m_waitTold && m_waitingSince.isValid() && m_waitingSince.elapsed() >= m_noticeAfter) {
            m_waitTold = true;
            tell(QCoreApplication::translate("Archive",
                                             "Archivio occupato da un altro programma: le "
                                             "modifiche attendono in memoria che si liberi"));
        }
        return false;
    }
    m_inTransaction = true;
    // All that waited in one transaction: written whole, or (on a fault)
    // not at all, with the archive switched off.
    std::vector<std::function<bool()>> pending = std::move(m_pending);
    m_pending.clear();
    for (const std::function<bool()>& write : pending)
        if (!write())
            return false;
    const bool committed = commit();
    if (committed) {
        m_retry.stop();
        if (m_waitTold)
            tell(QCoreApplication::translate(
                "Archive", "Archivio di nuovo libero: le modifiche in attesa sono state scritte"));
        m_waitTold = false;
    }
    return committed;
}

bool Archive::relocate() {
    static std::atomic<int> relocations{0};
    const QString oldConnection = m_connection;
    m_queries.reset();
    m_keys.clear();
    m_file.reset();
    m_connection = u"%1-%2"_s.arg(oldConnection).arg(++relocations);
    const auto dropOld = [&oldConnection] {
        {
            QSqlDatabase old = QSqlDatabase::database(oldConnection, false);
            old.close();
        }
        QSqlDatabase::removeDatabase(oldConnection);
    };
    QString error;
    int code = -1;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    for (const QString& path : QStringList{m_path, m_path + u"-wal"_s, m_path + u"-shm"_s})
        if (error.isEmpty())
            error = archive_checks::notAFile(path);
    if (!error.isEmpty() || !openFile(&error, &code)) {
        dropOld();
        fail(QCoreApplication::translate("Archive", "il file dell'archivio è stato cancellato o "
                                                    "sostituito e non può essere rifatto (%1)")
                 .arg(error));
        return false;
    }
    // The old file is still open here, deleted or not: its sessions go into
    // the new one in one transaction of the old connection.
    std::vector<std::pair<qint64, qint64>> moved;
    bool copied = false;
    {
        QSqlDatabase old = QSqlDatabase::database(oldConnection, false);
        QSqlQuery query(old);
        static const QString columns =
            u"mode, site, croupier, started, changed, ended, end_reason, number, direction,"
            " n1, n2, last_number, count0, count1, unsaved0, unsaved1, launches"_s;
        query.prepare(u"ATTACH DATABASE ? AS fresh"_s);
        query.addBindValue(m_path);
        copied =
            query.exec() && query.exec(u"BEGIN IMMEDIATE"_s) &&
            query.exec(
                u"CREATE TEMP TABLE moved (old INTEGER PRIMARY KEY, new INTEGER NOT NULL)"_s) &&
            query.exec(u"INSERT INTO temp.moved SELECT id, id FROM main.session"
                       " WHERE id NOT IN (SELECT id FROM fresh.session)"_s) &&
            query.exec(u"INSERT INTO temp.moved SELECT id, (SELECT max(id) FROM fresh.session)"
                       " + (SELECT max(id) FROM main.session) + row_number() OVER (ORDER BY id)"
                       " FROM main.session WHERE id IN (SELECT id FROM fresh.session)"_s) &&
            query.exec(u"INSERT INTO fresh.session (id, %1) SELECT m.new, %1"
                       " FROM main.session s JOIN temp.moved m ON m.old = s.id"_s.arg(columns)) &&
            query.exec(
                u"INSERT INTO fresh.item (session_id, series, position, class, number,"
                " direction) SELECT m.new, i.series, i.position, i.class, i.number,"
                " i.direction FROM main.item i JOIN temp.moved m ON m.old = i.session_id"_s) &&
            query.exec(
                u"INSERT INTO fresh.series_summary SELECT m.new, u.series, u.origin, %1"
                " FROM main.series_summary u JOIN temp.moved m ON m.old = u.session_id"_s.arg(
                    series_summary_table::countColumnList())) &&
            query.exec(u"SELECT old, new FROM temp.moved WHERE old <> new"_s);
        while (copied && query.next())
            moved.emplace_back(query.value(0).toLongLong(), query.value(1).toLongLong());
        copied = copied && query.exec(u"COMMIT"_s);
        if (!copied)
            error = reasonOf(query.lastError());
        query.exec(u"ROLLBACK"_s);
        query.exec(u"DROP TABLE IF EXISTS temp.moved"_s);
        query.exec(u"DETACH DATABASE fresh"_s);
    }
    dropOld();
    if (!copied) {
        fail(QCoreApplication::translate("Archive", "il file dell'archivio è stato cancellato o "
                                                    "sostituito e le sessioni non sono state "
                                                    "copiate nel nuovo (%1)")
                 .arg(error));
        return false;
    }
    for (const auto& [from, to] : moved) {
        for (auto& entry : m_renumbered)
            if (entry.second == from)
                entry.second = to;
        m_renumbered[from] = to;
    }
    tellOnce(QCoreApplication::translate("Archive", "Archivio: il file è stato cancellato o "
                                                    "sostituito; le sessioni sono state scritte "
                                                    "in un nuovo file %1")
                 .arg(QDir::toNativeSeparators(m_path)));
    emit fileReplaced();
    for (const auto& [from, to] : moved)
        emit sessionMoved(from, to);
    return true;
}

qint64 Archive::createSession(SessionMode mode, const StoredSession& state) {
    if (!m_available)
        return 0;
    if (!m_queueing)
        return insertSessionRow(0, mode, state);
    // Its row cannot be made while another program holds the file: the
    // session takes the next free id now, and should that program take the
    // id meanwhile, the row is made under another and the old one follows it.
    qint64 id = m_lastProvisional;
    {
        QSqlQuery highest(QSqlDatabase::database(m_connection, false));
        if (highest.exec(u"SELECT max(id) FROM session"_s) && highest.next())
            id = std::max(id, highest.value(0).toLongLong());
    }
    m_lastProvisional = ++id;
    m_pending.push_back([this, id, mode, state] {
        QSqlQuery taken(QSqlDatabase::database(m_connection, false));
        taken.prepare(u"SELECT 1 FROM session WHERE id = ?"_s);
        taken.addBindValue(id);
        if (!exec(taken))
            return false;
        const qint64 made = insertSessionRow(taken.next() ? 0 : id, mode, state);
        if (made == 0)
            return false;
        if (made != id) {
            m_renumbered[id] = made;
            emit sessionMoved(id, made);
        }
        return true;
    });
    return id;
}

qint64 Archive::insertSessionRow(qint64 id, SessionMode mode, const StoredSession& state) {
    QSqlQuery& query = m_queries->insertSession;
    const QString now = timestamp(QDateTime::currentDateTime());
    const LaunchEntry& entry = state.entry;
    int i = 0;
    for (const QVariant& value :
         {id > 0 ? QVariant(id) : QVariant(QMetaType(QMetaType::LongLong)),
          QVariant(modeText(mode)), QVariant(now), QVariant(now), textValue(entry.site),
          textValue(entry.croupier), textValue(entry.number), directionValue(entry.direction),
          textValue(entry.n1), textValue(entry.n2), textValue(entry.lastNumber),
          QVariant(state.counts[0]), QVariant(state.counts[1]), QVariant(int{state.unsaved[0]}),
          QVariant(int{state.unsaved[1]}), QVariant(state.launches)})
        query.bindValue(i++, value);
    if (!exec(query))
        return 0;
    return query.lastInsertId().toLongLong();
}

bool Archive::perform(std::function<bool()> write) {
    if (!m_available)
        return false;
    if (!m_queueing)
        return write();
    m_pending.push_back(std::move(write));
    return true;
}

bool Archive::updateSession(qint64 id, const StoredSession& state) {
    return perform([this, id, state] {
        QSqlQuery& query = m_queries->updateSession;
        const LaunchEntry& entry = state.entry;
        int i = 0;
        for (const QVariant& value :
             {QVariant(timestamp(QDateTime::currentDateTime())), textValue(entry.site),
              textValue(entry.croupier), textValue(entry.number), directionValue(entry.direction),
              textValue(entry.n1), textValue(entry.n2), textValue(entry.lastNumber),
              QVariant(state.counts[0]), QVariant(state.counts[1]), QVariant(int{state.unsaved[0]}),
              QVariant(int{state.unsaved[1]}), QVariant(state.launches), QVariant(current(id))})
            query.bindValue(i++, value);
        return exec(query);
    });
}

std::vector<qint64>* Archive::keysOf(qint64 id, int series, qint64 size) {
    std::vector<qint64>& keys = m_keys[{id, series}];
    if (static_cast<qint64>(keys.size()) == size)
        return &keys;
    // Not known yet (or no longer): the file's own, in order.
    keys.clear();
    QSqlQuery& read = m_queries->readKeys;
    read.bindValue(0, id);
    read.bindValue(1, series);
    if (!exec(read))
        return nullptr;
    while (read.next())
        keys.push_back(read.value(0).toLongLong());
    const bool failed = read.lastError().isValid();
    read.finish();
    if (failed || static_cast<qint64>(keys.size()) != size) {
        m_keys.erase({id, series});
        fail(failed ? reasonOf(read.lastError())
                    : QCoreApplication::translate(
                          "Archive",
                          "dati dell'archivio incoerenti: la serie ha %1 lanci invece di %2")
                          .arg(archive_checks::number(static_cast<qint64>(keys.size())),
                               archive_checks::number(size)));
        return nullptr;
    }
    return &keys;
}

bool Archive::writeRows(qint64 id, int series, std::span<const Row> rows) {
    if (rows.size() == 1) {
        QSqlQuery& insert = m_queries->insertItem;
        insert.bindValue(0, id);
        insert.bindValue(1, series);
        insert.bindValue(2, rows.front().key);
        insert.bindValue(3, int{rows.front().distanceClass});
        insert.bindValue(4, rows.front().number.isEmpty() ? QVariant() : rows.front().number);
        insert.bindValue(5, directionValue(rows.front().direction));
        return exec(insert);
    }
    QSqlQuery& insert = m_queries->insertRows;
    for (std::size_t start = 0; start < rows.size(); start += kChunk) {
        // [[4096,3,"17","O"],[8192,-1,null,null],...]; a number is a pocket's digits.
        QByteArray json = "[";
        for (const Row& row : rows.subspan(start, std::min(kChunk, rows.size() - start))) {
            if (json.size() > 1)
                json += ',';
            json += '[' + QByteArray::number(row.key) + ',' +
                    QByteArray::number(row.distanceClass) + ',';
            const QByteArray number = row.number.toLatin1();
            const bool digits =
                !number.isEmpty() && std::all_of(number.begin(), number.end(),
                                                 [](char c) { return c >= '0' && c <= '9'; });
            json += digits ? '"' + number + '"' : QByteArray("null");
            json += row.direction ? (*row.direction == Direction::Clockwise ? ",\"O\"]" : ",\"A\"]")
                                  : ",null]";
        }
        json += ']';
        insert.bindValue(0, id);
        insert.bindValue(1, series);
        insert.bindValue(2, QString::fromLatin1(json));
        if (!exec(insert))
            return false;
    }
    return true;
}

bool Archive::insertRows(qint64 id, int series, qint64 first, std::vector<Row> rows,
                         qint64 countBefore) {
    std::vector<qint64>* keys = keysOf(id, series, countBefore);
    if (!keys)
        return false;
    if (first < 0 || first > countBefore) {
        fail(QCoreApplication::translate(
                 "Archive", "dati dell'archivio incoerenti: lancio %1 fuori dalla serie")
                 .arg(first));
        return false;
    }
    const auto at = static_cast<std::size_t>(first);
    item_keys::Placement placed = item_keys::place(*keys, at, rows.size());
    if (placed.end > at) {
        // The gap ran out: the few rows after it are written again, further apart.
        const auto bindRange = [&](QSqlQuery& query) {
            query.bindValue(0, id);
            query.bindValue(1, series);
            query.bindValue(2, (*keys)[at]);
            query.bindValue(3, (*keys)[placed.end - 1]);
            return exec(query);
        };
        QSqlQuery& read = m_queries->readRange;
        if (!bindRange(read))
            return false;
        while (read.next())
            rows.push_back({0, static_cast<std::int8_t>(read.value(0).toInt()),
                            read.value(1).toString(),
                            archive_checks::direction(read.value(2)).value_or(std::nullopt)});
        read.finish();
        if (!bindRange(m_queries->deleteRange))
            return false;
    }
    if (rows.size() != placed.keys.size()) {
        fail(QCoreApplication::translate(
            "Archive", "dati dell'archivio incoerenti: righe mancanti nella serie"));
        return false;
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].key = placed.keys[i];
    if (!writeRows(id, series, rows))
        return false;
    keys->insert(keys->begin() + static_cast<std::ptrdiff_t>(at),
                 placed.keys.size() - (placed.end - at), 0);
    std::copy(placed.keys.begin(), placed.keys.end(),
              keys->begin() + static_cast<std::ptrdiff_t>(at));
    return true;
}

bool Archive::insertItems(qint64 id, int series, qint64 first, std::span<const std::int8_t> classes,
                          qint64 countBefore, const QString& number,
                          std::optional<Direction> direction) {
    if (classes.empty())
        return m_available;
    std::vector<Row> rows;
    rows.reserve(classes.size());
    for (const std::int8_t distanceClass : classes)
        rows.push_back({0, distanceClass, {}, std::nullopt});
    if (rows.size() == 1) {
        rows.front().number = number;
        rows.front().direction = direction;
    }
    return perform([this, id, series, first, rows = std::move(rows), countBefore]() mutable {
        return insertRows(current(id), series, first, std::move(rows), countBefore);
    });
}

bool Archive::removeItems(qint64 id, int series, qint64 first, qint64 last, qint64 countAfter) {
    return perform([this, id, series, first, last, countAfter] {
        const qint64 at = current(id);
        std::vector<qint64>* keys = keysOf(at, series, countAfter + (last - first + 1));
        if (!keys)
            return false;
        if (first < 0 || last < first || last >= static_cast<qint64>(keys->size())) {
            fail(QCoreApplication::translate(
                     "Archive", "dati dell'archivio incoerenti: lanci %1-%2 fuori dalla serie")
                     .arg(first)
                     .arg(last));
            return false;
        }
        // The rows after them keep their keys: nothing else is written.
        QSqlQuery& remove = m_queries->deleteRange;
        remove.bindValue(0, at);
        remove.bindValue(1, series);
        remove.bindValue(2, (*keys)[static_cast<std::size_t>(first)]);
        remove.bindValue(3, (*keys)[static_cast<std::size_t>(last)]);
        if (!exec(remove))
            return false;
        keys->erase(keys->begin() + static_cast<std::ptrdiff_t>(first),
                    keys->begin() + static_cast<std::ptrdiff_t>(last + 1));
        return true;
    });
}

bool Archive::replaceItems(qint64 id, int series, std::span<const std::int8_t> classes) {
    return perform([this, id, series, classes = std::vector(classes.begin(), classes.end())] {
        const qint64 at = current(id);
        QSqlQuery& remove = m_queries->deleteSeries;
        remove.bindValue(0, at);
        remove.bindValue(1, series);
        if (!exec(remove))
            return false;
        std::vector<qint64>& keys = m_keys[{at, series}];
        keys.clear();
        QSqlQuery& insert = m_queries->insertMany;
        for (std::size_t start = 0; start < classes.size(); start += kChunk) {
            const std::span<const std::int8_t> part =
                std::span(classes).subspan(start, std::min(kChunk, classes.size() - start));
            insert.bindValue(0, at);
            insert.bindValue(1, series);
            insert.bindValue(2, static_cast<qint64>(start));
            insert.bindValue(3, item_keys::kGap);
            insert.bindValue(4, jsonArray(part));
            if (!exec(insert)) {
                m_keys.erase({at, series});
                return false;
            }
        }
        keys.reserve(classes.size());
        for (std::size_t i = 0; i < classes.size(); ++i)
            keys.push_back(static_cast<qint64>(i) * item_keys::kGap);
        return true;
    });
}

bool Archive::writeSummary(qint64 id, int series, SeriesOrigin origin,
                           const analysis::SeriesSummary& summary) {
    return perform([this, id, series, origin, summary] {
        series_summary_table::bindCounts(m_queries->summary, current(id), series, origin, summary);
        return exec(m_queries->summary);
    });
}

bool Archive::setOrigin(qint64 id, int series, SeriesOrigin origin) {
    return perform([this, id, series, origin] {
        QSqlQuery& query = m_queries->origin;
        query.bindValue(0, current(id));
        query.bindValue(1, series);
        query.bindValue(2, series_summary_table::originText(origin));
        return exec(query);
    });
}

std::optional<SeriesOrigin> Archive::origin(qint64 id, int series) {
    id = current(id);
    if (!m_available)
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(u"SELECT origin FROM series_summary WHERE session_id = ? AND series = ?"_s);
    query.addBindValue(id);
    query.addBindValue(series);
    if (!query.exec() || !query.next())
        return std::nullopt;
    for (const SeriesOrigin origin :
         {SeriesOrigin::Typed, SeriesOrigin::Loaded, SeriesOrigin::Imported})
        if (query.value(0).toString() == series_summary_table::originText(origin))
            return origin;
    return std::nullopt;
}

bool Archive::endSession(qint64 id, const QString& reason) {
    return perform([this, id, reason] {
        const qint64 at = current(id);
        QSqlQuery& query = m_queries->endSession;
        query.bindValue(0, timestamp(QDateTime::currentDateTime()));
        query.bindValue(1, reason);
        query.bindValue(2, at);
        m_keys.erase({at, 0});
        m_keys.erase({at, 1});
        return exec(query);
    });
}

bool Archive::appendItems(qint64 id, int series, qint64 first, std::span<const ArchiveItem> items) {
    std::vector<Row> rows;
    rows.reserve(items.size());
    for (const ArchiveItem& item : items)
        rows.push_back({0, item.distanceClass, item.number, item.direction});
    return perform([this, id, series, first, rows = std::move(rows)]() mutable {
        return rows.empty() || insertRows(current(id), series, first, std::move(rows), first);
    });
}

bool Archive::setStarted(qint64 id, const QDateTime& started) {
    return perform([this, id, started] {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.prepare(u"UPDATE session SET started = ? WHERE id = ?"_s);
        query.bindValue(0, timestamp(started));
        query.bindValue(1, current(id));
        return exec(query);
    });
}

bool Archive::reopenSession(qint64 id) {
    return perform([this, id] {
        QSqlQuery& query = m_queries->reopenSession;
        query.bindValue(0, current(id));
        return exec(query);
    });
}

std::unique_ptr<SessionLock> Archive::lockSession(qint64 id) const {
    // A damaged row is never written again: whoever asks for it is told it is taken.
    if (id < 1 || m_damaged.contains(id))
        return nullptr;
    return SessionLock::tryLock(m_path + u".sessioni"_s, id);
}

void Archive::markDamaged(qint64 id) {
    m_damaged.insert(id);
    // Outside a change only: the mark must not ride on (or break) a writer's transaction.
    if (m_inTransaction || !m_available)
        return;
    QSqlQuery mark(QSqlDatabase::database(m_connection, false));
    mark.prepare(u"UPDATE session SET ended = coalesce(ended, ?), end_reason = ? WHERE id = ?"_s);
    mark.addBindValue(timestamp(QDateTime::currentDateTime()));
    mark.addBindValue(kEndDamaged);
    mark.addBindValue(id);
    mark.exec();
}

std::vector<StoredSession> Archive::interruptedSessions() {
    std::vector<StoredSession> offered;
    if (!m_available)
        return offered;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(u"SELECT id, mode, changed, count0, count1, unsaved0, unsaved1 FROM session"
                  " WHERE end_reason IS NOT ? ORDER BY changed DESC, id DESC LIMIT 64"_s);
    query.addBindValue(kEndDamaged);
    if (!query.exec()) {
        tellOnce(
            QCoreApplication::translate("Archive", "Archivio: sessioni interrotte illeggibili (%1)")
                .arg(reasonOf(query.lastError())));
        return offered;
    }
    const archive_checks::RowCheck check(query.record());
    // Only the newest session of each mode counts: an older one was left for it.
    std::set<SessionMode> modesSeen;
    while (query.next()) {
        if (const QString problem = check.problem(query); !problem.isEmpty()) {
            tellOnce(QCoreApplication::translate("Archive", "Archivio: sessione %1 rifiutata: %2")
                         .arg(archive_checks::sessionName(query.value(0).toLongLong()), problem));
            continue;
        }
        const qint64 id = query.value(0).toLongLong();
        const SessionMode mode = *modeFromText(query.value(1).toString());
        // A session another running program works on is not interrupted.
        if (modesSeen.contains(mode) || !lockSession(id))
            continue;
        modesSeen.insert(mode);
        const qint64 count0 = query.value(3).toLongLong();
        const qint64 count1 = query.value(4).toLongLong();
        const bool unsaved = (query.value(5).toLongLong() == 1 && count0 > 0) ||
                             (query.value(6).toLongLong() == 1 && count1 > 0);
        if (!unsaved)
            continue;
        StoredSession& session = offered.emplace_back();
        session.id = id;
        session.mode = mode;
        session.changed = *archive_checks::moment(query.value(2));
        session.counts = {count0, count1};
    }
    if (query.lastError().isValid())
        tellOnce(
            QCoreApplication::translate("Archive", "Archivio: sessioni interrotte illeggibili (%1)")
                .arg(reasonOf(query.lastError())));
    return offered;
}

std::optional<StoredSession> Archive::readSession(qint64 id) {
    if (!m_available)
        return std::nullopt;
    const QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    QSqlQuery row(database);
    row.setForwardOnly(true);
    row.prepare(u"SELECT mode, started, changed, ended, end_reason, site, croupier, number,"
                " direction, n1, n2, last_number, unsaved0, unsaved1, launches, count0, count1"
                " FROM session WHERE id = ?"_s);
    row.bindValue(0, id);
    if (!row.exec() || !row.next()) {
        tellOnce(QCoreApplication::translate("Archive", "Archivio: sessione %1 illeggibile: %2")
                     .arg(archive_checks::sessionName(id),
                          row.lastError().isValid()
                              ? reasonOf(row.lastError())
                              : QCoreApplication::translate("Archive", "non è più nell'archivio")));
        return std::nullopt;
    }
    const QString name = archive_checks::sessionName(id, row.value(0).toString(), row.value(1));
    if (const QString problem = archive_checks::RowCheck(row.record()).problem(row);
        !problem.isEmpty()) {
        tellOnce(QCoreApplication::translate("Archive", "Archivio: sessione %1 rifiutata: %2")
                     .arg(name, problem));
        return std::nullopt;
    }
    const QString text =
        QCoreApplication::translate("Archive", "Archivio: sessione %1 rifiutata: testo non valido")
            .arg(name);
    for (int column : {4, 5, 6, 7, 9, 10, 11})
        if (!row.isNull(column) && row.value(column).metaType().id() != QMetaType::QString) {
            tellOnce(text);
            return std::nullopt;
        }
    StoredSession stored;
    stored.id = id;
    stored.mode = *modeFromText(row.value(0).toString());
    stored.started = *archive_checks::moment(row.value(1));
    stored.changed = *archive_checks::moment(row.value(2));
    if (!row.value(3).isNull())
        stored.ended = *archive_checks::moment(row.value(3));
    stored.endReason = row.value(4).toString();
    stored.entry = {.number = row.value(7).toString(),
                    .direction = *archive_checks::direction(row.value(8)),
                    .n1 = row.value(9).toString(),
                    .n2 = row.value(10).toString(),
                    .lastNumber = row.value(11).toString(),
                    .site = row.value(5).toString(),
                    .croupier = row.value(6).toString()};
    stored.unsaved = {row.value(12).toLongLong() == 1, row.value(13).toLongLong() == 1};
    stored.launches = row.value(14).toLongLong();
    const std::array<QVariant, 2> counts{row.value(15), row.value(16)};
    stored.counts = {row.value(15).toLongLong(), row.value(16).toLongLong()};
    row.finish();

    QSqlQuery items(database);
    items.setForwardOnly(true);
    items.prepare(u"SELECT position, class FROM item"
                  " WHERE session_id = ? AND series = ? ORDER BY position"_s);
    qint64 recovered = 0;
    qint64 expected = 0;
    bool whole = true;
    std::array<std::vector<qint64>, WorkingSession::kSeriesCount> keys;
    for (int series = 0; series < WorkingSession::kSeriesCount; ++series) {
        const auto index = static_cast<std::size_t>(series);
        archive_checks::SeriesCheck check(counts[index]);
        items.bindValue(0, id);
        items.bindValue(1, series);
        if (items.exec()) {
            while (items.next()) {
                check.add(items.value(0), items.value(1), stored.classes[index]);
                keys[index].push_back(items.value(0).toLongLong());
            }
        }
        // A damaged page ends the read where it lies: what came before it is kept.
        if (items.lastError().isValid()) {
            whole = false;
            if (isDamage(primaryCode(items.lastError()))) {
                QFile marker(damageMarker());
                if (marker.open(QIODevice::WriteOnly))
                    marker.close();
            }
        }
        items.finish();
        whole = whole && check.whole();
        recovered += check.kept();
        expected += check.expected();
    }
    if (!whole) {
        tellOnce(
            QCoreApplication::translate(
                "Archive", "sessione danneggiata: recuperati %1 lanci su %2 (sessione %3)")
                .arg(archive_checks::number(recovered), archive_checks::number(expected), name));
        markDamaged(id);
    } else if (!m_inTransaction) {
        // A restore goes on in this row: its keys are known without a second read.
        for (int series = 0; series < WorkingSession::kSeriesCount; ++series)
            m_keys[{id, series}] = std::move(keys[static_cast<std::size_t>(series)]);
    }
    return stored;
}

} // namespace rotamind
