// The PRO window's controls by name, place, caption and hint; its width
// toggle, the site fields, the betting aid and the wheel picture panel.
#include "../LayoutCheck.h"
#include "../WindowDriver.h"

#include "ui/views/ClassicStatsGrid.h"
#include "ui/views/LengthStatsGrid.h"
#include "ui/windows/TPRO.h"

#include <QAbstractButton>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace rotamind;
using rotamind::testing::checkControls;
using rotamind::testing::ExpectedControl;
using rotamind::testing::WindowDriver;

namespace {
constexpr auto O = Direction::Clockwise;
constexpr auto A = Direction::CounterClockwise;

const ExpectedControl kControls[] = {
    {"Combo1", "QComboBox", {8, 6, 65, 45}, "18", nullptr},
    {"Radio1", "QRadioButton", {76, 7, 33, 17}, "O", "spin senso orario"},
    {"Radio2", "QRadioButton", {113, 7, 33, 17}, "A", "spin senso antiorario"},
    {"Button11", "QPushButton", {76, 32, 71, 20}, "REGISTRA", nullptr},
    {"SpeedButton8",
     "QToolButton",
     {153, 7, 16, 25},
     nullptr,
     "Blocca la registrazione solo sui tiri ORARI\npremere di nuovo il pulsante per sbloccare"},
    {"SpeedButton7",
     "QToolButton",
     {170, 7, 16, 25},
     nullptr,
     "Blocca la registrazione solo sui tiri ANTIORARI\npremere di nuovo il pulsante per sbloccare"},
    {"SpeedButton3", "QToolButton", {153, 37, 33, 25}, nullptr, "Mostra/Nascondi Statistiche"},
    {"Button4", "QPushButton", {153, 66, 33, 25}, "Easy", "Vai alla versione Easy"},
    {"SpeedButton5", "QToolButton", {153, 97, 33, 25}, nullptr, "Azzera sessione"},
    {"Label43", "QLabel", {8, 58, 137, 13}, "Ultimi 2 numeri sortiti", nullptr},
    {"n1", "QComboBox", {8, 76, 65, 45}, "21", nullptr},
    {"n2", "QComboBox", {80, 76, 65, 45}, "17", nullptr},
    {"Panel1", "QFrame", {192, 7, 209, 114}, nullptr, nullptr},
    {"Label16", "QLabel", {}, "Ultimo:", nullptr},
    {"P", "QComboBox", {56, 8, 41, 21}, "18", nullptr},
    {"Label17", "QLabel", {}, "Distanza:", nullptr},
    {"D", "QComboBox", {168, 8, 33, 21}, "1", nullptr},
    {"SpeedButton4", "QToolButton", {8, 32, 33, 33}, nullptr, ""},
    {"Button2", "QPushButton", {48, 32, 153, 33}, "Mostra numeri da puntare", nullptr},
    {"N", "QLabel", {8, 68, 193, 24}, "??-??-??-??-??-??", nullptr},
    {"OPPO", "QLabel", {8, 94, 193, 16}, "??-??-??-??-??-??", nullptr},
    {"Chart1", "rotamind::DistanceChart", {5, 128, 360, 240}, nullptr, nullptr},
    {"Chart2", "rotamind::DistanceChart", {5, 376, 360, 240}, nullptr, nullptr},
    {"List1", "rotamind::SpinListView", {368, 128, 33, 161}, nullptr, nullptr},
    {"List2", "rotamind::SpinListView", {368, 376, 33, 161}, nullptr, nullptr},
    {"boules", "QLabel", {368, 294, 33, 13}, "0", nullptr},
    {"BOULES2", "QLabel", {368, 542, 33, 13}, "0", nullptr},
    {"SpeedButton1", "QToolButton", {368, 314, 33, 25}, nullptr, "Elimina ultimo inserimento"},
    {"SpeedButton2", "QToolButton", {368, 562, 33, 25}, nullptr, "Elimina ultimo inserimento"},
    {"SpeedButton12", "QToolButton", {368, 344, 16, 25}, nullptr, "Pagina del grafico precedente"},
    {"SpeedButton13", "QToolButton", {385, 344, 16, 25}, nullptr, "Pagina del grafico successiva"},
    {"SpeedButton14", "QToolButton", {368, 592, 16, 25}, nullptr, "Pagina del grafico precedente"},
    {"SpeedButton15", "QToolButton", {385, 592, 16, 25}, nullptr, "Pagina del grafico successiva"},
    {"Panel2", "QFrame", {5, 128, 360, 489}, nullptr, "Nascondi"},
    {"ImageX", "QLabel", {5, 80, 350, 350}, nullptr, "Nascondi"},
    {"Image5", "QLabel", {2, 0, 57, 73}, nullptr, nullptr},
    {"Image3", "QLabel", {294, 6, 61, 61}, nullptr, nullptr},
    {"Image2", "QLabel", {0, 408, 55, 80}, nullptr, nullptr},
    {"Image4", "QLabel", {302, 408, 65, 89}, nullptr, nullptr},
    {"Label60", "QLabel", {413, 6, 245, 13}, "GESTIONE SESSIONI", nullptr},
    {"Label62", "QLabel", {416, 25, 95, 13}, "ORARIO", nullptr},
    {"Label61", "QLabel", {560, 25, 95, 13}, "ANTIORARIO", nullptr},
    {"Button8", "QPushButton", {416, 45, 95, 25}, "Carica sessione", "Carica sessione SPIN ORARI"},
    {"Button5", "QPushButton", {416, 75, 95, 25}, "Salva sessione", "Salva sessione SPIN ORARI"},
    {"Button3", "QPushButton", {416, 105, 95, 25}, "Salva grafico", "Salva grafico SPIN ORARI"},
    {"Button1",
     "QPushButton",
     {560, 45, 95, 25},
     "Carica sessione",
     "Carica sessione SPIN ANTIORARI"},
    {"Button9",
     "QPushButton",
     {560, 75, 95, 25},
     "Salva sessione",
     "Salva sessione SPIN ANTIORARI"},
    {"Button10",
     "QPushButton",
     {560, 105, 95, 25},
     "Salva grafico",
     "Salva grafico SPIN ANTIORARI"},
    {"SpeedButton10", "QToolButton", {519, 75, 33, 25}, nullptr, "Gestione salvataggi automatici"},
    {"UNDO", "QToolButton", {519, 45, 16, 25}, nullptr, "Annulla (Ctrl+Z)"},
    {"REDO", "QToolButton", {536, 45, 16, 25}, nullptr, "Ripeti (Ctrl+Y)"},
    {"ARCHIVIO", "QToolButton", {519, 105, 33, 25}, nullptr, "Archivio sessioni"},
    {"Label64", "QLabel", {416, 140, 95, 13}, "Sito Gaming", nullptr},
    {"Edit1", "QLineEdit", {416, 155, 95, 21}, "Bet365", nullptr},
    {"Label63", "QLabel", {560, 140, 95, 13}, "Nome Croupier", nullptr},
    {"Edit2", "QLineEdit", {560, 155, 95, 21}, "Ormilda", nullptr},
    {"PageControl1", "QTabWidget", {405, 184, 260, 377}, nullptr, nullptr},
    {"Classiche", "QWidget", {}, nullptr, nullptr},
    {"TabSheet2", "QWidget", {}, nullptr, nullptr},
    {"TabSheet1", "rotamind::ContactPage", {}, nullptr, nullptr},
    {"Image6", "QLabel", {16, 32, 220, 177}, nullptr, nullptr},
    {"SpeedButton9", "QToolButton", {81, 312, 96, 24}, "Messaggio", "Link al modulo di contatto"},
    {"Image1", "rotamind::ClickableLabel", {415, 564, 241, 44}, nullptr, nullptr},
    {"Button6", "QAction", {}, "O", "Registra colpo in senso ORARIO"},
    {"Button7", "QAction", {}, "A", "Registra colpo in senso ANTIORARIO"},
    {"STATS", "QAction", {}, "Statistiche - o", nullptr},
    {"IC", "QAction", {}, "IC", nullptr},
    {"stats2", "QAction", {}, "Statistiche - a", nullptr},
    {"ICA", "QAction", {}, "ICA", nullptr},
    {"LUNGO", "QAction", {}, "Lunghezze -o", nullptr},
    {"ICLO", "QAction", {}, "ICLO", nullptr},
    {"LUNGA", "QAction", {}, "Lunghezze -a", nullptr},
    {"ICLA", "QAction", {}, "ICLA", nullptr},
    {"AZZERA", "QAction", {}, nullptr, "Azzera sessione"},
    {"SpeedButton6", "QAction", {}, nullptr, "Supporto Online"},
};

} // namespace

class ProLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void everyControl_hasItsNamePlaceCaptionAndHint() {
        TPRO window;
        checkControls(window, kControls);
    }

    void everyStatisticsLabel_existsOnceAndStartsAtZeroOnItsColour() {
        TPRO window;
        testing::makeEveryPage(window);
        int labels = 0;
        for (const QString& prefix : {QString(), QStringLiteral("A")})
            for (int column = 0; column < ClassicStatsGrid::ColumnCount; ++column)
                for (const int c : kClasses) {
                    const auto found = window.findChildren<QLabel*>(
                        ClassicStatsGrid::labelName(prefix, ClassicStatsGrid::Column(column), c));
                    QCOMPARE(found.size(), 1);
                    QCOMPARE(found.first()->text(), QStringLiteral("0"));
                    ++labels;
                }
        for (const QString& prefix : {QString(), QStringLiteral("Z")})
            for (int column = 0; column < LengthStatsGrid::ColumnCount; ++column)
                for (const int l : kLengths) {
                    const auto found = window.findChildren<QLabel*>(
                        LengthStatsGrid::labelName(prefix, LengthStatsGrid::Column(column), l));
                    QCOMPARE(found.size(), 1);
                    QCOMPARE(found.first()->text(), QStringLiteral("0"));
                    ++labels;
                }
        QCOMPARE(labels, 126);
        WindowDriver pro(window);
        for (const char* index : {"IC3", "AICM3", "ICL0", "ZICLM5"})
            QCOMPARE(pro.background(index), QColor(0, 255, 0));
        QCOMPARE(pro.background("F3"), QColor(0, 0, 128));
        QCOMPARE(pro.background("p3"), QColor(0, 128, 0));
        QCOMPARE(pro.background("R3"), QColor(0, 255, 255));
        QCOMPARE(pro.background("RX3"), QColor(192, 192, 192));
        QCOMPARE(pro.background("Radio2"), QColor(0xC0, 0xDC, 0xC0));
        QCOMPARE(pro.background("List2"), QColor(0xC0, 0xDC, 0xC0));
        QCOMPARE(pro.background("Combo1"), QColor(255, 255, 0));
        QCOMPARE(pro.background("n1"), QColor(0, 128, 0));
        QCOMPARE(pro.background("OPPO"), QColor(255, 0, 0));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(128, 0, 0));
    }

    void window_startsNarrowAndTheStatisticsButtonToggles410And674() {
        TPRO window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Rotamind PRO"));
        QCOMPARE(window.size(), QSize(410, 624));
        WindowDriver pro(window);
        pro.click("SpeedButton3");
        QCOMPARE(window.width(), 674);
        pro.click("SpeedButton3");
        QCOMPARE(window.width(), 410);
        QCOMPARE(window.height(), 624);
        auto* tabs = pro.control<QTabWidget>("PageControl1");
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Statistiche Classiche"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Lunghezze"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("Analisi"));
        QCOMPARE(tabs->tabText(3), QStringLiteral(" ???"));
    }

    void hiddenCommands_runTheirHandlers() {
        TPRO window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        WindowDriver pro(window);
        pro.type("Combo1", QStringLiteral("18"));
        pro.trigger("Button6"); // register clockwise, without the flip of REGISTRA
        QCOMPARE(pro.items("List1"), QStringList{QStringLiteral("-1")});
        QCOMPARE(pro.text("F1") + pro.text("FM1"), QStringLiteral("01"));
        pro.trigger("AZZERA");
        QVERIFY(pro.items("List1").isEmpty());
        QCOMPARE(pro.text("FM1"), QStringLiteral("0"));
    }

    void clickIntoSiteOrCroupier_emptiesIt() {
        TPRO window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        WindowDriver pro(window);
        QTest::mouseClick(pro.control<QLineEdit>("Edit1"), Qt::LeftButton);
        QCOMPARE(pro.text("Edit1"), QString());
        QCOMPARE(pro.text("Edit2"), QStringLiteral("Ormilda"));
        QTest::keyClicks(pro.control<QLineEdit>("Edit1"), QStringLiteral("Snai"));
        QTest::mouseClick(pro.control<QLineEdit>("Edit2"), Qt::LeftButton);
        QCOMPARE(pro.text("Edit2"), QString());
        QCOMPARE(pro.text("Edit1"), QStringLiteral("Snai"));
    }

    // The table of windows is the betting library's; this checks the wiring:
    // P, D and the selected direction in, N and OPPO out, foreign texts ignored.
    void numbersToBet_fillNAndOppo_forTheSelectedDirection() {
        TPRO window;
        WindowDriver pro(window);
        pro.type("P", QStringLiteral("17"));
        pro.type("D", QStringLiteral("2"));
        pro.select(A);
        pro.click("Button2");
        QCOMPARE(pro.text("N"), QStringLiteral("00-03-12-26-32-35"));
        QCOMPARE(pro.text("OPPO"), QStringLiteral("05-08-10-23-24-30"));
        pro.type("P", QStringLiteral("05"));
        pro.click("Button2");
        QCOMPARE(pro.text("N"), QStringLiteral("00-03-12-26-32-35"));
    }

    void numbersToBet_withNoDirection_keepTheQuestionMarks() {
        TPRO window;
        WindowDriver pro(window);
        pro.click("Button2");
        QCOMPARE(pro.text("N"), QStringLiteral("??-??-??-??-??-??"));
        QCOMPARE(pro.text("OPPO"), QStringLiteral("??-??-??-??-??-??"));
    }

    void wheelPicture_followsN_andTheToggleShowsAndHidesIt() {
        TPRO window;
        QStringList asked;
        window.setPictureSource([&asked](const QString& name) {
            asked << name;
            QPixmap pixmap(350, 350);
            pixmap.fill(Qt::white);
            return pixmap;
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        WindowDriver pro(window);
        auto* panel = pro.control<WheelPicturePanel>("Panel2");
        QVERIFY(!panel->isVisible());
        pro.click("SpeedButton4");
        QVERIFY(panel->isVisible());
        QCOMPARE(asked, QStringList{QStringLiteral("BASE")});
        pro.type("P", QStringLiteral("26"));
        pro.type("D", QStringLiteral("1"));
        pro.select(O);
        pro.click("Button2");
        QCOMPARE(panel->pictureName(), QStringLiteral("Image0"));
        QVERIFY(panel->isVisible());
        // A click on a decoration does nothing; one on the picture hides the panel.
        QTest::mouseClick(pro.control("Image3"), Qt::LeftButton);
        QVERIFY(panel->isVisible());
        QTest::mouseClick(pro.control("ImageX"), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        pro.click("SpeedButton4");
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(180, 40));
        QVERIFY(!panel->isVisible());
    }

    // The pictures are decoded when their label is first shown, and then show
    // as drawn: as is, or fitted into the label keeping their proportions.
    void pictures_showAsDrawn_fromTheirFirstShow() {
        const struct {
            const char* label;
            const char* resource;
            QSize fittedInto; // empty: as is
        } pictures[] = {
            {"ImageX", ":/wheel/plain.jpg", {}},
            {"Image5", ":/decor/horseshoe.jpg", {57, 73}},
            {"Image3", ":/decor/clover.jpg", {}},
            {"Image2", ":/decor/moneybag.jpg", {}},
            {"Image4", ":/decor/ladybird.jpg", {65, 89}},
            {"Image6", ":/misc/contact.jpg", {220, 177}},
            {"Image1", ":/misc/banner.jpg", {}},
        };
        TPRO window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        WindowDriver pro(window);
        QVERIFY(pro.control<QLabel>("ImageX")->pixmap().isNull());
        QVERIFY(pro.control<QLabel>("Image6")->pixmap().isNull());
        pro.click("SpeedButton4");
        pro.click("SpeedButton3"); // the tabs are out of sight in the narrow window
        auto* tabs = pro.control<QTabWidget>("PageControl1");
        tabs->setCurrentWidget(pro.control("TabSheet1"));
        for (const auto& [label, resource, fittedInto] : pictures) {
            QPixmap drawn(QString::fromLatin1(resource));
            if (!fittedInto.isEmpty())
                drawn = drawn.scaled(fittedInto, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            QVERIFY2(!drawn.isNull(), resource);
            QCOMPARE(pro.control<QLabel>(label)->pixmap().toImage(), drawn.toImage());
        }
        // Icons too; the magnifier has its own drawn disabled look.
        const struct {
            const char* button;
            const char* resource;
            QIcon::Mode mode;
        } icons[] = {
            {"SpeedButton1", ":/icons/delete-last.png", QIcon::Normal},
            {"SpeedButton4", ":/icons/magnifier.png", QIcon::Normal},
            {"SpeedButton4", ":/icons/magnifier-disabled.png", QIcon::Disabled},
        };
        for (const auto& [button, resource, mode] : icons) {
            const QIcon icon = pro.control<QAbstractButton>(button)->icon();
            const QImage drawn(QString::fromLatin1(resource));
            QVERIFY2(!drawn.isNull(), resource);
            QCOMPARE(icon.pixmap(drawn.size(), mode).toImage(),
                     QPixmap::fromImage(drawn).toImage());
        }
    }
};

QTEST_MAIN(ProLayoutTest)
#include "ProLayoutTest.moc"
