#pragma once

#include <array>
#include <cstdint>

namespace rotamind::analysis {

// A product of many factors kept as a log and two running products, so that
// a factor costs two multiplications and no log; the products are folded
// into the log only when they grow large.
class RunningProduct final {
public:
    // Multiplies by numerator / denominator (each in 1..1e50).
    void multiply(double numerator, double denominator) {
        m_numerator *= numerator;
        m_denominator *= denominator;
        if (m_numerator > 1e250 || m_denominator > 1e250)
            fold();
    }
    double logValue() const;
    // Starts again from the product whose natural log is `logValue`.
    static RunningProduct fromLog(double logValue) {
        RunningProduct product;
        product.m_logValue = logValue;
        return product;
    }

private:
    void fold();
    double m_logValue = 0;
    double m_numerator = 1;
    double m_denominator = 1;
};

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
    void add(int row) { add(row, m_wealth); }
    // The same, multiplying the wealth into `wealth` instead: several
    // mixtures that bet in turn share one product.
    void add(int row, RunningProduct& wealth);

    // Natural log of the wealth, <= n log 6.
    double logValue() const { return m_wealth.logValue(); }
    std::int64_t launches() const { return m_launches; }
    const std::array<std::int64_t, 6>& counts() const { return m_counts; }

    // The same wealth straight from the counts (each >= 0), by log-gamma.
    static double logValueOf(const std::array<double, 6>& counts);
    static double logValueOf(const std::array<std::int64_t, 6>& counts);
    // Takes these counts at once, as if their launches had come one by one:
    // a rebuild pays a few log-gammas instead of a factor a launch. Returns
    // the log of the wealth they bring, which is also the mixture's own.
    double setCounts(const std::array<std::int64_t, 6>& counts);

private:
    std::array<std::int64_t, 6> m_counts{};
    std::int64_t m_launches = 0;
    RunningProduct m_wealth;
};

} // namespace rotamind::analysis
