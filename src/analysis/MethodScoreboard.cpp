#include "analysis/MethodScoreboard.h"

#include "analysis/Significance.h"

#include <cmath>

namespace rotamind::analysis {

namespace {

int classRow(int distanceClass) {
    return distanceClass > 0 ? 3 - distanceClass : 2 - distanceClass;
}

} // namespace

std::array<bool, 6> MethodScoreboard::nextBet() const {
    std::array<bool, 6> red{};
    for (int row = 0; row < 6; ++row) {
        // An index under one half cannot round to 1, and most are: the exact
        // integer test spares the extended-precision division a replay of
        // millions of launches would otherwise pay six times a launch.
        const auto i = static_cast<std::size_t>(row);
        const std::int64_t product =
            m_statistics.classic().frequency[i] * m_statistics.classic().absence[i];
        if (2 * product < m_statistics.launches())
            continue;
        red[i] = m_statistics.classicIndex(row).isOneOrMore();
    }
    return red;
}

void MethodScoreboard::add(int distanceClass) {
    const std::array<bool, 6> red = nextBet();
    std::int64_t reds = 0;
    for (const bool r : red)
        reds += r ? 1 : 0;
    if (reds > 0) {
        ++m_bets;
        m_redClasses += reds;
        m_varianceIn36ths += reds * (6 - reds);
        if (red[static_cast<std::size_t>(classRow(distanceClass))])
            ++m_hits;
    }
    m_statistics.add(distanceClass);
}

void MethodScoreboard::recompute(std::span<const std::int8_t> classes) {
    clear();
    for (const std::int8_t distanceClass : classes)
        add(distanceClass);
}

std::optional<double> MethodScoreboard::pValue() const {
    if (m_bets == 0 || m_varianceIn36ths == 0)
        return std::nullopt;
    const double z =
        (static_cast<double>(m_hits) - 0.5 - expectedHits()) / std::sqrt(hitVariance());
    return normalUpperTail(z);
}

} // namespace rotamind::analysis
