#include "analysis/MethodScoreboard.h"

#include "analysis/Significance.h"
#include "stats/Int128.h"
#include "stats/SeriesStats.h"

#include <cmath>

namespace rotamind::analysis {

namespace {

int classRow(int distanceClass) {
    return distanceClass > 0 ? 3 - distanceClass : 2 - distanceClass;
}

} // namespace

std::array<bool, 6> MethodScoreboard::nextBet() const {
    // The label is red when the index rounds to 1 or more, i.e. from an exact
    // F x RIT / N of 0.99995 up. Away from that edge the exact comparison in
    // integers decides as the window's extended-precision rounding does; only
    // within a hundred-thousandth of it is the window's own index evaluated.
    // A replay of millions of launches would otherwise pay six divisions and
    // roundings a launch.
    std::array<bool, 6> red{};
    if (m_launches == 0)
        return red;
    const auto launches = static_cast<Int128>(m_launches);
    for (std::size_t row = 0; row < 6; ++row) {
        const std::int64_t absence = m_launches - 1 - m_last[row];
        const Int128 scaled = static_cast<Int128>(m_frequency[row]) * absence * 20000;
        if (scaled < launches * 19999)
            continue;
        red[row] = scaled > launches * 20001 ||
                   convenienceIndex(m_frequency[row], absence, m_launches).isOneOrMore();
    }
    return red;
}

void MethodScoreboard::add(int distanceClass) {
    const std::array<bool, 6> red = nextBet();
    const auto row = static_cast<std::size_t>(classRow(distanceClass));
    std::int64_t reds = 0;
    for (const bool r : red)
        reds += r ? 1 : 0;
    if (reds > 0) {
        ++m_bets;
        m_redClasses += reds;
        m_varianceIn36ths += reds * (6 - reds);
        if (red[row])
            ++m_hits;
    }
    ++m_frequency[row];
    m_last[row] = m_launches;
    ++m_launches;
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
