#include "analysis/SeriesAnalysis.h"

#include "wheel/Wheel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace rotamind::analysis {

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

SeriesSummary SeriesAnalysis::summary() const {
    return {.frequency = frequency(),
            .transitions = m_transitions.counts(),
            .bets = m_scoreboard.betsByReds(),
            .wins = m_scoreboard.winsByReds()};
}

void JoinedAnalysis::addSession(std::span<const std::int8_t> classes) {
    addSummary(SeriesSummary::of(classes));
}

void JoinedAnalysis::addSummary(const SeriesSummary& summary, std::int64_t sessions) {
    if (summary.launches() == 0)
        return;
    m_sessions += sessions;
    m_summary += summary;
    m_method.reset();
}

SeriesReport JoinedAnalysis::report() const {
    if (!m_method)
        m_method = MethodScoreboard::fromRecord(m_summary.bets, m_summary.wins);
    const auto asDoubles = [](const std::array<std::int64_t, 6>& counts) {
        std::array<double, 6> values{};
        for (std::size_t row = 0; row < 6; ++row)
            values[row] = static_cast<double>(counts[row]);
        return values;
    };
    // Class after class bets with one mixture per previous class.
    double chain = 0;
    for (const auto& row : m_summary.transitions)
        chain += DirichletMixture::logValueOf(asDoubles(row));
    return {.uniformity = testUniformity(m_summary.frequency),
            .method = &*m_method,
            .dependence = testIndependence(m_summary.transitions),
            .logEvidence = {DirichletMixture::logValueOf(asDoubles(m_summary.frequency)),
                            m_method->wealth().logValue(), chain},
            .launches = launches()};
}

} // namespace rotamind::analysis
