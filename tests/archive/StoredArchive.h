#pragma once

// Writes an archive file the way the recorder leaves one, for the tests of
// what reads it back.
#include "archive/ArchiveSchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <span>
#include <vector>

namespace rotamind::testing {

struct ArchiveRow {
    QString mode; // "PRO" or "EASY"
    QString site;
    QString croupier;
    QString started;
    std::vector<int> series[2];
};

// Stores the sessions with ids 1, 2, ... in the given order; the reason when
// the file could not be written, empty when it was.
inline QString writeArchive(const QString& path, std::span<const ArchiveRow> sessions) {
    const QString name = QStringLiteral("stored-archive");
    QString error;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        if (!database.open())
            error = database.lastError().text();
        else if (archive_schema::configure(database, &error) &&
                 archive_schema::migrate(database, &error)) {
            QSqlQuery query(database);
            qint64 id = 0;
            for (const ArchiveRow& session : sessions) {
                ++id;
                query.prepare(QStringLiteral(
                    "INSERT INTO session (id, mode, site, croupier, started, changed, count0, "
                    "count1, launches) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
                for (const QVariant& value :
                     {QVariant(id), QVariant(session.mode), QVariant(session.site),
                      QVariant(session.croupier), QVariant(session.started),
                      QVariant(session.started), QVariant(qsizetype(session.series[0].size())),
                      QVariant(qsizetype(session.series[1].size())),
                      QVariant(qsizetype(session.series[0].size() + session.series[1].size()))})
                    query.addBindValue(value);
                if (!query.exec())
                    error = query.lastError().text();
                // Typed at the table: each class with the number that brought it.
                query.prepare(QStringLiteral("INSERT INTO item (session_id, series, position, "
                                             "class, number, direction) VALUES (?, ?, ?, ?, "
                                             "'0', 'O')"));
                for (int series = 0; series < 2; ++series)
                    for (std::size_t i = 0; i < session.series[series].size(); ++i) {
                        query.addBindValue(id);
                        query.addBindValue(series);
                        query.addBindValue(qsizetype(i));
                        query.addBindValue(session.series[series][i]);
                        if (!query.exec())
                            error = query.lastError().text();
                    }
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

} // namespace rotamind::testing
