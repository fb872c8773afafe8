#include "ui/windows/TEASY.h"

#include "storage/SaveName.h"
#include "ui/toolkit/ClickableLabel.h"
#include "ui/toolkit/Palette.h"
#include "ui/toolkit/WebPages.h"
#include "ui/views/BettingAidPanel.h"
#include "ui/views/ClassicStatsGrid.h"
#include "ui/views/EntryArea.h"
#include "ui/views/SeriesBlock.h"
#include "ui/views/SiteFields.h"
#include "ui/views/WindowActions.h"
#include "ui/windows/SpokenTexts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace rotamind {

namespace {
LaunchEntry newWindowEntry() {
    return {.number = QStringLiteral("18"),
            .n1 = QStringLiteral("21"),
            .n2 = QStringLiteral("17"),
            .lastNumber = QStringLiteral("18"),
            .site = QStringLiteral("William Hill"),
            .croupier = QStringLiteral("Tavors")};
}

// The current session above, the saved one below. The saved session has no
// delete-last button: its button in that place clears the whole session.
SeriesBlockSetup seriesSetup(bool current) {
    return {
        .listName = current ? QStringLiteral("List1") : QStringLiteral("List2"),
        .chartName = current ? QStringLiteral("Chart1") : QStringLiteral("Chart2"),
        .countName = current ? QStringLiteral("boules") : QStringLiteral("boules2"),
        .deleteName = current ? QStringLiteral("SpeedButton1") : QStringLiteral("SpeedButton8"),
        .deleteHint = current ? QCoreApplication::translate("TEASY", "Elimina ultimo inserimento")
                              : QCoreApplication::translate("TEASY", "Azzera sessione salvata"),
        .deleteIcon = current ? QStringLiteral("delete-last") : QStringLiteral("reset"),
        .previousName = current ? QStringLiteral("SpeedButton14") : QStringLiteral("SpeedButton2"),
        .nextName = current ? QStringLiteral("SpeedButton15") : QStringLiteral("SpeedButton4"),
        .top = current ? 128 : 376,
        .listBackground = current ? palette::kSilver : palette::kFuchsia,
        .countForeground = current ? palette::kRed : palette::kPurple,
        .countBackground = current ? palette::kYellow : palette::kFuchsia,
        .chartStyle = {.title = current ? QCoreApplication::translate(
                                              "TEASY", "Rotamind Graph - sessione attuale")
                                        : QCoreApplication::translate(
                                              "TEASY", "Rotamind Graph - sessione salvata"),
                       .gradientEnd = current ? palette::kSilver : QColor(255, 0, 128),
                       .pointColor = current ? palette::kRed : palette::kYellow,
                       .seriesName =
                           current ? QStringLiteral("Series1") : QStringLiteral("Series2")},
    };
}
} // namespace

TEASY::TEASY(QWidget* parent)
    : WorkingWindow(
          std::make_unique<EasySession>(newWindowEntry()),
          {.name = QStringLiteral("EASY"),
           .title = QCoreApplication::translate("TEASY", "Rotamind EASY"),
           .colour = palette::kGray,
           .height = kHeight,
           .aid = {.pictureButtonName = QStringLiteral("SpeedButton7"),
                   .buttonTop = 36,
                   .windowRect = {8, 76, 193, 29},
                   .withOpposite = false},
           .seriesNames = {QCoreApplication::translate("TEASY", "della sessione attuale"),
                           QCoreApplication::translate("TEASY", "della sessione salvata")}},
          parent),
      m_session(static_cast<EasySession&>(workingSession())) {
    m_current = new SeriesBlock(this, m_session.current(), seriesSetup(true));
    m_saved = new SeriesBlock(this, m_session.saved(), seriesSetup(false));
    addWheelPicture();
    buildCommandColumn();
    buildSessionArea();
    buildStatisticsTabs();
    buildHiddenCommands();
    buildKeys();
    wire();
    // In the same places as in PRO, between the two columns of session buttons.
    addUndoControls();
    spoken::nameWindow(this);
}

TEASY::~TEASY() = default;

void TEASY::wire() {
    m_current->connectButtons(this, &TEASY::SpeedButton1Click, &TEASY::SpeedButton14Click,
                              &TEASY::SpeedButton15Click);
    m_saved->connectButtons(this, &TEASY::SpeedButton8Click, &TEASY::SpeedButton2Click,
                            &TEASY::SpeedButton4Click);
    // List2 has no double-click action: the saved session is only ever loaded or cleared.
    connect(m_current, &SeriesBlock::itemDoubleClicked, this, &TEASY::List1DblClick);
    connect(m_aid->pictureButton(), &QToolButton::clicked, this, &TEASY::SpeedButton7Click);
}

// ---- recording: both directions feed the one current session ----

void TEASY::SpeedButton1Click() {
    m_session.deleteLastOfCurrent();
}

void TEASY::List1DblClick() {
    m_session.deleteAt(m_session.current(), m_current->selectedRow());
}

void TEASY::Button1Click() {
    hide();
    emit proRequested();
}

// ---- statistics and resets: each reset clears one session and leaves the other alone ----

void TEASY::refreshCurrentStatistics() {
    m_session.current().confirmStatistics();
}
void TEASY::refreshSavedStatistics() {
    m_session.saved().confirmStatistics();
}

void TEASY::SpeedButton5Click() {
    AZZERAClick();
}

void TEASY::AZZERAClick() {
    reset([this] { m_session.clear(m_session.current()); });
}

void TEASY::SpeedButton8Click() {
    reset([this] { m_session.clear(m_session.saved()); });
}

// ---- betting aid and wheel picture ----

void TEASY::SpeedButton7Click() {
    refreshAndTogglePicture();
}

// ---- chart pages ----

void TEASY::SpeedButton14Click() {
    turnPage(*m_current, -1);
}
void TEASY::SpeedButton15Click() {
    turnPage(*m_current, +1);
}
void TEASY::SpeedButton2Click() {
    turnPage(*m_saved, -1);
}
void TEASY::SpeedButton4Click() {
    turnPage(*m_saved, +1);
}

// ---- session files: only the current session is ever saved ----

void TEASY::Button5Click() {
    saveSeries(*m_saveSession,
               QCoreApplication::translate("TEASY", "Rotamind Easy - Salva sessione"),
               sessionSuffix(SeriesFile::EasyCurrent), m_session.current());
}

void TEASY::Button3Click() {
    saveChart(*m_saveChart, QCoreApplication::translate("TEASY", "Rotamind Easy - Salva grafico"),
              chartSuffix(SeriesFile::EasyCurrent), *m_current);
}

void TEASY::Button4Click() {
    actions::loadSeries(*m_commands, this, *m_openCurrent, m_session, m_session.current());
}

void TEASY::Button8Click() {
    actions::loadSeries(*m_commands, this, *m_openSaved, m_session, m_session.saved());
}

// ---- site, croupier and web pages ----

void TEASY::SpeedButton9Click() {
    SpeedButton6Click();
}
void TEASY::loadSavedSession(std::vector<std::int8_t> classes) {
    m_session.load(m_session.saved(), std::move(classes));
}

} // namespace rotamind
