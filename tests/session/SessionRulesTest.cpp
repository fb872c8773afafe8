#include "session/EasySession.h"
#include "session/ProSession.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace rotamind {
namespace {

LaunchEntry newWindowEntry() {
    return {.number = u"18"_s, .n1 = u"21"_s, .n2 = u"17"_s, .lastNumber = u"18"_s};
}

// The number whose launch in `direction` after `previous` has `distanceClass`.
QString numberFor(int previous, Direction direction, int distanceClass) {
    const int position = (wheelPosition(previous) + classBlock(direction, distanceClass)) % 37;
    return QString::number(kWheelOrder[static_cast<std::size_t>(position)]);
}

void press(WorkingSession& session, const QString& number, Direction direction) {
    session.setNumber(number);
    session.setDirection(direction);
    session.pressRegister();
}

TEST(Register, shiftsTheLastTwoAndAppendsTheClassToItsDirection) {
    ProSession pro(newWindowEntry());
    const QString number = numberFor(21, Direction::CounterClockwise, -2);
    press(pro, number, Direction::CounterClockwise);
    EXPECT_EQ(pro.entry().n1, number);
    EXPECT_EQ(pro.entry().n2, u"21"_s);
    EXPECT_EQ(pro.entry().lastNumber, number);
    EXPECT_EQ(pro.entry().number, u"??"_s);
    EXPECT_EQ(pro.entry().direction, Direction::Clockwise); // flipped
    EXPECT_TRUE(pro.seriesFor(Direction::Clockwise).isEmpty());
    ASSERT_EQ(pro.seriesFor(Direction::CounterClockwise).count(), 1);
    EXPECT_EQ(pro.seriesFor(Direction::CounterClockwise).classAt(0), -2);

    press(pro, numberFor(number.toInt(), Direction::Clockwise, 3), Direction::Clockwise);
    EXPECT_EQ(pro.seriesFor(Direction::Clockwise).classAt(0), 3);
    EXPECT_EQ(pro.entry().direction, Direction::CounterClockwise);
}

TEST(Register, whatRegistersNothing) {
    struct Case {
        const char* what;
        QString number;
        std::optional<Direction> direction;
        QString n1, n2;          // afterwards
        Direction selectedAfter; // the selector flips to "O" unless a clockwise launch counted
        int missing, foreign;    // the player is told: no direction, no pocket number
    };
    const Case cases[] = {
        {"no number", u"??"_s, Direction::Clockwise, u"21"_s, u"17"_s, Direction::Clockwise, 0, 0},
        {"no direction", u"5"_s, std::nullopt, u"21"_s, u"17"_s, Direction::Clockwise, 1, 0},
        // A repeated or foreign number shifts the last two but brings no class.
        {"repeat", u"21"_s, Direction::Clockwise, u"21"_s, u"21"_s, Direction::CounterClockwise, 0,
         0},
        {"foreign", u"37"_s, Direction::CounterClockwise, u"37"_s, u"21"_s, Direction::Clockwise, 0,
         1},
        {"leading zero", u"07"_s, Direction::Clockwise, u"07"_s, u"21"_s,
         Direction::CounterClockwise, 0, 1},
    };
    for (const Case& c : cases) {
        EasySession easy(newWindowEntry());
        easy.setNumber(c.number);
        if (c.direction)
            easy.setDirection(*c.direction);
        QSignalSpy missing(&easy, &WorkingSession::directionMissing);
        QSignalSpy foreign(&easy, &WorkingSession::foreignNumberRegistered);
        easy.pressRegister();
        EXPECT_EQ(missing.count(), c.missing) << c.what;
        EXPECT_EQ(foreign.count(), c.foreign) << c.what;
        EXPECT_TRUE(easy.current().isEmpty()) << c.what;
        EXPECT_EQ(easy.entry().n1, c.n1) << c.what;
        EXPECT_EQ(easy.entry().n2, c.n2) << c.what;
        EXPECT_EQ(easy.entry().direction, c.selectedAfter) << c.what;
        EXPECT_EQ(easy.entry().lastNumber, c.number) << c.what;
    }
}

TEST(Register, easyPutsBothDirectionsIntoTheCurrentSeries) {
    EasySession easy(newWindowEntry());
    QString previous = u"21"_s;
    for (const auto& [direction, distanceClass] : {std::pair{Direction::Clockwise, 1},
                                                   {Direction::CounterClockwise, 1},
                                                   {Direction::CounterClockwise, -3}}) {
        const QString number = numberFor(previous.toInt(), direction, distanceClass);
        press(easy, number, direction);
        previous = number;
    }
    EXPECT_EQ(easy.current().texts(), (QStringList{u"1"_s, u"1"_s, u"-3"_s}));
    EXPECT_TRUE(easy.saved().isEmpty());
}

TEST(Register, aLaunchWithoutClass_stillTellsItsSeriesViews) {
    ProSession pro(newWindowEntry());
    Series& clockwise = pro.seriesFor(Direction::Clockwise);
    press(pro, numberFor(21, Direction::Clockwise, 2), Direction::Clockwise);
    QSignalSpy statistics(&clockwise, &Series::statisticsChanged);
    QSignalSpy launches(&clockwise, &Series::launchRegistered);
    pro.setDirection(Direction::Clockwise);
    pro.setNumber(pro.entry().n1); // the same number again: no class
    pro.pressRegister();
    EXPECT_EQ(clockwise.count(), 1);
    EXPECT_EQ(statistics.count(), 1); // the statistics run again on the unchanged list
    EXPECT_EQ(launches.count(), 1);   // PRO turns its chart to the last page
}

TEST(DeleteLast, onlyASeriesOfTwoOrMoreLosesItsLast) {
    ProSession pro(newWindowEntry());
    Series& counter = pro.seriesFor(Direction::CounterClockwise);
    pro.load(counter, {2});
    pro.setDirection(Direction::Clockwise);
    pro.deleteLast(counter, Direction::CounterClockwise);
    EXPECT_EQ(counter.count(), 1);
    EXPECT_EQ(pro.entry().n1, u"21"_s); // nothing deleted: the last two stay
    EXPECT_EQ(pro.entry().direction, Direction::CounterClockwise);

    pro.load(counter, {2, -1, 3});
    pro.deleteLast(counter, Direction::CounterClockwise);
    EXPECT_EQ(counter.texts(), (QStringList{u"2"_s, u"-1"_s}));
    EXPECT_EQ(pro.entry().n1, u"17"_s);
    EXPECT_EQ(pro.entry().n2, u"??"_s);
}

TEST(DeleteAt, needsTwoOrMoreAndARow) {
    EasySession easy(newWindowEntry());
    easy.load(easy.current(), {1});
    easy.deleteAt(easy.current(), 0);
    EXPECT_EQ(easy.current().count(), 1);
    easy.load(easy.current(), {1, 2, 3});
    easy.deleteAt(easy.current(), std::nullopt);
    EXPECT_EQ(easy.current().count(), 3);
    easy.deleteAt(easy.current(), 1);
    EXPECT_EQ(easy.current().texts(), (QStringList{u"1"_s, u"3"_s}));
    EXPECT_EQ(easy.current().statistics().classic().frequency[1], 0); // class 2 gone
}

TEST(Resets, eachClearsOnlyItsSeries) {
    EasySession easy(newWindowEntry());
    easy.load(easy.current(), {1, 2});
    easy.load(easy.saved(), {-1});
    easy.clear(easy.current());
    EXPECT_TRUE(easy.current().isEmpty());
    EXPECT_EQ(easy.saved().count(), 1);

    ProSession pro(newWindowEntry());
    pro.load(pro.seriesFor(Direction::Clockwise), {3});
    pro.load(pro.seriesFor(Direction::CounterClockwise), {-3});
    pro.resetAll();
    EXPECT_TRUE(pro.seriesFor(Direction::Clockwise).isEmpty());
    EXPECT_TRUE(pro.seriesFor(Direction::CounterClockwise).isEmpty());
    EXPECT_EQ(pro.entry().n1, u"21"_s); // the entry is not part of a reset
}

TEST(Entry, lastNumberTypedIntoPBecomesN1_andOnlyRealChangesNotify) {
    ProSession pro(newWindowEntry());
    QSignalSpy changed(&pro, &WorkingSession::entryChanged);
    pro.setLastNumber(u"9"_s);
    EXPECT_EQ(pro.entry().n1, u"9"_s);
    pro.setLastNumber(u"9"_s);
    pro.setSite(pro.entry().site);
    EXPECT_EQ(changed.count(), 1);
}

TEST(ChangeScope, everyOperationIsOneChange_andNoopEditsNone) {
    ProSession pro(newWindowEntry());
    Series& clockwise = pro.seriesFor(Direction::Clockwise);
    QSignalSpy started(&pro, &WorkingSession::changeStarted);
    QSignalSpy finished(&pro, &WorkingSession::changeFinished);
    // Each call is one change to whoever keeps the session elsewhere, however
    // many series and entry notifications it makes on the way; typing the
    // number, choosing the direction and pressing are three.
    press(pro, numberFor(21, Direction::Clockwise, 2), Direction::Clockwise);
    pro.resetAll();
    pro.load(clockwise, {1, 2, 3});
    pro.deleteAt(clockwise, 0);
    pro.insertAt(clockwise, 0, -3);
    pro.restoreEntry(newWindowEntry());
    EXPECT_EQ(started.count(), 8);
    EXPECT_EQ(finished.count(), 8);
    pro.setSite(pro.entry().site);
    EXPECT_EQ(started.count(), 8);

    EXPECT_EQ(clockwise.texts(), (QStringList{u"-3"_s, u"2"_s, u"3"_s}));
    EXPECT_EQ(clockwise.statistics().classic().frequency[5], 1); // class -3 counted again
    EXPECT_EQ(pro.indexOf(pro.seriesFor(Direction::CounterClockwise)), 1);
}

} // namespace
} // namespace rotamind
