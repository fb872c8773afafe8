// Archived sessions out as CSV: read in one snapshot of the file, checked as
// they are read, and written only when every one of them was read whole.
#include "archive/ArchiveChecks.h"
#include "archive/ArchiveSchema.h"
#include "archive/CsvExchange.h"
#include "storage/CsvReader.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace rotamind {

const QStringList& csvColumns() {
    static const QStringList columns{u"sessione"_s,  u"modo"_s,   u"sito"_s,      u"croupier"_s,
                                     u"inizio"_s,    u"serie"_s,  u"posizione"_s, u"numero"_s,
                                     u"direzione"_s, u"classe"_s, u"ora"_s};
    return columns;
}

const QString& csvSeriesName(const QString& mode, int series) {
    static const QString names[2][2] = {{u"ORARIO"_s, u"ANTIORARIO"_s},
                                        {u"ATTUALE"_s, u"SALVATA"_s}};
    return names[mode == u"EASY" ? 1 : 0][series == 1 ? 1 : 0];
}

namespace {

void appendRecord(QString& out, std::initializer_list<QString> fields) {
    bool first = true;
    for (const QString& field : fields) {
        if (!first)
            out += u',';
        out += csvField(field);
        first = false;
    }
    out += u"\r\n"_s;
}

// The rows of one session, or why its series cannot be trusted.
std::optional<QString> appendSession(QSqlDatabase& database, qint64 id, QString& out) {
    QSqlQuery row(database);
    row.setForwardOnly(true);
    row.prepare(
        u"SELECT mode, site, croupier, started, count0, count1 FROM session WHERE id = ?"_s);
    row.addBindValue(id);
    if (!row.exec())
        return archive_checks::reasonOf(row.lastError());
    if (!row.next())
        return QCoreApplication::translate("CsvExport", "la sessione %1 non è più nell'archivio")
            .arg(id);
    const QString mode = row.value(0).toString();
    const QString site = row.value(1).toString();
    const QString croupier = row.value(2).toString();
    const QString started = row.value(3).toString();
    const qint64 counts[2] = {row.value(4).toLongLong(), row.value(5).toLongLong()};
    row.finish();
    if (mode != u"PRO" && mode != u"EASY")
        return QCoreApplication::translate("CsvExport", "la sessione %1 ha un modo sconosciuto")
            .arg(id);

    QSqlQuery items(database);
    items.setForwardOnly(true);
    items.prepare(u"SELECT series, position, number, direction, class FROM item"
                  " WHERE session_id = ? ORDER BY series, position"_s);
    items.addBindValue(id);
    if (!items.exec())
        return archive_checks::reasonOf(items.lastError());
    const QString key = QString::number(id);
    qint64 read[2] = {0, 0};
    qint64 lastPosition[2] = {-1, -1};
    while (items.next()) {
        const std::optional<qint64> series = archive_checks::integer(items.value(0));
        const std::optional<qint64> position = archive_checks::integer(items.value(1));
        const QString number = items.value(2).toString();
        const QString direction = items.value(3).toString();
        const std::optional<std::int8_t> distanceClass =
            archive_checks::distanceClass(items.value(4));
        // A foreign value would put classes beside launches they never
        // followed: the session goes out whole or not at all. Positions only
        // order a series: they ascend, with gaps.
        const bool sound = series && (*series == 0 || *series == 1) && position &&
                           *position > lastPosition[*series] && distanceClass &&
                           (number.isEmpty() || pocketFromText(number)) &&
                           (direction.isEmpty() || direction == u"O" || direction == u"A") &&
                           number.isEmpty() == direction.isEmpty();
        if (!sound)
            return QCoreApplication::translate(
                       "CsvExport", "una serie della sessione %1 è danneggiata nell'archivio")
                .arg(id);
        lastPosition[*series] = *position;
        ++read[*series];
        appendRecord(out, {key, mode, site, croupier, started,
                           csvSeriesName(mode, static_cast<int>(*series)),
                           QString::number(read[*series]), number, direction,
                           classText(*distanceClass), QString()});
    }
    if (items.lastError().isValid())
        return archive_checks::reasonOf(items.lastError());
    for (int series = 0; series < 2; ++series)
        if (read[series] != counts[series])
            return QCoreApplication::translate(
                       "CsvExport",
                       "una serie della sessione %1 è incompleta nell'archivio (%2 di %3)")
                .arg(id)
                .arg(read[series])
                .arg(counts[series]);
    return std::nullopt;
}

} // namespace

std::variant<QByteArray, QString> exportCsv(const QString& archivePath,
                                            std::span<const qint64> ids) {
    if (!QFileInfo::exists(archivePath))
        return QCoreApplication::translate("CsvExport", "l'archivio non esiste");
    // Checked before any open: SQLite would wait for ever on a FIFO.
    for (const QString& path :
         QStringList{archivePath, archivePath + u"-wal"_s, archivePath + u"-shm"_s})
        if (QString problem = archive_checks::notAFile(path); !problem.isEmpty())
            return problem;
    static QAtomicInteger<int> next = 0;
    const QString connection = u"rotamind-csv-export-%1"_s.arg(next.fetchAndAddRelaxed(1));
    const auto read = [&]() -> std::variant<QByteArray, QString> {
        QSqlDatabase database = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection);
        database.setDatabaseName(archivePath);
        // Read-only, as the archive window reads: the recorder may be writing.
        database.setConnectOptions(u"QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"_s);
        const auto done = qScopeGuard([&database] {
            database.rollback();
            database.close();
        });
        // Defended and inspected as every reader of the file is, before the
        // first read of a row.
        if (!database.open())
            return archive_checks::reasonOf(database.lastError());
        if (QString error; !archive_schema::harden(database, &error))
            return error;
        const archive_schema::Inspection found = archive_schema::inspect(database);
        if (found.verdict != archive_schema::Inspection::Verdict::Sound)
            return found.verdict == archive_schema::Inspection::Verdict::Damaged
                       ? QCoreApplication::translate("CsvExport", "archivio danneggiato: %1")
                             .arg(found.reason)
                       : found.reason;
        // One snapshot: every session as it was at one moment.
        if (!database.transaction())
            return archive_checks::reasonOf(database.lastError());
        QString out = csvColumns().join(u',') + u"\r\n"_s;
        for (const qint64 id : ids)
            if (std::optional<QString> fault = appendSession(database, id, out))
                return *fault;
        return out.toUtf8();
    };
    std::variant<QByteArray, QString> result = read();
    QSqlDatabase::removeDatabase(connection);
    return result;
}

} // namespace rotamind
