#include "archive/ArchiveCatalog.h"

#include "archive/ArchiveSchema.h"

#include <QAtomicInteger>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
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
bool ArchiveCatalog::open(QString* error) {
    m_database = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
    m_database.setDatabaseName(m_path);
    // Read-only: SQLite would otherwise create a missing file, and a reader has
    // no business taking a write lock the recorder may be waiting for.
    m_database.setConnectOptions(u"QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"_s);
    if (m_database.open())
        return true;
    *error = m_database.lastError().text();
    close();
    return false;
}

void ArchiveCatalog::close() {
    if (!m_database.isValid())
        return;
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

namespace {
// The layout version of the open file (0: created by the recorder but not
// yet laid out), or why it cannot be read here.
std::variant<int, QString> layoutVersion(QSqlQuery& query) {
    if (!query.exec(u"PRAGMA user_version"_s) || !query.next())
        return query.lastError().text();
    const int version = query.value(0).toInt();
    if (version > archive_schema::kVersion)
        return u"archivio di una versione più recente del programma"_s;
    return version;
}
} // namespace

ArchiveCatalog::Listing ArchiveCatalog::sessions() {
    Listing listing;
    if (!QFileInfo::exists(m_path))
        return listing;
    const auto failed = [&listing](const QString& reason) {
        listing.status = Status::Failed;
        listing.error = reason;
        listing.sessions.clear();
        return std::move(listing);
    };
    QString error;
    if (!open(&error))
        return failed(error);
    const auto done = qScopeGuard([this] { close(); });

    // Forward only: ten thousand rows are copied once into the listing and
    // never scrolled back.
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    const auto version = layoutVersion(query);
    if (const QString* reason = std::get_if<QString>(&version))
        return failed(*reason);
    if (std::get<int>(version) == 0) {
        listing.status = Status::Read;
        return listing;
    }

    if (!query.exec(u"SELECT id, mode, site, croupier, started, count0, count1 "
                    "FROM session ORDER BY started DESC, id DESC"_s))
        return failed(query.lastError().text());
    while (query.next()) {
        ArchivedSession& session = listing.sessions.emplace_back();
        session.id = query.value(0).toLongLong();
        session.mode = query.value(1).toString() == u"EASY"_s ? ArchivedSession::Mode::Easy
                                                              : ArchivedSession::Mode::Pro;
        session.site = query.value(2).toString();
        session.croupier = query.value(3).toString();
        session.started = query.value(4).toString();
        session.counts = {query.value(5).toLongLong(), query.value(6).toLongLong()};
    }
    if (query.lastError().isValid())
        return failed(query.lastError().text());
    listing.status = Status::Read;
    return listing;
}

ArchiveCatalog::PlaceHistory ArchiveCatalog::placeHistory(ArchivedSession::Mode mode,
                                                          const QString& site,
                                                          const QString& croupier) {
    PlaceHistory history;
    if (!QFileInfo::exists(m_path))
        return history;
    const auto failed = [&history](const QString& reason) {
        history.status = Status::Failed;
        history.error = reason;
        history.sessions.clear();
        return std::move(history);
    };
    QString error;
    if (!open(&error))
        return failed(error);
    const auto done = qScopeGuard([this] { close(); });

    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    const auto version = layoutVersion(query);
    if (const QString* reason = std::get_if<QString>(&version))
        return failed(*reason);
    if (std::get<int>(version) == 0) {
        history.status = Status::Read;
        return history;
    }

    // One statement is one snapshot: the recorder commits whole changes, so
    // every series read agrees with its count.
    query.prepare(u"SELECT s.id, i.series, i.position, i.class, "
                  "CASE i.series WHEN 0 THEN s.count0 ELSE s.count1 END "
                  "FROM session s JOIN item i ON i.session_id = s.id "
                  "WHERE s.mode = ? AND s.site = ? AND s.croupier = ? "
                  "ORDER BY s.id, i.series, i.position"_s);
    query.addBindValue(mode == ArchivedSession::Mode::Easy ? u"EASY"_s : u"PRO"_s);
    query.addBindValue(site);
    query.addBindValue(croupier);
    if (!query.exec())
        return failed(query.lastError().text());
    qint64 lastId = 0;
    int lastIndex = -1;
    qint64 expected = 0;
    bool damaged = false;
    // A series with a gap, a foreign class or a wrong count would put classes
    // next to launches they never followed; it is left out whole.
    const auto finish = [&] {
        if (lastIndex < 0)
            return;
        Classes& series = history.sessions.back()[static_cast<std::size_t>(lastIndex)];
        if (damaged || static_cast<qint64>(series.size()) != expected)
            series.clear();
    };
    while (query.next()) {
        const qint64 id = query.value(0).toLongLong();
        const int index = query.value(1).toInt() == 1 ? 1 : 0;
        if (id != lastId || index != lastIndex) {
            finish();
            if (id != lastId)
                history.sessions.emplace_back();
            lastId = id;
            lastIndex = index;
            expected = query.value(4).toLongLong();
            damaged = false;
        }
        Classes& series = history.sessions.back()[static_cast<std::size_t>(index)];
        const int distanceClass = query.value(3).toInt();
        damaged = damaged || query.value(2).toLongLong() != static_cast<qint64>(series.size()) ||
                  distanceClass == 0 || distanceClass < -3 || distanceClass > 3;
        if (!damaged)
            series.push_back(static_cast<std::int8_t>(distanceClass));
    }
    finish();
    if (query.lastError().isValid())
        return failed(query.lastError().text());
    history.status = Status::Read;
    return history;
}

std::variant<ArchiveCatalog::Classes, QString> ArchiveCatalog::classes(qint64 sessionId,
                                                                       int series) {
    if (series < 0 || series > 1)
        return u"serie %1 inesistente"_s.arg(series);
    if (!QFileInfo::exists(m_path))
        return u"l'archivio non esiste più"_s;
    QString error;
    if (!open(&error))
        return error;
    const auto done = qScopeGuard([this] { close(); });
    // One snapshot for the count and the items: the recorder may be adding to
    // this very session meanwhile.
    if (!m_database.transaction())
        return m_database.lastError().text();
    const auto read = [&]() -> std::variant<Classes, QString> {
        QSqlQuery query(m_database);
        query.setForwardOnly(true);
        query.prepare(u"SELECT count%1 FROM session WHERE id = ?"_s.arg(series));
        query.addBindValue(sessionId);
        if (!query.exec())
            return query.lastError().text();
        if (!query.next())
            return u"la sessione non è più nell'archivio"_s;
        const qint64 expected = query.value(0).toLongLong();
        query.finish();

        query.prepare(u"SELECT position, class FROM item "
                      "WHERE session_id = ? AND series = ? ORDER BY position"_s);
        query.addBindValue(sessionId);
        query.addBindValue(series);
        if (!query.exec())
            return query.lastError().text();
        Classes classes;
        classes.reserve(static_cast<std::size_t>(std::max<qint64>(expected, 0)));
        while (query.next()) {
            // A gap would shift every later class to the wrong launch; a
            // series is given whole or not at all.
            const int distanceClass = query.value(1).toInt();
            if (query.value(0).toLongLong() != static_cast<qint64>(classes.size()) ||
                distanceClass == 0 || distanceClass < -3 || distanceClass > 3)
                return u"la serie nell'archivio è danneggiata"_s;
            classes.push_back(static_cast<std::int8_t>(distanceClass));
        }
        if (query.lastError().isValid())
            return query.lastError().text();
        if (static_cast<qint64>(classes.size()) != expected)
            return u"la serie nell'archivio è incompleta (%1 di %2)"_s.arg(classes.size())
                .arg(expected);
        return classes;
    };
    auto result = read();
    m_database.rollback();
    return result;
}

} // namespace rotamind
