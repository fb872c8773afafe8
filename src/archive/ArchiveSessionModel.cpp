#include "archive/ArchiveSessionModel.h"

#include <QCoreApplication>
#include <QDateTime>

using namespace Qt::StringLiterals;

namespace rotamind {

ArchiveSessionModel::ArchiveSessionModel(QObject* parent) : QAbstractTableModel(parent) {}

int ArchiveSessionModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int ArchiveSessionModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString ArchiveSessionModel::dateText(const QDateTime& started) {
    return started.toString(u"dd-MM-yyyy hh:mm"_s);
}

QVariant ArchiveSessionModel::data(const QModelIndex& index, int role) const {
    const StoredSession* session = sessionAt(index.row());
    if (!session || index.column() < 0 || index.column() >= ColumnCount)
        return {};
    if (role == Qt::TextAlignmentRole && index.column() >= Series0)
        return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Date:
        // Formatted here rather than at loading: only the rows in sight are
        // asked, not the ten thousand behind them.
        return dateText(session->started);
    case Mode:
        return modeText(session->mode);
    case Site:
        return session->entry.site;
    case Croupier:
        return session->entry.croupier;
    case Series0:
        return session->counts[0];
    case Series1:
        return session->counts[1];
    default:
        return {};
    }
}

QVariant ArchiveSessionModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    const QString captions[ColumnCount] = {
        QCoreApplication::translate("ArchiveSessionModel", "Data"),
        QCoreApplication::translate("ArchiveSessionModel", "Modo"),
        QCoreApplication::translate("ArchiveSessionModel", "Sito"),
        QCoreApplication::translate("ArchiveSessionModel", "Croupier"),
        QCoreApplication::translate("ArchiveSessionModel", "Serie 1"),
        QCoreApplication::translate("ArchiveSessionModel", "Serie 2")};
    const QString hints[ColumnCount] = {
        QCoreApplication::translate("ArchiveSessionModel", "Inizio della sessione"),
        QCoreApplication::translate("ArchiveSessionModel", "Finestra della sessione"),
        {},
        {},
        QCoreApplication::translate("ArchiveSessionModel",
                                    "Lanci della serie ORARIO (PRO) o ATTUALE (EASY)"),
        QCoreApplication::translate("ArchiveSessionModel",
                                    "Lanci della serie ANTIORARIO (PRO) o SALVATA (EASY)")};
    if (section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return captions[section];
    if (role == Qt::ToolTipRole && !hints[section].isEmpty())
        return hints[section];
    return {};
}

void ArchiveSessionModel::setSessions(std::vector<StoredSession> sessions) {
    beginResetModel();
    m_sessions = std::move(sessions);
    applyFilter();
    endResetModel();
}

void ArchiveSessionModel::setFilter(const QString& site, const QString& croupier) {
    if (site == m_site && croupier == m_croupier)
        return;
    beginResetModel();
    m_site = site;
    m_croupier = croupier;
    applyFilter();
    endResetModel();
}

QString ArchiveSessionModel::folded(const QString& text) {
    // Decomposed, the accents are marks of their own, dropped here: "Casinò"
    // is found by "casino" as by "CASINÒ".
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString bare;
    bare.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            bare.append(c);
    return bare.toCaseFolded();
}

void ArchiveSessionModel::applyFilter() {
    m_shown.clear();
    m_shown.reserve(m_sessions.size());
    const QString site = folded(m_site);
    const QString croupier = folded(m_croupier);
    for (std::size_t i = 0; i < m_sessions.size(); ++i) {
        const StoredSession& session = m_sessions[i];
        if (folded(session.entry.site).contains(site) &&
            folded(session.entry.croupier).contains(croupier))
            m_shown.push_back(static_cast<int>(i));
    }
}

const StoredSession* ArchiveSessionModel::sessionAt(int row) const {
    if (row < 0 || row >= rowCount())
        return nullptr;
    return &m_sessions[static_cast<std::size_t>(m_shown[static_cast<std::size_t>(row)])];
}

int ArchiveSessionModel::rowOf(qint64 sessionId) const {
    for (std::size_t row = 0; row < m_shown.size(); ++row)
        if (m_sessions[static_cast<std::size_t>(m_shown[row])].id == sessionId)
            return static_cast<int>(row);
    return -1;
}

} // namespace rotamind
