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

using Row = std::array<std::int64_t, 6>;

// The rule as the players state it: walk the list once per item and class,
// counting runs item by item.
ClassicStats countNaively(const std::vector<QString>& items) {
    ClassicStats stats;
    Row run{};
    for (const QString& item : items) {
        for (std::size_t c = 0; c < 6; ++c) {
            if (item == classText(kClasses[c])) {
                ++stats.frequency[c];
                run[c] = 0;
            } else {
                ++run[c];
            }
            stats.maxAbsence[c] = std::max(stats.maxAbsence[c], run[c]);
        }
    }
    stats.absence = run;
    return stats;
}

std::vector<QString> randomSeries(std::mt19937& random, int size, bool withStrangers) {
    static const QString strangers[] = {QStringLiteral("??"), QString(),
                                        QStringLiteral("4"),  QStringLiteral("+1"),
                                        QStringLiteral("-0"), QStringLiteral(" 3")};
    std::vector<QString> items;
    std::uniform_int_distribution<int> pick(0, withStrangers ? 6 : 5);
    std::uniform_int_distribution<int> stranger(0, 5);
    for (int i = 0; i < size; ++i) {
        const int p = pick(random);
        items.push_back(p < 6 ? classText(kClasses[p]) : strangers[stranger(random)]);
    }
    return items;
}

} // namespace

TEST(ClassicStats, workedSeries_givesTheTableOfTheGame) {
    const auto items = series({u"3", u"2", u"2", u"1", u"3", u"-1"});
    const ClassicStats stats = computeClassicStats(items);
    EXPECT_EQ(stats.frequency, (Row{2, 2, 1, 1, 0, 0}));
    EXPECT_EQ(stats.absence, (Row{1, 3, 2, 0, 6, 6}));
    EXPECT_EQ(stats.maxAbsence, (Row{3, 3, 3, 5, 6, 6}));

    const char16_t* expectedShare[] = {u"33,3333", u"33,3333", u"16,6667", u"16,6667", u"0", u"0"};
    for (std::size_t c = 0; c < 6; ++c)
        EXPECT_EQ(percentage(stats.frequency[c], 6).toText(u','), QStringView(expectedShare[c]))
            << "class " << kClasses[c];
}

TEST(ClassicStats, singleItem_otherClassesAbsentOnce) {
    const ClassicStats stats = computeClassicStats(series({u"2"}));
    EXPECT_EQ(stats.frequency, (Row{0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(stats.absence, (Row{1, 0, 1, 1, 1, 1}));
    EXPECT_EQ(stats.maxAbsence, (Row{1, 0, 1, 1, 1, 1}));
    EXPECT_EQ(percentage(1, 1).toText(u','), u"100");
}

TEST(ClassicStats, runsBeforeFirstAndAfterLastOccurrence_count) {
    // -3 first shows after a run of four and ends with a run of two.
    const auto items = series({u"1", u"1", u"2", u"1", u"-3", u"1", u"2"});
    const ClassicStats stats = computeClassicStats(items);
    EXPECT_EQ(stats.maxAbsence[5], 4);
    EXPECT_EQ(stats.absence[5], 2);
    EXPECT_EQ(stats.maxAbsence[2], 1);
    EXPECT_EQ(stats.absence[2], 1);
    // Every item is class 1: no absence at all.
    const ClassicStats same = computeClassicStats(series({u"1", u"1", u"1"}));
    EXPECT_EQ(same.maxAbsence[2], 0);
    EXPECT_EQ(same.frequency[2], 3);
}

TEST(ClassicStats, foreignItems_countForNoClassButLengthenEveryRun) {
    const auto items = series({u"3", u"??", u"03", u"3 ", u"-1"});
    const ClassicStats stats = computeClassicStats(items);
    EXPECT_EQ(stats.frequency, (Row{1, 0, 0, 1, 0, 0}));
    EXPECT_EQ(stats.absence, (Row{4, 5, 5, 0, 5, 5}));
    EXPECT_EQ(stats.maxAbsence, (Row{4, 5, 5, 4, 5, 5}));
}

TEST(ClassicStats, emptyList_isAllZero) {
    const ClassicStats stats = computeClassicStats({});
    EXPECT_EQ(stats.frequency, Row{});
    EXPECT_EQ(stats.absence, Row{});
    EXPECT_EQ(stats.maxAbsence, Row{});
}

TEST(ClassicStats, randomSeries_agreeWithItemByItemCount) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const auto items = randomSeries(random, 1 + round % 97, round % 3 == 0);
        const ClassicStats fast = computeClassicStats(items);
        const ClassicStats naive = countNaively(items);
        ASSERT_EQ(fast.frequency, naive.frequency);
        ASSERT_EQ(fast.absence, naive.absence);
        ASSERT_EQ(fast.maxAbsence, naive.maxAbsence);
    }
}

TEST(ClassicStats, randomSeries_maxAbsenceNeverBelowAbsence) {
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        const int size = 1 + round;
        const auto items = randomSeries(random, size, round % 2 == 0);
        const ClassicStats stats = computeClassicStats(items);
        std::int64_t total = 0;
        for (std::size_t c = 0; c < 6; ++c) {
            ASSERT_GE(stats.maxAbsence[c], stats.absence[c]);
            ASSERT_LE(stats.maxAbsence[c], size);
            if (stats.frequency[c] == 0) {
                ASSERT_EQ(stats.absence[c], size);
            }
            total += stats.frequency[c];
        }
        ASSERT_LE(total, size);
    }
}

TEST(Percentage, halvesGoToEvenCount) {
    EXPECT_EQ(percentage(1, 128).toText(u','), u"0,7812");
    EXPECT_EQ(percentage(127, 128).toText(u','), u"99,2188");
    EXPECT_EQ(percentage(1, 8).toText(u','), u"12,5");
    EXPECT_EQ(percentage(2, 3).toText(u','), u"66,6667");
    EXPECT_EQ(percentage(3, 128).toText(u','), u"2,3438"); // 2.34375: 23437 is odd
}

TEST(Percentage, classThatNeverCameUp_isZero) {
    EXPECT_EQ(percentage(0, 1).count(), 0);
    EXPECT_EQ(percentage(0, 999).toText(u','), u"0");
}

TEST(ClassicStats, everyShortText_isCountedAsTheWheelClassifiesIt) {
    // The scan recognises class texts without asking for each item; it must
    // still agree with classFromText on every text that could be mistaken for one.
    std::vector<QString> texts;
    for (char16_t first = 0; first < 130; ++first) {
        texts.push_back(QString(QChar(first)));
        for (char16_t second = 0; second < 130; ++second) {
            const QChar pair[] = {QChar(first), QChar(second)};
            texts.push_back(QString(pair, 2));
        }
    }
    for (const char16_t* other :
         {u"\uFF13", u"-\uFF11", u"\u0661", u"-\u0663", u"--1", u"-10", u"\u012D1", u"\u0133"})
        texts.push_back(QString::fromUtf16(other));
    for (const QString& text : texts) {
        const std::vector<QString> items{text};
        const ClassicStats stats = computeClassicStats(items);
        const std::optional<int> expected = classFromText(text);
        for (std::size_t c = 0; c < 6; ++c)
            ASSERT_EQ(stats.frequency[c], expected == kClasses[c] ? 1 : 0)
                << "text of " << text.size() << " characters, first " << int(text[0].unicode());
    }
}
