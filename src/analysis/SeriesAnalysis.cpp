#include "analysis/SeriesAnalysis.h"

#include "wheel/Wheel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace rotamind::analysis {

namespace {

// Class after class bets with one mixture per previous class.
double chainLogValueOf(const TransitionCounts& counts) {
    double chain = 0;
    for (const auto& row : counts)
        chain += DirichletMixture::logValueOf(row);
    return chain;
}

// Log10 of the mean of the tests' evidence, from their natural logs.
double log10MeanOf(const std::array<double, kTestsPerSeries>& logs) {
    const double top = *std::max_element(logs.begin(), logs.end());
    double sum = 0;
    for (const double logValue : logs)
        sum += std::exp(logValue - top);
    return (top + std::log(sum / static_cast<double>(logs.size()))) / std::numbers::ln10;
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

namespace {

// Calls onClass(class) for each class and onRepeat() for each repeat in the
// order they came: a repeat before the class whose index it records; those
// past the last class, and any out of order, at the end.
template <typename OnClass, typename OnRepeat>
void replay(std::span<const std::int8_t> classes, std::span<const std::int64_t> repeatsBefore,
            OnClass onClass, OnRepeat onRepeat) {
    auto repeat = repeatsBefore.begin();
    const auto repeatsUpTo = [&](std::int64_t classesSoFar) {
        for (; repeat != repeatsBefore.end() && *repeat <= classesSoFar; ++repeat)
            onRepeat();
    };
    for (std::size_t i = 0; i < classes.size(); ++i) {
        repeatsUpTo(static_cast<std::int64_t>(i));
        onClass(classes[i]);
    }
    repeatsUpTo(static_cast<std::int64_t>(classes.size()));
    for (; repeat != repeatsBefore.end(); ++repeat)
        onRepeat();
}

} // namespace

void SeriesAnalysis::recompute(std::span<const std::int8_t> classes,
                               std::span<const std::int64_t> repeatsBefore) {
    *this = SeriesAnalysis();
    const auto spins = static_cast<std::int64_t>(classes.size() + repeatsBefore.size());
    if (spins <= kRebuildByFactorsUpTo) {
        replay(
            classes, repeatsBefore, [this](int c) { add(c); }, [this] { addRepeat(); });
        return;
    }
    // A long series replays the bets and counts alone. The mixtures depend
    // only on the counts, so they cost a few log-gammas at the end and at
    // each point the trace keeps rather than a factor a launch: a load of
    // millions of launches pays little more than the bets themselves. The
    // method's exact law is built once, from its record.
    m_scoreboard.deferLaw();
    m_trace.reserveFor(spins);
    std::array<std::int64_t, 6> frequency{};
    const auto spun = [&] {
        ++m_spins;
        if (m_trace.wants(m_spins))
            m_trace.record(m_spins, log10MeanOf({DirichletMixture::logValueOf(frequency),
                                                 m_scoreboard.wealth().logValue(),
                                                 chainLogValueOf(m_transitions.counts())}));
    };
    replay(
        classes, repeatsBefore,
        [&](int distanceClass) {
            m_scoreboard.add(distanceClass);
            m_transitions.add(distanceClass);
            ++frequency[static_cast<std::size_t>(classRow(distanceClass))];
            spun();
        },
        [&] {
            m_scoreboard.addRepeat();
            spun();
        });
    m_scoreboard.settleLaw();
    m_bias.setCounts(frequency);
    double chain = 0;
    for (std::size_t row = 0; row < 6; ++row)
        chain += m_next[row].setCounts(m_transitions.counts()[row]);
    m_chain = RunningProduct::fromLog(chain);
    if (!classes.empty())
        m_lastRow = classRow(classes.back());
}

std::array<double, kTestsPerSeries> SeriesAnalysis::logEvidence() const {
    return {m_bias.logValue(), m_scoreboard.wealth().logValue(), m_chain.logValue()};
}

double SeriesAnalysis::log10Evidence() const {
    return log10MeanOf(logEvidence());
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
            .wins = m_scoreboard.winsByReds(),
            .repeatBets = m_scoreboard.repeatBets(),
            .repeatRedClasses = m_scoreboard.repeatRedClasses()};
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
        m_method = MethodScoreboard::fromRecord(m_summary.bets, m_summary.wins,
                                                m_summary.repeatBets, m_summary.repeatRedClasses);
    return {.uniformity = testUniformity(m_summary.frequency),
            .method = &*m_method,
            .dependence = testIndependence(m_summary.transitions),
            .logEvidence = {DirichletMixture::logValueOf(m_summary.frequency),
                            m_method->wealth().logValue(), chainLogValueOf(m_summary.transitions)},
            .launches = launches()};
}

} // namespace rotamind::analysis
