#pragma once

#include <QChar>
#include <QString>

#include <optional>

// What the analysis page says of a p-value, shared by its three tests.
namespace rotamind::analysis {

// Upper tail P(X >= statistic) of chi-square with degreesOfFreedom (>= 1);
// statistic >= 0; 0..1.
double chiSquarePValue(double statistic, int degreesOfFreedom);

// Four decimals with the separator ("0,0473", "1,0000"), "< 0,0001" below
// that; "-" where there is no p-value.
QString pValueText(std::optional<double> pValue, QChar decimalSeparator);

// The shared text of a figure that does not apply.
inline QString notApplicableText() {
    return QStringLiteral("-");
}

} // namespace rotamind::analysis
