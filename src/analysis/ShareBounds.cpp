#include "analysis/ShareBounds.h"

#include "analysis/DirichletMixture.h"

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/gamma.hpp>

#include <cmath>

namespace rotamind::analysis {

namespace {

constexpr double kPriorA = 1.0;
constexpr double kPriorB = 5.0;
constexpr double kLevel = 20.0; // 1 / (1 - 95 %)
// The bounds are shown in whole percents; a hundred-thousandth is plenty.
constexpr double kPrecision = 1e-5;

double logBeta(double a, double b) {
    using boost::math::lgamma;
    return lgamma(a) + lgamma(b) - lgamma(a + b);
}

} // namespace

ShareInterval shareInterval(std::int64_t count, std::int64_t launches) {
    if (launches <= 0)
        return {};
    const auto s = static_cast<double>(count);
    const auto f = static_cast<double>(launches - count);
    // p is in the sequence while s log p + f log(1 - p), the log likelihood
    // of p, stays above the mixture's less log 20; that likelihood is
    // concave and peaks at the observed share, so each bound is one crossing.
    const double floor =
        logBeta(kPriorA + s, kPriorB + f) - logBeta(kPriorA, kPriorB) - std::log(kLevel);
    const auto inside = [&](double p) { return s * std::log(p) + f * std::log1p(-p) > floor; };
    const double observed = s / (s + f);
    const auto crossing = [&](double in, double out) {
        while (std::abs(out - in) > kPrecision) {
            const double middle = (in + out) / 2;
            (inside(middle) ? in : out) = middle;
        }
        return in;
    };
    ShareInterval interval;
    if (count > 0 && !inside(kPrecision / 2))
        interval.low = crossing(observed, 0.0);
    if (count < launches && !inside(1.0 - kPrecision / 2))
        interval.high = crossing(observed, 1.0);
    return interval;
}

std::int64_t launchesToDetect(double share, double evidence) {
    const auto logValueAt = [share](std::int64_t launches) {
        const auto n = static_cast<double>(launches);
        const double other = n * (1.0 - share) / 5.0;
        return DirichletMixture::logValueOf({n * share, other, other, other, other, other});
    };
    const double target = std::log(evidence);
    // Early on the mixture pays for its spread and falls; past the first
    // doubling that reaches the target it only rises.
    std::int64_t high = 1;
    while (logValueAt(high) < target && high < (std::int64_t{1} << 40))
        high *= 2;
    std::int64_t low = high / 2;
    while (high - low > 1) {
        const std::int64_t middle = low + (high - low) / 2;
        (logValueAt(middle) >= target ? high : low) = middle;
    }
    return high;
}

} // namespace rotamind::analysis
