// The command column, the parts of the EASY layout that only the wide window
// shows, and the hidden command buttons.
#include "ui/toolkit/Banner.h"
#include "ui/toolkit/ClickableLabel.h"
#include "ui/toolkit/CommandTable.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/Palette.h"
#include "ui/toolkit/WindowParts.h"
#include "ui/views/AnalysisPage.h"
#include "ui/views/ClassicStatsGrid.h"
#include "ui/views/SessionCommands.h"
#include "ui/views/SiteFields.h"
#include "ui/windows/TEASY.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace rotamind {

namespace {

// The saved-session column has only its load button: that session is never saved from here.
const commands::SessionButton<TEASY> kSessionButtons[] = {
    {"Button4",
     QT_TRANSLATE_NOOP("TEASY", "Carica sessione"),
     QT_TRANSLATE_NOOP("TEASY", "Carica sessione salvata"),
     {416, 45, 95, 25},
     &TEASY::Button4Click},
    {"Button5",
     QT_TRANSLATE_NOOP("TEASY", "Salva sessione"),
     QT_TRANSLATE_NOOP("TEASY", "Salva sessione corrente"),
     {416, 75, 95, 25},
     &TEASY::Button5Click},
    {"Button3",
     QT_TRANSLATE_NOOP("TEASY", "Salva grafico"),
     QT_TRANSLATE_NOOP("TEASY", "Salva grafico della sessione corrente"),
     {416, 105, 95, 25},
     &TEASY::Button3Click},
    {"Button8",
     QT_TRANSLATE_NOOP("TEASY", "Carica sessione"),
     QT_TRANSLATE_NOOP("TEASY", "Carica sessione salvata"),
     {560, 45, 95, 25},
     &TEASY::Button8Click},
};

const commands::HiddenCommand<TEASY> kHiddenCommands[] = {
    {"Button6", "O", QT_TRANSLATE_NOOP("TEASY", "Registra colpo in senso ORARIO"),
     &TEASY::Button6Click},
    {"Button7", "A", QT_TRANSLATE_NOOP("TEASY", "Registra colpo in senso ANTIORARIO"),
     &TEASY::Button7Click},
    {"STATS", QT_TRANSLATE_NOOP("TEASY", "Statistiche - o"), nullptr,
     &TEASY::refreshCurrentStatistics},
    {"IC", "IC", nullptr, &TEASY::refreshCurrentStatistics},
    {"STATS2", "STATS2", nullptr, &TEASY::refreshSavedStatistics},
    {"ICA", "ICA", nullptr, &TEASY::refreshSavedStatistics},
    {"AZZERA", nullptr, QT_TRANSLATE_NOOP("TEASY", "Azzera sessione"), &TEASY::AZZERAClick},
};
} // namespace

void TEASY::buildKeys() {
    addCommandKeys();
}

void TEASY::buildCommandColumn() {
    QToolButton* contact = controls::makeIconButton(
        this, QStringLiteral("SpeedButton6"), QStringLiteral("contact"), {153, 7, 33, 25},
        QCoreApplication::translate("TEASY", "Supporto Online"));
    QToolButton* statistics = controls::makeIconButton(
        this, QStringLiteral("SpeedButton3"), QStringLiteral("statistics"), {153, 37, 33, 25},
        QCoreApplication::translate("TEASY", "Mostra/Nascondi Statistiche"));
    QPushButton* pro = controls::makeButton(
        this, QStringLiteral("Button1"), QStringLiteral("PRO"), {153, 66, 33, 25},
        QCoreApplication::translate("TEASY", "Vai alla versione PRO"));
    pro->setFocusPolicy(Qt::NoFocus);
    QToolButton* reset = controls::makeIconButton(
        this, QStringLiteral("SpeedButton5"), QStringLiteral("reset"), {153, 97, 33, 25},
        QCoreApplication::translate("TEASY", "Azzera sessione corrente"));
    connect(contact, &QToolButton::clicked, this, &TEASY::SpeedButton6Click);
    connect(statistics, &QToolButton::clicked, this, &TEASY::SpeedButton3Click);
    connect(pro, &QPushButton::clicked, this, &TEASY::Button1Click);
    connect(reset, &QToolButton::clicked, this, &TEASY::SpeedButton5Click);
}

void TEASY::buildSessionArea() {
    parts::makeSessionHeadings(this,
                               {.name = QStringLiteral("Label62"),
                                .text = QCoreApplication::translate("TEASY", "ATTUALE"),
                                .background = palette::kYellow},
                               {.name = QStringLiteral("Label2"),
                                .text = QCoreApplication::translate("TEASY", "SALVATA"),
                                .background = palette::kYellow});
    commands::buildSessionButtons<TEASY>(this, kSessionButtons);
    m_saveChart = createChartSaveDialog(this, QStringLiteral("Save1"));
    m_saveSession = createSessionSaveDialog(this, QStringLiteral("Save2"));
    m_openCurrent = createOpenDialog(this, QStringLiteral("Open1"));
    m_openSaved = createOpenDialog(this, QStringLiteral("Open2"));
    addArchiveButton({519, 105, 33, 25});

    addSiteFields(palette::kGreen, palette::kLime);
    addBanner(609);
}

void TEASY::buildStatisticsTabs() {
    addStatisticsTabs();

    addClassicStatsPage({&m_session.current(), &m_session.saved()}, palette::kBlack,
                        QCoreApplication::translate("TEASY", "Stats sessione attuale"),
                        QCoreApplication::translate("TEASY", "Stats sessione salvata"));

    // The saved series is a copy of launches kept elsewhere, often in the
    // archive itself: its archived copies would count those launches again.
    addAnalysisPage(m_session.current(), m_session.saved(),
                    AnalysisPageSetup{.background = palette::kBlack,
                                      .captionColour = palette::kYellow,
                                      .headings = {QCoreApplication::translate("TEASY", "ATTUALE"),
                                                   QCoreApplication::translate("TEASY", "SALVATA")},
                                      .headingBackgrounds = {palette::kYellow, palette::kYellow},
                                      .headingForegrounds = {palette::kBlack, palette::kBlack},
                                      .archiveMode = PlaceHistoryQuery::Mode::Easy,
                                      .archiveColumns = 1},
                    QCoreApplication::translate("TEASY", "Analisi"));

    finishStatisticsTabs();
}

void TEASY::buildHiddenCommands() {
    commands::buildHiddenCommands<TEASY>(this, kHiddenCommands);
}
} // namespace rotamind
