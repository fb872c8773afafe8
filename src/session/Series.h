#pragma once

#include "session/SeriesStatistics.h"

#include <QAbstractListModel>
#include <QStringList>

#include <cstdint>
#include <span>
#include <vector>

namespace rotamind {

// The classes of one series, oldest first: the only store of them. The spin
// list shows it as a model and the chart draws from it; neither keeps a copy.
// A class takes one byte, so a session at the file reader's limit (about 16
// million launches) fits in 16 MB.
class Series final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Series)

public:
    explicit Series(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    // The class text ("3" ... "-3") of a row.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    qsizetype count() const { return static_cast<qsizetype>(m_classes.size()); }
    bool isEmpty() const { return m_classes.empty(); }
    int classAt(qsizetype row) const { return m_classes[static_cast<std::size_t>(row)]; }
    std::span<const std::int8_t> classes() const { return m_classes; }
    // The class texts, as a session file holds them.
    QStringList texts() const;
    const SeriesStatistics& statistics() const { return m_statistics; }

    // Each change brings the statistics up to date and then tells statisticsChanged.
    void append(int distanceClass);
    void removeLast();            // an empty series stays as it is
    void removeAt(qsizetype row); // out of range: nothing happens
    // Inserts a class before `row` (0..count; count appends); out of range: nothing.
    void insertAt(qsizetype row, int distanceClass);
    void clear();
    // Replaces every class at once (a load); tells loaded() after the reset.
    void replaceAll(std::vector<std::int8_t> classes);

    // Tells statisticsChanged again when the series holds launches: after an
    // operation that ran the statistics without changing the series.
    void confirmStatistics();

signals:
    // The figures were brought up to date; the views redraw them.
    void statisticsChanged();
    // A launch was registered for this series, whether or not it brought a class.
    void launchRegistered();
    // The whole series was replaced by a load.
    void loaded();

private:
    friend class WorkingSession;
    void announceLaunch() { emit launchRegistered(); }
    void statisticsUpdated();

    std::vector<std::int8_t> m_classes;
    SeriesStatistics m_statistics;
};

} // namespace rotamind
