#include "analysis/PageVerdict.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace rotamind::analysis {

using namespace Qt::StringLiterals;

Verdict verdictOf(double evidence, std::size_t tests) {
    const double share = evidence / static_cast<double>(tests);
    if (share >= kSignificantEvidence)
        return Verdict::Significant;
    if (share >= kWeakEvidence)
        return Verdict::WeakHint;
    return Verdict::NoSignature;
}

PageFigures pageFigures(std::span<const SeriesEvidence> series) {
    PageFigures figures;
    const std::size_t columns = std::min<std::size_t>(series.size(), 2);
    const std::size_t tests = columns * kTestsPerSeries;
    double sum = 0;
    bool anyEnough = false;
    for (std::size_t c = 0; c < columns; ++c) {
        const bool enough = series[c].launches >= kMinimumVerdictLaunches;
        anyEnough = anyEnough || enough;
        for (std::size_t t = 0; t < kTestsPerSeries; ++t) {
            const double evidence = std::exp(series[c].logEvidence[t]);
            figures.testEvidence[c][t] = evidence;
            figures.testVerdicts[c][t] =
                enough ? verdictOf(evidence, tests) : Verdict::TooFewLaunches;
            sum += evidence;
        }
    }
    if (tests == 0)
        return figures;
    figures.evidence = sum / static_cast<double>(tests);
    figures.verdict = anyEnough ? verdictOf(figures.evidence, 1) : Verdict::TooFewLaunches;
    return figures;
}

QString verdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::TooFewLaunches:
        return QCoreApplication::translate("PageVerdict", "Troppo pochi lanci (servono almeno 30)");
    case Verdict::NoSignature:
        return QCoreApplication::translate("PageVerdict", "Nessuna firma finora");
    case Verdict::WeakHint:
        return QCoreApplication::translate("PageVerdict", "Indizio debole");
    case Verdict::Significant:
        return QCoreApplication::translate("PageVerdict", "Firma significativa");
    }
    return {};
}

QString evidenceText(double evidence, QChar decimalSeparator) {
    const auto withSeparator = [decimalSeparator](QString text) {
        return text.replace(u'.', decimalSeparator);
    };
    if (!(evidence >= 0.01))
        return u"< ×0"_s + decimalSeparator + u"01"_s;
    // Rounded down, so that a figure never reads past a threshold it has not reached.
    if (evidence < 1)
        return u"×"_s + withSeparator(QString::number(std::floor(evidence * 100) / 100, 'f', 2));
    if (evidence < 10)
        return u"×"_s + withSeparator(QString::number(std::floor(evidence * 10) / 10, 'f', 1));
    if (evidence < 1e6)
        return u"×"_s + QString::number(std::floor(evidence), 'f', 0);
    auto exponent = static_cast<int>(std::floor(std::log10(evidence)));
    double mantissa = std::floor(evidence / std::pow(10.0, exponent) * 10) / 10;
    if (mantissa >= 10) {
        mantissa /= 10;
        ++exponent;
    }
    static const QString superscripts = u"⁰¹²³⁴⁵⁶⁷⁸⁹"_s;
    QString power;
    for (const QChar digit : QString::number(exponent))
        power += superscripts.at(digit.digitValue());
    return u"×"_s + withSeparator(QString::number(mantissa, 'f', 1)) + u"·10"_s + power;
}

} // namespace rotamind::analysis
