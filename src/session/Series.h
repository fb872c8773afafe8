#pragma once

#include "analysis/SeriesAnalysis.h"
#include "session/SeriesChange.h"
#include "session/SeriesStatistics.h"

#include <QAbstractListModel>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace rotamind {

// The classes of one series, oldest first: the only store of them, with the
// statistics and the analysis that follow from them. Every change is told once
// through changed(), after all three are up to date; that is what the session,
// the archive and the undo history follow. The list model is only how the
// views see it: the spin list shows it and the chart draws from it.
// A class takes one byte, so a session at the file reader's limit (about 16
// million launches) fits in 16 MB.
class Series final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Series)

public:
    using NoClass = SeriesChange::NoClass;
    using Cause = SeriesChange::Cause;

    explicit Series(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    // The class text ("3" ... "-3") of a row.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    qsizetype count() const { return static_cast<qsizetype>(m_contents.classes.size()); }
    bool isEmpty() const { return m_contents.classes.empty(); }
    int classAt(qsizetype row) const { return m_contents.classes[static_cast<std::size_t>(row)]; }
    std::span<const std::int8_t> classes() const { return m_contents.classes; }
    const SeriesContents& contents() const { return m_contents; }
    // The class texts, as a session file holds them.
    QStringList texts() const;
    const SeriesStatistics& statistics() const { return m_statistics; }
    const analysis::SeriesAnalysis& analysis() const { return m_analysis; }
    // The analysis' tests as they stand.
    analysis::SeriesReport analysisReport() const {
        return m_analysis.report(m_statistics.classic().frequency);
    }

    // A class at the end, not registered (a test, a tool).
    void append(int distanceClass) { insertAt(count(), distanceClass); }
    void removeLast(); // an empty series stays as it is
    // Out of range: nothing happens. `launch` marks a registration taken back.
    void removeAt(qsizetype row, std::optional<RegisteredLaunch> launch = {});
    // A class before `row` (0..count; count appends); out of range: nothing.
    // `launch` marks a registration; see SeriesChange for `repeatsAfter`.
    void insertAt(qsizetype row, int distanceClass, qsizetype repeatsAfter = 0,
                  std::optional<RegisteredLaunch> launch = {});
    // A registration that brought no class, and its undo (the last one).
    void registerWithoutClass(const RegisteredLaunch& launch, NoClass why);
    void withdrawWithoutClass(const RegisteredLaunch& launch, NoClass why);
    void clear();
    // Replaces every class at once (a load); tells loaded() after the reset.
    void replaceAll(std::vector<std::int8_t> classes);
    void replaceAll(SeriesContents contents, Cause cause);

    // Tells statisticsChanged again when the series holds launches: after an
    // operation that ran the statistics without changing the series.
    void confirmStatistics();

signals:
    // The one change stream of the series.
    void changed(const SeriesChange& change);
    // The figures were brought up to date; the views redraw them.
    void statisticsChanged();
    // A launch was registered for this series, whether or not it brought a class.
    void launchRegistered();
    // The whole series was replaced by a load or a restore.
    void loaded();

private:
    void rebuildFigures();
    // The change to every follower, then the new figures to the views.
    void tell(const SeriesChange& change);

    SeriesContents m_contents;
    SeriesStatistics m_statistics;
    analysis::SeriesAnalysis m_analysis;
};

} // namespace rotamind
