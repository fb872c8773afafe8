#pragma once

#include "analysis/DirichletMixture.h"
#include "analysis/EvidenceTrace.h"
#include "analysis/MethodScoreboard.h"
#include "analysis/SeriesSummary.h"
#include "analysis/TransitionTable.h"
#include "analysis/Uniformity.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace rotamind::analysis {

// The three tests of a series, in the order their evidence is kept.
enum class Test { Uniformity, Method, Dependence };
inline constexpr std::size_t kTestsPerSeries = 3;

// The three tests of one series.
struct SeriesReport {
    UniformityTest uniformity;
    const MethodScoreboard* method = nullptr;
    IndependenceTest dependence;
    // Natural log of each test's evidence against the fair wheel, by Test: the
    // wealth of its bettor, started at 1.
    std::array<double, kTestsPerSeries> logEvidence{};
    std::int64_t launches = 0; // launches with a class
};

// What the analysis of a series keeps between launches: the scoreboard, the
// transition table and the evidence of each test, each brought up to date in
// constant time by an append and rebuilt after anything else.
class SeriesAnalysis final {
public:
    // Up to this many launches and repeats a rebuild appends them one by one,
    // to the last bit what the appends gave; past it, where a factor a launch
    // costs more than the log-gammas at the trace's points, it takes the
    // mixtures from the counts.
    static constexpr std::int64_t kRebuildByFactorsUpTo = 64 * EvidenceTrace::kCapacity;

    // A launch at the end of the series that brought a class.
    void add(int distanceClass);
    // A launch at the end whose number repeated the one before: it has no
    // class, and every bet placed on it is lost.
    void addRepeat();
    // Everything again from the series: its classes, oldest first, and for
    // each repeat the number of classes that came before it (non-decreasing).
    void recompute(std::span<const std::int8_t> classes,
                   std::span<const std::int64_t> repeatsBefore = {});
    // Begins another session's series, keeping every record and evidence: the
    // next bet and the next step of class after class know nothing of the
    // launches before.
    void startSeries();

    const MethodScoreboard& scoreboard() const { return m_scoreboard; }
    const TransitionTable& transitions() const { return m_transitions; }
    // Launches with a class, and those with one of each row of kClasses.
    std::int64_t launches() const { return m_bias.launches(); }
    const std::array<std::int64_t, 6>& frequency() const { return m_bias.counts(); }
    // Launches and repeats.
    std::int64_t spins() const { return m_spins; }
    // Log10 of the series' evidence (the mean of its tests') over its spins.
    const EvidenceTrace& trace() const { return m_trace; }

    // The tests as they stand, with the frequencies of the series' classes
    // (one per row of kClasses).
    SeriesReport report(const std::array<std::int64_t, 6>& frequency) const;
    SeriesReport report() const { return report(frequency()); }
    std::array<double, kTestsPerSeries> logEvidence() const;
    // The counts of the series, as the archive keeps them beside its items:
    // the repeats, which the items leave out, only as lost bets.
    SeriesSummary summary() const;
    // Log10 of the mean of the tests' evidence: the series' own evidence.
    double log10Evidence() const;

private:
    void recordEvidence();

    MethodScoreboard m_scoreboard;
    TransitionTable m_transitions;
    DirichletMixture m_bias;
    // Class after class: one mixture per previous class, each betting on the
    // class that follows it; their product is the test's wealth.
    std::array<DirichletMixture, 6> m_next;
    RunningProduct m_chain;
    std::optional<int> m_lastRow;
    std::int64_t m_spins = 0; // launches and repeats
    EvidenceTrace m_trace;
};

// The three tests over the series of several sessions taken one after the
// other, in the order they were played. Each session's series begins afresh:
// no bet and no step of class after class spans two sessions, since the
// wheel, the croupier's hand and the player's screen all started over in
// between. The evidence of each test depends only on the counts of the
// sessions' summaries, so the sessions pool by adding those up: the evidence
// reached after the last session is the same in any order.
class JoinedAnalysis final {
public:
    // Adds one session's series, oldest class first; an empty one is not counted.
    void addSession(std::span<const std::int8_t> classes);
    // Adds the summed summary of `sessions` sessions (none counted when it
    // has no launch).
    void addSummary(const SeriesSummary& summary, std::int64_t sessions = 1);

    std::int64_t sessions() const { return m_sessions; }
    std::int64_t launches() const { return m_summary.launches(); }
    const std::array<std::int64_t, 6>& frequency() const { return m_summary.frequency; }
    const SeriesSummary& summary() const { return m_summary; }
    // The tests as they stand; `method` points into this object, valid until
    // the next add.
    SeriesReport report() const;

private:
    SeriesSummary m_summary;
    std::int64_t m_sessions = 0;
    // The method's board made from the record when a report asks for it.
    mutable std::optional<MethodScoreboard> m_method;
};

} // namespace rotamind::analysis
