#include "analysis/DirichletMixture.h"

#include <boost/math/special_functions/gamma.hpp>

#include <cmath>

namespace rotamind::analysis {

double RunningProduct::logValue() const {
    return m_logValue + std::log(m_numerator) - std::log(m_denominator);
}

void RunningProduct::fold() {
    m_logValue = logValue();
    m_numerator = 1;
    m_denominator = 1;
}

void DirichletMixture::add(int row, RunningProduct& wealth) {
    // The ratio of the mixture after and before the launch: the bettor's
    // share on this class, (n_k + a) / (n + 6a), paid 6 for 1.
    auto& count = m_counts[static_cast<std::size_t>(row)];
    wealth.multiply(6.0 * (static_cast<double>(count) + kPrior),
                    static_cast<double>(m_launches) + 6.0 * kPrior);
    ++count;
    ++m_launches;
}

double DirichletMixture::logValueOf(const std::array<double, 6>& counts) {
    // In double throughout: the default promotion to long double costs ten
    // times as much for a last digit no figure shows.
    const auto lgamma = [](double x) {
        using namespace boost::math::policies;
        return boost::math::lgamma(x, policy<promote_double<false>>());
    };
    double launches = 0;
    double value = 0;
    for (const double count : counts) {
        launches += count;
        value += lgamma(kPrior + count) - lgamma(kPrior);
    }
    return value + launches * std::log(6.0) + lgamma(6.0 * kPrior) -
           lgamma(6.0 * kPrior + launches);
}

double DirichletMixture::logValueOf(const std::array<std::int64_t, 6>& counts) {
    std::array<double, 6> values{};
    for (std::size_t row = 0; row < 6; ++row)
        values[row] = static_cast<double>(counts[row]);
    return logValueOf(values);
}

double DirichletMixture::setCounts(const std::array<std::int64_t, 6>& counts) {
    m_counts = counts;
    m_launches = 0;
    for (const std::int64_t count : counts)
        m_launches += count;
    m_wealth = RunningProduct::fromLog(logValueOf(counts));
    return m_wealth.logValue();
}

} // namespace rotamind::analysis
