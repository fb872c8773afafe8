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

void BettorWealth::bet(int redClasses, bool won) {
    const Multipliers& m = multipliers();
    for (std::size_t f = 0; f < m_logWealth.size(); ++f)
        m_logWealth[f] += won ? m.won[f][static_cast<std::size_t>(redClasses - 1)] : m.lost[f];
}

void BettorWealth::bet(int redClasses, bool won, std::int64_t times) {
    const Multipliers& m = multipliers();
    const auto count = static_cast<double>(times);
    for (std::size_t f = 0; f < m_logWealth.size(); ++f)
        m_logWealth[f] +=
            count * (won ? m.won[f][static_cast<std::size_t>(redClasses - 1)] : m.lost[f]);
}

double BettorWealth::logValue() const {
    const double top = *std::max_element(m_logWealth.begin(), m_logWealth.end());
    double sum = 0;
    for (const double logWealth : m_logWealth)
        sum += std::exp(logWealth - top);
    return top + std::log(sum / static_cast<double>(m_logWealth.size()));
}

} // namespace rotamind::analysis
