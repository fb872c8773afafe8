#pragma once

#include <array>
#include <cstdint>

namespace rotamind::analysis {

// A bettor against the fair wheel's "one class in six": before each launch
// they spread their wealth over the six classes in proportion to the counts
// so far plus a half, and a class pays 6 for 1. The wealth, started at 1, is
// the Dirichlet-multinomial mixture of every possible bias against the fair
// share, 6^n Γ(3)/Γ(3+n) Π Γ(1/2 + n_k)/Γ(1/2). Under a fair wheel its
// expectation stays 1 after every launch, so by Ville's inequality it ever
// reaches 1/α with probability at most α.
class DirichletMixture final {
public:
    static constexpr double kPrior = 0.5; // per class

    // Takes one launch of row `row` (0..5 in kClasses); constant time.
    void add(int row);

    // Natural log of the wealth, <= n log 6.
    double logValue() const;
    std::int64_t launches() const { return m_launches; }
    const std::array<std::int64_t, 6>& counts() const { return m_counts; }

    // The same wealth straight from the counts (each >= 0), by log-gamma.
    static double logValueOf(const std::array<double, 6>& counts);

private:
    std::array<std::int64_t, 6> m_counts{};
    std::int64_t m_launches = 0;
    // The wealth is exp(m_logValue) * m_numerator / m_denominator: a launch
    // multiplies both, two products that run side by side with no division,
    // and only when they grow large are they folded into the log.
    double m_logValue = 0;
    double m_numerator = 1;
    double m_denominator = 1;
};

} // namespace rotamind::analysis
