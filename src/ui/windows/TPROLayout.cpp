// The parts of the PRO layout that only the wide window shows, and the
// hidden command buttons.
#include "ui/toolkit/Banner.h"
#include "ui/toolkit/ClickableLabel.h"
#include "ui/toolkit/CommandTable.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/Palette.h"
#include "ui/toolkit/WindowParts.h"
#include "ui/views/AnalysisPage.h"
#include "ui/views/LengthStatsGrid.h"
#include "ui/views/SiteFields.h"
#include "ui/windows/TPRO.h"

#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace rotamind {

namespace {

const commands::SessionButton<TPRO> kSessionButtons[] = {
    {"Button8",
     "Carica sessione",
     "Carica sessione SPIN ORARI",
     {416, 45, 95, 25},
     &TPRO::Button8Click},
    {"Button5",
     "Salva sessione",
     "Salva sessione SPIN ORARI",
     {416, 75, 95, 25},
     &TPRO::Button5Click},
    {"Button3",
     "Salva grafico",
     "Salva grafico SPIN ORARI",
     {416, 105, 95, 25},
     &TPRO::Button3Click},
    {"Button1",
     "Carica sessione",
     "Carica sessione SPIN ANTIORARI",
     {560, 45, 95, 25},
     &TPRO::Button1Click},
    {"Button9",
     "Salva sessione",
     "Salva sessione SPIN ANTIORARI",
     {560, 75, 95, 25},
     &TPRO::Button9Click},
    {"Button10",
     "Salva grafico",
     "Salva grafico SPIN ANTIORARI",
     {560, 105, 95, 25},
     &TPRO::Button10Click},
};

const commands::HiddenCommand<TPRO> kHiddenCommands[] = {
    {"Button6", "O", "Registra colpo in senso ORARIO", &TPRO::Button6Click},
    {"Button7", "A", "Registra colpo in senso ANTIORARIO", &TPRO::Button7Click},
    {"STATS", "Statistiche - o", nullptr, &TPRO::refreshClockwiseStatistics},
    {"IC", "IC", nullptr, &TPRO::refreshClockwiseStatistics},
    {"stats2", "Statistiche - a", nullptr, &TPRO::refreshCounterStatistics},
    {"ICA", "ICA", nullptr, &TPRO::refreshCounterStatistics},
    {"LUNGO", "Lunghezze -o", nullptr, &TPRO::refreshClockwiseStatistics},
    {"ICLO", "ICLO", nullptr, &TPRO::refreshClockwiseStatistics},
    {"LUNGA", "Lunghezze -a", nullptr, &TPRO::refreshCounterStatistics},
    {"ICLA", "ICLA", nullptr, &TPRO::refreshCounterStatistics},
    {"AZZERA", nullptr, "Azzera sessione", &TPRO::AZZERAClick},
    {"SpeedButton6", nullptr, "Supporto Online", &TPRO::SpeedButton6Click},
};

} // namespace

void TPRO::buildKeys() {
    addCommandKeys();
}

void TPRO::buildCommandColumn() {
    const QString unlock = QStringLiteral("\npremere di nuovo il pulsante per sbloccare");
    QToolButton* lockClockwise = controls::makeIconButton(
        this, QStringLiteral("SpeedButton8"), QStringLiteral("lock-clockwise"), {153, 7, 16, 25},
        QStringLiteral("Blocca la registrazione solo sui tiri ORARI") + unlock);
    QToolButton* lockCounter = controls::makeIconButton(
        this, QStringLiteral("SpeedButton7"), QStringLiteral("lock-counter"), {170, 7, 16, 25},
        QStringLiteral("Blocca la registrazione solo sui tiri ANTIORARI") + unlock);
    QToolButton* statistics =
        controls::makeIconButton(this, QStringLiteral("SpeedButton3"), QStringLiteral("statistics"),
                                 {153, 37, 33, 25}, QStringLiteral("Mostra/Nascondi Statistiche"));
    QPushButton* easy =
        controls::makeButton(this, QStringLiteral("Button4"), QStringLiteral("Easy"),
                             {153, 66, 33, 25}, QStringLiteral("Vai alla versione Easy"));
    easy->setFocusPolicy(Qt::NoFocus);
    QToolButton* reset =
        controls::makeIconButton(this, QStringLiteral("SpeedButton5"), QStringLiteral("reset"),
                                 {153, 97, 33, 25}, QStringLiteral("Azzera sessione"));
    lockClockwise->setCheckable(true);
    lockCounter->setCheckable(true);
    connect(lockClockwise, &QToolButton::clicked, this, &TPRO::SpeedButton8Click);
    connect(lockCounter, &QToolButton::clicked, this, &TPRO::SpeedButton7Click);
    connect(statistics, &QToolButton::clicked, this, &TPRO::SpeedButton3Click);
    connect(easy, &QPushButton::clicked, this, &TPRO::Button4Click);
    connect(reset, &QToolButton::clicked, this, &TPRO::SpeedButton5Click);
}

void TPRO::buildSessionArea() {
    parts::makeSessionHeadings(this,
                               {.name = QStringLiteral("Label62"),
                                .text = QStringLiteral("ORARIO"),
                                .background = palette::kYellow},
                               {.name = QStringLiteral("Label61"),
                                .text = QStringLiteral("ANTIORARIO"),
                                .background = palette::kMoneyGreen});
    commands::buildSessionButtons<TPRO>(this, kSessionButtons);
    QToolButton* autoSave = controls::makeIconButton(
        this, QStringLiteral("SpeedButton10"), QStringLiteral("autosave"), {519, 75, 33, 25},
        QStringLiteral("Gestione salvataggi automatici"));
    connect(autoSave, &QToolButton::clicked, this, &TPRO::SpeedButton10Click);
    addArchiveButton({519, 105, 33, 25});
    addSiteFields(palette::kFuchsia, palette::kBlack);
    addBanner(610);
}

void TPRO::buildStatisticsTabs() {
    addStatisticsTabs();

    addClassicStatsPage(palette::kYellow, QStringLiteral("Stats su colpi ORARI"),
                        QStringLiteral("Stats su colpi ANTIORARI"));

    QWidget* lengths = parts::makeStatisticsPage(QStringLiteral("TabSheet2"), palette::kYellow);
    m_lengthsClockwise = std::make_unique<LengthStatsGrid>(
        lengths, LengthStatsGridSetup{.prefix = {},
                                      .heading = QStringLiteral("Spin ORARI"),
                                      .headingRect = {4, 14, 112, 16},
                                      .headingBackground = palette::kGreen,
                                      .headingForeground = palette::kLime,
                                      .left = 4});
    m_lengthsCounter = std::make_unique<LengthStatsGrid>(
        lengths, LengthStatsGridSetup{.prefix = QStringLiteral("Z"),
                                      .heading = QStringLiteral("Spin ANTIORARI"),
                                      .headingRect = {130, 14, 118, 16},
                                      .headingBackground = palette::kMaroon,
                                      .headingForeground = palette::kYellow,
                                      .left = 130});
    m_tabs->addTab(lengths, QStringLiteral("Lunghezze"));

    m_analysis =
        new AnalysisPage(m_session, m_session.seriesFor(Direction::Clockwise),
                         m_session.seriesFor(Direction::CounterClockwise),
                         {.background = palette::kYellow,
                          .captionColour = palette::kBlack,
                          .headings = {QStringLiteral("ORARI"), QStringLiteral("ANTIORARI")},
                          .headingBackgrounds = {palette::kGreen, palette::kMaroon},
                          .headingForegrounds = {palette::kLime, palette::kYellow},
                          .archiveMode = PlaceHistoryQuery::Mode::Pro,
                          .archiveColumns = 2});
    m_tabs->addTab(m_analysis, QStringLiteral("Analisi"));

    finishStatisticsTabs();
}

void TPRO::buildHiddenCommands() {
    commands::buildHiddenCommands<TPRO>(this, kHiddenCommands);
}

} // namespace rotamind
