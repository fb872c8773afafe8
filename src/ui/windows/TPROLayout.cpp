// The parts of the PRO layout that only the wide window shows, and the
// hidden command buttons.
#include "ui/toolkit/Banner.h"
#include "ui/toolkit/ClickableLabel.h"
#include "ui/toolkit/CommandTable.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/Palette.h"
#include "ui/toolkit/SpokenNames.h"
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

// What a screen reader says of each control: name, then what it does.
const spoken::Control kSpoken[] = {
    {"Combo1", QT_TRANSLATE_NOOP("TPRO", "Numero uscito"),
     QT_TRANSLATE_NOOP("TPRO",
                       "Il numero dell'ultimo lancio: scrivilo e premi Invio per registrarlo")},
    {"Radio1", QT_TRANSLATE_NOOP("TPRO", "Senso orario (O)"),
     QT_TRANSLATE_NOOP("TPRO", "Il prossimo lancio è registrato in senso orario")},
    {"Radio2", QT_TRANSLATE_NOOP("TPRO", "Senso antiorario (A)"),
     QT_TRANSLATE_NOOP("TPRO", "Il prossimo lancio è registrato in senso antiorario")},
    {"Button11", QT_TRANSLATE_NOOP("TPRO", "Registra"),
     QT_TRANSLATE_NOOP("TPRO", "Registra il numero uscito con la direzione scelta")},
    {"n1", QT_TRANSLATE_NOOP("TPRO", "Ultimo numero sortito"),
     QT_TRANSLATE_NOOP("TPRO", "Il più recente dei due ultimi numeri sortiti")},
    {"n2", QT_TRANSLATE_NOOP("TPRO", "Penultimo numero sortito"),
     QT_TRANSLATE_NOOP("TPRO", "Il numero sortito prima dell'ultimo")},
    {"P", QT_TRANSLATE_NOOP("TPRO", "Ultimo numero per la puntata"),
     QT_TRANSLATE_NOOP("TPRO", "Il numero da cui si contano i sei numeri da puntare")},
    {"D", QT_TRANSLATE_NOOP("TPRO", "Distanza"),
     QT_TRANSLATE_NOOP("TPRO",
                       "La classe di distanza dei numeri da puntare: 3, 2, 1, -1, -2 o -3")},
    {"Button2", QT_TRANSLATE_NOOP("TPRO", "Mostra numeri da puntare"),
     QT_TRANSLATE_NOOP("TPRO", "Calcola i sei numeri da puntare e i sei opposti (Alt+N)")},
    {"GUIDA", QT_TRANSLATE_NOOP("TPRO", "Guida"), QT_TRANSLATE_NOOP("TPRO", "Apre la guida (F1)")},
    {"Edit1", QT_TRANSLATE_NOOP("TPRO", "Sito di gioco"),
     QT_TRANSLATE_NOOP("TPRO", "Il sito o la sala del tavolo, per i nomi dei file")},
    {"Edit2", QT_TRANSLATE_NOOP("TPRO", "Nome del croupier"),
     QT_TRANSLATE_NOOP("TPRO", "Il croupier che lancia, per i nomi dei file")},
    {"UNDO", QT_TRANSLATE_NOOP("TPRO", "Annulla"),
     QT_TRANSLATE_NOOP("TPRO", "Annulla l'ultima modifica della sessione (Ctrl+Z)")},
    {"REDO", QT_TRANSLATE_NOOP("TPRO", "Ripeti"),
     QT_TRANSLATE_NOOP("TPRO", "Ripete la modifica annullata (Ctrl+Y)")},
    {"ARCHIVIO", QT_TRANSLATE_NOOP("TPRO", "Archivio sessioni"),
     QT_TRANSLATE_NOOP("TPRO", "Apre l'archivio delle sessioni")},
    {"SpeedButton3", QT_TRANSLATE_NOOP("TPRO", "Statistiche"),
     QT_TRANSLATE_NOOP("TPRO", "Mostra o nasconde le statistiche (Alt+S)")},
    {"SpeedButton5", QT_TRANSLATE_NOOP("TPRO", "Azzera sessione"),
     QT_TRANSLATE_NOOP("TPRO", "Cancella la sessione dopo una conferma")},
    {"PageControl1", QT_TRANSLATE_NOOP("TPRO", "Pagine delle statistiche"),
     QT_TRANSLATE_NOOP("TPRO", "Statistiche classiche, analisi e contatti")},
    {"SpeedButton4", QT_TRANSLATE_NOOP("TPRO", "Roulette"),
     QT_TRANSLATE_NOOP("TPRO", "Mostra o nasconde la ruota con i numeri da puntare (Alt+R)")},
    {"List1", QT_TRANSLATE_NOOP("TPRO", "Spin ORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Le classi dei lanci in senso orario, dal più vecchio")},
    {"SpeedButton1", QT_TRANSLATE_NOOP("TPRO", "Elimina ultimo ORARIO"),
     QT_TRANSLATE_NOOP("TPRO", "Elimina l'ultima classe degli spin orari (Alt+E)")},
    {"SpeedButton12", QT_TRANSLATE_NOOP("TPRO", "Pagina precedente ORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Mostra la pagina precedente del grafico orario (PagSu)")},
    {"SpeedButton13", QT_TRANSLATE_NOOP("TPRO", "Pagina successiva ORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Mostra la pagina successiva del grafico orario (PagGiù)")},
    {"List2", QT_TRANSLATE_NOOP("TPRO", "Spin ANTIORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Le classi dei lanci in senso antiorario, dal più vecchio")},
    {"SpeedButton2", QT_TRANSLATE_NOOP("TPRO", "Elimina ultimo ANTIORARIO"),
     QT_TRANSLATE_NOOP("TPRO", "Elimina l'ultima classe degli spin antiorari (Alt+Maiusc+E)")},
    {"SpeedButton14", QT_TRANSLATE_NOOP("TPRO", "Pagina precedente ANTIORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Mostra la pagina precedente del grafico antiorario (Ctrl+PagSu)")},
    {"SpeedButton15", QT_TRANSLATE_NOOP("TPRO", "Pagina successiva ANTIORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Mostra la pagina successiva del grafico antiorario (Ctrl+PagGiù)")},
    {"SpeedButton8", QT_TRANSLATE_NOOP("TPRO", "Blocco su ORARIO"),
     QT_TRANSLATE_NOOP("TPRO",
                       "Registra solo lanci orari finché non si preme di nuovo (Alt+Maiusc+O)")},
    {"SpeedButton7", QT_TRANSLATE_NOOP("TPRO", "Blocco su ANTIORARIO"),
     QT_TRANSLATE_NOOP(
         "TPRO", "Registra solo lanci antiorari finché non si preme di nuovo (Alt+Maiusc+A)")},
    {"Button4", QT_TRANSLATE_NOOP("TPRO", "Vai a Easy"),
     QT_TRANSLATE_NOOP("TPRO", "Passa alla versione Easy")},
    {"Button8", QT_TRANSLATE_NOOP("TPRO", "Carica sessione ORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Carica da un file la sessione degli spin orari")},
    {"Button5", QT_TRANSLATE_NOOP("TPRO", "Salva sessione ORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Salva in un file la sessione degli spin orari")},
    {"Button3", QT_TRANSLATE_NOOP("TPRO", "Salva grafico ORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Salva come immagine la pagina del grafico orario")},
    {"Button1", QT_TRANSLATE_NOOP("TPRO", "Carica sessione ANTIORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Carica da un file la sessione degli spin antiorari")},
    {"Button9", QT_TRANSLATE_NOOP("TPRO", "Salva sessione ANTIORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Salva in un file la sessione degli spin antiorari")},
    {"Button10", QT_TRANSLATE_NOOP("TPRO", "Salva grafico ANTIORARI"),
     QT_TRANSLATE_NOOP("TPRO", "Salva come immagine la pagina del grafico antiorario")},
    {"SpeedButton10", QT_TRANSLATE_NOOP("TPRO", "Salvataggi automatici"),
     QT_TRANSLATE_NOOP("TPRO", "Apre la gestione dei salvataggi automatici")},
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

    addClassicStatsPage(palette::kYellow,
                        QCoreApplication::translate("TPRO", "Stats su colpi ORARI"),
                        QCoreApplication::translate("TPRO", "Stats su colpi ANTIORARI"));

    QWidget* lengths = parts::makeStatisticsPage(QStringLiteral("TabSheet2"), palette::kYellow);
    m_lengthsClockwise = std::make_unique<LengthStatsGrid>(
        lengths, LengthStatsGridSetup{.prefix = {},
                                      .heading = QCoreApplication::translate("TPRO", "Spin ORARI",
                                                                             "lengths heading"),
                                      .headingRect = {4, 14, 112, 16},
                                      .headingBackground = palette::kGreen,
                                      .headingForeground = palette::kLime,
                                      .left = 4});
    m_lengthsCounter = std::make_unique<LengthStatsGrid>(
        lengths, LengthStatsGridSetup{.prefix = QStringLiteral("Z"),
                                      .heading = QCoreApplication::translate(
                                          "TPRO", "Spin ANTIORARI", "lengths heading"),
                                      .headingRect = {130, 14, 118, 16},
                                      .headingBackground = palette::kMaroon,
                                      .headingForeground = palette::kYellow,
                                      .left = 130});
    m_tabs->addTab(lengths, QCoreApplication::translate("TPRO", "Lunghezze"));

    addAnalysisPage(
        m_session.seriesFor(Direction::Clockwise), m_session.seriesFor(Direction::CounterClockwise),
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

void TPRO::buildSpokenNames() {
    spoken::nameControls(this, "TPRO", kSpoken);
}

void TPRO::buildHiddenCommands() {
    commands::buildHiddenCommands<TPRO>(this, kHiddenCommands);
}

} // namespace rotamind
