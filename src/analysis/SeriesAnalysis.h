#pragma once

#include "analysis/MethodScoreboard.h"
#include "analysis/TransitionTable.h"
#include "analysis/Uniformity.h"

#include <array>
#include <cstdint>
#include <span>

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
    // A launch at the end of the series that brought a class.
    void add(int distanceClass);
    // A launch at the end whose number repeated the one before: it has no
    // class, and every bet placed on it is lost.
    void addRepeat();
    // Everything again from the series: its classes, oldest first, and for
    // each repeat the number of classes that came before it (non-decreasing).
    void recompute(std::span<const std::int8_t> classes,
                   std::span<const std::int64_t> repeatsBefore = {});

    const MethodScoreboard& scoreboard() const { return m_scoreboard; }
    const TransitionTable& transitions() const { return m_transitions; }

    // The tests as they stand, with the frequencies of the series' classes
    // (one per row of kClasses).
    SeriesReport report(const std::array<std::int64_t, 6>& frequency) const;

private:
    MethodScoreboard m_scoreboard;
    TransitionTable m_transitions;
};

// The three tests over the series of several sessions taken one after the
// other. Each session's series begins afresh: no bet and no step of class
// after class spans two sessions, since the wheel, the croupier's hand and
// the player's screen all started over in between.
class JoinedAnalysis final {
public:
    // Adds one session's series, oldest class first; an empty one is not counted.
    void addSession(std::span<const std::int8_t> classes);

    std::int64_t sessions() const { return m_sessions; }
    std::int64_t launches() const { return m_launches; }
    SeriesReport report() const;

private:
    MethodScoreboard m_scoreboard;
    TransitionTable m_transitions;
    std::array<std::int64_t, 6> m_frequency{}; // per row of kClasses
    std::int64_t m_sessions = 0;
    std::int64_t m_launches = 0;
};

} // namespace rotamind::analysis
