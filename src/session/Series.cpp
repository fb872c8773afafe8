#include "session/Series.h"

#include <algorithm>

namespace rotamind {

namespace {

using Kind = SeriesChange::Kind;

// The repeats with exactly `before` classes before them, as a range of `repeats`.
auto repeatsAt(std::vector<std::int64_t>& repeats, std::int64_t before) {
    return std::equal_range(repeats.begin(), repeats.end(), before);
}

} // namespace

Series::Series(QObject* parent) : QAbstractListModel(parent) {}

int Series::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(count());
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
    for (const std::int8_t distanceClass : m_contents.classes)
        result.append(classText(distanceClass));
    return result;
}

void Series::rebuildFigures() {
    m_statistics.recompute(m_contents.classes);
    m_analysis.recompute(m_contents.classes, m_contents.repeatsBefore);
}

void Series::tell(const SeriesChange& change) {
    emit changed(change);
    emit statisticsChanged();
}

void Series::insertAt(qsizetype row, int distanceClass, qsizetype repeatsAfter,
                      std::optional<RegisteredLaunch> launch) {
    if (row < 0 || row > count())
        return;
    const bool atEnd = row == count();
    beginInsertRows({}, static_cast<int>(row), static_cast<int>(row));
    m_contents.classes.insert(m_contents.classes.begin() + row,
                              static_cast<std::int8_t>(distanceClass));
    std::vector<std::int64_t>& repeats = m_contents.repeatsBefore;
    const auto [first, last] = repeatsAt(repeats, row);
    repeatsAfter = std::clamp<qsizetype>(repeatsAfter, 0, last - first);
    std::for_each(last - repeatsAfter, repeats.end(), [](std::int64_t& before) { ++before; });
    endInsertRows();
    // A launch at the end costs the same whatever the length of the series.
    if (atEnd) {
        m_statistics.add(distanceClass);
        if (repeatsAfter == 0)
            m_analysis.add(distanceClass);
        else
            m_analysis.recompute(m_contents.classes, repeats);
    } else {
        rebuildFigures();
    }
    const bool registered = launch.has_value();
    tell({.kind = Kind::Inserted,
          .row = row,
          .distanceClass = distanceClass,
          .repeatsAfter = repeatsAfter,
          .launch = std::move(launch)});
    if (registered)
        emit launchRegistered();
}

void Series::removeLast() {
    if (!isEmpty())
        removeAt(count() - 1);
}

void Series::removeAt(qsizetype row, std::optional<RegisteredLaunch> launch) {
    if (row < 0 || row >= count())
        return;
    const int distanceClass = classAt(row);
    beginRemoveRows({}, static_cast<int>(row), static_cast<int>(row));
    m_contents.classes.erase(m_contents.classes.begin() + row);
    std::vector<std::int64_t>& repeats = m_contents.repeatsBefore;
    const auto [first, last] = repeatsAt(repeats, row + 1);
    const qsizetype repeatsAfter = last - first;
    std::for_each(first, repeats.end(), [](std::int64_t& before) { --before; });
    endRemoveRows();
    rebuildFigures();
    tell({.kind = Kind::Removed,
          .row = row,
          .distanceClass = distanceClass,
          .repeatsAfter = repeatsAfter,
          .launch = std::move(launch)});
}

void Series::registerWithoutClass(const RegisteredLaunch& launch, NoClass why) {
    if (why == NoClass::Repeat) {
        m_contents.repeatsBefore.push_back(count());
        m_analysis.addRepeat();
    }
    emit changed({.kind = Kind::RegisteredWithoutClass, .launch = launch, .why = why});
    confirmStatistics();
    emit launchRegistered();
}

void Series::withdrawWithoutClass(const RegisteredLaunch& launch, NoClass why) {
    if (why == NoClass::Repeat && !m_contents.repeatsBefore.empty()) {
        m_contents.repeatsBefore.pop_back();
        m_analysis.recompute(m_contents.classes, m_contents.repeatsBefore);
    }
    emit changed({.kind = Kind::WithdrawnWithoutClass, .launch = launch, .why = why});
    confirmStatistics();
}

void Series::clear() {
    replaceAll({}, Cause::Reset);
}

void Series::replaceAll(std::vector<std::int8_t> classes) {
    replaceAll({.classes = std::move(classes), .repeatsBefore = {}}, Cause::Load);
}

void Series::replaceAll(SeriesContents contents, Cause cause) {
    beginResetModel();
    auto previous =
        std::make_shared<const SeriesContents>(std::exchange(m_contents, std::move(contents)));
    endResetModel();
    if (cause == Cause::Reset) {
        m_statistics.clear();
        m_analysis.recompute({});
    } else {
        rebuildFigures();
    }
    emit changed({.kind = Kind::Replaced, .cause = cause, .previous = std::move(previous)});
    if (cause != Cause::Reset)
        emit loaded();
    emit statisticsChanged();
}

void Series::confirmStatistics() {
    if (!isEmpty())
        emit statisticsChanged();
}

} // namespace rotamind
