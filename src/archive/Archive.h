#pragma once

#include "archive/ArchiveItem.h"
#include "archive/SeriesSummaryTable.h"
#include "archive/SessionLock.h"
#include "archive/StoredSession.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <vector>

class QSqlError;
class QSqlQuery;

namespace rotamind {

// The session archive: one SQLite file, one connection of its own per
// instance, so that two instances (or two programs) on one file each work.
// Every fault leaves the program working from memory: the archive switches
// itself off and tells it once through message(). A file that is no SQLite
// database, a damaged one or one whose schema is not the archive's is moved
// aside under a dated name and a new one is made with every session that
// could still be read whole, which is told once too. Nothing read from the
// file is trusted: a session that fails a check is refused, named in a
// message, and the others stay available.
//
// Writes come in transactions: begin(), any of the writes, commit(). A write
// that fails rolls the transaction back and switches the archive off. While
// a second program holds the file's write lock, the changes wait in memory,
// in order, and are written when it frees; the player is told only when that
// takes long.
class Archive final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Archive)

public:
    // Ends of a session, kept in session.end_reason.
    static inline const QString kEndClosed = QStringLiteral("closed");
    static inline const QString kEndReplaced = QStringLiteral("replaced");
    // Found damaged when read back: its row is kept as it was, never written
    // again, and never offered; a restore of what was recovered goes on in a
    // new row.
    static inline const QString kEndDamaged = QStringLiteral("damaged");

    // QStandardPaths::AppDataLocation + "/archive.sqlite".
    static QString defaultPath();

    explicit Archive(QString path = defaultPath(), QObject* parent = nullptr);
    ~Archive() override;

    // Makes the folder, opens or makes the file and brings it to the current
    // schema. False when the archive cannot be used (told through message()).
    bool open();
    bool isAvailable() const { return m_available; }
    const QString& path() const { return m_path; }
    // The connection, for readers (the archive window); invalid when unavailable.
    QSqlDatabase database() const;
    // Every message told so far, oldest first ("Archivio non disponibile: ...").
    const QStringList& messages() const { return m_messages; }

    // ---- reading ----
    // The sessions to offer back, newest first: at most one per mode, each
    // with its id, mode, last change and counts. Rows
    // that fail a check are told once and passed over.
    std::vector<StoredSession> interruptedSessions();
    // The session as far as it can be read. When fewer classes than its row
    // says come back, "sessione danneggiata: recuperati 2.301 lanci su 2.800"
    // is told and the session is marked damaged (see kEndDamaged).
    std::optional<StoredSession> readSession(qint64 id);

    // ---- writing: one transaction per change of a session ----
    // Also where a file deleted or replaced under the program is noticed:
    // see fileReplaced().
    bool begin();
    bool commit();
    bool inTransaction() const { return m_inTransaction; }
    // Changes waiting in memory for a second program's write lock.
    bool hasPending() const { return !m_pending.empty(); }
    // Tries to write them now (a timer tries every quarter of a second);
    // true when nothing waits any more.
    bool writePending();
    // After how long a wait for the lock the player is told (5 s).
    void setWaitNoticeAfter(int milliseconds) { m_noticeAfter = milliseconds; }
    // A new session row from the entry, counts, unsaved flags and launches
    // of `state`; its id, 0 on failure.
    qint64 createSession(SessionMode mode, const StoredSession& state);
    bool updateSession(qint64 id, const StoredSession& state);
    // Classes at positions first.. of a series that had `countBefore` items;
    // those from `first` on move up. number/direction may be empty.
    bool insertItems(qint64 id, int series, qint64 first, std::span<const std::int8_t> classes,
                     qint64 countBefore, const QString& number = {},
                     std::optional<Direction> direction = {});
    // Removes positions first..last of a series that has `countAfter` items
    // after the removal; those after `last` move down.
    bool removeItems(qint64 id, int series, qint64 first, qint64 last, qint64 countAfter);
    // The whole series replaced (a reset, a load).
    bool replaceItems(qint64 id, int series, std::span<const std::int8_t> classes);
    bool endSession(qint64 id, const QString& reason);
    // The counts the analysis block pools for a series, as they stand after
    // the change being written; `origin` only for a series without a row yet.
    bool writeSummary(qint64 id, int series, SeriesOrigin origin,
                      const analysis::SeriesSummary& summary);
    // Where the launches of a series came from, changed or read back.
    bool setOrigin(qint64 id, int series, SeriesOrigin origin);
    std::optional<SeriesOrigin> origin(qint64 id, int series);
    // Items appended at positions first.. of a series that ends there, each
    // with its number and direction: an imported series in a few statements.
    bool appendItems(qint64 id, int series, qint64 first, std::span<const ArchiveItem> items);
    // A session's start set to `started` (an imported session keeps its own).
    bool setStarted(qint64 id, const QDateTime& started);
    bool reopenSession(qint64 id);

    // Held while a program works on session `id`; nothing when another
    // running program (or another instance here) holds it.
    std::unique_ptr<SessionLock> lockSession(qint64 id) const;

    // Switches the archive off and tells "Archivio non disponibile: <reason>" once.
    void fail(const QString& reason);

signals:
    // A message for the user, shown without blocking; each is told once.
    void message(const QString& text);
    // The archive was switched off: its writers stop.
    void becameUnavailable();
    // The file at path() was deleted or replaced while the program ran. Every
    // session of the file the program had open has been written into the one
    // now at path() under the same id, except those whose id the new file
    // already used: each of those was given a new one, told by sessionMoved;
    // the writes go on taking the old id and reach the row under the new one.
    void fileReplaced();
    void sessionMoved(qint64 from, qint64 to);

private:
    struct Queries;
    // An item as written: its key orders the series (see ItemKeys.h).
    struct Row {
        qint64 key = 0;
        std::int8_t distanceClass = 0;
        QString number;
        std::optional<Direction> direction;
    };
    // Runs `write` now, or keeps it for writePending() while changes wait.
    bool perform(std::function<bool()> write);
    qint64 insertSessionRow(qint64 id, SessionMode mode, const StoredSession& state);
    // The keys of a series of `size` items, ascending; nullptr (and the
    // archive off) when the file does not hold that many.
    std::vector<qint64>* keysOf(qint64 id, int series, qint64 size);
    bool insertRows(qint64 id, int series, qint64 first, std::vector<Row> rows, qint64 countBefore);
    bool writeRows(qint64 id, int series, std::span<const Row> rows);
    bool openFile(QString* error, int* code);
    // Sessions of the file set aside at `movedTo` copied whole into the new
    // one; "" or "; recuperate 41 sessioni su 42".
    QString salvage(const QString& movedTo);
    // Whether the file at path() is still the one the connection has open.
    bool fileIsOurs() const;
    void rememberFile();
    // The old file's sessions into the file now at path(); false when it failed.
    bool relocate();
    // Marks a session found damaged so that it is never written again.
    void markDamaged(qint64 id);
    void tellOnce(const QString& text);
    // The id a session's row has now in the file, for the id its writer knows.
    qint64 current(qint64 id) const {
        const auto found = m_renumbered.find(id);
        return found == m_renumbered.end() ? id : found->second;
    }
    void closeConnection();
    bool moveAside(QString* movedTo);
    bool exec(QSqlQuery& query);
    void failWith(const QSqlError& error);
    void tell(const QString& text);
    void rollback();
    QString damageMarker() const;

    QString m_path;
    QString m_connection;
    bool m_available = false;
    bool m_inTransaction = false;
    QStringList m_messages;
    std::unique_ptr<Queries> m_queries;
    // The file the connection has open, as the kernel names it.
    std::optional<std::pair<quint64, quint64>> m_file;
    std::set<qint64> m_damaged;
    std::map<qint64, qint64> m_renumbered;
    // The keys of the series this archive writes, so that a row is found by
    // its place without a scan; loaded from the file when not known.
    std::map<std::pair<qint64, int>, std::vector<qint64>> m_keys;
    // Changes waiting for the write lock, oldest first.
    std::vector<std::function<bool()>> m_pending;
    bool m_queueing = false; // the open transaction is kept in memory
    qint64 m_lastProvisional = 0;
    QTimer m_retry;
    QElapsedTimer m_waitingSince;
    int m_noticeAfter = 5000;
    bool m_waitTold = false;
};

} // namespace rotamind
