#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace rotamind::analysis {

// The record of the method the grids suggest: before each launch, bet on every
// class whose I.C. label is red, one chip on each of its six pockets. The
// board keeps its own frequencies and absences of the launches replayed so
// far, so that the bet before a launch is exactly what the window showed at
// that moment.
class MethodScoreboard final {
public:
    // Scores `distanceClass` (3..-3) against the current bet, then takes it in;
    // the same cost whatever the length of the series.
    void add(int distanceClass);
    // Replays exactly these classes, oldest first; after a delete or a load.
    void recompute(std::span<const std::int8_t> classes);
    void clear() { *this = MethodScoreboard(); }
    // Begins another session's series, keeping the record: the next bet knows
    // nothing of the launches before, as the window at a session's start.
    void startSeries() {
        m_frequency = {};
        m_last.fill(-1);
        m_launches = 0;
    }

    // Launches that had at least one red class, 0..launches.
    std::int64_t bets() const { return m_bets; }
    // Bets whose launch fell in a red class, 0..bets.
    std::int64_t hits() const { return m_hits; }
    // Sum over bets of the red classes, 1..5 each (one class is always the last
    // launch's, absence 0, never red); the expected hits are this / 6.
    std::int64_t redClasses() const { return m_redClasses; }
    double expectedHits() const { return static_cast<double>(m_redClasses) / 6.0; }
    // Poisson-binomial variance of the hits, sum of p (1 - p) with p = reds / 6.
    double hitVariance() const { return static_cast<double>(m_varianceIn36ths) / 36.0; }
    // Chips won less chips staked: a hit pays 36, each red class stakes 6.
    std::int64_t balance() const { return 36 * m_hits - 6 * m_redClasses; }
    // One-sided P(hits at least as many by chance), normal approximation with
    // continuity correction; none before the first bet. 0..1.
    std::optional<double> pValue() const;

    // The red classes of the next launch, as a flag per row of kClasses.
    std::array<bool, 6> nextBet() const;

private:
    // Per row of kClasses: occurrences, and the launch (0-based) of the last
    // one, -1 before the first, so that the absence is launches - 1 - last.
    std::array<std::int64_t, 6> m_frequency{};
    std::array<std::int64_t, 6> m_last{-1, -1, -1, -1, -1, -1};
    std::int64_t m_launches = 0;
    std::int64_t m_bets = 0;
    std::int64_t m_hits = 0;
    std::int64_t m_redClasses = 0;
    std::int64_t m_varianceIn36ths = 0; // sum of reds * (6 - reds), exact
};

} // namespace rotamind::analysis
