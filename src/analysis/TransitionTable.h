#pragma once

#include "wheel/Wheel.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace rotamind::analysis {

// Counts of class after class: row the earlier launch, column the next, both
// in the order of kClasses.
using TransitionCounts = std::array<std::array<std::int64_t, 6>, 6>;

// The 6x6 table of a series, kept up to date launch by launch.
class TransitionTable final {
public:
    // Counts the step from the last class to `distanceClass` (3..-3).
    void add(int distanceClass) {
        const int row = classRow(distanceClass);
        if (m_lastRow)
            ++m_counts[static_cast<std::size_t>(*m_lastRow)][static_cast<std::size_t>(row)];
        m_lastRow = row;
    }
    void recompute(std::span<const std::int8_t> classes);
    void clear() { *this = TransitionTable(); }
    // Begins another session's series: its first class follows none.
    void startSeries() { m_lastRow.reset(); }

    const TransitionCounts& counts() const { return m_counts; }

private:
    TransitionCounts m_counts{};
    std::optional<int> m_lastRow;
};

// Pearson's test of independence of a class from the one before it.
struct IndependenceTest {
    std::int64_t steps = 0;
    // Whether chi-square is a fair guide: every expected count at least 1 and
    // at least four in five of them at least 5.
    bool applicable = false;
    double statistic = 0;         // >= 0, 25 degrees of freedom
    std::optional<double> pValue; // 0..1, only when applicable
};

IndependenceTest testIndependence(const TransitionCounts& counts);

} // namespace rotamind::analysis
