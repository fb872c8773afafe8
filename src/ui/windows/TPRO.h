#pragma once

#include "session/ProSession.h"
#include "ui/windows/WorkingWindow.h"

#include <QPointer>

class QFileDialog;

namespace rotamind {

class DirectionLock;
class LazyFileDialog;
class ProAutoSaveSource;
class SeriesBlock;
class TAZZERAPRO;
class TSALVA;
struct AutoSaveSource;

// The PRO working window, a view over a ProSession: clockwise launches in
// List1/Chart1, counter-clockwise ones in List2/Chart2, each with classic and
// length statistics; the direction lock and the session area with automatic
// saving beside what every working window has.
class TPRO final : public WorkingWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPRO)

public:
    static constexpr int kHeight = 624;

    explicit TPRO(QWidget* parent = nullptr);
    ~TPRO() override;

    // The confirmation asked by "Azzera sessione"; without one the button does nothing.
    void setResetConfirmation(TAZZERAPRO* dialog) { m_confirmation = dialog; }
    // The automatic-save dialog shown by "Gestione salvataggi automatici"; not
    // owned. Without one the button does nothing.
    void setAutoSaveDialog(TSALVA* dialog);
    // What automatic saving reads of this window; lives as long as the window.
    const AutoSaveSource& autoSaveSource() const;

    ProSession& session() { return m_session; }
    const ProSession& session() const { return m_session; }
    SeriesBlock& seriesBlock(Direction direction) const;
    // The lock timers of the layout: Timer1 holds "A", Timer2 holds "O".
    bool timer1On() const;
    bool timer2On() const;

public slots:
    void SpeedButton1Click();
    void SpeedButton2Click();
    void List1DblClick();
    void List2DblClick();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton5Click();
    void Button4Click();
    void AZZERAClick();
    // The statistics commands run the chain again for their series.
    void refreshClockwiseStatistics();
    void refreshCounterStatistics();
    void SpeedButton4Click();

    void SpeedButton12Click();
    void SpeedButton13Click();
    void SpeedButton14Click();
    void SpeedButton15Click();

    void Button8Click();
    void Button5Click();
    void Button3Click();
    void Button1Click();
    void Button9Click();
    void Button10Click();
    void SpeedButton10Click();

signals:
    // "Easy": the window has hidden itself; the shell shows EASY.
    void easyRequested();

private:
    // The lock buttons look pressed while they hold their direction.
    void showLock();
    void buildCommandColumn();
    void buildSessionArea();
    void buildSessionDialogs();
    void buildStatisticsTabs();
    void buildHiddenCommands();
    void buildKeys();
    void wire();

    ProSession& m_session;
    SeriesBlock* m_clockwise = nullptr;
    SeriesBlock* m_counterClockwise = nullptr;
    DirectionLock* m_lock = nullptr;
    TAZZERAPRO* m_confirmation = nullptr;

    std::unique_ptr<ProAutoSaveSource> m_autoSaveSource;
    QPointer<TSALVA> m_autoSave;
    // One dialog per command, kept for the window's life so that each opens
    // where it was last left.
    LazyFileDialog* m_saveClockwiseChart = nullptr;   // chart, clockwise
    LazyFileDialog* m_saveClockwiseSession = nullptr; // session, clockwise
    LazyFileDialog* m_saveCounterSession = nullptr;   // session, counter-clockwise
    LazyFileDialog* m_saveCounterChart = nullptr;     // chart, counter-clockwise
    LazyFileDialog* m_loadClockwise = nullptr;        // load, clockwise
    LazyFileDialog* m_loadCounter = nullptr;          // load, counter-clockwise
};

} // namespace rotamind
