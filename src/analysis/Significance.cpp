#include "analysis/Significance.h"

#include <boost/math/distributions/chi_squared.hpp>

#include <cmath>

namespace rotamind::analysis {

double chiSquarePValue(double statistic, int degreesOfFreedom) {
    const boost::math::chi_squared distribution(degreesOfFreedom);
    return boost::math::cdf(boost::math::complement(distribution, std::max(statistic, 0.0)));
}

namespace {

// The p-value as the page shows it, in ten-thousandths.
long long shownTenThousandths(double pValue) {
    return std::llround(pValue * 10000.0);
}

} // namespace

QString pValueText(std::optional<double> pValue, QChar decimalSeparator) {
    if (!pValue)
        return notApplicableText();
    if (*pValue < 0.0001)
        return QStringLiteral("< 0") + decimalSeparator + QStringLiteral("0001");
    // Always four digits: a p-value of 0,05 next to one of 0,0473 must not
    // look shorter, hence rarer.
    const long long tenThousandths = shownTenThousandths(*pValue);
    return QString::number(tenThousandths / 10000) + decimalSeparator +
           QStringLiteral("%1").arg(tenThousandths % 10000, 4, 10, QLatin1Char('0'));
}

} // namespace rotamind::analysis
