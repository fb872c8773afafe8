#pragma once

#include <array>
#include <cstdint>

namespace rotamind::analysis {

// The wealth of a player who follows the method at the table: before each
// spin they stake a fixed fraction of what they have on the red classes, one
// chip per pocket, and a chip on the winning pocket returns 36 of the 37. A
// repeated number loses the stake. Several such players, each with another
// fraction, start with an equal part of one unit; their total is the
// evidence. At the table's payout a fair wheel takes 1/37 of every stake, so
// the total can only drift down unless the method beats the house. A player's
// wealth is a product of one factor per kind of spin, so only the count of
// each kind is kept: a spin costs an increment, and the logs are taken once
// per reading.
class BettorWealth final {
public:
    static constexpr std::array<double, 4> kFractions{1.0 / 16, 1.0 / 8, 1.0 / 4, 1.0 / 2};

    // `times` spins (>= 0) with `redClasses` (1..5) classes staked; `won`
    // when the number fell in one of them. The wealth depends only on how
    // many bets of each kind there were.
    void bet(int redClasses, bool won, std::int64_t times) {
        if (won)
            m_wins[static_cast<std::size_t>(redClasses - 1)] += times;
        else
            m_losses += times;
    }

    // Natural log of the total wealth; 0 before any bet.
    double logValue() const;

private:
    std::array<std::int64_t, 5> m_wins{}; // by red classes staked, 1..5
    std::int64_t m_losses = 0;
};

} // namespace rotamind::analysis
