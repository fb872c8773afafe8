#include "stats/SeriesStats.h"

#include "wheel/Wheel.h"

#include "PrintQString.h"
#include "SeriesText.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace rotamind;
using rotamind::testing::series;

namespace {

using Row = std::array<std::int64_t, 11>;

// Row in display order (0, +1..+5, -1..-5) from a map of length to value.
Row byLength(std::initializer_list<std::pair<int, std::int64_t>> values, std::int64_t rest) {
    Row row;
    row.fill(rest);
    for (const auto& [length, value] : values) {
        for (std::size_t i = 0; i < kLengths.size(); ++i)
            if (kLengths[i] == length)
                row[i] = value;
    }
    return row;
}

std::array<QString, 11> indexTexts(const LengthStats& stats, std::int64_t launches) {
    std::array<QString, 11> texts;
    for (std::size_t i = 0; i < 11; ++i)
        texts[i] = convenienceIndex(stats.frequency[i], stats.absence[i], launches).toText(u',');
    return texts;
}

} // namespace

TEST(StepLength, followsTheOrderedScaleWithoutWrapping) {
    // Scale -3 -2 -1 1 2 3: the length is how far the next class lies along it.
    const int positions[] = {5, 4, 3, 2, 1, 0}; // of kClasses 3, 2, 1, -1, -2, -3
    for (std::size_t a = 0; a < 6; ++a)
        for (std::size_t b = 0; b < 6; ++b)
            EXPECT_EQ(stepLength(classText(kClasses[a]), classText(kClasses[b])),
                      positions[b] - positions[a]);
    EXPECT_EQ(stepLength(u"3", u"-3"), -5);
    EXPECT_EQ(stepLength(u"-3", u"3"), 5);
    EXPECT_EQ(stepLength(u"1", u"-1"), -1);
    EXPECT_EQ(stepLength(u"-1", u"1"), 1);
    EXPECT_FALSE(stepLength(u"??", u"1").has_value());
    EXPECT_FALSE(stepLength(u"1", u"0").has_value());
    EXPECT_FALSE(stepLength(u"", u"").has_value());
}

TEST(LengthStats, singleItem_hasNoStep) {
    const LengthStats stats = computeLengthStats(series({u"-2"}));
    EXPECT_EQ(stats.frequency, Row{});
    EXPECT_EQ(stats.absence, Row{});
    EXPECT_EQ(computeLengthStats({}).absence, Row{});
}

TEST(LengthStats, workedSeries_givesFrequenciesAbsencesAndIndexes) {
    // Steps -1, 0, -1, +2, -3.
    const LengthStats stats = computeLengthStats(series({u"3", u"2", u"2", u"1", u"3", u"-1"}));
    EXPECT_EQ(stats.frequency, byLength({{0, 1}, {2, 1}, {-1, 2}, {-3, 1}}, 0));
    EXPECT_EQ(stats.absence, byLength({{0, 3}, {2, 1}, {-1, 2}, {-3, 0}}, 5));
    const auto texts = indexTexts(stats, 6);
    for (std::size_t i = 0; i < 11; ++i) {
        const int length = kLengths[i];
        const QStringView expected = length == 0    ? u"0,5"
                                     : length == 2  ? u"0,1667"
                                     : length == -1 ? u"0,6667"
                                                    : u"0";
        EXPECT_EQ(texts[i], expected) << "length " << length;
    }
}

TEST(LengthStats, everyExtremeStep_isCounted) {
    // Steps -1, 0, +2, +1, -5, +5, -4.
    const LengthStats stats =
        computeLengthStats(series({u"1", u"-1", u"-1", u"2", u"3", u"-3", u"3", u"-2"}));
    EXPECT_EQ(stats.frequency,
              byLength({{0, 1}, {1, 1}, {2, 1}, {5, 1}, {-1, 1}, {-4, 1}, {-5, 1}}, 0));
    EXPECT_EQ(stats.absence,
              byLength({{0, 5}, {1, 3}, {2, 4}, {5, 1}, {-1, 6}, {-4, 0}, {-5, 2}}, 7));
    const auto texts = indexTexts(stats, 8);
    const std::pair<int, const char16_t*> expected[] = {
        {0, u"0,625"}, {1, u"0,375"}, {2, u"0,5"}, {3, u"0"},  {4, u"0"},    {5, u"0,125"},
        {-1, u"0,75"}, {-2, u"0"},    {-3, u"0"},  {-4, u"0"}, {-5, u"0,25"}};
    for (std::size_t i = 0; i < 11; ++i) {
        ASSERT_EQ(kLengths[i], expected[i].first);
        EXPECT_EQ(texts[i], QStringView(expected[i].second)) << "length " << kLengths[i];
    }
}

TEST(LengthStats, indexDividesByLaunchesNotSteps) {
    const LengthStats stats = computeLengthStats(series({u"2", u"2", u"3"}));
    EXPECT_EQ(stats.frequency[0], 1);
    EXPECT_EQ(stats.absence[0], 1);
    EXPECT_EQ(indexTexts(stats, 3)[0], u"0,3333");
}

TEST(LengthStats, stepWithForeignItem_hasNoLengthButCountsAsStep) {
    // Steps 0, none, none, +1: four steps, two of them with a length.
    const LengthStats stats = computeLengthStats(series({u"2", u"2", u"??", u"2", u"3"}));
    EXPECT_EQ(stats.frequency, byLength({{0, 1}, {1, 1}}, 0));
    EXPECT_EQ(stats.absence, byLength({{0, 3}, {1, 0}}, 4));
}

TEST(LengthStats, randomSeries_agreeWithStepByStepCount) {
    std::mt19937 random(3);
    for (int round = 0; round < 200; ++round) {
        std::vector<QString> items;
        const int size = 1 + round % 60;
        for (int i = 0; i < size; ++i) {
            const int p = static_cast<int>(random() % 7);
            items.push_back(p < 6 ? classText(kClasses[p]) : QStringLiteral("x"));
        }
        LengthStats expected;
        for (int step = 0; step + 1 < size; ++step) {
            const std::optional<int> length = stepLength(items[step], items[step + 1]);
            for (std::size_t i = 0; i < 11; ++i) {
                if (length && kLengths[i] == *length) {
                    ++expected.frequency[i];
                    expected.absence[i] = 0;
                } else {
                    ++expected.absence[i];
                }
            }
        }
        const LengthStats stats = computeLengthStats(items);
        ASSERT_EQ(stats.frequency, expected.frequency);
        ASSERT_EQ(stats.absence, expected.absence);
    }
}
