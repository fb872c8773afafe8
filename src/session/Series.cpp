#include "session/Series.h"

#include "wheel/Wheel.h"

namespace rotamind {

Series::Series(QObject* parent) : QAbstractListModel(parent) {}

int Series::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_classes.size());
}

QVariant Series::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return classText(classAt(index.row()));
}

QStringList Series::texts() const {
    QStringList result;
    result.reserve(count());
    for (const std::int8_t distanceClass : m_classes)
        result.append(classText(distanceClass));
    return result;
}

void Series::append(int distanceClass) {
    const int row = static_cast<int>(count());
    beginInsertRows({}, row, row);
    m_classes.push_back(static_cast<std::int8_t>(distanceClass));
    endInsertRows();
    m_statistics.add(distanceClass);
    statisticsUpdated();
}

void Series::removeLast() {
    if (!isEmpty())
        removeAt(count() - 1);
}

void Series::removeAt(qsizetype row) {
    if (row < 0 || row >= count())
        return;
    beginRemoveRows({}, static_cast<int>(row), static_cast<int>(row));
    m_classes.erase(m_classes.begin() + row);
    endRemoveRows();
    m_statistics.recompute(m_classes);
    statisticsUpdated();
}

void Series::insertAt(qsizetype row, int distanceClass) {
    if (row == count()) {
        append(distanceClass);
        return;
    }
    if (row < 0 || row > count())
        return;
    beginInsertRows({}, static_cast<int>(row), static_cast<int>(row));
    m_classes.insert(m_classes.begin() + row, static_cast<std::int8_t>(distanceClass));
    endInsertRows();
    m_statistics.recompute(m_classes);
    statisticsUpdated();
}

void Series::clear() {
    beginResetModel();
    m_classes.clear();
    endResetModel();
    m_statistics.clear();
    statisticsUpdated();
}

void Series::replaceAll(std::vector<std::int8_t> classes) {
    beginResetModel();
    m_classes = std::move(classes);
    endResetModel();
    m_statistics.recompute(m_classes);
    emit loaded();
    statisticsUpdated();
}

void Series::confirmStatistics() {
    if (!isEmpty())
        emit statisticsChanged();
}

void Series::statisticsUpdated() {
    emit statisticsChanged();
}

} // namespace rotamind
