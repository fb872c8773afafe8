// The "Analisi" page of both working windows, read by label name after known
// series: the first series registered launch by launch, the second loaded.
#include "../../archive/StoredArchive.h"
#include "../WindowDriver.h"

#include "archive/PlaceHistoryReader.h"
#include "ui/windows/TEASY.h"
#include "ui/windows/TPRO.h"

#include <QLocale>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace rotamind;
using namespace Qt::StringLiterals;
using rotamind::testing::ArchiveRow;
using rotamind::testing::registerClassesUnderLock;
using rotamind::testing::WindowDriver;

namespace {

const QStringList kFigures{u"X2"_s,   u"X2P"_s,   u"X2C"_s,    u"X2V"_s, u"HIT"_s,   u"HITX"_s,
                           u"HITP"_s, u"SALDO"_s, u"ATTESO"_s, u"TRP"_s, u"QUOM3"_s, u"VERDETTO"_s};

// 3 3 2 2 | 1 1 1 1 2: five bets on the red I.C., the last one won with two
// classes red (see the scoreboard's test); X2 = (6 (4 + 9 + 16) - 81) / 9;
// p = 1 - (5/6)^4 (4/6) exactly; 6 classes staked lose 36/37 on average. The
// bounds of a class by the page's confidence sequence, worked out apart: no
// -3 in 9 launches leaves it at most 37 %, 5 in 30 between 3 % and 41 %.
const QList<int> kNine{3, 3, 2, 2, 1, 1, 1, 1, 2};
const QStringList kNineFigures{
    u"10,3333"_s,     u"-"_s,
    u"-"_s,           u"Troppo pochi lanci (servono almeno 30)"_s,
    u"1 su 5"_s,      u"1"_s,
    u"0,6785"_s,      u"0"_s,
    u"-0,97"_s,       u"-"_s,
    u"mai, ≤ 37 %"_s, u"Firma significativa"_s}; // the page's, from the other series
// Five turns of the six classes: perfectly even, so no class is furthest, and
// never a red I.C.; six kinds of step only, too few for the 6 x 6 table's
// chi-square, but each class always followed by the same one: a signature
// that the evidence of class after class sees, and with it the page.
QList<int> fiveTurns() {
    QList<int> classes;
    for (int turn = 0; turn < 5; ++turn)
        for (const int distanceClass : kClasses)
            classes << distanceClass;
    return classes;
}
const QStringList kEvenFigures{u"0"_s,
                               u"1,0000"_s,
                               u"-"_s,
                               u"Nessuna firma finora"_s,
                               u"0 su 0"_s,
                               u"0"_s,
                               u"-"_s,
                               u"0"_s,
                               u"0"_s,
                               u"-"_s,
                               u"tra 3 % e 41 %"_s,
                               u"Firma significativa"_s};

std::vector<int> ints(const QList<int>& classes) {
    return {classes.begin(), classes.end()};
}

std::vector<std::int8_t> bytes(const QList<int>& classes) {
    return {classes.begin(), classes.end()};
}

} // namespace

class AnalysisPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian)); }

    // The page follows its series from the start, or is made only when first
    // looked at, after the launches: it reads the same either way.
    void knownSeries_showTheirFiguresByName_data() {
        QTest::addColumn<bool>("pro");
        QTest::addColumn<bool>("madeFirst");
        QTest::addColumn<QList<int>>("first");
        QTest::addColumn<QList<int>>("second");
        QTest::addColumn<QStringList>("firstFigures");
        QTest::addColumn<QStringList>("secondFigures");
        QTest::newRow("PRO") << true << true << kNine << fiveTurns() << kNineFigures
                             << kEvenFigures;
        QTest::newRow("EASY") << false << true << fiveTurns() << kNine << kEvenFigures
                              << kNineFigures;
        QTest::newRow("PRO, made last")
            << true << false << kNine << fiveTurns() << kNineFigures << kEvenFigures;
    }

    void knownSeries_showTheirFiguresByName() {
        QFETCH(bool, pro);
        QFETCH(bool, madeFirst);
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
        if (madeFirst)
            window->analysisPage();
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

        QCOMPARE(window->findChild<QLabel*>(u"X2"_s) != nullptr, madeFirst);
        window->analysisPage();
        QStringList secondNames;
        for (const QString& figure : kFigures)
            secondNames << (figure == u"VERDETTO"_s ? figure : u"A"_s + figure);
        QCOMPARE(driver.texts(kFigures), firstFigures);
        QCOMPARE(driver.texts(secondNames), secondFigures);
    }

    // kNine whole bets five times; cut after 3 3 2 2 into two sessions it
    // never bets, since each session's board starts empty.
    void archiveBlock_joinsSessionsOfThePlaceButNeverAcross_data() {
        QTest::addColumn<bool>("pro");
        QTest::addColumn<QString>("croupier");
        QTest::addColumn<bool>("archived");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("texts");
        const QString ormilda = u"Ormilda"_s;
        QTest::newRow("PRO")
            << true << ormilda << true
            << QStringList{u"STATOARC"_s, u"SESARC"_s,  u"LANARC"_s, u"X2ARC"_s,   u"HITARC"_s,
                           u"ASESARC"_s,  u"ALANARC"_s, u"AX2ARC"_s, u"AHITARC"_s, u"VERDETTOARC"_s}
            << QStringList{QString(),   u"1"_s,
                           u"9"_s,      u"10,3333"_s,
                           u"1 su 5"_s, u"2"_s,
                           u"9"_s,      u"10,3333"_s,
                           u"0 su 0"_s, u"Troppo pochi lanci (servono almeno 30)"_s};
        QTest::newRow("EASY, saved series left out")
            << false << ormilda << true
            << QStringList{u"STATOARC"_s, u"SESARC"_s, u"LANARC"_s, u"X2ARC"_s, u"HITARC"_s}
            << QStringList{QString(), u"2"_s, u"9"_s, u"10,3333"_s, u"0 su 0"_s};
        QTest::newRow("another croupier")
            << true << u"Nessuno"_s << true << QStringList{u"STATOARC"_s}
            << QStringList{u"Nessuna sessione archiviata con questo sito e croupier"_s};
        QTest::newRow("no archive")
            << false << ormilda << false << QStringList{u"STATOARC"_s}
            << QStringList{u"Nessun archivio: ancora nessuna sessione registrata"_s};
        // A new window's example place is no place: never pooled.
        QTest::newRow("example place")
            << true << u"Ormilda"_s << true << QStringList{u"STATOARC"_s}
            << QStringList{u"Sito e croupier sono quelli d'esempio: scrivi quelli veri per "
                           u"vedere le sessioni archiviate"_s};
    }

    void archiveBlock_joinsSessionsOfThePlaceButNeverAcross() {
        QFETCH(bool, pro);
        QFETCH(QString, croupier);
        QFETCH(bool, archived);
        QFETCH(QStringList, names);
        QFETCH(QStringList, texts);
        const QString site =
            QByteArray(QTest::currentDataTag()) == "example place" ? u"Bet365"_s : u"Snai"_s;
        const std::vector<int> head{3, 3, 2, 2};
        const std::vector<int> tail{1, 1, 1, 1, 2};
        const ArchiveRow stored[] = {
            {u"PRO"_s, u"Snai"_s, u"Ormilda"_s, u"2026-12-09T21:00:00"_s, {ints(kNine), head}},
            {u"PRO"_s, u"Snai"_s, u"Ormilda"_s, u"2026-12-10T21:00:00"_s, {{}, tail}},
            {u"PRO"_s, u"Snai"_s, u"Altro"_s, u"2026-12-11T21:00:00"_s, {ints(fiveTurns()), {}}},
            {u"EASY"_s,
             u"Snai"_s,
             u"Ormilda"_s,
             u"2026-12-12T21:00:00"_s,
             {head, ints(fiveTurns())}},
            {u"EASY"_s, u"Snai"_s, u"Ormilda"_s, u"2026-12-13T21:00:00"_s, {tail, {}}},
        };
        QTemporaryDir dir;
        const QString path = dir.filePath(u"archive.sqlite"_s);
        if (archived)
            QCOMPARE(testing::writeArchive(path, stored), QString());

        std::unique_ptr<WorkingWindow> window;
        WorkingSession* session = nullptr;
        if (pro) {
            auto* proWindow = new TPRO;
            session = &proWindow->session();
            window.reset(proWindow);
        } else {
            auto* easyWindow = new TEASY;
            session = &easyWindow->session();
            window.reset(easyWindow);
        }
        session->setSite(site);
        session->setCroupier(croupier);
        window->setPlaceHistory(std::make_unique<PlaceHistoryReader>(path));
        window->show();
        WindowDriver(*window).click("SpeedButton3"); // the statistics show in the wide window only
        window->findChild<QTabWidget*>(u"PageControl1"_s)
            ->setCurrentWidget(window->findChild<QWidget*>(u"ANALISI"_s));
        // The archive is read off the window's thread.
        QTRY_COMPARE(WindowDriver(*window).texts(names), texts);
    }
};

QTEST_MAIN(AnalysisPageTest)
#include "AnalysisPageTest.moc"
