#include "ui/windows/TPRO.h"

#include "ui/toolkit/ClickableLabel.h"
#include "ui/toolkit/DirectionLock.h"
#include "ui/toolkit/Palette.h"
#include "ui/toolkit/WebPages.h"
#include "ui/views/BettingAidPanel.h"
#include "ui/views/ClassicStatsGrid.h"
#include "ui/views/EntryArea.h"
#include "ui/views/LengthStatsGrid.h"
#include "ui/views/SeriesBlock.h"
#include "ui/views/SessionCommands.h"
#include "ui/views/SiteFields.h"
#include "ui/views/WindowActions.h"
#include "ui/windows/ProAutoSaveSource.h"
#include "ui/windows/SpokenTexts.h"
#include "ui/windows/TAZZERAPRO.h"
#include "ui/windows/TSALVA.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace rotamind {

namespace {
LaunchEntry newWindowEntry() {
    return {.number = QStringLiteral("18"),
            .n1 = QStringLiteral("21"),
            .n2 = QStringLiteral("17"),
            .lastNumber = QStringLiteral("18"),
            .site = QStringLiteral("Bet365"),
            .croupier = QStringLiteral("Ormilda")};
}

SeriesBlockSetup seriesSetup(Direction direction) {
    const bool clockwise = direction == Direction::Clockwise;
    return {
        .listName = clockwise ? QStringLiteral("List1") : QStringLiteral("List2"),
        .chartName = clockwise ? QStringLiteral("Chart1") : QStringLiteral("Chart2"),
        .countName = clockwise ? QStringLiteral("boules") : QStringLiteral("BOULES2"),
        .deleteName = clockwise ? QStringLiteral("SpeedButton1") : QStringLiteral("SpeedButton2"),
        .deleteHint = QCoreApplication::translate("TPRO", "Elimina ultimo inserimento"),
        .deleteIcon = QStringLiteral("delete-last"),
        .previousName =
            clockwise ? QStringLiteral("SpeedButton12") : QStringLiteral("SpeedButton14"),
        .nextName = clockwise ? QStringLiteral("SpeedButton13") : QStringLiteral("SpeedButton15"),
        .top = clockwise ? 128 : 376,
        .listBackground = clockwise ? palette::kYellow : palette::kMoneyGreen,
        .countForeground = palette::kRed,
        .countBackground = palette::kYellow,
        .chartStyle = {.title = clockwise
                                    ? QCoreApplication::translate(
                                          "TPRO", "Rotamind Graph - spin in senso ORARIO")
                                    : QCoreApplication::translate(
                                          "TPRO", "Rotamind Graph - spin in senso ANTIORARIO"),
                       .gradientEnd = clockwise ? QColor(255, 255, 0) : QColor(78, 205, 151),
                       .pointColor = clockwise ? palette::kRed : palette::kYellow,
                       .seriesName =
                           clockwise ? QStringLiteral("Series1") : QStringLiteral("Series2")},
        .lastPageAfterLaunch = true,
        .lastPageAfterLoad = true,
    };
}
} // namespace

TPRO::TPRO(QWidget* parent)
    : WorkingWindow(std::make_unique<ProSession>(newWindowEntry()),
                    {.name = QStringLiteral("PRO"),
                     .title = QCoreApplication::translate("TPRO", "Rotamind PRO"),
                     .colour = palette::kMaroon,
                     .height = kHeight,
                     .aid = {.pictureButtonName = QStringLiteral("SpeedButton4"),
                             .buttonTop = 32,
                             .windowRect = {8, 68, 193, 24},
                             .withOpposite = true},
                     .seriesNames = {QCoreApplication::translate("TPRO", "degli spin orari"),
                                     QCoreApplication::translate("TPRO", "degli spin antiorari")}},
                    parent),
      m_session(static_cast<ProSession&>(workingSession())) {
    m_clockwise = new SeriesBlock(this, m_session.seriesFor(Direction::Clockwise),
                                  seriesSetup(Direction::Clockwise));
    m_counterClockwise = new SeriesBlock(this, m_session.seriesFor(Direction::CounterClockwise),
                                         seriesSetup(Direction::CounterClockwise));
    addWheelPicture();
    m_lock = new DirectionLock(m_entry->radio(Direction::Clockwise),
                               m_entry->radio(Direction::CounterClockwise), this);
    buildCommandColumn();
    buildSessionArea();
    buildSessionDialogs();
    buildStatisticsTabs();
    buildHiddenCommands();
    buildKeys();
    wire();
    // Between the load and the chart-save buttons, round the automatic-save one.
    addUndoControls();
    spoken::nameWindow(this);
}

TPRO::~TPRO() {
    // The dialog may outlive the window; its next tick must not read a dead one.
    if (m_autoSave)
        m_autoSave->setSource(nullptr);
}

SeriesBlock& TPRO::seriesBlock(Direction direction) const {
    return direction == Direction::Clockwise ? *m_clockwise : *m_counterClockwise;
}

bool TPRO::timer1On() const {
    return m_lock->timer1On();
}
bool TPRO::timer2On() const {
    return m_lock->timer2On();
}

void TPRO::wire() {
    m_clockwise->connectButtons(this, &TPRO::SpeedButton1Click, &TPRO::SpeedButton12Click,
                                &TPRO::SpeedButton13Click);
    m_counterClockwise->connectButtons(this, &TPRO::SpeedButton2Click, &TPRO::SpeedButton14Click,
                                       &TPRO::SpeedButton15Click);
    connect(m_clockwise, &SeriesBlock::itemDoubleClicked, this, &TPRO::List1DblClick);
    connect(m_counterClockwise, &SeriesBlock::itemDoubleClicked, this, &TPRO::List2DblClick);
    connect(m_aid->pictureButton(), &QToolButton::clicked, this, &TPRO::SpeedButton4Click);
}

// ---- recording ----

void TPRO::SpeedButton1Click() {
    m_session.deleteLast(m_session.seriesFor(Direction::Clockwise), Direction::Clockwise);
}
void TPRO::SpeedButton2Click() {
    m_session.deleteLast(m_session.seriesFor(Direction::CounterClockwise),
                         Direction::CounterClockwise);
}

void TPRO::List1DblClick() {
    m_session.deleteAt(m_session.seriesFor(Direction::Clockwise), m_clockwise->selectedRow());
}
void TPRO::List2DblClick() {
    m_session.deleteAt(m_session.seriesFor(Direction::CounterClockwise),
                       m_counterClockwise->selectedRow());
}

void TPRO::SpeedButton7Click() {
    m_lock->toggle(Direction::CounterClockwise);
    showLock();
}
void TPRO::SpeedButton8Click() {
    m_lock->toggle(Direction::Clockwise);
    showLock();
}

void TPRO::showLock() {
    // Pressed while it holds its direction; its hint then says so.
    for (const auto& [name, direction] : {std::pair{"SpeedButton8", Direction::Clockwise},
                                          std::pair{"SpeedButton7", Direction::CounterClockwise}}) {
        findChild<QToolButton*>(QString::fromLatin1(name))
            ->setChecked(m_lock->locked() == direction);
    }
}

void TPRO::SpeedButton5Click() {
    if (!m_confirmation)
        return;
    m_confirmation->move(geometry().center() - m_confirmation->rect().center());
    m_confirmation->exec();
}

void TPRO::Button4Click() {
    hide();
    emit easyRequested();
}

// ---- statistics and reset ----

void TPRO::refreshClockwiseStatistics() {
    m_session.seriesFor(Direction::Clockwise).confirmStatistics();
}
void TPRO::refreshCounterStatistics() {
    m_session.seriesFor(Direction::CounterClockwise).confirmStatistics();
}

void TPRO::AZZERAClick() {
    reset([this] { m_session.resetAll(); });
}

// ---- betting aid and wheel picture ----

void TPRO::SpeedButton4Click() {
    refreshAndTogglePicture();
}

// ---- chart pages ----

void TPRO::SpeedButton12Click() {
    turnPage(*m_clockwise, -1);
}
void TPRO::SpeedButton13Click() {
    turnPage(*m_clockwise, +1);
}
void TPRO::SpeedButton14Click() {
    turnPage(*m_counterClockwise, -1);
}
void TPRO::SpeedButton15Click() {
    turnPage(*m_counterClockwise, +1);
}

} // namespace rotamind
