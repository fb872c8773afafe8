// Registering launches in the EASY window, deleting them, the chart page and
// the two resets, driven through the window's named controls.
#include "../WindowDriver.h"

#include "ui/views/ClassicStatsGrid.h"
#include "ui/views/SeriesBlock.h"
#include "ui/windows/TEASY.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace rotamind;
using rotamind::testing::WindowDriver;

namespace {
constexpr auto O = Direction::Clockwise;
constexpr auto A = Direction::CounterClockwise;

// The statistics labels of one session: no prefix for the current, "A" for the saved one.
QStringList statisticsLabels(const QString& prefix) {
    QStringList names;
    for (int column = 0; column < ClassicStatsGrid::ColumnCount; ++column)
        for (const int c : kClasses)
            names << ClassicStatsGrid::labelName(prefix, ClassicStatsGrid::Column(column), c);
    return names;
}

QStringList indexLabels(const QString& prefix) {
    QStringList names;
    for (const int c : kClasses)
        names << ClassicStatsGrid::labelName(prefix, ClassicStatsGrid::Index, c);
    return names;
}

const QColor kLime{0, 255, 0};
const QColor kRed{255, 0, 0};
} // namespace

class EasyRecordingTest : public QObject {
    Q_OBJECT

private slots:
    void samePairBothWays_goesIntoTheOneList_withMirroredClasses() {
        TEASY window;
        WindowDriver easy(window);
        easy.type("n1", QStringLiteral("0"));
        easy.registerLaunch(QStringLiteral("15"), O);
        QVERIFY(easy.checked(A));
        easy.type("n1", QStringLiteral("0"));
        easy.registerLaunch(QStringLiteral("15"), A);
        QVERIFY(easy.checked(O));
        QCOMPARE(easy.items("List1"), (QStringList{u"1"_s, u"-3"_s}));
        QCOMPARE(easy.points("Chart1"), (QList<int>{1, -3}));
        QCOMPARE(easy.text("boules"), QStringLiteral("2"));
        QCOMPARE(easy.text("F1"), QStringLiteral("1"));
        QCOMPARE(easy.text("FM3"), QStringLiteral("1"));
        QCOMPARE(easy.text("p1"), QStringLiteral("50"));
        QCOMPARE(easy.text("P"), QStringLiteral("15"));
        // Nothing of it reaches the saved session.
        QVERIFY(easy.items("List2").isEmpty());
        QVERIFY(easy.points("Chart2").isEmpty());
        QCOMPARE(easy.text("boules2"), QStringLiteral("0"));
        for (const QString& name : statisticsLabels(QStringLiteral("A")))
            QCOMPARE(easy.text(name.toLatin1()), QStringLiteral("0"));
    }

    void launchesOfBothDirections_keepTheirOrder_andTheHiddenButtonsRegisterToo() {
        TEASY window;
        WindowDriver easy(window);
        const QList<std::pair<int, Direction>> launches{{3, O}, {-2, A}, {2, A}, {-1, O}, {1, A}};
        QStringList expected;
        for (const auto& [distanceClass, direction] : launches) {
            easy.registerClass(distanceClass, direction);
            expected << classText(distanceClass);
        }
        // Button7 registers counter-clockwise without the flip of REGISTRA.
        const QString next = testing::numberFor(easy.text("n1").toInt(), A, -3);
        easy.type("Combo1", next);
        easy.select(O);
        easy.trigger("Button7");
        expected << QStringLiteral("-3");
        QVERIFY(easy.checked(O));
        QCOMPARE(easy.items("List1"), expected);
        QCOMPARE(easy.text("boules"), QStringLiteral("6"));
        QCOMPARE(easy.text("FM3"), QStringLiteral("1"));
    }

    void the26thPoint_goesToPage2_whileTheChartStaysOnPage1() {
        TEASY window;
        WindowDriver easy(window);
        auto* chart = easy.control<DistanceChart>("Chart1");
        for (int launch = 0; launch < 26; ++launch)
            easy.registerClass(kClasses[size_t(launch % 6)], launch % 2 ? A : O);
        QCOMPARE(chart->pointCount(), 26);
        QCOMPARE(chart->pageCount(), 2);
        QCOMPARE(chart->currentPage(), 1);
        easy.click("SpeedButton15");
        QCOMPARE(chart->currentPage(), 2);
        easy.click("SpeedButton15"); // no page 3
        QCOMPARE(chart->currentPage(), 2);
        easy.click("SpeedButton14");
        QCOMPARE(chart->currentPage(), 1);
        // The saved session's buttons page only its own chart.
        easy.click("SpeedButton4");
        QCOMPARE(chart->currentPage(), 1);
    }

    void deleteLast_keepsTheOnlyItem_thenRemovesTheLast_andRerunsTheStatistics() {
        TEASY window;
        WindowDriver easy(window);
        easy.registerClass(3, O);
        easy.select(A);
        easy.click("SpeedButton1");
        QCOMPARE(easy.items("List1"), QStringList{u"3"_s});
        QVERIFY(easy.checked(O));
        QCOMPARE(easy.text("boules"), QStringLiteral("1"));
        easy.registerClass(3, A);
        easy.registerClass(-2, O);
        const QString beforeLast = easy.text("n2");
        easy.click("SpeedButton1");
        QCOMPARE(easy.items("List1"), (QStringList{u"3"_s, u"3"_s}));
        QCOMPARE(easy.points("Chart1"), (QList<int>{3, 3}));
        QCOMPARE(easy.text("boules"), QStringLiteral("2"));
        QCOMPARE(easy.text("n1"), beforeLast);
        QCOMPARE(easy.text("n2"), QStringLiteral("??"));
        QCOMPARE(easy.text("FM2"), QStringLiteral("0"));
        QCOMPARE(easy.text("p3"), QStringLiteral("100"));
        QCOMPARE(easy.background("IC3"), kLime);
    }

    void doubleClickInList1_deletesTheItem_butList2HasNoSuchAction() {
        TEASY window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        WindowDriver easy(window);
        for (const int c : {1, 2, 3, -1, -2})
            easy.registerClass(c, O);
        QAbstractItemView* list = easy.control<QAbstractItemView>("List1");
        const QRect middle = list->visualRect(list->model()->index(2, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, middle.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, middle.center());
        QCOMPARE(easy.items("List1"), (QStringList{u"1"_s, u"2"_s, u"-1"_s, u"-2"_s}));
        QCOMPARE(easy.points("Chart1"), (QList<int>{1, 2, -1, -2}));
        QCOMPARE(easy.text("boules"), QStringLiteral("4"));
        QCOMPARE(easy.text("F3"), QStringLiteral("0"));

        window.session().load(window.session().saved(), {2, -3});
        QAbstractItemView* saved = easy.control<QAbstractItemView>("List2");
        const QRect first = saved->visualRect(saved->model()->index(0, 0));
        QTest::mouseClick(saved->viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseDClick(saved->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(easy.items("List2"), (QStringList{u"2"_s, u"-3"_s}));
        QCOMPARE(easy.items("List1").size(), 4);
    }

    void resetCurrent_clearsItAtOnce_andLeavesTheSavedSessionAndTheEntryAlone() {
        TEASY window;
        WindowDriver easy(window);
        window.session().load(window.session().saved(), {3, 3});
        easy.trigger("STATS2");
        for (const int c : {3, 2, 2, 1, 3, -1})
            easy.registerClass(c, O);
        QCOMPARE(easy.background("IC2"), kRed);
        easy.type("Combo1", QStringLiteral("9"));
        easy.type("D", QStringLiteral("-2"));
        easy.select(A);
        easy.click("Button2");
        const QStringList keptNames{u"Combo1"_s, u"n1"_s, u"n2"_s,    u"P"_s,
                                    u"D"_s,      u"N"_s,  u"Edit1"_s, u"Edit2"_s};
        const QStringList kept = easy.texts(keptNames);
        const QStringList savedLabels = statisticsLabels(QStringLiteral("A")) << u"boules2"_s;
        const QStringList savedBefore = easy.texts(savedLabels);
        QCOMPARE(easy.text("AF3"), QStringLiteral("2"));

        easy.click("SpeedButton5");

        QVERIFY(easy.items("List1").isEmpty());
        QVERIFY(easy.points("Chart1").isEmpty());
        QCOMPARE(easy.text("boules"), QStringLiteral("0"));
        for (const QString& name : statisticsLabels({}))
            QCOMPARE(easy.text(name.toLatin1()), QStringLiteral("0"));
        for (const QString& name : indexLabels({}))
            QCOMPARE(easy.background(name.toLatin1()), kLime);
        QCOMPARE(easy.texts(savedLabels), savedBefore);
        QCOMPARE(easy.items("List2"), (QStringList{u"3"_s, u"3"_s}));
        QCOMPARE(easy.points("Chart2"), (QList<int>{3, 3}));
        QCOMPARE(easy.texts(keptNames), kept);
        QVERIFY(easy.checked(A));
        // n1 kept the last number, so the next launch has a class at once.
        easy.registerClass(-1, A);
        QCOMPARE(easy.items("List1"), QStringList{u"-1"_s});
    }

    void resetSaved_clearsOnlyTheSavedSession_andTheHiddenResetOnlyTheCurrent() {
        TEASY window;
        WindowDriver easy(window);
        window.session().load(window.session().saved(), {-3, 1});
        easy.trigger("STATS2");
        for (const int c : {-1, 2, 3})
            easy.registerClass(c, A);
        const QStringList currentLabels = statisticsLabels({}) << u"boules"_s;
        const QStringList currentBefore = easy.texts(currentLabels);

        easy.click("SpeedButton8");

        QVERIFY(easy.items("List2").isEmpty());
        QVERIFY(easy.points("Chart2").isEmpty());
        QCOMPARE(easy.text("boules2"), QStringLiteral("0"));
        for (const QString& name : statisticsLabels(QStringLiteral("A")))
            QCOMPARE(easy.text(name.toLatin1()), QStringLiteral("0"));
        for (const QString& name : indexLabels(QStringLiteral("A")))
            QCOMPARE(easy.background(name.toLatin1()), kLime);
        QCOMPARE(easy.texts(currentLabels), currentBefore);
        QCOMPARE(easy.items("List1").size(), 3);

        window.session().load(window.session().saved(), {2});
        easy.trigger("AZZERA");
        QVERIFY(easy.items("List1").isEmpty());
        QCOMPARE(easy.items("List2"), QStringList{u"2"_s});
    }

    void showHideStatistics_switches410And674() {
        TEASY window;
        WindowDriver easy(window);
        QCOMPARE(window.size(), QSize(410, 622));
        easy.click("SpeedButton3");
        QCOMPARE(window.size(), QSize(674, 622));
        easy.click("SpeedButton3");
        QCOMPARE(window.size(), QSize(410, 622));
    }

    void enterInTheEntryField_pressesRegister() {
        TEASY window;
        WindowDriver easy(window);
        easy.select(O);
        easy.type("Combo1", QStringLiteral("18"));
        QTest::keyClick(easy.control<QComboBox>("Combo1")->lineEdit(), Qt::Key_Return);
        QCOMPARE(easy.items("List1"), QStringList{u"-1"_s});
        QCOMPARE(easy.text("Combo1"), QStringLiteral("??"));
    }
};

QTEST_MAIN(EasyRecordingTest)
#include "EasyRecordingTest.moc"
