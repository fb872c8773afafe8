#pragma once

#include "analysis/BettorWealth.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace rotamind::analysis {

// The record of the method the grids suggest: before each launch, bet on every
// class whose I.C. label is red, one chip on each of its six pockets. The
// board keeps its own frequencies and absences of the launches replayed so
// far, so that the bet before a launch is exactly what the window showed at
// that moment. A launch whose number repeated the one before has no class,
// but the chips on the table are lost all the same: it counts as a bet.
class MethodScoreboard final {
public:
    // Past this many bets on classified launches the exact law of the hits
    // is no longer kept, and the method has no p-value: its evidence is what
    // counts, and it costs the same at any length.
    static constexpr std::int64_t kExactLawBets = 10000;

    // Scores `distanceClass` (3..-3) against the current bet, then takes it in;
    // the same cost whatever the length of the series.
    void add(int distanceClass);
    // Scores a repeated number against the current bet, every chip lost; the
    // frequencies and absences stay, since the window's grids never see it.
    void addRepeat();
    // Replays exactly these classes, oldest first; after a delete or a load.
    void recompute(std::span<const std::int8_t> classes);
    void clear() { *this = MethodScoreboard(); }
    // Begins another session's series, keeping the record: the next bet knows
    // nothing of the launches before, as the window at a session's start.
    void startSeries() {
        m_frequency = {};
        m_last.fill(-1);
        m_scaledIndex = {};
        m_scaledStep = {};
        m_launches = 0;
    }
    // A replay of a long series builds the exact law of the hits once, from
    // the record, when it is over (settleLaw) rather than bet by bet; past
    // kExactLawBets bets, not at all. Until then pValue() has nothing to say.
    void deferLaw() { m_lawDeferred = true; }
    void settleLaw();

    // Launches and repeats that had at least one red class, 0..spins.
    std::int64_t bets() const { return total(m_betsByReds) + m_repeatBets; }
    // Bets whose launch fell in a red class, 0..bets.
    std::int64_t hits() const { return total(m_winsByReds); }
    // Sum over the bets on classified launches of the red classes, 1..5 each
    // (one class is always the last launch's, absence 0, never red); the
    // expected hits are this / 6, since a repeat can never win.
    std::int64_t redClasses() const;
    double expectedHits() const { return static_cast<double>(redClasses()) / 6.0; }
    // Poisson-binomial variance of the hits, sum of p (1 - p) with p = reds / 6.
    double hitVariance() const;
    // Red classes staked on every bet, repeats included.
    std::int64_t stakedClasses() const { return redClasses() + m_repeatRedClasses; }
    // Chips won less chips staked: a hit pays 36, each red class stakes 6.
    std::int64_t balance() const { return 36 * hits() - 6 * stakedClasses(); }
    // What a fair wheel leaves of the same stakes on average: each chip on a
    // pocket returns 36/37 of itself, so -6 k / 37 per bet on k classes.
    // In 37ths of a chip, <= 0.
    std::int64_t expectedBalanceIn37ths() const { return -6 * stakedClasses(); }
    // One-sided P(hits at least as many by chance), the exact Poisson-binomial
    // tail over the bets on classified launches; none before the first bet and
    // past kExactLawBets of them. 0..1.
    std::optional<double> pValue() const;
    // The wealth of a bettor who follows the method at the table's payout.
    // Only counts are kept a launch; the bettor is made from them when asked.
    BettorWealth wealth() const;
    // Bets on classified launches by the red classes staked (1..5), and how
    // many of them won: all the record says, whatever the order of the bets.
    const std::array<std::int64_t, 5>& betsByReds() const { return m_betsByReds; }
    const std::array<std::int64_t, 5>& winsByReds() const { return m_winsByReds; }
    // Bets on repeated numbers, every one lost, and the red classes they staked.
    std::int64_t repeatBets() const { return m_repeatBets; }
    std::int64_t repeatRedClasses() const { return m_repeatRedClasses; }
    // The record of bets so counted (each wins <= bets, all >= 0), with
    // `repeatBets` more lost on repeats that staked `repeatRedClasses`, as a
    // board that replayed them would show it; the exact law is kept up to
    // kExactLawBets of them. Not for betting on: it has no frequencies.
    static MethodScoreboard fromRecord(const std::array<std::int64_t, 5>& bets,
                                       const std::array<std::int64_t, 5>& wins,
                                       std::int64_t repeatBets = 0,
                                       std::int64_t repeatRedClasses = 0);

    // The red classes of the next launch, as a flag per row of kClasses.
    std::array<bool, 6> nextBet() const;

private:
    // Per row of kClasses: occurrences, and the launch (0-based) of the last
    // one, -1 before the first, so that the absence is launches - 1 - last.
    std::array<std::int64_t, 6> m_frequency{};
    std::array<std::int64_t, 6> m_last{-1, -1, -1, -1, -1, -1};
    // Per row, frequency x absence x 20000, kept by additions: exact up to
    // 2^25 launches, unsigned so that past it the unused value merely wraps.
    std::array<std::uint64_t, 6> m_scaledIndex{};
    std::array<std::uint64_t, 6> m_scaledStep{}; // frequency x 20000
    std::int64_t m_launches = 0;
    std::int64_t m_repeatBets = 0;
    std::int64_t m_repeatRedClasses = 0;
    std::int64_t m_classifiedBets = 0;
    std::array<std::int64_t, 5> m_betsByReds{};
    std::array<std::int64_t, 5> m_winsByReds{};
    // P(hits = m_lawFirst + i) by chance; the far tails, below 1e-18 of the
    // largest term, are dropped, so its width grows as the root of the bets.
    std::vector<double> m_hitLaw{1.0};
    std::vector<double> m_lawScratch;
    std::int64_t m_lawFirst = 0;
    bool m_lawDeferred = false;

    static constexpr std::int64_t kLaunchesOfExactProducts = std::int64_t{1} << 25;

    // The window's own index of `row` decides, at the edge of red.
    bool isRedAtTheEdge(std::size_t row) const;
    static std::int64_t total(const std::array<std::int64_t, 5>& counts) {
        std::int64_t sum = 0;
        for (const std::int64_t count : counts)
            sum += count;
        return sum;
    }
    // The red labels before the next launch, a bit per row of kClasses.
    unsigned redMask() const {
        // The label is red when the index rounds to 1 or more, i.e. from an
        // exact F x RIT / N of 0.99995 up. The window works the index out in
        // long double, two roundings of the 64-bit significand, about 1e-19 of
        // it; an exact quotient other than 0.99995 itself lies at least
        // 1 / (20000 N) away from it, far more than that up to 2^25 launches,
        // so the comparison in integers decides as the window does everywhere
        // but at the tie, where only the window's own rounding says. A replay
        // of millions of launches would otherwise pay six divisions and
        // roundings a launch, and a series whose shares sit at a third and
        // absences at three hovers at that edge. F x RIT is at most N^2 / 4:
        // 64 bits hold it times 20000 up to 2^25 launches, past any session's
        // length, and it is kept up to date by additions.
        if (m_launches == 0)
            return 0;
        if (m_launches > kLaunchesOfExactProducts) [[unlikely]]
            return wideRedMask();
        const auto edge = static_cast<std::uint64_t>(m_launches) * 19999;
        unsigned mask = 0;
        bool tie = false;
        for (std::size_t row = 0; row < 6; ++row) {
            mask |= static_cast<unsigned>(m_scaledIndex[row] > edge) << row;
            tie |= m_scaledIndex[row] == edge;
        }
        return tie ? redMaskAtTheEdge(mask, edge) : mask;
    }
    unsigned redMaskAtTheEdge(unsigned mask, std::uint64_t edge) const;
    unsigned wideRedMask() const;
    void takeIntoLaw(double winProbability);
};

} // namespace rotamind::analysis
