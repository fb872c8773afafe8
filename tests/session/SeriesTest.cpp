#include "session/Series.h"

#include "wheel/Wheel.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <random>

using namespace Qt::StringLiterals;

namespace rotamind {
namespace {

std::vector<QString> textsOf(const Series& series) {
    const QStringList texts = series.texts();
    return {texts.begin(), texts.end()};
}

// The figures kept launch by launch must be those of a scan of the whole
// list, after appends, deletes anywhere and loads alike.
void expectSameAsScan(const Series& series) {
    const std::vector<QString> items = textsOf(series);
    const ClassicStats classic = computeClassicStats(items);
    const LengthStats lengths = computeLengthStats(items);
    const SeriesStatistics& kept = series.statistics();
    ASSERT_EQ(kept.launches(), series.count());
    EXPECT_EQ(kept.classic().frequency, classic.frequency);
    EXPECT_EQ(kept.classic().absence, classic.absence);
    EXPECT_EQ(kept.classic().maxAbsence, classic.maxAbsence);
    EXPECT_EQ(kept.lengths().frequency, lengths.frequency);
    EXPECT_EQ(kept.lengths().absence, lengths.absence);
}

TEST(SeriesStatistics, keptFigures_matchAScanAfterEveryKindOfChange) {
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, 5);
    Series series;
    for (int i = 0; i < 400; ++i) {
        series.append(kClasses[pick(random)]);
        if (i % 37 == 0)
            expectSameAsScan(series);
    }
    expectSameAsScan(series);
    series.removeAt(0);
    series.removeAt(150);
    series.removeLast();
    expectSameAsScan(series);
    std::vector<std::int8_t> loaded(series.classes().begin(), series.classes().begin() + 50);
    series.replaceAll(loaded);
    expectSameAsScan(series);
    series.append(3);
    expectSameAsScan(series);
    series.clear();
    expectSameAsScan(series);
}

TEST(SeriesStatistics, derivedFigures_ofTheWorkedSeries) {
    Series series;
    for (const int c : {3, 2, 2, 1, 3, -1})
        series.append(c);
    const SeriesStatistics& s = series.statistics();
    const QChar comma(u',');
    // Rows follow 3, 2, 1, -1, -2, -3; lengths 0, +1..+5, -1..-5.
    const QStringList percentages{u"33,3333"_s, u"33,3333"_s, u"16,6667"_s,
                                  u"16,6667"_s, u"0"_s,       u"0"_s};
    const QStringList indexes{u"0,3333"_s, u"1"_s, u"0,3333"_s, u"0"_s, u"0"_s, u"0"_s};
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(s.percentage(row).toText(comma), percentages[row]) << row;
        EXPECT_EQ(s.classicIndex(row).toText(comma), indexes[row]) << row;
    }
    EXPECT_EQ(s.lengthIndex(0).toText(comma), u"0,5"_s);
    EXPECT_EQ(s.lengthIndex(2).toText(comma), u"0,1667"_s);
    EXPECT_EQ(s.lengthIndex(6).toText(comma), u"0,6667"_s);
    EXPECT_TRUE(s.classicIndex(1).isOneOrMore());
}

TEST(SeriesStatistics, emptySeries_showsZeroEverywhere) {
    const SeriesStatistics empty;
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(empty.percentage(row).count(), 0);
        EXPECT_EQ(empty.classicIndex(row).count(), 0);
    }
    EXPECT_EQ(empty.lengthIndex(10).count(), 0);
}

TEST(Series, everyChange_tellsTheViews) {
    Series series;
    QSignalSpy statistics(&series, &Series::statisticsChanged);
    QSignalSpy inserted(&series, &Series::rowsInserted);
    QSignalSpy removed(&series, &Series::rowsRemoved);
    QSignalSpy reset(&series, &Series::modelReset);
    QSignalSpy loaded(&series, &Series::loaded);
    series.append(2);
    series.append(-3);
    series.removeAt(5); // out of range: nothing
    series.removeLast();
    series.replaceAll({1, 1, 1});
    series.clear();
    series.removeLast();        // empty: nothing
    series.confirmStatistics(); // empty: nothing to confirm
    EXPECT_EQ(inserted.count(), 2);
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(reset.count(), 2);
    EXPECT_EQ(loaded.count(), 1);
    EXPECT_EQ(statistics.count(), 5);
    EXPECT_TRUE(series.isEmpty());
}

TEST(Series, rows_showTheClassTexts) {
    Series series;
    series.replaceAll({3, -1, -3});
    EXPECT_EQ(series.rowCount(), 3);
    EXPECT_EQ(series.data(series.index(1)).toString(), u"-1"_s);
    EXPECT_FALSE(series.data(series.index(3)).isValid());
    EXPECT_EQ(series.texts(), (QStringList{u"3"_s, u"-1"_s, u"-3"_s}));
}

} // namespace
} // namespace rotamind
