#include "analysis/SeriesAnalysis.h"

#include "session/SeriesStatistics.h"

namespace rotamind::analysis {

void SeriesAnalysis::add(int distanceClass) {
    m_scoreboard.add(distanceClass);
    m_transitions.add(distanceClass);
}

void SeriesAnalysis::recompute(std::span<const std::int8_t> classes) {
    m_scoreboard.recompute(classes);
    m_transitions.recompute(classes);
}

SeriesReport SeriesAnalysis::report(const SeriesStatistics& statistics) const {
    return {.uniformity = testUniformity(statistics.classic().frequency),
            .method = &m_scoreboard,
            .dependence = testIndependence(m_transitions.counts())};
}

} // namespace rotamind::analysis
