#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace rotamind::analysis {

// Under 30 launches a class expects fewer than 5 and chi-square is no guide.
inline constexpr std::int64_t kMinimumUniformityLaunches = 30;

// Pearson's test of the six class frequencies against one sixth each.
struct UniformityTest {
    std::int64_t launches = 0;
    // Statistic as an exact quotient, numerator / launches (0 / 1 when empty),
    // so that the page rounds it like every other four-decimal figure.
    std::int64_t statisticNumerator = 0;
    std::int64_t statisticDenominator = 1;
    double statistic = 0;         // >= 0, 5 degrees of freedom
    std::optional<double> pValue; // 0..1; none under kMinimumUniformityLaunches
    // Row in kClasses (0..5) furthest from launches / 6, the first of equals;
    // -1 when every class is exactly there (or there are no launches).
    int furthestRow = -1;
    // (observed - n/6) / sqrt(5n/36), signed: the class's count standardised
    // by its own binomial spread, about standard normal under chance.
    double furthestResidual = 0;
};

// Two-sided limit for the furthest of six residuals: by Bonferroni, a fair
// wheel passes it with probability at most 5 % (12 tails of 1/240).
inline constexpr double kFurthestResidualLimit = 2.64;

// The test over the frequencies of kClasses (each >= 0).
UniformityTest testUniformity(const std::array<std::int64_t, 6>& frequency);

} // namespace rotamind::analysis
