#include "wheel/Wheel.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace rotamind;

TEST(Wheel, pocketText_onlyExactDecimalTextsNamePockets) {
    for (int n = 0; n <= 36; ++n)
        EXPECT_EQ(pocketFromText(QString::number(n)), n);
    for (const char* bad : {"07", " 5", "5 ", "37", "", "??", "-1", "+1", "1a", "100", "00"})
        EXPECT_FALSE(pocketFromText(QString::fromLatin1(bad))) << bad;
}

TEST(Wheel, classText_roundTripsAndRefusesLookalikes) {
    for (int c : kClasses)
        EXPECT_EQ(classFromText(classText(c)), c);
    for (const char* bad : {"0", "4", "+1", "01", " 1", "1 ", "-0", "-4", "--1", ""})
        EXPECT_FALSE(classFromText(QString::fromLatin1(bad))) << bad;
}

TEST(Wheel, place_countsAlongWheelOrderAndWrapsFrom26To0) {
    EXPECT_EQ(place(0, 32), 1);
    EXPECT_EQ(place(0, 26), 36);
    EXPECT_EQ(place(26, 0), 1);
    EXPECT_EQ(place(5, 5), 0);
    for (int a = 0; a <= 36; ++a) {
        std::set<int> reached;
        for (int b = 0; b <= 36; ++b)
            reached.insert(place(a, b));
        EXPECT_EQ(reached.size(), 37u) << "from " << a;
    }
}

TEST(Wheel, classifyPair_workedEdgeCasesInBothDirections) {
    struct Case {
        const char* previous;
        const char* current;
        int clockwise;
        int counter;
    };
    const Case cases[] = {{"0", "32", 1, -3}, {"0", "26", -3, 1}, {"26", "0", 1, -3},
                          {"0", "10", 3, -1}, {"0", "5", -1, 3},  {"21", "18", -1, 3}};
    for (const Case& c : cases) {
        const QString from = QString::fromLatin1(c.previous), to = QString::fromLatin1(c.current);
        EXPECT_EQ(classifyPair(Direction::Clockwise, from, to), c.clockwise)
            << c.previous << "->" << c.current;
        EXPECT_EQ(classifyPair(Direction::CounterClockwise, from, to), c.counter)
            << c.previous << "->" << c.current;
    }
}

TEST(Wheel, classifyPair_noClassForRepeatsAndForeignTexts) {
    for (auto d : {Direction::Clockwise, Direction::CounterClockwise}) {
        EXPECT_FALSE(classifyPair(d, u"5", u"5"));
        for (const char* bad : {"??", "07", "5 ", " 5", "37", ""}) {
            EXPECT_FALSE(classifyPair(d, QString::fromLatin1(bad), u"5")) << bad;
            EXPECT_FALSE(classifyPair(d, u"5", QString::fromLatin1(bad))) << bad;
        }
    }
}

TEST(Wheel, classifyPair_eachClassTakes222OfThe1332PairsPerDirection) {
    for (auto d : {Direction::Clockwise, Direction::CounterClockwise}) {
        std::map<int, int> counts;
        for (int a = 0; a <= 36; ++a)
            for (int b = 0; b <= 36; ++b)
                if (a != b)
                    ++counts[classifyPair(d, QString::number(a), QString::number(b)).value_or(0)];
        ASSERT_EQ(counts.size(), 6u);
        for (auto [cls, count] : counts)
            EXPECT_EQ(count, 222) << "class " << cls;
    }
}

TEST(Wheel, classifyPair_counterClockwiseMirrorsClockwiseAndFollowsTheBlocks) {
    const std::map<int, int> mirror{{1, -3}, {2, -2}, {3, -1}, {-1, 3}, {-2, 2}, {-3, 1}};
    for (int a = 0; a <= 36; ++a)
        for (int b = 0; b <= 36; ++b) {
            if (a == b)
                continue;
            const QString from = QString::number(a), to = QString::number(b);
            const int clockwise = classifyPair(Direction::Clockwise, from, to).value_or(0);
            const int counter = classifyPair(Direction::CounterClockwise, from, to).value_or(0);
            ASSERT_TRUE(mirror.count(clockwise)) << a << "->" << b;
            EXPECT_EQ(counter, mirror.at(clockwise)) << a << "->" << b;
            // the class of place k is the class whose block holds k, in each direction
            const int k = place(a, b);
            for (auto [d, cls] : {std::pair{Direction::Clockwise, clockwise},
                                  std::pair{Direction::CounterClockwise, counter}}) {
                const int first = classBlock(d, cls);
                EXPECT_TRUE(k >= first && k < first + 6) << a << "->" << b;
            }
        }
}

TEST(Wheel, classifyPair_workedRowsFromPockets0And17) {
    const std::map<std::pair<int, Direction>, std::vector<int>> classOne{
        {{0, Direction::Clockwise}, {32, 15, 19, 4, 21, 2}},
        {{0, Direction::CounterClockwise}, {7, 28, 12, 35, 3, 26}},
        {{17, Direction::Clockwise}, {34, 6, 27, 13, 36, 11}},
        {{17, Direction::CounterClockwise}, {15, 19, 4, 21, 2, 25}}};
    for (const auto& [from, pockets] : classOne)
        for (int n : pockets)
            EXPECT_EQ(classifyPair(from.second, QString::number(from.first), QString::number(n)), 1)
                << from.first << "->" << n;
    // seen from 26 clockwise, class -3 ends at 3, the pocket just before 26
    for (int n : {29, 7, 28, 12, 35, 3})
        EXPECT_EQ(classifyPair(Direction::Clockwise, u"26", QString::number(n)), -3) << n;
}

TEST(Wheel, windows_labelsAreDistinctSortedAndWrap) {
    std::set<QString> labels;
    for (int start : kWheelOrder) {
        const QString label = windowLabel(windowAt(start));
        EXPECT_EQ(label.size(), 17);
        labels.insert(label);
    }
    EXPECT_EQ(labels.size(), 37u);
    EXPECT_EQ(windowLabel(windowAt(0)), u"00-04-15-19-21-32");
    EXPECT_EQ(windowLabel(windowAt(32)), u"02-04-15-19-21-32");
    EXPECT_EQ(windowLabel(windowAt(28)), u"00-03-12-26-28-35");
    EXPECT_EQ(windowLabel(windowAt(26)), u"00-04-15-19-26-32");
    EXPECT_EQ(windowAt(26), (std::array<int, 6>{26, 0, 32, 15, 19, 4}));
}

TEST(Wheel, classBlock_firstPlacesPerDirection) {
    const int clockwise[] = {13, 7, 1, 19, 25, 31};
    const int counter[] = {19, 25, 31, 13, 7, 1};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(classBlock(Direction::Clockwise, kClasses[i]), clockwise[i]);
        EXPECT_EQ(classBlock(Direction::CounterClockwise, kClasses[i]), counter[i]);
    }
}
