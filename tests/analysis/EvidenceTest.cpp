#include "analysis/PageVerdict.h"
#include "analysis/SeriesAnalysis.h"
#include "analysis/ShareBounds.h"
#include "wheel/Wheel.h"

#include "../stats/PrintQString.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

using namespace rotamind::analysis;
using namespace Qt::StringLiterals;

namespace {

// The wealth of the class bias bettor is the product over launches of
// 6 (n_k + 1/2) / (n + 3); class after class multiplies the same for each
// step, counted within the previous class's row. A repeat (0) moves neither.
TEST(Evidence, shortSeries_matchTheHandWorkedWealth) {
    struct Case {
        std::vector<std::int8_t> classes;
        double bias;
        double chain;
    };
    const Case cases[] = {
        {{}, 1.0, 1.0},
        {{3}, 1.0, 1.0},
        // 6 (3/2) / 4 for the second 3; the step 3 -> 3 is the row's first.
        {{3, 3}, 2.25, 1.0},
        // Then 6 (5/2) / 5; the second step 3 -> 3 pays 6 (3/2) / 4.
        {{3, 0, 3, 3}, 6.75, 2.25},
        // 6 (1/2) / 4 for an unseen class; each step is its row's first.
        {{3, -2}, 0.75, 1.0},
        // 1, 3/4, then 6 (3/2) / 5 for 3 and 6 (3/2) / 6 for -2: 3/4 x 9/5 x 3/2;
        // steps 3 -> -2 and -2 -> 3 first in their rows, then 3 -> -2 again 9/4.
        {{3, -2, 3, 0, -2}, 2.025, 2.25},
    };
    for (const Case& c : cases) {
        SeriesAnalysis analysis;
        for (const std::int8_t distanceClass : c.classes) {
            if (distanceClass == 0)
                analysis.addRepeat();
            else
                analysis.add(distanceClass);
        }
        const auto logs = analysis.logEvidence();
        EXPECT_NEAR(std::exp(logs[std::size_t(rotamind::analysis::Test::Uniformity)]), c.bias,
                    1e-12);
        EXPECT_NEAR(std::exp(logs[std::size_t(rotamind::analysis::Test::Dependence)]), c.chain,
                    1e-12);
    }
}

TEST(Evidence, appendedLaunchesAndRepeats_matchARebuildAndTheClosedForm) {
    // A short rebuild multiplies factors as the appends do; a long one takes
    // the mixtures from their counts by log-gamma: the same values but for
    // rounding.
    for (const std::int64_t spins :
         {std::int64_t{3000}, SeriesAnalysis::kRebuildByFactorsUpTo + 3000}) {
        std::mt19937 engine(7);
        std::discrete_distribution<int> pick({1, 6, 6, 6, 6, 9, 6}); // 0 a repeat, then kClasses
        SeriesAnalysis appended;
        std::vector<std::int8_t> classes;
        std::vector<std::int64_t> repeatsBefore;
        for (std::int64_t launch = 0; launch < spins; ++launch) {
            const int drawn = pick(engine);
            if (drawn == 0) {
                appended.addRepeat();
                repeatsBefore.push_back(std::int64_t(classes.size()));
            } else {
                appended.add(rotamind::kClasses[std::size_t(drawn - 1)]);
                classes.push_back(std::int8_t(rotamind::kClasses[std::size_t(drawn - 1)]));
            }
        }
        SeriesAnalysis rebuilt;
        rebuilt.recompute(classes, repeatsBefore);
        EXPECT_EQ(rebuilt.spins(), spins);
        EXPECT_EQ(rebuilt.scoreboard().balance(), appended.scoreboard().balance());
        EXPECT_EQ(rebuilt.scoreboard().bets(), appended.scoreboard().bets());
        EXPECT_NEAR(rebuilt.scoreboard().pValue().value_or(-1),
                    appended.scoreboard().pValue().value_or(-1), 1e-12);
        const auto& rebuiltPoints = rebuilt.trace().points();
        const auto& appendedPoints = appended.trace().points();
        ASSERT_EQ(rebuiltPoints.size(), appendedPoints.size());
        for (std::size_t i = 0; i < rebuiltPoints.size(); ++i) {
            EXPECT_EQ(rebuiltPoints[i].launch, appendedPoints[i].launch);
            EXPECT_NEAR(rebuiltPoints[i].log10Evidence, appendedPoints[i].log10Evidence, 1e-9);
        }
        // Both go on alike.
        rebuilt.add(3);
        appended.add(3);
        for (std::size_t test = 0; test < kTestsPerSeries; ++test)
            EXPECT_NEAR(rebuilt.logEvidence()[test], appended.logEvidence()[test], 1e-9);
        std::array<double, 6> counts{};
        for (std::size_t row = 0; row < 6; ++row)
            counts[row] = double(appended.frequency()[row]);
        EXPECT_NEAR(appended.logEvidence()[std::size_t(rotamind::analysis::Test::Uniformity)],
                    DirichletMixture::logValueOf(counts), 1e-8);
    }
}

// Ville's inequality: read after every launch of both series, a fair wheel
// reaches "Firma significativa" in at most 1 % of evenings and "Indizio
// debole" in at most 5 %. Seeded, with room enough never to fail on a sound
// build (a sound one stays well under half of each allowance).
TEST(Evidence, fairEvenings_rarelyEverShowASignature) {
    std::mt19937 engine(19);
    std::uniform_int_distribution<int> pocket(0, 36);
    constexpr int kEvenings = 2000;
    int significant = 0;
    int weak = 0;
    for (int evening = 0; evening < kEvenings; ++evening) {
        std::array<SeriesAnalysis, 2> series;
        Verdict worst = Verdict::TooFewLaunches;
        for (int launch = 0; launch < 2 * 300; ++launch) {
            SeriesAnalysis& analysis = series[std::size_t(launch % 2)];
            // One pocket in 37 repeats the last number; the other 36 make six classes.
            const int drawn = pocket(engine);
            if (drawn == 36)
                analysis.addRepeat();
            else
                analysis.add(rotamind::kClasses[std::size_t(drawn / 6)]);
            const std::array<SeriesEvidence, 2> evidence{
                SeriesEvidence{series[0].logEvidence(), series[0].launches()},
                SeriesEvidence{series[1].logEvidence(), series[1].launches()}};
            worst = std::max(worst, pageFigures(evidence).verdict);
        }
        significant += worst == Verdict::Significant ? 1 : 0;
        weak += worst >= Verdict::WeakHint ? 1 : 0;
    }
    EXPECT_LE(significant, kEvenings * 2 / 100);
    EXPECT_LE(weak, kEvenings * 7 / 100);
}

TEST(Evidence, verdicts_comeFromThePagesMeanAndEachTestsShareOfIt) {
    EXPECT_EQ(verdictOf(100, 1), Verdict::Significant);
    EXPECT_EQ(verdictOf(99.9, 1), Verdict::WeakHint);
    EXPECT_EQ(verdictOf(20, 1), Verdict::WeakHint);
    EXPECT_EQ(verdictOf(19.9, 1), Verdict::NoSignature);
    // One test of six carries the page alone only from six times the bound.
    EXPECT_EQ(verdictOf(600, 6), Verdict::Significant);
    EXPECT_EQ(verdictOf(599, 6), Verdict::WeakHint);
    EXPECT_EQ(verdictOf(119, 6), Verdict::NoSignature);

    // 600 in one test of a 30-launch series, the rest at 1: the page's mean
    // is 605/6; the 29-launch series says nothing of its own.
    const double log600 = std::log(600.0);
    const std::array<SeriesEvidence, 2> series{SeriesEvidence{{log600, 0, 0}, 30},
                                               SeriesEvidence{{0, 0, 0}, 29}};
    const PageFigures figures = pageFigures(series);
    EXPECT_NEAR(figures.evidence, 605.0 / 6, 1e-9);
    EXPECT_EQ(figures.verdict, Verdict::Significant);
    EXPECT_EQ(figures.testVerdicts[0],
              (std::array{Verdict::Significant, Verdict::NoSignature, Verdict::NoSignature}));
    EXPECT_EQ(figures.testVerdicts[1][0], Verdict::TooFewLaunches);
    EXPECT_EQ(pageFigures(std::span(series).last(1)).verdict, Verdict::TooFewLaunches);
    EXPECT_EQ(verdictText(Verdict::NoSignature), u"Nessuna firma finora"_s);
}

TEST(Evidence, evidenceText_roundsDownAndStaysShort) {
    const std::pair<double, const char16_t*> cases[] = {
        {37.9, u"×37"},      {0.4299, u"×0,42"},     {9.99, u"×9,9"},       {1.0, u"×1,0"},
        {0.001, u"< ×0,01"}, {999999.9, u"×999999"}, {2.46e8, u"×2,4·10⁸"}, {9.99e11, u"×9,9·10¹¹"},
    };
    for (const auto& [evidence, text] : cases)
        EXPECT_EQ(evidenceText(evidence, u','), QString::fromUtf16(text)) << evidence;
}

// With the prior Beta(1, 5): after one launch of another class the mixture
// is 5/6 (1 - p) against (1 - p), in above 1 - (5/6)/20; after one of this
// class it is (1/6) p / ... over p, in from (1/6)/20.
TEST(Evidence, shareInterval_matchesTheHandWorkedBoundsAndNarrows) {
    const auto none = shareInterval(0, 0);
    EXPECT_EQ(none.low, 0.0);
    EXPECT_EQ(none.high, 1.0);
    const auto missed = shareInterval(0, 1);
    EXPECT_EQ(missed.low, 0.0);
    EXPECT_NEAR(missed.high, 23.0 / 24, 1e-4);
    const auto hit = shareInterval(1, 1);
    EXPECT_NEAR(hit.low, 1.0 / 120, 1e-4);
    EXPECT_EQ(hit.high, 1.0);
    double width = 1;
    for (const std::int64_t launches : {60, 600, 6000}) {
        const auto interval = shareInterval(launches / 6, launches);
        EXPECT_LT(interval.low, 1.0 / 6);
        EXPECT_GT(interval.high, 1.0 / 6);
        EXPECT_LT(interval.high - interval.low, width);
        width = interval.high - interval.low;
    }
    EXPECT_LT(launchesToDetect(0.35, 600), launchesToDetect(0.25, 600));
}

} // namespace

// Sessions pooled by their summed counts reach the evidence, records and
// tables of a replay of every session in turn, each begun afresh, the bets
// lost on repeats included; the method keeps its exact law up to its limit
// and drops it past it.
TEST(Evidence, pooledSummaries_matchAReplayOfTheSessions) {
    std::mt19937 random(21);
    for (const int sessions : {1, 5, 40}) {
        SeriesAnalysis replay;
        JoinedAnalysis pooled;
        for (int s = 0; s < sessions; ++s) {
            std::vector<std::int8_t> classes(random() % 400);
            std::vector<std::int64_t> repeatsBefore;
            replay.startSeries();
            for (std::size_t i = 0; i < classes.size(); ++i) {
                if (i > 0 && random() % 37 == 0) {
                    replay.addRepeat();
                    repeatsBefore.push_back(std::int64_t(i));
                }
                classes[i] =
                    static_cast<std::int8_t>(rotamind::kClasses[random() % (random() % 3 ? 6 : 2)]);
                replay.add(classes[i]);
            }
            SeriesAnalysis session;
            session.recompute(classes, repeatsBefore);
            pooled.addSummary(session.summary());
        }
        const SeriesReport expected = replay.report();
        const SeriesReport got = pooled.report();
        EXPECT_EQ(got.launches, expected.launches);
        EXPECT_EQ(replay.transitions().counts(), pooled.summary().transitions);
        EXPECT_EQ(got.method->hits(), expected.method->hits());
        EXPECT_EQ(got.method->bets(), expected.method->bets());
        EXPECT_EQ(got.method->balance(), expected.method->balance());
        EXPECT_EQ(got.method->expectedBalanceIn37ths(), expected.method->expectedBalanceIn37ths());
        EXPECT_EQ(got.method->redClasses(), expected.method->redClasses());
        EXPECT_EQ(got.method->pValue().has_value(), expected.method->pValue().has_value());
        if (expected.method->pValue()) {
            EXPECT_NEAR(*got.method->pValue(), *expected.method->pValue(), 1e-12);
        }
        for (std::size_t test = 0; test < kTestsPerSeries; ++test)
            EXPECT_NEAR(got.logEvidence[test], expected.logEvidence[test],
                        1e-9 * (1 + std::abs(expected.logEvidence[test])))
                << sessions << " sessions, test " << test;
    }
}
