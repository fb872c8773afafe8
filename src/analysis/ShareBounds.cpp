#include "analysis/ShareBounds.h"

#include "analysis/DirichletMixture.h"

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/gamma.hpp>

#include <algorithm>
#include <cmath>

namespace rotamind::analysis {

namespace {

constexpr double kPriorA = 1.0;
constexpr double kPriorB = 5.0;
constexpr double kLevel = 20.0; // 1 / (1 - 95 %)
// The bounds are shown in whole percents; a ten-thousandth is plenty, and
// Newton's steps stop outside the interval, never narrowing it.
constexpr double kPrecision = 1e-4;

// In double throughout: the default promotes to long double, several times
// slower, for digits the bounds never show.
double lgamma(double x) {
    return boost::math::lgamma(
        x, boost::math::policies::make_policy(boost::math::policies::promote_double<false>()));
}

double logBeta(double a, double b) {
    return lgamma(a) + lgamma(b) - lgamma(a + b);
}

} // namespace

ShareInterval shareInterval(std::int64_t count, std::int64_t launches) {
    if (launches <= 0)
        return {};
    const auto s = static_cast<double>(count);
    const auto f = static_cast<double>(launches - count);
    // p is in the sequence while s log p + f log(1 - p), the log likelihood
    // of p, stays above the mixture's less log 20. That likelihood is
    // concave and peaks inside, at the observed share, so each bound is one
    // crossing, which Newton's steps reach from outside without passing it.
    const double floor =
        logBeta(kPriorA + s, kPriorB + f) - logBeta(kPriorA, kPriorB) - std::log(kLevel);
    const auto excess = [&](double p) { return s * std::log(p) + f * std::log1p(-p) - floor; };
    const auto slope = [&](double p) { return s / p - f / (1 - p); };
    const double observed = s / (s + f);
    const double spread = std::sqrt(observed * (1 - observed) / (s + f)) + 1e-3;
    const auto crossing = [&](double side) {
        // Out from the observed share by doubling steps, then back in.
        double step = 2 * spread;
        double p = observed + side * step;
        while (p > 0 && p < 1 && excess(p) > 0) {
            step *= 2;
            p = observed + side * step;
        }
        p = std::clamp(p, kPrecision, 1 - kPrecision);
        if (excess(p) > 0)
            return side < 0 ? 0.0 : 1.0;
        for (int i = 0; i < 100; ++i) {
            const double next = p - excess(p) / slope(p);
            if (std::abs(next - p) < kPrecision)
                return next;
            p = next;
        }
        return p;
    };
    ShareInterval interval;
    if (count > 0)
        interval.low = crossing(-1);
    if (count < launches)
        interval.high = crossing(+1);
    return interval;
}

std::int64_t launchesToDetect(double share, double evidence) {
    const auto logValueAt = [share](std::int64_t launches) {
        const auto n = static_cast<double>(launches);
        const double other = n * (1.0 - share) / 5.0;
        return DirichletMixture::logValueOf(
            std::array<double, 6>{n * share, other, other, other, other, other});
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
