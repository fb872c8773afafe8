#pragma once

#include "analysis/SeriesAnalysis.h"

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>
#include <span>

namespace rotamind::analysis {

// A page of tests reads as one bet against the fair wheel: its evidence is
// the mean of its tests' evidence, itself an evidence, which a fair wheel
// ever brings to 1/α with probability at most α however often it is read.
enum class Verdict { TooFewLaunches, NoSignature, WeakHint, Significant };

inline constexpr double kSignificantEvidence = 100; // at most 1 % of fair evenings
inline constexpr double kWeakEvidence = 20;         // at most 5 %
inline constexpr std::int64_t kMinimumVerdictLaunches = 30;

// What one series brings to its page.
struct SeriesEvidence {
    std::array<double, kTestsPerSeries> logEvidence{}; // by Test
    std::int64_t launches = 0;                         // launches with a class
};

// The page's figures from its series (one or two).
struct PageFigures {
    double evidence = 1; // > 0
    Verdict verdict = Verdict::TooFewLaunches;
    // By series and Test: a test's own evidence, and the verdict of what it
    // alone brings to the page's mean, so that no label says more than the page.
    std::array<std::array<double, kTestsPerSeries>, 2> testEvidence{};
    std::array<std::array<Verdict, kTestsPerSeries>, 2> testVerdicts{};
};

PageFigures pageFigures(std::span<const SeriesEvidence> series);

// The verdict of `evidence` (> 0) as part of a mean over `tests` (>= 1).
Verdict verdictOf(double evidence, std::size_t tests);

// "Firma significativa", "Indizio debole", "Nessuna firma finora" or
// "Troppo pochi lanci (servono almeno 30)".
QString verdictText(Verdict verdict);

// An evidence (> 0) as a player reads it, "×37": two significant digits
// below 10 ("×0,42", "×3,5"), whole from 10, powers of ten from a million
// ("×2,4·10⁸").
QString evidenceText(double evidence, QChar decimalSeparator);

} // namespace rotamind::analysis
