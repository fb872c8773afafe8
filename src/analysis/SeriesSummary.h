#pragma once

#include "analysis/TransitionTable.h"

#include <array>
#include <cstdint>
#include <span>

namespace rotamind::analysis {

// What the tests need of a series, kept as counts only: the counts of two
// series added together are those of both, so that thousands of archived
// sessions pool with one sum instead of a replay. The class tests depend on
// the counts alone; the method's bettor on how many bets staked each number of
// red classes and how many of those won, whatever their order.
struct SeriesSummary {
    // Launches with a class, per row of kClasses.
    std::array<std::int64_t, 6> frequency{};
    // Class after class within the series.
    TransitionCounts transitions{};
    // Bets on classified launches by the red classes staked (1..5), and how
    // many of them the launch won.
    std::array<std::int64_t, 5> bets{};
    std::array<std::int64_t, 5> wins{};
    // Bets placed before a number that repeated the one before, every one
    // lost, and the red classes they staked (1..5 each): the house's edge.
    std::int64_t repeatBets = 0;
    std::int64_t repeatRedClasses = 0;

    std::int64_t launches() const;
    SeriesSummary& operator+=(const SeriesSummary& other);
    bool operator==(const SeriesSummary&) const = default;

    // The summary of these classes, oldest first, replayed as a series of
    // their own, with no repeat among them; linear in their number.
    static SeriesSummary of(std::span<const std::int8_t> classes);
};

} // namespace rotamind::analysis
