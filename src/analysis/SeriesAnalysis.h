#pragma once

#include "analysis/MethodScoreboard.h"
#include "analysis/TransitionTable.h"
#include "analysis/Uniformity.h"

#include <cstdint>
#include <span>

namespace rotamind {
class SeriesStatistics;
}

namespace rotamind::analysis {

// The three tests of one series.
struct SeriesReport {
    UniformityTest uniformity;
    const MethodScoreboard* method = nullptr;
    IndependenceTest dependence;
};

// What the analysis of a series keeps between launches: the scoreboard and
// the transition table, each brought up to date in constant time by an append
// and rebuilt after anything else.
class SeriesAnalysis final {
public:
    void add(int distanceClass);
    void recompute(std::span<const std::int8_t> classes);

    const MethodScoreboard& scoreboard() const { return m_scoreboard; }
    const TransitionTable& transitions() const { return m_transitions; }

    // The tests as they stand, with the frequencies of the series' statistics.
    SeriesReport report(const SeriesStatistics& statistics) const;

private:
    MethodScoreboard m_scoreboard;
    TransitionTable m_transitions;
};

} // namespace rotamind::analysis
