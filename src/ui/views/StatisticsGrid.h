#pragma once

namespace rotamind {

class SeriesStatistics;

// A grid of one series' figures on a statistics page: its labels are made
// once, their texts rewritten from the series' statistics after each change.
class StatisticsGrid {
public:
    StatisticsGrid() = default;
    StatisticsGrid(const StatisticsGrid&) = delete;
    StatisticsGrid& operator=(const StatisticsGrid&) = delete;
    virtual ~StatisticsGrid() = default;

    virtual void show(const SeriesStatistics& statistics) = 0;
};

} // namespace rotamind
