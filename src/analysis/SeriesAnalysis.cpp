#include "analysis/SeriesAnalysis.h"

namespace rotamind::analysis {

namespace {

// The row of a class (3..-3) in kClasses.
int classRow(int distanceClass) {
    return distanceClass > 0 ? 3 - distanceClass : 2 - distanceClass;
}

} // namespace

void SeriesAnalysis::add(int distanceClass) {
    m_scoreboard.add(distanceClass);
    m_transitions.add(distanceClass);
}

void SeriesAnalysis::addRepeat() {
    // The record of bets does not count repeats yet.
}

void SeriesAnalysis::recompute(std::span<const std::int8_t> classes,
                               std::span<const std::int64_t> /*repeatsBefore*/) {
    m_scoreboard.recompute(classes);
    m_transitions.recompute(classes);
}

SeriesReport SeriesAnalysis::report(const std::array<std::int64_t, 6>& frequency) const {
    return {.uniformity = testUniformity(frequency),
            .method = &m_scoreboard,
            .dependence = testIndependence(m_transitions.counts())};
}

void JoinedAnalysis::addSession(std::span<const std::int8_t> classes) {
    if (classes.empty())
        return;
    ++m_sessions;
    m_launches += static_cast<std::int64_t>(classes.size());
    m_scoreboard.startSeries();
    m_transitions.startSeries();
    for (const std::int8_t distanceClass : classes) {
        m_scoreboard.add(distanceClass);
        m_transitions.add(distanceClass);
        ++m_frequency[static_cast<std::size_t>(classRow(distanceClass))];
    }
}

SeriesReport JoinedAnalysis::report() const {
    return {.uniformity = testUniformity(m_frequency),
            .method = &m_scoreboard,
            .dependence = testIndependence(m_transitions.counts())};
}

} // namespace rotamind::analysis
