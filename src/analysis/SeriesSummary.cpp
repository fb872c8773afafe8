#include "analysis/SeriesSummary.h"

#include "analysis/MethodScoreboard.h"
#include "wheel/Wheel.h"

#include <numeric>

namespace rotamind::analysis {

std::int64_t SeriesSummary::launches() const {
    return std::accumulate(frequency.begin(), frequency.end(), std::int64_t{0});
}

SeriesSummary& SeriesSummary::operator+=(const SeriesSummary& other) {
    for (std::size_t row = 0; row < 6; ++row) {
        frequency[row] += other.frequency[row];
        for (std::size_t next = 0; next < 6; ++next)
            transitions[row][next] += other.transitions[row][next];
    }
    for (std::size_t k = 0; k < bets.size(); ++k) {
        bets[k] += other.bets[k];
        wins[k] += other.wins[k];
    }
    repeatBets += other.repeatBets;
    repeatRedClasses += other.repeatRedClasses;
    return *this;
}

SeriesSummary SeriesSummary::of(std::span<const std::int8_t> classes) {
    MethodScoreboard board;
    TransitionTable table;
    SeriesSummary summary;
    for (const std::int8_t distanceClass : classes) {
        board.add(distanceClass);
        table.add(distanceClass);
        ++summary.frequency[static_cast<std::size_t>(classRow(distanceClass))];
    }
    summary.transitions = table.counts();
    summary.bets = board.betsByReds();
    summary.wins = board.winsByReds();
    return summary;
}

} // namespace rotamind::analysis
