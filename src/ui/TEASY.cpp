#include "ui/TEASY.h"

#include "ui/BettingAidPanel.h"
#include "ui/ClassicStatsGrid.h"
#include "ui/ClickableLabel.h"
#include "ui/EntryArea.h"
#include "ui/Palette.h"
#include "ui/SeriesBlock.h"
#include "ui/SiteFields.h"
#include "ui/WebPages.h"
#include "ui/WindowActions.h"

#include <QCloseEvent>
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

SeriesBlockSetup currentSetup() {
    return {
        .listName = QStringLiteral("List1"),
        .chartName = QStringLiteral("Chart1"),
        .countName = QStringLiteral("boules"),
        .deleteName = QStringLiteral("SpeedButton1"),
        .deleteHint = QStringLiteral("Elimina ultimo inserimento"),
        .deleteIcon = QStringLiteral("delete-last"),
        .previousName = QStringLiteral("SpeedButton14"),
        .nextName = QStringLiteral("SpeedButton15"),
        .top = 128,
        .listBackground = palette::kSilver,
        .countForeground = palette::kRed,
        .countBackground = palette::kYellow,
        .chartStyle = {.title = QStringLiteral("Rotamind Graph - sessione attuale"),
                       .gradientEnd = palette::kSilver,
                       .pointColor = palette::kRed,
                       .seriesName = QStringLiteral("Series1")},
    };
}

// The saved session has no delete-last button: its button in that place
// clears the whole saved session.
SeriesBlockSetup savedSetup() {
    return {
        .listName = QStringLiteral("List2"),
        .chartName = QStringLiteral("Chart2"),
        .countName = QStringLiteral("boules2"),
        .deleteName = QStringLiteral("SpeedButton8"),
        .deleteHint = QStringLiteral("Azzera sessione salvata"),
        .deleteIcon = QStringLiteral("reset"),
        .previousName = QStringLiteral("SpeedButton2"),
        .nextName = QStringLiteral("SpeedButton4"),
        .top = 376,
        .listBackground = palette::kFuchsia,
        .countForeground = palette::kPurple,
        .countBackground = palette::kFuchsia,
        .chartStyle = {.title = QStringLiteral("Rotamind Graph - sessione salvata"),
                       .gradientEnd = QColor(255, 0, 128),
                       .pointColor = palette::kYellow,
                       .seriesName = QStringLiteral("Series2")},
    };
}
} // namespace

TEASY::TEASY(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint),
      m_session(newWindowEntry()) {
    setObjectName(QStringLiteral("EASY"));
    setWindowTitle(QStringLiteral("Rotamind EASY"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));
    setFont(palette::windowFont());
    palette::setWindowColour(this, palette::kGray);

    m_entry = new EntryArea(this, m_session);
    m_aid = new BettingAidPanel(this, {.pictureButtonName = QStringLiteral("SpeedButton7"),
                                       .buttonTop = 36,
                                       .windowRect = {8, 76, 193, 29},
                                       .withOpposite = false});
    m_current = new SeriesBlock(this, m_session.current(), currentSetup());
    m_saved = new SeriesBlock(this, m_session.saved(), savedSetup());
    // Created after the charts so that it lies above them when shown.
    m_picture = new WheelPicturePanel(this);
    buildCommandColumn();
    buildSessionArea();
    buildStatisticsTabs();
    buildHiddenCommands();
    wire();
    // FormCreate: the narrow layout, statistics out of sight.
    setFixedSize(kNarrowWidth, kHeight);
}

TEASY::~TEASY() = default;

void TEASY::setPictureSource(WheelPicturePanel::PictureSource source) {
    m_picture->setPictureSource(std::move(source));
}

QLineEdit* TEASY::siteField() const {
    return m_site->site();
}
QLineEdit* TEASY::croupierField() const {
    return m_site->croupier();
}

void TEASY::wire() {
    connect(m_entry->registerButton(), &QPushButton::clicked, this, &TEASY::Button11Click);
    connect(m_current->deleteButton(), &QToolButton::clicked, this, &TEASY::SpeedButton1Click);
    connect(m_saved->deleteButton(), &QToolButton::clicked, this, &TEASY::SpeedButton8Click);
    // List2 has no double-click action: the saved session is only ever loaded or cleared.
    connect(m_current, &SeriesBlock::itemDoubleClicked, this, &TEASY::List1DblClick);
    connect(m_current->previousButton(), &QToolButton::clicked, this, &TEASY::SpeedButton14Click);
    connect(m_current->nextButton(), &QToolButton::clicked, this, &TEASY::SpeedButton15Click);
    connect(m_saved->previousButton(), &QToolButton::clicked, this, &TEASY::SpeedButton2Click);
    connect(m_saved->nextButton(), &QToolButton::clicked, this, &TEASY::SpeedButton4Click);
    connect(m_aid->showButton(), &QPushButton::clicked, this, &TEASY::Button2Click);
    connect(m_aid->pictureButton(), &QToolButton::clicked, this, &TEASY::SpeedButton7Click);
    connect(m_aid, &BettingAidPanel::lastNumberEdited, this, &TEASY::PChange);
    connect(m_picture, &WheelPicturePanel::clicked, this, &TEASY::Panel2Click);
    connect(m_picture->picture(), &ClickableLabel::clicked, this, &TEASY::ImageXClick);
    connect(m_site, &SiteFields::siteClicked, this, &TEASY::Edit1Click);
    connect(m_site, &SiteFields::croupierClicked, this, &TEASY::Edit2Click);
    actions::showLastNumber(*m_aid, m_session);
    actions::showStatistics(*this, m_session.current(), *m_classicCurrent, nullptr);
    actions::showStatistics(*this, m_session.saved(), *m_classicSaved, nullptr);
}

// ---- recording: both directions feed the one current session ----

void TEASY::Button11Click() {
    m_session.pressRegister();
}
void TEASY::Button6Click() {
    m_session.registerLaunch(Direction::Clockwise);
}
void TEASY::Button7Click() {
    m_session.registerLaunch(Direction::CounterClockwise);
}

void TEASY::SpeedButton1Click() {
    m_session.deleteLastOfCurrent();
}

void TEASY::List1DblClick() {
    m_session.deleteAt(m_session.current(), m_current->selectedRow());
}

void TEASY::SpeedButton3Click() {
    actions::toggleWidth(*this, kNarrowWidth, kWideWidth, kHeight);
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
    m_session.clear(m_session.current());
}

void TEASY::SpeedButton8Click() {
    m_session.clear(m_session.saved());
}

// ---- betting aid and wheel picture ----

void TEASY::Button2Click() {
    actions::showNumbersToBet(*m_aid, m_session, *m_picture);
}

void TEASY::PChange() {
    m_session.setLastNumber(m_aid->lastNumber());
}

void TEASY::SpeedButton7Click() {
    actions::refreshAndTogglePicture(*m_aid, *m_picture);
}

void TEASY::ImageXClick() {
    m_picture->toggle();
}
void TEASY::Panel2Click() {
    m_picture->toggle();
}

// ---- chart pages ----

void TEASY::SpeedButton14Click() {
    m_current->chart()->previousPage();
}
void TEASY::SpeedButton15Click() {
    m_current->chart()->nextPage();
}
void TEASY::SpeedButton2Click() {
    m_saved->chart()->previousPage();
}
void TEASY::SpeedButton4Click() {
    m_saved->chart()->nextPage();
}

// ---- session files: only the current session is ever saved ----

void TEASY::Button5Click() {
    m_commands.saveSession(this, *m_saveSession,
                           m_site->saveRequest(QStringLiteral("Rotamind Easy - Salva sessione"),
                                               QStringLiteral(" - Spin TOTALI")),
                           m_session.current().texts());
}

void TEASY::Button3Click() {
    m_commands.saveChart(this, *m_saveChart,
                         m_site->saveRequest(QStringLiteral("Rotamind Easy - Salva grafico"),
                                             QStringLiteral(" - GRAFICO Spin TOTALI")),
                         *m_current->chart());
}

void TEASY::Button4Click() {
    actions::loadSeries(m_commands, this, *m_openCurrent, m_session, m_session.current());
}

void TEASY::Button8Click() {
    actions::loadSeries(m_commands, this, *m_openSaved, m_session, m_session.saved());
}

// ---- site, croupier and web pages ----

void TEASY::Edit1Click() {
    m_site->site()->clear();
}
void TEASY::Edit2Click() {
    m_site->croupier()->clear();
}
void TEASY::SpeedButton6Click() {
    web::openContactPage();
}
void TEASY::SpeedButton9Click() {
    web::openContactPage();
}
void TEASY::Image1Click() {
    web::openHomePage();
}

void TEASY::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit formClosed();
}

} // namespace rotamind
