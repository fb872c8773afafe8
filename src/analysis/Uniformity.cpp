#include "analysis/Uniformity.h"

#include "analysis/Significance.h"

#include <cmath>
#include <cstdlib>

namespace rotamind::analysis {

UniformityTest testUniformity(const std::array<std::int64_t, 6>& frequency) {
    UniformityTest test;
    std::int64_t squares = 0;
    for (const std::int64_t f : frequency) {
        test.launches += f;
        squares += f * f;
    }
    if (test.launches == 0)
        return test;
    // sum (f - n/6)^2 / (n/6) = (6 sum f^2 - n^2) / n, exact in integers up to
    // a few hundred million launches, far beyond what a session file holds.
    const std::int64_t n = test.launches;
    test.statisticNumerator = 6 * squares - n * n;
    test.statisticDenominator = n;
    test.statistic = static_cast<double>(test.statisticNumerator) / static_cast<double>(n);
    if (n >= kMinimumUniformityLaunches)
        test.pValue = chiSquarePValue(test.statistic, 5);
    // Every class expects the same, so the largest |6f - n| is the largest residual.
    std::int64_t furthest = 0;
    for (int row = 0; row < 6; ++row) {
        const std::int64_t gap = std::llabs(6 * frequency[static_cast<std::size_t>(row)] - n);
        if (gap > furthest) {
            furthest = gap;
            test.furthestRow = row;
        }
    }
    if (test.furthestRow < 0)
        return test;
    const double launches = static_cast<double>(n);
    test.furthestResidual =
        (static_cast<double>(frequency[static_cast<std::size_t>(test.furthestRow)]) -
         launches / 6.0) /
        std::sqrt(5.0 * launches / 36.0);
    return test;
}

} // namespace rotamind::analysis
