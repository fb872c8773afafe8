#include "analysis/TransitionTable.h"

#include "analysis/Significance.h"

namespace rotamind::analysis {

void TransitionTable::recompute(std::span<const std::int8_t> classes) {
    clear();
    for (const std::int8_t distanceClass : classes)
        add(distanceClass);
}

IndependenceTest testIndependence(const TransitionCounts& counts) {
    IndependenceTest test;
    std::array<std::int64_t, 6> rowSums{};
    std::array<std::int64_t, 6> columnSums{};
    for (std::size_t row = 0; row < 6; ++row)
        for (std::size_t column = 0; column < 6; ++column) {
            rowSums[row] += counts[row][column];
            columnSums[column] += counts[row][column];
            test.steps += counts[row][column];
        }
    if (test.steps == 0)
        return test;
    // Expected counts compared in integers: E >= k exactly when R C >= k T.
    int atLeastFive = 0;
    bool everyAtLeastOne = true;
    for (const std::int64_t r : rowSums)
        for (const std::int64_t c : columnSums) {
            everyAtLeastOne = everyAtLeastOne && r * c >= test.steps;
            atLeastFive += r * c >= 5 * test.steps ? 1 : 0;
        }
    test.applicable = everyAtLeastOne && 5 * atLeastFive >= 4 * 36;
    if (!test.applicable)
        return test;
    const double steps = static_cast<double>(test.steps);
    for (std::size_t row = 0; row < 6; ++row)
        for (std::size_t column = 0; column < 6; ++column) {
            const double expected =
                static_cast<double>(rowSums[row]) * static_cast<double>(columnSums[column]) / steps;
            const double gap = static_cast<double>(counts[row][column]) - expected;
            test.statistic += gap * gap / expected;
        }
    test.pValue = chiSquarePValue(test.statistic, 25);
    return test;
}

} // namespace rotamind::analysis
