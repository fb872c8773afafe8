#pragma once

#include "ui/views/StatisticsGrid.h"

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>

class QLabel;
class QWidget;

namespace rotamind {

class SeriesStatistics;

// One grid of the "Statistiche Classiche" page: heading, column heads, a row
// per class (3, 2, 1, -1, -2, -3) and the value labels F, %, RIT, RMAX, I.C.,
// named from the prefix: "" gives F3 p3 R3 RX3 IC3 ... FM3 pm3, "A" gives
// AF3 AP3 AR3 ARX3 AIC3 ... AFM3 APM3.
struct ClassicStatsGridSetup {
    QString prefix{};
    QString heading{};
    QRect headingRect{};
    int headTop = 34;     // column heads
    int firstRowTop = 56; // first class row; rows are 16 pixels apart
};

class ClassicStatsGrid final : public StatisticsGrid {
public:
    enum Column { Frequency, Percentage, Absence, MaxAbsence, Index, ColumnCount };

    ClassicStatsGrid(QWidget* panel, const ClassicStatsGridSetup& setup);

    // Every figure of the series: frequency, percentage, absence, maximum
    // absence and I.C. (red from 1 up, lime below); an empty series shows "0"
    // everywhere.
    void show(const SeriesStatistics& statistics) override;

    // Name of the value label of a column and class (3..-3) for a prefix.
    static QString labelName(const QString& prefix, Column column, int distanceClass);

private:
    std::array<std::array<QLabel*, 6>, ColumnCount> m_values{};
};

} // namespace rotamind
