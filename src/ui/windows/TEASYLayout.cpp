// The command column, the parts of the EASY layout that only the wide window
// shows, and the hidden command buttons.
#include "ui/toolkit/Banner.h"
#include "ui/toolkit/ClickableLabel.h"
#include "ui/toolkit/CommandTable.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/Palette.h"
#include "ui/toolkit/SpokenNames.h"
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

// What a screen reader says of each control: name, then what it does.
const spoken::Control kSpoken[] = {
    {"Combo1", QT_TRANSLATE_NOOP("TEASY", "Numero uscito"),
     QT_TRANSLATE_NOOP("TEASY",
                       "Il numero dell'ultimo lancio: scrivilo e premi Invio per registrarlo")},
    {"Radio1", QT_TRANSLATE_NOOP("TEASY", "Senso orario (O)"),
     QT_TRANSLATE_NOOP("TEASY", "Il prossimo lancio è registrato in senso orario")},
    {"Radio2", QT_TRANSLATE_NOOP("TEASY", "Senso antiorario (A)"),
     QT_TRANSLATE_NOOP("TEASY", "Il prossimo lancio è registrato in senso antiorario")},
    {"Button11", QT_TRANSLATE_NOOP("TEASY", "Registra"),
     QT_TRANSLATE_NOOP("TEASY", "Registra il numero uscito con la direzione scelta")},
    {"n1", QT_TRANSLATE_NOOP("TEASY", "Ultimo numero sortito"),
     QT_TRANSLATE_NOOP("TEASY", "Il più recente dei due ultimi numeri sortiti")},
    {"n2", QT_TRANSLATE_NOOP("TEASY", "Penultimo numero sortito"),
     QT_TRANSLATE_NOOP("TEASY", "Il numero sortito prima dell'ultimo")},
    {"P", QT_TRANSLATE_NOOP("TEASY", "Ultimo numero per la puntata"),
     QT_TRANSLATE_NOOP("TEASY", "Il numero da cui si contano i sei numeri da puntare")},
    {"D", QT_TRANSLATE_NOOP("TEASY", "Distanza"),
     QT_TRANSLATE_NOOP("TEASY",
                       "La classe di distanza dei numeri da puntare: 3, 2, 1, -1, -2 o -3")},
    {"Button2", QT_TRANSLATE_NOOP("TEASY", "Mostra numeri da puntare"),
     QT_TRANSLATE_NOOP("TEASY", "Calcola i sei numeri da puntare e i sei opposti (Alt+N)")},
    {"GUIDA", QT_TRANSLATE_NOOP("TEASY", "Guida"),
     QT_TRANSLATE_NOOP("TEASY", "Apre la guida (F1)")},
    {"Edit1", QT_TRANSLATE_NOOP("TEASY", "Sito di gioco"),
     QT_TRANSLATE_NOOP("TEASY", "Il sito o la sala del tavolo, per i nomi dei file")},
    {"Edit2", QT_TRANSLATE_NOOP("TEASY", "Nome del croupier"),
     QT_TRANSLATE_NOOP("TEASY", "Il croupier che lancia, per i nomi dei file")},
    {"UNDO", QT_TRANSLATE_NOOP("TEASY", "Annulla"),
     QT_TRANSLATE_NOOP("TEASY", "Annulla l'ultima modifica della sessione (Ctrl+Z)")},
    {"REDO", QT_TRANSLATE_NOOP("TEASY", "Ripeti"),
     QT_TRANSLATE_NOOP("TEASY", "Ripete la modifica annullata (Ctrl+Y)")},
    {"ARCHIVIO", QT_TRANSLATE_NOOP("TEASY", "Archivio sessioni"),
     QT_TRANSLATE_NOOP("TEASY", "Apre l'archivio delle sessioni")},
    {"SpeedButton3", QT_TRANSLATE_NOOP("TEASY", "Statistiche"),
     QT_TRANSLATE_NOOP("TEASY", "Mostra o nasconde le statistiche (Alt+S)")},
    {"SpeedButton5", QT_TRANSLATE_NOOP("TEASY", "Azzera sessione"),
     QT_TRANSLATE_NOOP("TEASY", "Cancella la sessione dopo una conferma")},
    {"PageControl1", QT_TRANSLATE_NOOP("TEASY", "Pagine delle statistiche"),
     QT_TRANSLATE_NOOP("TEASY", "Statistiche classiche, analisi e contatti")},
    {"SpeedButton5", QT_TRANSLATE_NOOP("TEASY", "Azzera sessione attuale"),
     QT_TRANSLATE_NOOP("TEASY", "Cancella la sessione attuale; Ctrl+Z la ripristina")},
    {"SpeedButton7", QT_TRANSLATE_NOOP("TEASY", "Roulette"),
     QT_TRANSLATE_NOOP("TEASY", "Mostra o nasconde la ruota con i numeri da puntare (Alt+R)")},
    {"List1", QT_TRANSLATE_NOOP("TEASY", "Sessione attuale"),
     QT_TRANSLATE_NOOP("TEASY", "Le classi dei lanci della sessione attuale, dal più vecchio")},
    {"SpeedButton1", QT_TRANSLATE_NOOP("TEASY", "Elimina ultimo inserimento"),
     QT_TRANSLATE_NOOP("TEASY", "Elimina l'ultima classe della sessione attuale (Alt+E)")},
    {"SpeedButton14", QT_TRANSLATE_NOOP("TEASY", "Pagina precedente attuale"),
     QT_TRANSLATE_NOOP("TEASY",
                       "Mostra la pagina precedente del grafico della sessione attuale (PagSu)")},
    {"SpeedButton15", QT_TRANSLATE_NOOP("TEASY", "Pagina successiva attuale"),
     QT_TRANSLATE_NOOP("TEASY",
                       "Mostra la pagina successiva del grafico della sessione attuale (PagGiù)")},
    {"List2", QT_TRANSLATE_NOOP("TEASY", "Sessione salvata"),
     QT_TRANSLATE_NOOP("TEASY", "Le classi della sessione salvata, dalla più vecchia")},
    {"SpeedButton8", QT_TRANSLATE_NOOP("TEASY", "Azzera sessione salvata"),
     QT_TRANSLATE_NOOP("TEASY", "Toglie la sessione salvata")},
    {"SpeedButton2", QT_TRANSLATE_NOOP("TEASY", "Pagina precedente salvata"),
     QT_TRANSLATE_NOOP(
         "TEASY", "Mostra la pagina precedente del grafico della sessione salvata (Ctrl+PagSu)")},
    {"SpeedButton4", QT_TRANSLATE_NOOP("TEASY", "Pagina successiva salvata"),
     QT_TRANSLATE_NOOP(
         "TEASY", "Mostra la pagina successiva del grafico della sessione salvata (Ctrl+PagGiù)")},
    {"SpeedButton6", QT_TRANSLATE_NOOP("TEASY", "Supporto online"),
     QT_TRANSLATE_NOOP("TEASY", "Apre la pagina dei contatti")},
    {"Button1", QT_TRANSLATE_NOOP("TEASY", "Vai a PRO"),
     QT_TRANSLATE_NOOP("TEASY", "Passa alla versione PRO")},
    {"Button4", QT_TRANSLATE_NOOP("TEASY", "Carica sessione salvata"),
     QT_TRANSLATE_NOOP("TEASY", "Carica da un file la sessione salvata, da confrontare")},
    {"Button5", QT_TRANSLATE_NOOP("TEASY", "Salva sessione attuale"),
     QT_TRANSLATE_NOOP("TEASY", "Salva in un file la sessione attuale")},
    {"Button3", QT_TRANSLATE_NOOP("TEASY", "Salva grafico attuale"),
     QT_TRANSLATE_NOOP("TEASY",
                       "Salva come immagine la pagina del grafico della sessione attuale")},
    {"Button8", QT_TRANSLATE_NOOP("TEASY", "Carica sessione salvata"),
     QT_TRANSLATE_NOOP("TEASY", "Carica da un file la sessione salvata, da confrontare")},
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

    addClassicStatsPage(palette::kBlack,
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

void TEASY::buildSpokenNames() {
    spoken::nameControls(this, "TEASY", kSpoken);
}

void TEASY::buildHiddenCommands() {
    commands::buildHiddenCommands<TEASY>(this, kHiddenCommands);
}

} // namespace rotamind
