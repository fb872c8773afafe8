// Start-up, the launcher and the confirmed reset, through the real windows.
#include "../ui/ProDriver.h"

#include "app/TINTRO.h"
#include "app/Windows.h"
#include "ui/ClassicStatsGrid.h"
#include "ui/LengthStatsGrid.h"
#include "ui/TAZZERAPRO.h"
#include "ui/TRISORSE.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace rotamind;
using rotamind::testing::numberFor;
using rotamind::testing::ProDriver;

namespace {
constexpr auto O = Direction::Clockwise;
constexpr auto A = Direction::CounterClockwise;

// Answers the reset question once it is on screen.
void answerResetQuestion(const char* buttonName) {
    QTimer::singleShot(0, [buttonName] {
        auto* dialog = qobject_cast<TAZZERAPRO*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("ATTENZIONE!"));
        dialog->findChild<QPushButton*>(QString::fromLatin1(buttonName))->click();
    });
}

// Both series with launches, every kind of statistics label written, one index red.
void fillSession(ProDriver& pro) {
    for (const auto& [direction, lock, classes] :
         {std::tuple{O, "SpeedButton8", std::vector<int>{3, 2, 2, 1, 3, -1}},
          std::tuple{A, "SpeedButton7", std::vector<int>{-3, 3, 3, 3, 3, 1, 2}}}) {
        pro.click(lock);
        for (const int distanceClass : classes)
            pro.registerLaunch(numberFor(pro.text("n1").toInt(), direction, distanceClass),
                               direction);
        pro.click(lock);
    }
}

QStringList countAndStatisticsLabels() {
    QStringList names{QStringLiteral("boules"), QStringLiteral("BOULES2")};
    for (const QString& prefix : {QString(), QStringLiteral("A")})
        for (int column = 0; column < ClassicStatsGrid::ColumnCount; ++column)
            for (const int c : kClasses)
                names << ClassicStatsGrid::labelName(prefix, ClassicStatsGrid::Column(column), c);
    for (const QString& prefix : {QString(), QStringLiteral("Z")})
        for (int column = 0; column < LengthStatsGrid::ColumnCount; ++column)
            for (const int l : kLengths)
                names << LengthStatsGrid::labelName(prefix, LengthStatsGrid::Column(column), l);
    return names;
}
} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void start_showsOnlyTheLauncher() {
        Windows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.intro()));
        QVERIFY(!windows.pro().isVisible());
        QVERIFY(!windows.resources().isVisible());
        QVERIFY(!windows.resetConfirmation().isVisible());
        QCOMPARE(windows.intro().size(), QSize(400, 400));
        QCOMPARE(windows.intro().windowTitle(), QStringLiteral("Rotamind PRO"));
        auto* easy = windows.intro().findChild<QPushButton*>(QStringLiteral("Button2"));
        auto* pro = windows.intro().findChild<QPushButton*>(QStringLiteral("Button1"));
        QCOMPARE(easy->text(), QStringLiteral("Easy"));
        QCOMPARE(easy->toolTip(), QStringLiteral("Metodo Rotamind originale"));
        QCOMPARE(pro->text(), QStringLiteral("Pro"));
        QCOMPARE(pro->toolTip(), QStringLiteral("Versione Professional"));
        QCOMPARE(pro->focusPolicy(), Qt::NoFocus);
        QCOMPARE(windows.intro().findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("?"));
    }

    void pro_hidesTheLauncherAndShowsProNarrow() {
        Windows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.intro()));
        QTest::mouseClick(windows.intro().findChild<QPushButton*>(QStringLiteral("Button1")),
                          Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(&windows.pro()));
        QVERIFY(!windows.intro().isVisible());
        QCOMPARE(windows.pro().width(), 410);
    }

    void closingPro_closesTheLauncherAndEndsTheProgram() {
        Windows windows;
        windows.start();
        windows.intro().Button1Click();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.pro()));
        // The event loop that closing PRO must end; 7 would mean it went on.
        QTimer::singleShot(0, &windows.pro(), [&windows] { windows.pro().close(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!windows.intro().isVisible());
        QVERIFY(!windows.pro().isVisible());
    }

    void resetAnsweredNo_changesNothing() {
        Windows windows;
        ProDriver pro(windows.pro());
        windows.pro().show();
        fillSession(pro);
        const QStringList names = countAndStatisticsLabels();
        QStringList before;
        for (const QString& name : names)
            before << pro.text(name.toLatin1());
        answerResetQuestion("Button2");
        pro.click("SpeedButton5");
        QStringList after;
        for (const QString& name : names)
            after << pro.text(name.toLatin1());
        QCOMPARE(after, before);
        QCOMPARE(pro.items("List1").size(), 6);
        QCOMPARE(pro.points("Chart2").size(), 7);
        QVERIFY(!windows.resetConfirmation().isVisible());
    }

    void resetAnsweredYes_clearsEveryLabelListAndChart_butNotTheEntry() {
        Windows windows;
        ProDriver pro(windows.pro());
        windows.pro().show();
        fillSession(pro);
        QCOMPARE(pro.background("IC2"), QColor(255, 0, 0));
        pro.type("Combo1", QStringLiteral("9"));
        pro.type("D", QStringLiteral("-2"));
        pro.select(A);
        pro.click("Button2");
        pro.click("SpeedButton8"); // a lock on, to see it survives
        const QStringList kept{pro.text("Combo1"), pro.text("n1"),   pro.text("n2"),
                               pro.text("P"),      pro.text("D"),    pro.text("N"),
                               pro.text("OPPO"),   pro.text("Edit1")};
        QVERIFY(pro.text("N") != QStringLiteral("??-??-??-??-??-??"));

        answerResetQuestion("Button1");
        pro.click("SpeedButton5");

        const QStringList names = countAndStatisticsLabels();
        QCOMPARE(names.size(), 128);
        for (const QString& name : names)
            QCOMPARE(pro.text(name.toLatin1()), QStringLiteral("0"));
        int lime = 0;
        for (const QString& name : names)
            if (name.contains(QLatin1String("IC")))
                lime += pro.background(name.toLatin1()) == QColor(0, 255, 0) ? 1 : 0;
        QCOMPARE(lime, 34);
        for (const char* list : {"List1", "List2"})
            QVERIFY(pro.items(list).isEmpty());
        for (const char* chart : {"Chart1", "Chart2"})
            QVERIFY(pro.points(chart).isEmpty());
        QCOMPARE((QStringList{pro.text("Combo1"), pro.text("n1"), pro.text("n2"), pro.text("P"),
                              pro.text("D"), pro.text("N"), pro.text("OPPO"), pro.text("Edit1")}),
                 kept);
        QVERIFY(windows.pro().timer2On());
        // n1 kept the last number, so the first launch of the new session has a class.
        pro.registerLaunch(numberFor(pro.text("n1").toInt(), O, 2), O);
        QCOMPARE(pro.items("List1"), QStringList{QStringLiteral("2")});
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
