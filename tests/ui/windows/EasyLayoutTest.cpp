// The EASY window's controls by name, place, caption, hint and colour; its
// tabs and hidden commands; the wheel picture panel with the real pictures.
#include "../LayoutCheck.h"
#include "../WindowDriver.h"

#include "ui/views/ClassicStatsGrid.h"
#include "ui/windows/TEASY.h"
#include "ui/windows/TRISORSE.h"

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

const ExpectedControl kControls[] = {
    {"Combo1", "QComboBox", {8, 6, 65, 45}, "18", nullptr},
    {"Radio1", "QRadioButton", {76, 7, 33, 17}, "O", "spin senso orario"},
    {"Radio2", "QRadioButton", {113, 7, 33, 17}, "A", "spin senso antiorario"},
    {"Button11", "QPushButton", {76, 32, 71, 20}, "REGISTRA", nullptr},
    {"SpeedButton6", "QToolButton", {153, 7, 33, 25}, nullptr, "Supporto Online"},
    {"SpeedButton3", "QToolButton", {153, 37, 33, 25}, nullptr, "Mostra/Nascondi Statistiche"},
    {"Button1", "QPushButton", {153, 66, 33, 25}, "PRO", "Vai alla versione PRO"},
    {"SpeedButton5", "QToolButton", {153, 97, 33, 25}, nullptr, "Azzera sessione corrente"},
    {"Label43", "QLabel", {8, 58, 137, 13}, "Ultimi 2 numeri sortiti", nullptr},
    {"n1", "QComboBox", {8, 76, 65, 45}, "21", nullptr},
    {"n2", "QComboBox", {80, 76, 65, 45}, "17", nullptr},
    {"Panel1", "QFrame", {192, 7, 209, 114}, nullptr, nullptr},
    {"Label16", "QLabel", {}, "Ultimo:", nullptr},
    {"P", "QComboBox", {56, 8, 41, 21}, "18", nullptr},
    {"Label17", "QLabel", {}, "Distanza:", nullptr},
    {"D", "QComboBox", {168, 8, 33, 21}, "1", nullptr},
    {"SpeedButton7", "QToolButton", {8, 36, 33, 33}, nullptr, ""},
    {"Button2", "QPushButton", {48, 36, 153, 33}, "Mostra numeri da puntare", nullptr},
    {"N", "QLabel", {8, 76, 193, 29}, "??-??-??-??-??-??", nullptr},
    {"Chart1", "rotamind::DistanceChart", {5, 128, 360, 240}, nullptr, nullptr},
    {"Chart2", "rotamind::DistanceChart", {5, 376, 360, 240}, nullptr, nullptr},
    {"List1", "rotamind::SpinListView", {368, 128, 33, 161}, nullptr, nullptr},
    {"List2", "rotamind::SpinListView", {368, 376, 33, 161}, nullptr, nullptr},
    {"boules", "QLabel", {368, 294, 33, 13}, "0", nullptr},
    {"boules2", "QLabel", {368, 542, 33, 13}, "0", nullptr},
    {"SpeedButton1", "QToolButton", {368, 314, 33, 25}, nullptr, "Elimina ultimo inserimento"},
    {"SpeedButton8", "QToolButton", {368, 562, 33, 25}, nullptr, "Azzera sessione salvata"},
    {"SpeedButton14", "QToolButton", {368, 344, 16, 25}, nullptr, "Pagina del grafico precedente"},
    {"SpeedButton15", "QToolButton", {385, 344, 16, 25}, nullptr, "Pagina del grafico successiva"},
    {"SpeedButton2", "QToolButton", {368, 592, 16, 25}, nullptr, "Pagina del grafico precedente"},
    {"SpeedButton4", "QToolButton", {385, 592, 16, 25}, nullptr, "Pagina del grafico successiva"},
    {"Panel2", "QFrame", {5, 128, 360, 489}, nullptr, "Nascondi"},
    {"ImageX", "QLabel", {5, 80, 350, 350}, nullptr, "Nascondi"},
    {"Image5", "QLabel", {2, 0, 57, 73}, nullptr, nullptr},
    {"Image3", "QLabel", {294, 6, 61, 61}, nullptr, nullptr},
    {"Image2", "QLabel", {0, 408, 55, 80}, nullptr, nullptr},
    {"Image4", "QLabel", {302, 408, 65, 89}, nullptr, nullptr},
    {"Label60", "QLabel", {413, 6, 245, 13}, "GESTIONE SESSIONI", nullptr},
    {"Label62", "QLabel", {416, 25, 95, 13}, "ATTUALE", nullptr},
    {"Label2", "QLabel", {560, 25, 95, 13}, "SALVATA", nullptr},
    {"Button4", "QPushButton", {416, 45, 95, 25}, "Carica sessione", "Carica sessione salvata"},
    {"Button5", "QPushButton", {416, 75, 95, 25}, "Salva sessione", "Salva sessione corrente"},
    {"Button3",
     "QPushButton",
     {416, 105, 95, 25},
     "Salva grafico",
     "Salva grafico della sessione corrente"},
    {"Button8", "QPushButton", {560, 45, 95, 25}, "Carica sessione", "Carica sessione salvata"},
    {"UNDO", "QToolButton", {519, 45, 16, 25}, nullptr, "Annulla (Ctrl+Z)"},
    {"REDO", "QToolButton", {536, 45, 16, 25}, nullptr, "Ripeti (Ctrl+Y)"},
    {"ARCHIVIO", "QToolButton", {519, 105, 33, 25}, nullptr, "Archivio sessioni"},
    {"Label64", "QLabel", {416, 140, 95, 13}, "Sito Gaming", nullptr},
    {"Edit1", "QLineEdit", {416, 155, 95, 21}, "William Hill", nullptr},
    {"Label63", "QLabel", {560, 140, 95, 13}, "Nome Croupier", nullptr},
    {"Edit2", "QLineEdit", {560, 155, 95, 21}, "Tavors", nullptr},
    {"PageControl1", "QTabWidget", {405, 184, 260, 377}, nullptr, nullptr},
    {"Classiche", "QWidget", {}, nullptr, nullptr},
    {"TabSheet1", "rotamind::ContactPage", {}, nullptr, nullptr},
    {"Image6", "QLabel", {16, 32, 220, 177}, nullptr, nullptr},
    {"SpeedButton9", "QToolButton", {81, 312, 96, 24}, "Messaggio", "Link al modulo di contatto"},
    {"Image1", "rotamind::ClickableLabel", {415, 564, 241, 44}, nullptr, nullptr},
    {"Button6", "QAction", {}, "O", "Registra colpo in senso ORARIO"},
    {"Button7", "QAction", {}, "A", "Registra colpo in senso ANTIORARIO"},
    {"STATS", "QAction", {}, "Statistiche - o", nullptr},
    {"IC", "QAction", {}, "IC", nullptr},
    {"STATS2", "QAction", {}, "STATS2", nullptr},
    {"ICA", "QAction", {}, "ICA", nullptr},
    {"AZZERA", "QAction", {}, nullptr, "Azzera sessione"},
};

// Controls of PRO that EASY does not have.
const char* const kNotInEasy[] = {"OPPO",          "BOULES2",       "stats2",  "LUNGO",
                                  "LUNGA",         "ICLO",          "ICLA",    "SpeedButton10",
                                  "SpeedButton12", "SpeedButton13", "Button9", "Button10",
                                  "TabSheet2",     "LF0",           "ZLF0"};

QImage shownPicture(WindowDriver& easy) {
    return easy.control<QLabel>("ImageX")->pixmap().toImage();
}
} // namespace

class EasyLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void everyControl_hasItsNamePlaceCaptionAndHint() {
        TEASY window;
        checkControls(window, kControls);
        if (QTest::currentTestFailed())
            return;
        for (const char* name : kNotInEasy)
            QVERIFY2(!window.findChild<QWidget*>(QString::fromLatin1(name)), name);
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("Button1"))->focusPolicy(),
                 Qt::NoFocus);
    }

    void window_isGrayAndNarrow_withThreeTabs_andTheLayoutsColours() {
        TEASY window;
        WindowDriver easy(window);
        testing::makeEveryPage(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Rotamind EASY"));
        QCOMPARE(window.size(), QSize(410, 622));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(128, 128, 128));
        auto* tabs = easy.control<QTabWidget>("PageControl1");
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Statistiche Classiche"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Analisi"));
        QCOMPARE(tabs->tabText(2), QStringLiteral(" ???"));
        QCOMPARE(easy.background("Classiche"), QColor(0, 0, 0));
        QCOMPARE(easy.background("List1"), QColor(192, 192, 192));
        QCOMPARE(easy.background("List2"), QColor(255, 0, 255));
        QCOMPARE(easy.background("boules2"), QColor(255, 0, 255));
        QCOMPARE(easy.control("boules2")->palette().color(QPalette::WindowText),
                 QColor(128, 0, 128));
        QCOMPARE(easy.background("Label64"), QColor(0, 128, 0));
        QCOMPARE(easy.control("Label63")->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(easy.background("N"), QColor(0, 255, 0));
        for (const QString& prefix : {QString(), QStringLiteral("A")})
            for (int column = 0; column < ClassicStatsGrid::ColumnCount; ++column)
                for (const int c : kClasses) {
                    const QString name =
                        ClassicStatsGrid::labelName(prefix, ClassicStatsGrid::Column(column), c);
                    QCOMPARE(window.findChildren<QLabel*>(name).size(), 1);
                    QCOMPARE(easy.text(name.toLatin1()), QStringLiteral("0"));
                }
        const QStringList headings{QStringLiteral("Stats sessione attuale"),
                                   QStringLiteral("Stats sessione salvata")};
        for (QLabel* label : easy.control("Classiche")->findChildren<QLabel*>())
            if (headings.contains(label->text()))
                QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 0));
    }

    void wheelPicture_firstShowIsBase_followsN_andHidesOnPictureOrPanel() {
        TRISORSE pictures;
        TEASY window;
        window.setPictureSource(
            [&pictures](const QString& name) { return pictures.picture(name); });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        WindowDriver easy(window);
        auto* panel = easy.control("Panel2");
        const QImage base = pictures.picture(QStringLiteral("BASE")).toImage();
        const QImage image26 = pictures.picture(QStringLiteral("Image26")).toImage();
        const QImage image0 = pictures.picture(QStringLiteral("Image0")).toImage();
        QVERIFY(!panel->isVisible());
        QVERIFY(shownPicture(easy) != base); // the larger plain wheel until the first refresh

        easy.click("SpeedButton7");
        QVERIFY(panel->isVisible());
        QCOMPARE(shownPicture(easy), base);
        easy.click("SpeedButton7");
        QVERIFY(!panel->isVisible());

        // Hidden: the numbers change the picture that the next showing displays.
        easy.type("P", QStringLiteral("3"));
        easy.type("D", QStringLiteral("1"));
        easy.select(O);
        easy.click("Button2");
        QCOMPARE(easy.text("N"), QStringLiteral("00-04-15-19-26-32"));
        QVERIFY(!panel->isVisible());
        QCOMPARE(shownPicture(easy), image26);
        easy.click("SpeedButton7");
        QVERIFY(panel->isVisible());
        QCOMPARE(shownPicture(easy), image26);

        // Shown: the picture changes at once and the panel stays.
        easy.type("P", QStringLiteral("26"));
        easy.click("Button2");
        QCOMPARE(easy.text("N"), QStringLiteral("00-04-15-19-21-32"));
        QVERIFY(panel->isVisible());
        QCOMPARE(shownPicture(easy), image0);

        for (const char* decoration : {"Image5", "Image3", "Image2", "Image4"}) {
            QTest::mouseClick(easy.control(decoration), Qt::LeftButton, {}, QPoint(10, 10));
            QVERIFY2(panel->isVisible(), decoration);
        }
        QTest::mouseClick(easy.control("ImageX"), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        easy.click("SpeedButton7");
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(180, 40));
        QVERIFY(!panel->isVisible());
        // Registrations and resets leave the panel as it is.
        easy.click("SpeedButton7");
        easy.registerLaunch(QStringLiteral("5"), O);
        easy.click("SpeedButton5");
        QVERIFY(panel->isVisible());
        QCOMPARE(shownPicture(easy), image0);
    }
};

QTEST_MAIN(EasyLayoutTest)
#include "EasyLayoutTest.moc"
