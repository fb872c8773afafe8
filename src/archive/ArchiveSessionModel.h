#pragma once

#include "archive/StoredSession.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace rotamind {

// The archived sessions as a table, narrowed by site and croupier. The
// narrowing runs in memory over the loaded list: a keystroke in a filter
// field must not wait for a query.
class ArchiveSessionModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArchiveSessionModel)

public:
    enum Column { Date, Mode, Site, Croupier, Series0, Series1, ColumnCount };

    explicit ArchiveSessionModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Replaces the list (kept in its order) and applies the current filter to it.
    void setSessions(std::vector<StoredSession> sessions);
    // Keeps the sessions whose site and croupier each contain their text,
    // ignoring case; an empty text keeps every session.
    void setFilter(const QString& site, const QString& croupier);

    // The session shown at `row`, nullptr outside 0..rowCount()-1.
    const StoredSession* sessionAt(int row) const;
    // The row that shows the session of this id, -1 when it is filtered out.
    int rowOf(qint64 sessionId) const;
    // Sessions loaded, whether shown or not.
    qsizetype totalCount() const { return static_cast<qsizetype>(m_sessions.size()); }

    // "09-12-2026 21:14" for a stored "2026-12-09T21:14:05"; the text as
    // stored when it is not of that shape.
    static QString dateText(const QDateTime& started);

private:
    void applyFilter();
    // A text as the filter compares it: without accents, case folded.
    static QString folded(const QString& text);

    std::vector<StoredSession> m_sessions;
    std::vector<int> m_shown; // indices into m_sessions, in order
    QString m_site;
    QString m_croupier;
};

} // namespace rotamind
