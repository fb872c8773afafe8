#pragma once

#include "session/PlaceHistorySource.h"
#include "session/WorkingSession.h"
#include "ui/toolkit/KeyboardFlow.h"
#include "ui/views/BettingAidPanel.h"
#include "ui/views/StatisticsGrid.h"
#include "ui/views/WheelPicturePanel.h"

#include <QColor>
#include <QRect>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class QFileDialog;
class QLineEdit;
class QTabWidget;

namespace rotamind {

class AnalysisPage;
struct AnalysisPageSetup;
class LazyPage;

class EntryNotice;
class EntryArea;
class SeriesBlock;
class SessionCommands;
class SessionHistory;
class SiteFields;

// What tells the two working windows apart at the level they share.
struct WorkingWindowLook {
    QString name{};  // objectName: "PRO", "EASY"
    QString title{}; // "Rotamind PRO"
    QColor colour{};
    int height = 624;
    BettingAidSetup aid{};
    // The series by place as undo and redo name them ("degli spin orari").
    std::array<QString, WorkingSession::kSeriesCount> seriesNames{};
};

// What PRO and EASY share: the entry and "REGISTRA", the betting aid and the
// wheel picture, the width toggle, site and croupier, the web pages and the
// session commands. Each window adds its series, its statistics and its
// session area. The handlers carry the layout's names; each is one call.
class WorkingWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WorkingWindow)

public:
    static constexpr int kNarrowWidth = 410;
    static constexpr int kWideWidth = 674;

    ~WorkingWindow() override;

    void setPictureSource(WheelPicturePanel::PictureSource source);
    QLineEdit* siteField() const;
    QLineEdit* croupierField() const;
    // The save and load commands, with their clock, dialog run and message box.
    SessionCommands& sessionCommands() const { return *m_commands; }
    // The window's keys, and where the cursor goes back after each command.
    KeyboardFlow& keyboard() const { return *m_keyboard; }
    // Where the "Analisi" page gets the figures of its second block.
    void setPlaceHistory(std::unique_ptr<PlaceHistorySource> source);
    // The "Analisi" page, made now if it was never shown.
    AnalysisPage& analysisPage();

public slots:
    void Button11Click();
    void Button6Click();
    void Button7Click();
    void SpeedButton3Click();
    void Button2Click();
    void PChange();
    void ImageXClick();
    void Panel2Click();
    void Edit1Click();
    void Edit2Click();
    void SpeedButton6Click();
    void Image1Click();

signals:
    // The window was closed: the program ends.
    void formClosed();
    // "ARCHIVIO": the shell shows the archive window.
    void archiveRequested();

protected:
    WorkingWindow(std::unique_ptr<WorkingSession> session, const WorkingWindowLook& look,
                  QWidget* parent);

    WorkingSession& workingSession() const { return *m_session; }
    // The UNDO and REDO buttons and their keys; called once the fields exist.
    void addUndoControls();
    // Called once the window's charts exist, so that the picture lies above them.
    void addWheelPicture();
    // The site and croupier fields under their headings, coloured as the window wants.
    void addSiteFields(const QColor& headingBackground, const QColor& headingForeground);
    // The banner under the session area, with its caption line at captionTop.
    void addBanner(int captionTop);
    // "ARCHIVIO", where the window's layout has room for it.
    void addArchiveButton(const QRect& rect);
    // The statistics tabs and the contact page; the window adds its pages between.
    QTabWidget* addStatisticsTabs();
    // A statistics page of the two series, made the first time it is shown
    // or asked for: `make` lays out a grid of each series on the page, and
    // from then on they follow their series. Until then a launch costs the
    // page nothing.
    using MakeGrids = std::function<std::array<std::unique_ptr<StatisticsGrid>, 2>(QWidget* page)>;
    void addGridPage(const QString& name, const QColor& background, const QString& caption,
                     std::array<const Series*, 2> series, MakeGrids make);
    // The "Statistiche Classiche" page on `background`: the first series'
    // grid above, the second's (labels prefixed "A") below, with their headings.
    void addClassicStatsPage(std::array<const Series*, 2> series, const QColor& background,
                             const QString& firstHeading, const QString& secondHeading);
    // The "Analisi" page of the two series, made the first time it is shown.
    void addAnalysisPage(const Series& first, const Series& second, const AnalysisPageSetup& setup,
                         const QString& caption);
    void finishStatisticsTabs();
    // A save command: the file proposed with the site, croupier and suffix,
    // the dialog titled as the command says.
    void saveSeries(QFileDialog& dialog, const QString& title, const QString& suffix,
                    const Series& series);
    void saveChart(QFileDialog& dialog, const QString& title, const QString& suffix,
                   const SeriesBlock& block);
    // Runs a reset; when it cleared anything, the notice line says how to undo it.
    void reset(const std::function<void()>& clear);
    // A paging button: the chart of `block` one page back (-1) or on (+1).
    static void turnPage(SeriesBlock& block, int step);
    // The wheel-picture button of the betting aid.
    void refreshAndTogglePicture();
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Gives the window's commands the keys of the key table; called once
    // every control of the window exists.
    void addCommandKeys();

    EntryArea* m_entry = nullptr;
    BettingAidPanel* m_aid = nullptr;
    WheelPicturePanel* m_picture = nullptr;
    SiteFields* m_site = nullptr;
    QTabWidget* m_tabs = nullptr;
    LazyPage* m_analysisTab = nullptr;
    // Kept for the Analisi page until it is made.
    std::unique_ptr<PlaceHistorySource> m_placeHistory;
    std::unique_ptr<SessionCommands> m_commands;
    // The grids of the statistics pages made so far.
    std::vector<std::unique_ptr<StatisticsGrid>> m_grids;
    KeyboardFlow* m_keyboard = nullptr;
    EntryNotice* m_notice = nullptr;

private:
    std::unique_ptr<WorkingSession> m_session;
    // Follows every change of the session, so that it can be undone.
    std::unique_ptr<SessionHistory> m_history;
};

} // namespace rotamind
