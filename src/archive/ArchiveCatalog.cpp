#include "archive/ArchiveCatalog.h"

#include "archive/ArchiveChecks.h"
#include "archive/ArchiveSchema.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {

QString connectionName() {
    // Qt keeps connections by name for the whole process; each catalog needs
    // its own so that closing one never pulls the file from under another.
    static QAtomicInteger<int> next = 0;
    return u"rotamind-catalog-%1"_s.arg(next.fetchAndAddRelaxed(1));
}

} // namespace

ArchiveCatalog::ArchiveCatalog(QString path)
    : m_path(std::move(path)), m_connection(connectionName()) {}

ArchiveCatalog::~ArchiveCatalog() {
    close();
}

// The connection lives for one read only. A connection follows its file, not
// its path: kept open, it would go on reading a file the recorder has removed
// or moved aside, and share the WAL index of the new file made at that path.
bool ArchiveCatalog::open(QString* error, bool* laidOut) {
    // Checked before any open: SQLite would wait for ever on a FIFO.
    for (const QString& path : QStringList{m_path, m_path + u"-wal"_s, m_path + u"-shm"_s}) {
        *error = archive_checks::notAFile(path);
        if (!error->isEmpty())
            return false;
    }
    m_database = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
    m_database.setDatabaseName(m_path);
    // Read-only: SQLite would otherwise create a missing file, and a reader has
    // no business taking a write lock the recorder may be waiting for.
    m_database.setConnectOptions(u"QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"_s);
    if (!m_database.open()) {
        *error = archive_checks::reasonOf(m_database.lastError());
        close();
        return false;
    }
    if (!archive_schema::harden(m_database, error)) {
        close();
        return false;
    }
    const archive_schema::Inspection found = archive_schema::inspect(m_database);
    if (found.verdict != archive_schema::Inspection::Verdict::Sound) {
        *error = found.verdict == archive_schema::Inspection::Verdict::Damaged
                     ? QCoreApplication::translate("ArchiveCatalog", "archivio danneggiato: %1")
                           .arg(found.reason)
                     : found.reason;
        close();
        return false;
    }
    *laidOut = found.version > 0;
    m_version = found.version;
    return true;
}

namespace {
// A read that fails part way keeps none of what it had read.
template <typename Result> Result failedRead(Result& result, const QString& reason) {
    result.status = ArchiveCatalog::Status::Failed;
    result.error = reason;
    result.sessions.clear();
    return std::move(result);
}
} // namespace

template <typename Result> bool ArchiveCatalog::beginRead(Result& result) {
    if (!QFileInfo::exists(m_path))
        return false;
    QString error;
    bool laidOut = false;
    if (!open(&error, &laidOut)) {
        result.status = Status::Failed;
        result.error = error;
        return false;
    }
    result.status = Status::Read;
    if (!laidOut)
        close();
    return laidOut;
}

QSqlQuery ArchiveCatalog::forwardQuery() const {
    // Forward only: ten thousand rows are copied once into what a reader
    // returns and never scrolled back.
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    return query;
}

void ArchiveCatalog::close() {
    if (!m_database.isValid())
        return;
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

ArchiveCatalog::Listing ArchiveCatalog::sessions() {
    Listing listing;
    if (!beginRead(listing))
        return listing;
    const auto done = qScopeGuard([this] { close(); });

    QSqlQuery query = forwardQuery();
    if (!query.exec(u"SELECT id, mode, site, croupier, started, count0, count1 "
                    "FROM session ORDER BY started DESC, id DESC"_s))
        return failedRead(listing, archive_checks::reasonOf(query.lastError()));
    const archive_checks::RowCheck check(query.record());
    while (query.next()) {
        if (const QString problem = check.problem(query); !problem.isEmpty()) {
            listing.refused.append(
                QCoreApplication::translate("ArchiveCatalog", "sessione %1 rifiutata: %2")
                    .arg(archive_checks::sessionName(query.value(0).toLongLong()), problem));
            continue;
        }
        StoredSession& session = listing.sessions.emplace_back();
        session.id = query.value(0).toLongLong();
        session.mode = *modeFromText(query.value(1).toString());
        session.entry.site = query.value(2).toString();
        session.entry.croupier = query.value(3).toString();
        // The row check has read the start already: a listed row's is sound.
        session.started = archive_checks::moment(query.value(4)).value_or(QDateTime{});
        session.counts = {query.value(5).toLongLong(), query.value(6).toLongLong()};
    }
    // A damaged page part way: the sessions before it are listed, the loss told.
    if (query.lastError().isValid())
        listing.refused.append(
            QCoreApplication::translate("ArchiveCatalog", "elenco interrotto: %1")
                .arg(archive_checks::reasonOf(query.lastError())));
    return listing;
}

ArchiveCatalog::PlaceHistory ArchiveCatalog::placeHistory(SessionMode mode, const QString& site,
                                                          const QString& croupier) {
    PlaceHistory history;
    if (!beginRead(history))
        return history;
    const auto done = qScopeGuard([this] { close(); });

    QSqlQuery query = forwardQuery();

    // One statement is one snapshot: the recorder commits whole changes, so
    // every series read agrees with its count.
    query.prepare(u"SELECT s.id, i.series, i.position, i.class, "
                  "CASE i.series WHEN 0 THEN s.count0 ELSE s.count1 END "
                  "FROM session s JOIN session t ON t.id = s.id "
                  "JOIN item i ON i.session_id = s.id "
                  // Found by the place's index, then read again by id as every
                  // other reader reads it: a damaged index can point elsewhere.
                  "WHERE s.mode = ? AND s.site = ? AND s.croupier = ? AND +t.mode = s.mode "
                  "AND +t.site = s.site AND +t.croupier = s.croupier "
                  "ORDER BY s.id, i.series, i.position"_s);
    query.addBindValue(mode == SessionMode::Easy ? u"EASY"_s : u"PRO"_s);
    query.addBindValue(site);
    query.addBindValue(croupier);
    if (!query.exec())
        return failedRead(history, archive_checks::reasonOf(query.lastError()));
    std::optional<qint64> lastId;
    int lastIndex = -1;
    std::optional<archive_checks::SeriesCheck> check;
    // A series with a gap, a foreign class or a wrong count would put classes
    // next to launches they never followed; it is left out whole.
    const auto finish = [&] {
        if (!check || check->whole())
            return;
        history.sessions.back()[static_cast<std::size_t>(lastIndex)].clear();
        history.refused.append(
            QCoreApplication::translate("ArchiveCatalog", "sessione %1, serie %2: %3")
                .arg(archive_checks::sessionName(*lastId), QString::number(lastIndex),
                     check->problem()));
    };
    while (query.next()) {
        const std::optional<qint64> id = archive_checks::id(query.value(0));
        const std::optional<qint64> index = archive_checks::integer(query.value(1));
        if (!id || !index || (*index != 0 && *index != 1)) {
            const QString refusal =
                QCoreApplication::translate("ArchiveCatalog",
                                            "sessione %1 rifiutata: numero o serie non validi")
                    .arg(archive_checks::sessionName(query.value(0).toLongLong()));
            if (!history.refused.contains(refusal))
                history.refused.append(refusal);
            continue;
        }
        if (id != lastId || *index != lastIndex) {
            finish();
            if (id != lastId)
                history.sessions.emplace_back();
            lastId = id;
            lastIndex = static_cast<int>(*index);
            check.emplace(query.value(4));
        }
        check->add(query.value(2), query.value(3),
                   history.sessions.back()[static_cast<std::size_t>(lastIndex)]);
    }
    finish();
    if (query.lastError().isValid())
        return failedRead(history, archive_checks::reasonOf(query.lastError()));
    return history;
}

ArchiveCatalog::PlacePool ArchiveCatalog::placePool(SessionMode mode, const QString& site,
                                                    const QString& croupier) {
    PlacePool place;
    if (!beginRead(place))
        return place;
    auto done = qScopeGuard([this] { close(); });
    if (m_version < 2) {
        // A file the recorder could not bring up to date (read-only): its
        // series counted from their items, none known to have been loaded.
        done.dismiss();
        close();
        PlaceHistory history = placeHistory(mode, site, croupier);
        place.status = history.status;
        place.error = history.error;
        place.pool.refused = history.refused;
        for (const std::array<Classes, 2>& session : history.sessions)
            for (std::size_t series = 0; series < 2; ++series)
                if (!session[series].empty()) {
                    place.pool.pooled[series] += analysis::SeriesSummary::of(session[series]);
                    ++place.pool.sessions[series];
                }
        return place;
    }
    // One snapshot: the recorder commits a series and its counts together.
    if (!m_database.transaction()) {
        place.status = Status::Failed;
        place.error = archive_checks::reasonOf(m_database.lastError());
        return place;
    }
    if (!series_summary_table::readPlace(m_database,
                                         mode == SessionMode::Easy ? u"EASY"_s : u"PRO"_s, site,
                                         croupier, &place.pool, &place.error)) {
        place.status = Status::Failed;
        place.pool = {};
    }
    m_database.rollback();
    return place;
}

std::variant<ArchiveCatalog::Classes, QString> ArchiveCatalog::classes(qint64 sessionId,
                                                                       int series) {
    bool whole = false;
    QString damage;
    auto read = readSeries(sessionId, series, &whole, &damage);
    // A gap would shift every later class to the wrong launch; a series is
    // given whole or not at all.
    if (std::holds_alternative<Classes>(read) && !whole)
        return damage;
    return read;
}

std::variant<ArchiveCatalog::Recovered, QString> ArchiveCatalog::recoverable(qint64 sessionId,
                                                                             int series) {
    bool whole = false;
    QString damage;
    auto read = readSeries(sessionId, series, &whole, &damage);
    if (QString* reason = std::get_if<QString>(&read))
        return *reason;
    return Recovered{std::get<Classes>(std::move(read)), whole ? QString() : damage};
}

std::variant<ArchiveCatalog::Classes, QString>
ArchiveCatalog::readSeries(qint64 sessionId, int series, bool* whole, QString* damage) {
    if (series < 0 || series > 1)
        return QCoreApplication::translate("ArchiveCatalog", "serie %1 inesistente").arg(series);
    if (!QFileInfo::exists(m_path))
        return QCoreApplication::translate("ArchiveCatalog", "l'archivio non esiste più");
    QString error;
    bool laidOut = false;
    if (!open(&error, &laidOut))
        return error;
    const auto done = qScopeGuard([this] { close(); });
    if (!laidOut)
        return QCoreApplication::translate("ArchiveCatalog", "la sessione non è più nell'archivio");
    // One snapshot for the count and the items: the recorder may be adding to
    // this very session meanwhile.
    if (!m_database.transaction())
        return archive_checks::reasonOf(m_database.lastError());
    const auto read = [&]() -> std::variant<Classes, QString> {
        QSqlQuery query = forwardQuery();
        query.prepare(u"SELECT count%1 FROM session WHERE id = ?"_s.arg(series));
        query.addBindValue(sessionId);
        if (!query.exec())
            return archive_checks::reasonOf(query.lastError());
        if (!query.next())
            return QCoreApplication::translate("ArchiveCatalog",
                                               "la sessione non è più nell'archivio");
        // The stored count is compared with the rows, never used as a size.
        archive_checks::SeriesCheck check(query.value(0));
        query.finish();

        query.prepare(u"SELECT position, class FROM item "
                      "WHERE session_id = ? AND series = ? ORDER BY position"_s);
        query.addBindValue(sessionId);
        query.addBindValue(series);
        if (!query.exec())
            return archive_checks::reasonOf(query.lastError());
        Classes classes;
        while (query.next())
            check.add(query.value(0), query.value(1), classes);
        // A damaged page ends the read where it lies: what came before it is kept.
        const bool broken = query.lastError().isValid();
        *whole = !broken && check.whole();
        if (broken)
            *damage = QCoreApplication::translate(
                          "ArchiveCatalog", "sessione danneggiata: %1; recuperati %2 lanci su %3")
                          .arg(archive_checks::reasonOf(query.lastError()),
                               archive_checks::number(check.kept()),
                               archive_checks::number(check.expected()));
        else if (!*whole)
            *damage = QCoreApplication::translate(
                          "ArchiveCatalog", "sessione danneggiata: %1; recuperati %2 lanci su %3")
                          .arg(check.problem(), archive_checks::number(check.kept()),
                               archive_checks::number(check.expected()));
        return classes;
    };
    auto result = read();
    m_database.rollback();
    return result;
}

} // namespace rotamind
