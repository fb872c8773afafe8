#include "ui/windows/WorkingWindow.h"

#include "history/SessionHistory.h"
#include "ui/toolkit/Banner.h"
#include "ui/toolkit/ClickableLabel.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/LazyPage.h"
#include "ui/toolkit/OnFirstShow.h"
#include "ui/toolkit/Palette.h"
#include "ui/toolkit/WebPages.h"
#include "ui/toolkit/WindowParts.h"
#include "ui/views/AnalysisPage.h"
#include "ui/views/ClassicStatsGrid.h"
#include "ui/views/EntryArea.h"
#include "ui/views/EntryNotice.h"
#include "ui/views/SeriesBlock.h"
#include "ui/views/SessionCommands.h"
#include "ui/views/SiteFields.h"
#include "ui/views/UndoControls.h"
#include "ui/views/WindowActions.h"
#include "ui/windows/TGUIDA.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace rotamind {

WorkingWindow::WorkingWindow(std::unique_ptr<WorkingSession> session, const WorkingWindowLook& look,
                             QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint),
      m_commands(std::make_unique<SessionCommands>()), m_session(std::move(session)),
      m_history(std::make_unique<SessionHistory>(*m_session, look.seriesNames)) {
    setObjectName(look.name);
    setWindowTitle(look.title);
    setWindowIcon(pngIcon(QStringLiteral(":/icons/app.png")));
    setFont(palette::windowFont());
    palette::setWindowColour(this, look.colour);

    m_entry = new EntryArea(this, *m_session);
    m_aid = new BettingAidPanel(this, look.aid);
    connect(m_entry->registerButton(), &QPushButton::clicked, this, &WorkingWindow::Button11Click);
    connect(m_aid->showButton(), &QPushButton::clicked, this, &WorkingWindow::Button2Click);
    connect(m_aid, &BettingAidPanel::lastNumberEdited, this, &WorkingWindow::PChange);
    actions::showLastNumber(*m_aid, *m_session);
    m_keyboard = new KeyboardFlow(this, m_entry->entry());
    // Over the title of the top chart, where the eyes go after a launch.
    m_notice = new EntryNotice(this, *m_session, *m_entry, {5, 129, 360, 16});
    // Beside the session buttons, the one free place both layouts share.
    TGUIDA::attachTo(this, {519, 150, 33, 25});
    // FormCreate: the narrow layout, statistics out of sight.
    setFixedSize(kNarrowWidth, look.height);
}

WorkingWindow::~WorkingWindow() = default;

void WorkingWindow::addWheelPicture() {
    m_picture = new WheelPicturePanel(this);
    connect(m_picture, &WheelPicturePanel::clicked, this, &WorkingWindow::Panel2Click);
    connect(m_picture->picture(), &ClickableLabel::clicked, this, &WorkingWindow::ImageXClick);
}

void WorkingWindow::addUndoControls() {
    // Beside "Carica sessione" in both windows.
    auto* controls = new UndoControls(this, *m_history, {519, 45});
    // The entry holds again what it held before the press taken back: selected,
    // the next digits replace it instead of being refused after it.
    connect(controls, &UndoControls::applied, m_keyboard, &KeyboardFlow::returnToEntry);
}

void WorkingWindow::addBanner(int captionTop) {
    connect(makeBanner(this, captionTop), &ClickableLabel::clicked, this,
            &WorkingWindow::Image1Click);
}

void WorkingWindow::addSiteFields(const QColor& headingBackground,
                                  const QColor& headingForeground) {
    m_site = new SiteFields(
        this, *m_session,
        {.headingBackground = headingBackground, .headingForeground = headingForeground});
    connect(m_site, &SiteFields::siteClicked, this, &WorkingWindow::Edit1Click);
    connect(m_site, &SiteFields::croupierClicked, this, &WorkingWindow::Edit2Click);
}

void WorkingWindow::addArchiveButton(const QRect& rect) {
    QToolButton* archive =
        controls::makeIconButton(this, QStringLiteral("ARCHIVIO"), QStringLiteral("archive"), rect,
                                 QCoreApplication::translate("WorkingWindow", "Archivio sessioni"));
    connect(archive, &QToolButton::clicked, this, &WorkingWindow::archiveRequested);
}

void WorkingWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The narrow window would show a few pixels of the tabs at its right edge.
    if (m_tabs)
        m_tabs->setVisible(width() > kNarrowWidth);
}

QTabWidget* WorkingWindow::addStatisticsTabs() {
    m_tabs = parts::makeStatisticsTabs(this);
    m_tabs->setVisible(width() > kNarrowWidth);
    return m_tabs;
}

void WorkingWindow::addGridPage(const QString& name, const QColor& background,
                                const QString& caption, std::array<const Series*, 2> series,
                                MakeGrids make) {
    auto* page = new LazyPage(name, [this, series, make = std::move(make)](QWidget* lazy) {
        auto* content = new QWidget(lazy);
        std::array<std::unique_ptr<StatisticsGrid>, 2> grids = make(content);
        for (std::size_t i = 0; i < grids.size(); ++i) {
            StatisticsGrid* grid = grids[i].get();
            const Series* shown = series[i];
            grid->show(shown->statistics());
            connect(shown, &Series::statisticsChanged, content,
                    [grid, shown] { grid->show(shown->statistics()); });
            m_grids.push_back(std::move(grids[i]));
        }
        return content;
    });
    palette::setWindowColour(page, background);
    m_tabs->addTab(page, caption);
}

void WorkingWindow::addClassicStatsPage(std::array<const Series*, 2> series,
                                        const QColor& background, const QString& firstHeading,
                                        const QString& secondHeading) {
    addGridPage(QStringLiteral("Classiche"), background,
                QCoreApplication::translate("TPRO", "Statistiche Classiche"), series,
                [firstHeading, secondHeading](QWidget* page) {
                    return std::array<std::unique_ptr<StatisticsGrid>, 2>{
                        std::make_unique<ClassicStatsGrid>(
                            page, ClassicStatsGridSetup{.prefix = {},
                                                        .heading = firstHeading,
                                                        .headingRect = {4, 6, 245, 16},
                                                        .headTop = 34,
                                                        .firstRowTop = 56}),
                        std::make_unique<ClassicStatsGrid>(
                            page, ClassicStatsGridSetup{.prefix = QStringLiteral("A"),
                                                        .heading = secondHeading,
                                                        .headingRect = {7, 176, 234, 16},
                                                        .headTop = 200,
                                                        .firstRowTop = 224})};
                });
}

void WorkingWindow::addAnalysisPage(const Series& first, const Series& second,
                                    const AnalysisPageSetup& setup, const QString& caption) {
    m_analysisTab =
        new LazyPage(QStringLiteral("ANALISI"), [this, &first, &second, setup](QWidget*) {
            auto* page = new AnalysisPage(workingSession(), first, second, setup);
            if (m_placeHistory)
                page->setPlaceHistory(std::move(m_placeHistory));
            return page;
        });
    m_tabs->addTab(m_analysisTab, caption);
}

AnalysisPage& WorkingWindow::analysisPage() {
    return *static_cast<AnalysisPage*>(m_analysisTab->content());
}

void WorkingWindow::finishStatisticsTabs() {
    connect(parts::addContactPage(m_tabs), &QToolButton::clicked, this,
            &WorkingWindow::SpeedButton6Click);
}

void WorkingWindow::setPictureSource(WheelPicturePanel::PictureSource source) {
    m_picture->setPictureSource(std::move(source));
}

void WorkingWindow::setPlaceHistory(std::unique_ptr<PlaceHistorySource> source) {
    if (m_analysisTab->isMade())
        analysisPage().setPlaceHistory(std::move(source));
    else
        m_placeHistory = std::move(source);
}

QLineEdit* WorkingWindow::siteField() const {
    return m_site->site();
}
QLineEdit* WorkingWindow::croupierField() const {
    return m_site->croupier();
}

void WorkingWindow::saveSeries(QFileDialog& dialog, const QString& title, const QString& suffix,
                               const Series& series) {
    if (m_commands->saveSession(this, dialog, m_site->saveRequest(title, suffix), series.texts()) ==
        SessionCommands::SaveOutcome::Written)
        m_session->noteSaved(series);
}

void WorkingWindow::saveChart(QFileDialog& dialog, const QString& title, const QString& suffix,
                              const SeriesBlock& block) {
    m_commands->saveChart(this, dialog, m_site->saveRequest(title, suffix), *block.chart());
}

void WorkingWindow::addCommandKeys() {
    m_keyboard->addTableKeys();
}

void WorkingWindow::reset(const std::function<void()>& clear) {
    // A reset of nothing leaves no change to undo, and nothing to tell.
    bool changed = false;
    const QMetaObject::Connection watch = connect(m_history.get(), &SessionHistory::undoTextChanged,
                                                  this, [&changed] { changed = true; });
    clear();
    disconnect(watch);
    if (changed)
        m_notice->tellReset();
}

void WorkingWindow::turnPage(SeriesBlock& block, int step) {
    DistanceChart* chart = block.chart();
    chart->setCurrentPage(chart->currentPage() + step);
}

// ---- recording ----

void WorkingWindow::Button11Click() {
    const LaunchEntry before = m_session->entry();
    m_session->pressRegister();
    // Refused for want of a direction, the number typed stays in the entry
    // (selected by the keyboard flow) instead of becoming "??": pressed again,
    // it goes to the direction now selected, which the notice names.
    if (!before.direction && before.number != WorkingSession::noNumber())
        m_session->setNumber(before.number);
}
void WorkingWindow::Button6Click() {
    m_session->registerLaunch(Direction::Clockwise);
}
void WorkingWindow::Button7Click() {
    m_session->registerLaunch(Direction::CounterClockwise);
}

void WorkingWindow::SpeedButton3Click() {
    actions::toggleWidth(*this, kNarrowWidth, kWideWidth, height());
}

// ---- betting aid and wheel picture ----

void WorkingWindow::Button2Click() {
    actions::showNumbersToBet(*m_aid, *m_session, *m_picture);
}

void WorkingWindow::PChange() {
    m_session->setLastNumber(m_aid->lastNumber());
}

void WorkingWindow::refreshAndTogglePicture() {
    actions::refreshAndTogglePicture(*m_aid, *m_picture);
}

void WorkingWindow::ImageXClick() {
    m_picture->toggle();
}
void WorkingWindow::Panel2Click() {
    m_picture->toggle();
}

// ---- site, croupier and web pages ----

void WorkingWindow::Edit1Click() {
    m_site->site()->clear();
}
void WorkingWindow::Edit2Click() {
    m_site->croupier()->clear();
}
void WorkingWindow::SpeedButton6Click() {
    web::openContactPage();
}
void WorkingWindow::Image1Click() {
    web::openHomePage();
}

void WorkingWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit formClosed();
}

} // namespace rotamind
