#include "analysis/TransitionTable.h"

#include <gtest/gtest.h>

using namespace rotamind::analysis;

namespace {

TransitionCounts filled(std::int64_t count) {
    TransitionCounts counts;
    for (auto& row : counts)
        row.fill(count);
    return counts;
}

TEST(TransitionTable, add_countsClassAfterClass) {
    TransitionTable table;
    for (const int distanceClass : {3, -3, 3, 3})
        table.add(distanceClass);
    TransitionCounts expected{};
    expected[0][5] = 1; // 3 then -3
    expected[5][0] = 1; // -3 then 3
    expected[0][0] = 1; // 3 then 3
    EXPECT_EQ(table.counts(), expected);
}

TEST(TransitionTable, testIndependence_appliesOnlyWhereExpectedCountsAllow) {
    struct Case {
        TransitionCounts counts;
        bool applicable;
        double statistic;
    };
    TransitionCounts swapped = filled(5);
    // Margins stay at 30 each, so every expected count stays 5: 4 x 5^2 / 5.
    swapped[0][0] = swapped[1][1] = 10;
    swapped[0][1] = swapped[1][0] = 0;
    TransitionCounts emptyRow = filled(8);
    emptyRow[2].fill(0); // expected 0 in a whole row
    const Case cases[] = {
        {filled(5), true, 0.0},  {swapped, true, 20.0},
        {filled(4), false, 0.0}, // every expected count 4, none reaches 5
        {emptyRow, false, 0.0},  {filled(0), false, 0.0},
    };
    for (const Case& c : cases) {
        const IndependenceTest test = testIndependence(c.counts);
        EXPECT_EQ(test.applicable, c.applicable);
        EXPECT_EQ(test.pValue.has_value(), c.applicable);
        EXPECT_NEAR(test.statistic, c.statistic, 1e-9);
    }
    EXPECT_DOUBLE_EQ(testIndependence(filled(5)).pValue.value_or(0), 1.0);
}

} // namespace
