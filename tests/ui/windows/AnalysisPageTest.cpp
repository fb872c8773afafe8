// The "Analisi" page of both working windows, read by label name after known
// series: the first series registered launch by launch, the second loaded.
#include "../WindowDriver.h"

#include "ui/windows/TEASY.h"
#include "ui/windows/TPRO.h"

#include <QLocale>
#include <QTest>

#include <functional>
#include <memory>

using namespace rotamind;
using namespace Qt::StringLiterals;
using rotamind::testing::registerClassesUnderLock;
using rotamind::testing::WindowDriver;

namespace {

const QStringList kFigures{u"X2"_s,   u"X2P"_s,  u"X2V"_s,   u"HIT"_s,
                           u"HITX"_s, u"HITP"_s, u"SALDO"_s, u"TRP"_s};

// 3 3 2 2 | 1 1 1 1 2: five bets on the red I.C., the last one won with two
// classes red (see the scoreboard's test); X2 = (6 (4 + 9 + 16) - 81) / 9.
const QList<int> kNine{3, 3, 2, 2, 1, 1, 1, 1, 2};
const QStringList kNineFigures{u"10,3333"_s, u"-"_s, u"Troppo pochi lanci (servono almeno 30)"_s,
                               u"1 su 5"_s,  u"1"_s, u"0,7146"_s,
                               u"0"_s,       u"-"_s};
// Five turns of the six classes: perfectly even, and never a red I.C.; six
// kinds of step only, too few for the 6 x 6 table.
QList<int> fiveTurns() {
    QList<int> classes;
    for (int turn = 0; turn < 5; ++turn)
        for (const int distanceClass : kClasses)
            classes << distanceClass;
    return classes;
}
const QStringList kEvenFigures{
    u"0"_s, u"1,0000"_s, u"Nessuna firma: compatibile con il caso"_s, u"0 su 0"_s, u"0"_s, u"-"_s,
    u"0"_s, u"-"_s};

std::vector<std::int8_t> bytes(const QList<int>& classes) {
    return {classes.begin(), classes.end()};
}

} // namespace

class AnalysisPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian)); }

    void knownSeries_showTheirFiguresByName_data() {
        QTest::addColumn<bool>("pro");
        QTest::addColumn<QList<int>>("first");
        QTest::addColumn<QList<int>>("second");
        QTest::addColumn<QStringList>("firstFigures");
        QTest::addColumn<QStringList>("secondFigures");
        QTest::newRow("PRO") << true << kNine << fiveTurns() << kNineFigures << kEvenFigures;
        QTest::newRow("EASY") << false << fiveTurns() << kNine << kEvenFigures << kNineFigures;
    }

    void knownSeries_showTheirFiguresByName() {
        QFETCH(bool, pro);
        QFETCH(QList<int>, first);
        QFETCH(QList<int>, second);
        QFETCH(QStringList, firstFigures);
        QFETCH(QStringList, secondFigures);
        std::unique_ptr<WorkingWindow> window;
        WorkingSession* session = nullptr;
        Series* secondSeries = nullptr;
        if (pro) {
            auto* proWindow = new TPRO;
            session = &proWindow->session();
            secondSeries = &proWindow->session().seriesFor(Direction::CounterClockwise);
            window.reset(proWindow);
        } else {
            auto* easyWindow = new TEASY;
            session = &easyWindow->session();
            secondSeries = &easyWindow->session().saved();
            window.reset(easyWindow);
        }
        WindowDriver driver(*window);
        if (pro) {
            registerClassesUnderLock(driver, Direction::Clockwise, first);
        } else {
            for (const int distanceClass : first)
                driver.registerClass(distanceClass, Direction::Clockwise);
        }
        // A launch too many, taken back: the page must forget it.
        driver.registerClass(-3, Direction::Clockwise);
        driver.click("SpeedButton1");
        session->load(*secondSeries, bytes(second));

        QStringList secondNames;
        for (const QString& figure : kFigures)
            secondNames << u"A"_s + figure;
        QCOMPARE(driver.texts(kFigures), firstFigures);
        QCOMPARE(driver.texts(secondNames), secondFigures);
    }
};

QTEST_MAIN(AnalysisPageTest)
#include "AnalysisPageTest.moc"
