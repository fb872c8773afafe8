#include "analysis/SeriesAnalysis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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
    const int row = classRow(distanceClass);
    m_bias.add(row);
    if (m_lastRow)
        m_next[static_cast<std::size_t>(*m_lastRow)].add(row, m_chain);
    m_lastRow = row;
    recordEvidence();
}

void SeriesAnalysis::addRepeat() {
    m_scoreboard.addRepeat();
    recordEvidence();
}

void SeriesAnalysis::startSeries() {
    m_scoreboard.startSeries();
    m_transitions.startSeries();
    m_lastRow.reset();
}

void SeriesAnalysis::recompute(std::span<const std::int8_t> classes,
                               std::span<const std::int64_t> repeatsBefore) {
    *this = SeriesAnalysis();
    auto repeat = repeatsBefore.begin();
    const auto repeatsUpTo = [&](std::int64_t classesSoFar) {
        for (; repeat != repeatsBefore.end() && *repeat <= classesSoFar; ++repeat)
            addRepeat();
    };
    for (std::size_t i = 0; i < classes.size(); ++i) {
        repeatsUpTo(static_cast<std::int64_t>(i));
        add(classes[i]);
    }
    // Repeats past the last class, and any out of order, come at the end.
    repeatsUpTo(static_cast<std::int64_t>(classes.size()));
    for (; repeat != repeatsBefore.end(); ++repeat)
        addRepeat();
}

std::array<double, kTestsPerSeries> SeriesAnalysis::logEvidence() const {
    return {m_bias.logValue(), m_scoreboard.wealth().logValue(), m_chain.logValue()};
}

double SeriesAnalysis::log10Evidence() const {
    const std::array<double, kTestsPerSeries> logs = logEvidence();
    const double top = *std::max_element(logs.begin(), logs.end());
    double sum = 0;
    for (const double logValue : logs)
        sum += std::exp(logValue - top);
    return (top + std::log(sum / static_cast<double>(logs.size()))) / std::numbers::ln10;
}

void SeriesAnalysis::recordEvidence() {
    ++m_spins;
    if (m_trace.wants(m_spins))
        m_trace.record(m_spins, log10Evidence());
}

SeriesReport SeriesAnalysis::report(const std::array<std::int64_t, 6>& frequency) const {
    return {.uniformity = testUniformity(frequency),
            .method = &m_scoreboard,
            .dependence = testIndependence(m_transitions.counts()),
            .logEvidence = logEvidence(),
            .launches = launches()};
}

void JoinedAnalysis::addSession(std::span<const std::int8_t> classes) {
    if (classes.empty())
        return;
    ++m_sessions;
    m_analysis.startSeries();
    for (const std::int8_t distanceClass : classes)
        m_analysis.add(distanceClass);
}

} // namespace rotamind::analysis
