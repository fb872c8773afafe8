#include "ui/SpinListModel.h"

#include <QSize>

namespace rotamind {

namespace {
// Rows of the spin lists are 13 pixels high.
constexpr int kRowHeight = 13;
} // namespace

SpinListModel::SpinListModel(QObject* parent) : QAbstractListModel(parent) {}

int SpinListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant SpinListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_items.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_items.at(index.row());
    case Qt::SizeHintRole:
        return QSize(20, kRowHeight);
    default:
        return {};
    }
}

void SpinListModel::append(const QString& text) {
    const int row = int(m_items.size());
    beginInsertRows({}, row, row);
    m_items.append(text);
    endInsertRows();
}

void SpinListModel::removeAt(qsizetype row) {
    if (row < 0 || row >= m_items.size())
        return;
    beginRemoveRows({}, int(row), int(row));
    m_items.removeAt(row);
    endRemoveRows();
}

void SpinListModel::clear() {
    beginResetModel();
    m_items.clear();
    endResetModel();
}

void SpinListModel::replaceAll(const QStringList& texts) {
    beginResetModel();
    m_items = texts;
    endResetModel();
}

} // namespace rotamind
