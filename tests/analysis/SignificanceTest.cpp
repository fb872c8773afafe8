#include "analysis/Significance.h"

#include "../stats/PrintQString.h"

#include <gtest/gtest.h>

using namespace rotamind::analysis;
using namespace Qt::StringLiterals;

namespace {

// Critical values of chi-square from the published tables (NIST/SEMATECH e-Handbook, 1.3.6.7.4).
struct CriticalValue {
    double statistic;
    int degreesOfFreedom;
    double upperTail;
};

TEST(Significance, chiSquarePValue_matchesPublishedCriticalValues) {
    const CriticalValue cases[] = {{11.0705, 5, 0.05}, {15.0863, 5, 0.01}, {37.6525, 25, 0.05}};
    for (const CriticalValue& c : cases)
        EXPECT_NEAR(chiSquarePValue(c.statistic, c.degreesOfFreedom), c.upperTail, 1e-5)
            << c.statistic << " at " << c.degreesOfFreedom;
    EXPECT_DOUBLE_EQ(chiSquarePValue(0, 5), 1.0);
}

TEST(Significance, pValueText_keepsFourDigits) {
    struct Case {
        std::optional<double> p;
        const char16_t* text;
    };
    const Case cases[] = {
        {1.0, u"1,0000"},     {0.05, u"0,0500"},   {0.0499, u"0,0499"},      {0.00996, u"0,0100"},
        {0.00994, u"0,0099"}, {0.0001, u"0,0001"}, {0.0000999, u"< 0,0001"}, {std::nullopt, u"-"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pValueText(c.p, u','), QString::fromUtf16(c.text));
    EXPECT_EQ(pValueText(0.25, u'.'), u"0.2500"_s);
}

} // namespace
