#include "analysis/MethodScoreboard.h"

#include "wheel/Wheel.h"

#include "stats/Int128.h"
#include "stats/SeriesStats.h"

#include <algorithm>
#include <bit>

namespace rotamind::analysis {

namespace {

// The red classes of a mask of six: a table, since the target need not have
// a population-count instruction and the library's stand-in is a call.
constexpr std::array<std::uint8_t, 64> kRedsOfMask = [] {
    std::array<std::uint8_t, 64> reds{};
    for (unsigned mask = 0; mask < 64; ++mask)
        reds[mask] = static_cast<std::uint8_t>(std::popcount(mask));
    return reds;
}();

} // namespace

bool MethodScoreboard::isRedAtTheEdge(std::size_t row) const {
    return convenienceIndex(m_frequency[row], m_launches - 1 - m_last[row], m_launches)
        .isOneOrMore();
}

std::array<bool, 6> MethodScoreboard::nextBet() const {
    const unsigned mask = redMask();
    std::array<bool, 6> red{};
    for (std::size_t row = 0; row < 6; ++row)
        red[row] = ((mask >> row) & 1U) != 0;
    return red;
}

unsigned MethodScoreboard::redMaskAtTheEdge(unsigned mask, std::uint64_t edge) const {
    for (std::size_t row = 0; row < 6; ++row)
        if (m_scaledIndex[row] == edge && isRedAtTheEdge(row))
            mask |= 1U << row;
    return mask;
}

unsigned MethodScoreboard::wideRedMask() const {
    // Past 2^25 launches the products need 128 bits, and there the window's
    // index decides within a hundred-thousandth of the edge.
    unsigned mask = 0;
    const auto launches = static_cast<Int128>(m_launches);
    for (std::size_t row = 0; row < 6; ++row) {
        const std::int64_t absence = m_launches - 1 - m_last[row];
        const Int128 scaled = static_cast<Int128>(m_frequency[row]) * absence * 20000;
        if (scaled < launches * 19999)
            continue;
        if (scaled > launches * 20001 || isRedAtTheEdge(row))
            mask |= 1U << row;
    }
    return mask;
}

void MethodScoreboard::takeIntoLaw(double winProbability) {
    ++m_classifiedBets;
    if (m_lawDeferred)
        return;
    if (m_classifiedBets > kExactLawBets) {
        if (!m_hitLaw.empty())
            m_hitLaw = {};
        return;
    }
    // Out of place, so that the loop has no dependence and vectorises.
    const double loss = 1.0 - winProbability;
    const std::size_t size = m_hitLaw.size();
    m_lawScratch.resize(size + 1);
    m_lawScratch[0] = m_hitLaw[0] * loss;
    for (std::size_t i = 1; i < size; ++i)
        m_lawScratch[i] = m_hitLaw[i] * loss + m_hitLaw[i - 1] * winProbability;
    m_lawScratch[size] = m_hitLaw[size - 1] * winProbability;
    std::swap(m_hitLaw, m_lawScratch);
    const double largest = *std::max_element(m_hitLaw.begin(), m_hitLaw.end());
    // The law is unimodal: only its ends can fall below the cut.
    const auto kept = [largest](double p) { return p >= largest * 1e-18; };
    m_hitLaw.erase(std::find_if(m_hitLaw.rbegin(), m_hitLaw.rend(), kept).base(), m_hitLaw.end());
    const auto keptFirst = std::find_if(m_hitLaw.begin(), m_hitLaw.end(), kept);
    m_lawFirst += keptFirst - m_hitLaw.begin();
    m_hitLaw.erase(m_hitLaw.begin(), keptFirst);
}

void MethodScoreboard::addRepeat() {
    const int reds = kRedsOfMask[redMask()];
    if (reds == 0)
        return;
    ++m_repeatBets;
    m_repeatRedClasses += reds;
}

void MethodScoreboard::add(int distanceClass) {
    const unsigned red = redMask();
    const auto row = static_cast<std::size_t>(classRow(distanceClass));
    const int reds = kRedsOfMask[red];
    if (reds > 0) {
        const auto won = static_cast<std::int64_t>((red >> row) & 1U);
        const auto kind = static_cast<std::size_t>(reds - 1);
        ++m_betsByReds[kind];
        m_winsByReds[kind] += won;
        if (!m_lawDeferred)
            takeIntoLaw(reds / 6.0);
    }
    ++m_frequency[row];
    m_last[row] = m_launches;
    ++m_launches;
    // Every absence grows by one but this class's, which starts again at 0.
    // In one pass that writes each value once, without a branch on which
    // class fell: a word stored alone and read back in a wider load stalls
    // the next launch, and a random class defeats any prediction.
    for (std::size_t other = 0; other < 6; ++other) {
        const auto fell = static_cast<std::uint64_t>(other == row);
        const std::uint64_t step = m_scaledStep[other] + fell * 20000;
        m_scaledStep[other] = step;
        m_scaledIndex[other] = (m_scaledIndex[other] + step) & (fell - 1);
    }
}

MethodScoreboard MethodScoreboard::fromRecord(const std::array<std::int64_t, 5>& bets,
                                              const std::array<std::int64_t, 5>& wins,
                                              std::int64_t repeatBets,
                                              std::int64_t repeatRedClasses) {
    MethodScoreboard board;
    board.m_repeatBets = repeatBets;
    board.m_repeatRedClasses = repeatRedClasses;
    board.m_betsByReds = bets;
    board.m_winsByReds = wins;
    board.m_lawDeferred = true;
    board.settleLaw();
    return board;
}

std::int64_t MethodScoreboard::redClasses() const {
    std::int64_t classes = 0;
    for (std::size_t k = 0; k < m_betsByReds.size(); ++k)
        classes += static_cast<std::int64_t>(k + 1) * m_betsByReds[k];
    return classes;
}

double MethodScoreboard::hitVariance() const {
    // Sum of p (1 - p) with p = reds / 6, kept exact in 36ths.
    std::int64_t in36ths = 0;
    for (std::size_t k = 0; k < m_betsByReds.size(); ++k) {
        const auto reds = static_cast<std::int64_t>(k + 1);
        in36ths += reds * (6 - reds) * m_betsByReds[k];
    }
    return static_cast<double>(in36ths) / 36.0;
}

BettorWealth MethodScoreboard::wealth() const {
    BettorWealth bettor;
    for (std::size_t k = 0; k < m_betsByReds.size(); ++k) {
        const int reds = static_cast<int>(k) + 1;
        bettor.bet(reds, true, m_winsByReds[k]);
        bettor.bet(reds, false, m_betsByReds[k] - m_winsByReds[k]);
    }
    // A lost bet costs the same share of wealth whatever it staked.
    bettor.bet(1, false, m_repeatBets);
    return bettor;
}

void MethodScoreboard::settleLaw() {
    if (!m_lawDeferred)
        return;
    m_lawDeferred = false;
    m_lawFirst = 0;
    m_classifiedBets = total(m_betsByReds);
    if (m_classifiedBets > kExactLawBets) {
        m_hitLaw = {};
        return;
    }
    // The law of the hits does not depend on the order of the bets.
    m_hitLaw = {1.0};
    m_classifiedBets = 0;
    for (std::size_t k = 0; k < m_betsByReds.size(); ++k)
        for (std::int64_t i = 0; i < m_betsByReds[k]; ++i)
            takeIntoLaw(static_cast<double>(k + 1) / 6.0);
}

void MethodScoreboard::recompute(std::span<const std::int8_t> classes) {
    clear();
    for (const std::int8_t distanceClass : classes)
        add(distanceClass);
}

std::optional<double> MethodScoreboard::pValue() const {
    if (bets() == 0 || m_hitLaw.empty() || m_lawDeferred)
        return std::nullopt;
    // Summed from the far end, the small terms first.
    double tail = 0;
    const std::int64_t first = std::max<std::int64_t>(hits() - m_lawFirst, 0);
    for (auto i = static_cast<std::int64_t>(m_hitLaw.size()) - 1; i >= first; --i)
        tail += m_hitLaw[static_cast<std::size_t>(i)];
    return std::min(tail, 1.0);
}

} // namespace rotamind::analysis
