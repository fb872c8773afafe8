// The parts of the PRO layout that only the wide window shows, and the
// hidden command buttons.
#include "ui/toolkit/Banner.h"
#include "ui/toolkit/ClickableLabel.h"
#include "ui/toolkit/CommandTable.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/Palette.h"
#include "ui/toolkit/WindowParts.h"
#include "ui/views/AnalysisPage.h"
#include "ui/views/ClassicStatsGrid.h"
#include "ui/views/LengthStatsGrid.h"
#include "ui/views/SiteFields.h"
#include "ui/windows/TPRO.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace rotamind {

namespace {

const commands::SessionButton<TPRO> kSessionButtons[] = {
    {"Button8",
     QT_TRANSLATE_NOOP("TPRO", "Carica sessione"),
     QT_TRANSLATE_NOOP("TPRO", "Carica sessione SPIN ORARI"),
     {416, 45, 95, 25},
     &TPRO::Button8Click},
    {"Button5",
     QT_TRANSLATE_NOOP("TPRO", "Salva sessione"),
     QT_TRANSLATE_NOOP("TPRO", "Salva sessione SPIN ORARI"),
     {416, 75, 95, 25},
     &TPRO::Button5Click},
    {"Button3",
     QT_TRANSLATE_NOOP("TPRO", "Salva grafico"),
     QT_TRANSLATE_NOOP("TPRO", "Salva grafico SPIN ORARI"),
     {416, 105, 95, 25},
     &TPRO::Button3Click},
    {"Button1",
     QT_TRANSLATE_NOOP("TPRO", "Carica sessione"),
     QT_TRANSLATE_NOOP("TPRO", "Carica sessione SPIN ANTIORARI"),
     {560, 45, 95, 25},
     &TPRO::Button1Click},
    {"Button9",
     QT_TRANSLATE_NOOP("TPRO", "Salva sessione"),
     QT_TRANSLATE_NOOP("TPRO", "Salva sessione SPIN ANTIORARI"),
     {560, 75, 95, 25},
     &TPRO::Button9Click},
    {"Button10",
     QT_TRANSLATE_NOOP("TPRO", "Salva grafico"),
     QT_TRANSLATE_NOOP("TPRO", "Salva grafico SPIN ANTIORARI"),
     {560, 105, 95, 25},
     &TPRO::Button10Click},
};

const commands::HiddenCommand<TPRO> kHiddenCommands[] = {
    {"Button6", "O", QT_TRANSLATE_NOOP("TPRO", "Registra colpo in senso ORARIO"),
     &TPRO::Button6Click},
    {"Button7", "A", QT_TRANSLATE_NOOP("TPRO", "Registra colpo in senso ANTIORARIO"),
     &TPRO::Button7Click},
    {"STATS", QT_TRANSLATE_NOOP("TPRO", "Statistiche - o"), nullptr,
     &TPRO::refreshClockwiseStatistics},
    {"IC", "IC", nullptr, &TPRO::refreshClockwiseStatistics},
    {"stats2", QT_TRANSLATE_NOOP("TPRO", "Statistiche - a"), nullptr,
     &TPRO::refreshCounterStatistics},
    {"ICA", "ICA", nullptr, &TPRO::refreshCounterStatistics},
    {"LUNGO", QT_TRANSLATE_NOOP("TPRO", "Lunghezze -o"), nullptr,
     &TPRO::refreshClockwiseStatistics},
    {"ICLO", "ICLO", nullptr, &TPRO::refreshClockwiseStatistics},
    {"LUNGA", QT_TRANSLATE_NOOP("TPRO", "Lunghezze -a"), nullptr, &TPRO::refreshCounterStatistics},
    {"ICLA", "ICLA", nullptr, &TPRO::refreshCounterStatistics},
    {"AZZERA", nullptr, QT_TRANSLATE_NOOP("TPRO", "Azzera sessione"), &TPRO::AZZERAClick},
    {"SpeedButton6", nullptr, QT_TRANSLATE_NOOP("TPRO", "Supporto Online"),
     &TPRO::SpeedButton6Click},
};
} // namespace

void TPRO::buildKeys() {
    addCommandKeys();
}

void TPRO::buildCommandColumn() {
    const QString unlock =
        QCoreApplication::translate("TPRO", "\npremere di nuovo il pulsante per sbloccare");
    QToolButton* lockClockwise = controls::makeIconButton(
        this, QStringLiteral("SpeedButton8"), QStringLiteral("lock-clockwise"), {153, 7, 16, 25},
        QCoreApplication::translate("TPRO", "Blocca la registrazione solo sui tiri ORARI") +
            unlock);
    QToolButton* lockCounter = controls::makeIconButton(
        this, QStringLiteral("SpeedButton7"), QStringLiteral("lock-counter"), {170, 7, 16, 25},
        QCoreApplication::translate("TPRO", "Blocca la registrazione solo sui tiri ANTIORARI") +
            unlock);
    QToolButton* statistics = controls::makeIconButton(
        this, QStringLiteral("SpeedButton3"), QStringLiteral("statistics"), {153, 37, 33, 25},
        QCoreApplication::translate("TPRO", "Mostra/Nascondi Statistiche"));
    QPushButton* easy = controls::makeButton(
        this, QStringLiteral("Button4"), QCoreApplication::translate("TPRO", "Easy"),
        {153, 66, 33, 25}, QCoreApplication::translate("TPRO", "Vai alla versione Easy"));
    easy->setFocusPolicy(Qt::NoFocus);
    QToolButton* reset = controls::makeIconButton(
        this, QStringLiteral("SpeedButton5"), QStringLiteral("reset"), {153, 97, 33, 25},
        QCoreApplication::translate("TPRO", "Azzera sessione"));
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
                                .text = QCoreApplication::translate("TPRO", "ORARIO"),
                                .background = palette::kYellow},
                               {.name = QStringLiteral("Label61"),
                                .text = QCoreApplication::translate("TPRO", "ANTIORARIO"),
                                .background = palette::kMoneyGreen});
    commands::buildSessionButtons<TPRO>(this, kSessionButtons);
    QToolButton* autoSave = controls::makeIconButton(
        this, QStringLiteral("SpeedButton10"), QStringLiteral("autosave"), {519, 75, 33, 25},
        QCoreApplication::translate("TPRO", "Gestione salvataggi automatici"));
    connect(autoSave, &QToolButton::clicked, this, &TPRO::SpeedButton10Click);
    addArchiveButton({519, 105, 33, 25});
    addSiteFields(palette::kFuchsia, palette::kBlack);
    addBanner(610);
}

void TPRO::buildStatisticsTabs() {
    addStatisticsTabs();

    const std::array<const Series*, 2> series{&m_session.seriesFor(Direction::Clockwise),
                                              &m_session.seriesFor(Direction::CounterClockwise)};
    addClassicStatsPage(series, palette::kYellow,
                        QCoreApplication::translate("TPRO", "Stats su colpi ORARI"),
                        QCoreApplication::translate("TPRO", "Stats su colpi ANTIORARI"));

    addGridPage(
        QStringLiteral("TabSheet2"), palette::kYellow,
        QCoreApplication::translate("TPRO", "Lunghezze"), series, [](QWidget* page) {
            return std::array<std::unique_ptr<StatisticsGrid>, 2>{
                std::make_unique<LengthStatsGrid>(
                    page, LengthStatsGridSetup{.prefix = {},
                                               .heading = QCoreApplication::translate(
                                                   "TPRO", "Spin ORARI", "lengths heading"),
                                               .headingRect = {4, 14, 112, 16},
                                               .headingBackground = palette::kGreen,
                                               .headingForeground = palette::kLime,
                                               .left = 4}),
                std::make_unique<LengthStatsGrid>(
                    page, LengthStatsGridSetup{.prefix = QStringLiteral("Z"),
                                               .heading = QCoreApplication::translate(
                                                   "TPRO", "Spin ANTIORARI", "lengths heading"),
                                               .headingRect = {130, 14, 118, 16},
                                               .headingBackground = palette::kMaroon,
                                               .headingForeground = palette::kYellow,
                                               .left = 130})};
        });

    addAnalysisPage(
        *series[0], *series[1],
        AnalysisPageSetup{.background = palette::kYellow,
                          .captionColour = palette::kBlack,
                          .headings = {QCoreApplication::translate("TPRO", "ORARI"),
                                       QCoreApplication::translate("TPRO", "ANTIORARI")},
                          .headingBackgrounds = {palette::kGreen, palette::kMaroon},
                          .headingForegrounds = {palette::kLime, palette::kYellow},
                          .archiveMode = PlaceHistoryQuery::Mode::Pro,
                          .archiveColumns = 2},
        QCoreApplication::translate("TPRO", "Analisi"));

    finishStatisticsTabs();
}

void TPRO::buildHiddenCommands() {
    commands::buildHiddenCommands<TPRO>(this, kHiddenCommands);
}
} // namespace rotamind
