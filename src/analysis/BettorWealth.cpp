#include "analysis/BettorWealth.h"

#include <algorithm>
#include <cmath>

namespace rotamind::analysis {

namespace {

struct Multipliers {
    // [fraction][red classes - 1]: log of the wealth after a win, after a loss.
    std::array<std::array<double, 5>, BettorWealth::kFractions.size()> won{};
    std::array<double, BettorWealth::kFractions.size()> lost{};
};

// A stake s on k classes (6k pockets) returns 36 s / 6k = 6 s / k on a win.
const Multipliers& multipliers() {
    static const Multipliers table = [] {
        Multipliers m;
        for (std::size_t f = 0; f < BettorWealth::kFractions.size(); ++f) {
            const double fraction = BettorWealth::kFractions[f];
            m.lost[f] = std::log(1.0 - fraction);
            for (int reds = 1; reds <= 5; ++reds)
                m.won[f][static_cast<std::size_t>(reds - 1)] =
                    std::log(1.0 - fraction + fraction * 6.0 / reds);
        }
        return m;
    }();
    return table;
}

} // namespace

double BettorWealth::logValue() const {
    const Multipliers& m = multipliers();
    std::array<double, kFractions.size()> logWealth{};
    for (std::size_t f = 0; f < logWealth.size(); ++f) {
        logWealth[f] = static_cast<double>(m_losses) * m.lost[f];
        for (std::size_t k = 0; k < m_wins.size(); ++k)
            logWealth[f] += static_cast<double>(m_wins[k]) * m.won[f][k];
    }
    const double top = *std::max_element(logWealth.begin(), logWealth.end());
    double sum = 0;
    for (const double value : logWealth)
        sum += std::exp(value - top);
    return top + std::log(sum / static_cast<double>(logWealth.size()));
}

} // namespace rotamind::analysis
