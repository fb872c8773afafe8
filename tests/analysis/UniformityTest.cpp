#include "analysis/Uniformity.h"
#include <gtest/gtest.h>

#include <cmath>

using namespace rotamind::analysis;

namespace {

struct Case {
    std::array<std::int64_t, 6> frequency; // in the order 3, 2, 1, -1, -2, -3
    double statistic;                      // worked out by hand
    bool hasPValue;
    int furthestRow;
    double furthestResidual; // (f - n/6) / sqrt(5n/36)
};

TEST(Uniformity, testUniformity_givesTheHandWorkedStatistic) {
    const Case cases[] = {
        // Exactly one sixth each: nothing to explain.
        // Exactly one sixth each: no class is further than another.
        {{100, 100, 100, 100, 100, 100}, 0.0, true, -1, 0.0},
        // (10^2 + 10^2) / 100; the first of two equal gaps is the one named,
        // 10 / sqrt(250/3).
        {{110, 90, 100, 100, 100, 100}, 2.0, true, 0, std::sqrt(0.3) * 2},
        // 30 launches, 5 expected each: (25 + 5 * 1) / 5; the fewest with a
        // p-value; 5 / sqrt(25/6).
        {{10, 4, 4, 4, 4, 4}, 6.0, true, 0, std::sqrt(6.0)},
        // 29 launches: (5 (4 - 29/6)^2 + (9 - 29/6)^2) / (29/6) = 125/29, and no
        // p-value; (25/6) / (sqrt(145)/6).
        {{4, 4, 4, 4, 4, 9}, 125.0 / 29, false, 5, 25 / std::sqrt(145.0)},
        // 12 launches, 2 expected: (10^2 + 5 * 2^2) / 2; 10 / sqrt(5/3).
        {{0, 0, 0, 12, 0, 0}, 60.0, false, 3, std::sqrt(60.0)},
    };
    for (const Case& c : cases) {
        const UniformityTest test = testUniformity(c.frequency);
        EXPECT_NEAR(test.statistic, c.statistic, 1e-12);
        EXPECT_EQ(test.pValue.has_value(), c.hasPValue);
        EXPECT_EQ(test.furthestRow, c.furthestRow);
        EXPECT_NEAR(test.furthestResidual, c.furthestResidual, 1e-12);
    }
}

TEST(Uniformity, sixHundredEvenlySpread_statisticZeroAndPValueOne) {
    const UniformityTest test = testUniformity({100, 100, 100, 100, 100, 100});
    EXPECT_EQ(test.statisticNumerator, 0);
    ASSERT_TRUE(test.pValue);
    EXPECT_DOUBLE_EQ(*test.pValue, 1.0);
}

} // namespace
