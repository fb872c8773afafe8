#pragma once

#include "ui/views/StatisticsGrid.h"

#include "stats/SeriesStats.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>

class QLabel;
class QWidget;

namespace rotamind {

class SeriesStatistics;

// One table of the "Lunghezze" page: heading, column heads, eleven rows (0,
// +1..+5, -1..-5) with frequency, absence and index labels named from the
// prefix: "" gives LF0 LR0 ICL0 ... LFM5 LRM5 ICLM5, "Z" gives ZLF0 ... ZICLM5.
struct LengthStatsGridSetup {
    QString prefix{};
    QString heading{};
    QRect headingRect{};
    QColor headingBackground{};
    QColor headingForeground{};
    int left = 4; // the row labels; the value columns follow at fixed steps
};

class LengthStatsGrid final : public StatisticsGrid {
public:
    enum Column { Frequency, Absence, Index, ColumnCount };

    LengthStatsGrid(QWidget* panel, const LengthStatsGridSetup& setup);

    // Frequencies, absences and indexes (red from 1 up, lime below); an empty
    // series shows "0" everywhere.
    void show(const SeriesStatistics& statistics) override;

    static QString labelName(const QString& prefix, Column column, int length);

private:
    std::array<std::array<QLabel*, 11>, ColumnCount> m_values{};
};

} // namespace rotamind
