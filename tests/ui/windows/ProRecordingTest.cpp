// Registering launches in the PRO window, deleting them, the direction lock,
// the chart pages: driven through the window's named controls.
#include "../WindowDriver.h"

#include "ui/windows/TPRO.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

using namespace rotamind;
using rotamind::testing::numberFor;
using rotamind::testing::WindowDriver;

namespace {
constexpr auto O = Direction::Clockwise;
constexpr auto A = Direction::CounterClockwise;
} // namespace

class ProRecordingTest : public QObject {
    Q_OBJECT

private slots:
    void firstRegister_withNoDirection_registersNothingAndSelectsO() {
        TPRO window;
        WindowDriver pro(window);
        pro.click("Button11");
        QVERIFY(pro.items("List1").isEmpty());
        QVERIFY(pro.items("List2").isEmpty());
        QCOMPARE(pro.text("n1"), QStringLiteral("21"));
        QCOMPARE(pro.text("n2"), QStringLiteral("17"));
        QVERIFY(pro.checked(O));
        QCOMPARE(pro.text("P"), QStringLiteral("18"));
        QCOMPARE(pro.text("Combo1"), QStringLiteral("18")); // kept for the next press
    }

    void register18After21Clockwise_appendsMinusOneAndFlipsToA() {
        TPRO window;
        WindowDriver pro(window);
        pro.registerLaunch(QStringLiteral("18"), O);
        QCOMPARE(pro.text("n2"), QStringLiteral("21"));
        QCOMPARE(pro.text("n1"), QStringLiteral("18"));
        QCOMPARE(pro.items("List1"), QStringList{QStringLiteral("-1")});
        QCOMPARE(pro.points("Chart1"), QList<int>{-1});
        QCOMPARE(pro.text("boules"), QStringLiteral("1"));
        QVERIFY(pro.items("List2").isEmpty());
        QVERIFY(pro.checked(A));
        QCOMPARE(pro.text("P"), QStringLiteral("18"));
        QCOMPARE(pro.text("Combo1"), QStringLiteral("??"));
        // The counter-clockwise launch that follows is classified against 18.
        pro.type("Combo1", QStringLiteral("21"));
        pro.click("Button11");
        QCOMPARE(pro.items("List2"), QStringList{classText(*classifyPair(A, u"18", u"21"))});
        QCOMPARE(pro.text("BOULES2"), QStringLiteral("1"));
        QVERIFY(pro.checked(O));
    }

    void enterInTheEntryField_pressesRegisterOnce_andTheNextNumberReplacesTheQuestionMarks() {
        TPRO window;
        WindowDriver pro(window);
        pro.select(O);
        // Keys go to the drop-down itself, as they do when the user types into it.
        auto* entry = pro.control<QComboBox>("Combo1");
        int presses = 0;
        connect(pro.control<QPushButton>("Button11"), &QPushButton::clicked, this,
                [&presses] { ++presses; });
        entry->lineEdit()->selectAll();
        QTest::keyClicks(entry, QStringLiteral("18"));
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(presses, 1);
        QCOMPARE(pro.items("List1"), QStringList{QStringLiteral("-1")});
        QCOMPARE(pro.text("Combo1"), QStringLiteral("??"));
        QVERIFY(pro.checked(A));
        // The player types the next number straight away, without selecting the "??".
        QTest::keyClicks(entry, QStringLiteral("5"));
        QCOMPARE(pro.text("Combo1"), QStringLiteral("5"));
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(presses, 2);
        QCOMPARE(pro.items("List2").size(), 1);
        QCOMPARE(pro.text("n1"), QStringLiteral("5"));
        QVERIFY(pro.checked(O));
    }

    void wheelOverAFieldWithoutFocus_leavesItsNumber() {
        TPRO window;
        WindowDriver pro(window);
        auto* last = pro.control<QComboBox>("P");
        QVERIFY(!last->hasFocus());
        QWheelEvent wheel(QPointF(10, 10), last->mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(last, &wheel);
        QCOMPARE(pro.text("P"), QStringLiteral("18"));
        QCOMPARE(pro.text("n1"), QStringLiteral("21"));
    }

    void userChangeOfP_isCopiedIntoN1() {
        TPRO window;
        WindowDriver pro(window);
        pro.type("P", QStringLiteral("7"));
        QCOMPARE(pro.text("n1"), QStringLiteral("7"));
        pro.type("P", QStringLiteral("x9"));
        QCOMPARE(pro.text("n1"), QStringLiteral("x9"));
        QComboBox* p = pro.control<QComboBox>("P");
        p->setCurrentIndex(p->findText(QStringLiteral("33"))); // picking an item
        QCOMPARE(pro.text("n1"), QStringLiteral("33"));
        // The next launch is classified against the number put in P.
        pro.registerLaunch(QStringLiteral("0"), A);
        QCOMPARE(pro.items("List2"), QStringList{classText(*classifyPair(A, u"33", u"0"))});
    }

    void deleteLast_keepsTheOnlyItem_andSelectsTheListsDirection() {
        TPRO window;
        WindowDriver pro(window);
        pro.registerLaunch(QStringLiteral("18"), O);
        pro.click("SpeedButton1");
        QCOMPARE(pro.items("List1").size(), 1);
        QCOMPARE(pro.points("Chart1").size(), 1);
        QCOMPARE(pro.text("n1"), QStringLiteral("18"));
        QCOMPARE(pro.text("n2"), QStringLiteral("21"));
        QVERIFY(pro.checked(O));
        QCOMPARE(pro.text("boules"), QStringLiteral("1"));
        pro.click("SpeedButton2"); // empty counter-clockwise list
        QVERIFY(pro.checked(A));
        QCOMPARE(pro.text("BOULES2"), QStringLiteral("0"));
    }

    void deleteLastTwice_leavesNoPreviousNumber_soOneLaunchGetsNoClass() {
        TPRO window;
        WindowDriver pro(window);
        pro.click("SpeedButton8"); // lock O: every launch clockwise
        for (const char* number : {"0", "32", "15", "10"})
            pro.registerLaunch(QString::fromLatin1(number), O);
        QCOMPARE(pro.items("List1").size(), 4);
        pro.click("SpeedButton1");
        QCOMPARE(pro.text("n1"), QStringLiteral("15"));
        QCOMPARE(pro.text("n2"), QStringLiteral("??"));
        pro.click("SpeedButton1");
        QCOMPARE(pro.text("n1"), QStringLiteral("??"));
        QCOMPARE(pro.items("List1").size(), 2);
        QCOMPARE(pro.points("Chart1").size(), 2);
        QCOMPARE(pro.text("boules"), QStringLiteral("2"));
        pro.registerLaunch(QStringLiteral("4"), O);
        QCOMPARE(pro.items("List1").size(), 2);
        pro.registerLaunch(QStringLiteral("21"), O);
        QCOMPARE(pro.items("List1").size(), 3);
        QCOMPARE(pro.items("List1").last(), classText(*classifyPair(O, u"4", u"21")));
    }

    void deleteLast_rerunsTheStatistics() {
        TPRO window;
        WindowDriver pro(window);
        pro.click("SpeedButton8");
        QString previous = QStringLiteral("21");
        for (const int distanceClass : {3, 3}) {
            previous = numberFor(previous.toInt(), O, distanceClass);
            pro.registerLaunch(previous, O);
        }
        QCOMPARE(pro.text("F3"), QStringLiteral("2"));
        pro.click("SpeedButton1");
        QCOMPARE(pro.text("F3"), QStringLiteral("1"));
        QCOMPARE(pro.text("p3"), QStringLiteral("100"));
    }

    void doubleClickOnMiddleOfFive_removesIt_showsFourAndRecomputes() {
        TPRO window;
        WindowDriver pro(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        pro.click("SpeedButton8");
        QString previous = QStringLiteral("21");
        for (const int distanceClass : {1, 2, 3, -1, -2}) {
            previous = numberFor(previous.toInt(), O, distanceClass);
            pro.registerLaunch(previous, O);
        }
        QCOMPARE(pro.items("List1"), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"-1"_s, u"-2"_s}));
        QAbstractItemView* list = pro.control<QAbstractItemView>("List1");
        const QRect middle = list->visualRect(list->model()->index(2, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, middle.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, middle.center());
        QCOMPARE(pro.items("List1"), (QStringList{u"1"_s, u"2"_s, u"-1"_s, u"-2"_s}));
        QCOMPARE(pro.points("Chart1"), (QList<int>{1, 2, -1, -2}));
        QCOMPARE(pro.text("boules"), QStringLiteral("4"));
        QCOMPARE(pro.text("F3"), QStringLiteral("0"));
        QCOMPARE(pro.text("FM1"), QStringLiteral("1"));
        QCOMPARE(pro.text("RM1"), QStringLiteral("1"));
        QCOMPARE(list->selectionModel()->selectedRows().value(0).row(), 0);
    }

    void doubleClickOnTheOnlyItemOrAnEmptyList_changesNothing() {
        TPRO window;
        WindowDriver pro(window);
        window.List2DblClick();
        QVERIFY(pro.points("Chart2").isEmpty());
        QCOMPARE(pro.text("BOULES2"), QStringLiteral("0"));
        pro.registerLaunch(QStringLiteral("18"), O);
        window.List1DblClick();
        QCOMPARE(pro.items("List1").size(), 1);
        QCOMPARE(pro.points("Chart1").size(), 1);
    }

    void lockA_registersEveryLaunchCounterClockwise() {
        TPRO window;
        WindowDriver pro(window);
        pro.click("SpeedButton7");
        QVERIFY(window.timer1On());
        QVERIFY(pro.checked(A));
        for (const char* number : {"0", "32", "15", "19"}) {
            pro.type("Combo1", QString::fromLatin1(number));
            pro.click("Button11");
            QVERIFY(pro.checked(A));
        }
        QCOMPARE(pro.items("List2").size(), 4);
        QVERIFY(pro.items("List1").isEmpty());
        // A click of the user on "O" does not hold either.
        pro.select(O);
        QVERIFY(pro.checked(A));
        QVERIFY(!pro.checked(O));
    }

    void lockButtons_moveAndRelease_theOneLock() {
        TPRO window;
        WindowDriver pro(window);
        // The lock buttons look pressed exactly while they hold their direction.
        const auto pressed = [&] {
            return QList<bool>{pro.control<QAbstractButton>("SpeedButton8")->isChecked(),
                               pro.control<QAbstractButton>("SpeedButton7")->isChecked()};
        };
        pro.click("SpeedButton8");
        QVERIFY(window.timer2On());
        QVERIFY(!window.timer1On());
        QVERIFY(pro.checked(O));
        QCOMPARE(pressed(), (QList<bool>{true, false}));
        pro.click("SpeedButton7"); // moves the lock to A
        QVERIFY(window.timer1On());
        QVERIFY(!window.timer2On());
        QVERIFY(pro.checked(A));
        QCOMPARE(pressed(), (QList<bool>{false, true}));
        pro.click("SpeedButton7"); // releases it
        QVERIFY(!window.timer1On());
        QVERIFY(!window.timer2On());
        QCOMPARE(pressed(), (QList<bool>{false, false}));
        pro.registerLaunch(QStringLiteral("5"), A);
        QVERIFY(pro.checked(O)); // free again: REGISTRA flips
        // A delete selects its list's direction, and a lock wins over it.
        pro.click("SpeedButton8");
        pro.click("SpeedButton2");
        QVERIFY(pro.checked(O));
    }

    void clockwiseChart_turnsToTheLastPage_atThe26thPoint() {
        TPRO window;
        WindowDriver pro(window);
        auto* chart = pro.control<DistanceChart>("Chart1");
        pro.click("SpeedButton8");
        QString previous = QStringLiteral("21");
        for (int i = 0; i < 25; ++i) {
            previous = numberFor(previous.toInt(), O, i % 2 ? 2 : -3);
            pro.registerLaunch(previous, O);
        }
        QCOMPARE(chart->pointCount(), 25);
        QCOMPARE(chart->currentPage(), 1);
        pro.registerLaunch(numberFor(previous.toInt(), O, 1), O);
        QCOMPARE(chart->currentPage(), 2);
        pro.click("SpeedButton12");
        QCOMPARE(chart->currentPage(), 1);
        pro.click("SpeedButton12");
        QCOMPARE(chart->currentPage(), 1);
        pro.click("SpeedButton13");
        pro.click("SpeedButton13");
        QCOMPARE(chart->currentPage(), 2);
        // The other chart pages on its own buttons.
        QCOMPARE(pro.control<DistanceChart>("Chart2")->currentPage(), 1);
    }

    void listAndChart_stayEqual_throughMixedOperations() {
        TPRO window;
        WindowDriver pro(window);
        quint32 seed = 12345;
        auto next = [&seed](quint32 bound) {
            seed = seed * 1103515245u + 12345u;
            return (seed >> 16) % bound;
        };
        for (int step = 0; step < 300; ++step) {
            switch (next(10)) {
            case 0:
                pro.click(next(2) ? "SpeedButton1" : "SpeedButton2");
                break;
            case 1: {
                QAbstractItemView* list =
                    pro.control<QAbstractItemView>(next(2) ? "List1" : "List2");
                if (list->model()->rowCount() > 0)
                    list->setCurrentIndex(
                        list->model()->index(int(next(quint32(list->model()->rowCount()))), 0));
                (list->objectName() == QLatin1String("List1")) ? window.List1DblClick()
                                                               : window.List2DblClick();
                break;
            }
            default:
                pro.registerLaunch(QString::number(next(37)), next(2) ? O : A);
            }
            for (const auto& [listName, chartName, countName] :
                 {std::tuple{"List1", "Chart1", "boules"},
                  std::tuple{"List2", "Chart2", "BOULES2"}}) {
                QList<int> fromList;
                for (const QString& item : pro.items(listName))
                    fromList << item.toInt();
                QCOMPARE(pro.points(chartName), fromList);
                QCOMPARE(pro.text(countName), QString::number(fromList.size()));
            }
        }
    }
};

QTEST_MAIN(ProRecordingTest)
#include "ProRecordingTest.moc"
