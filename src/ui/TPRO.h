#pragma once

#include "ui/WheelPicturePanel.h"
#include "wheel/Wheel.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QFileDialog;
class QLineEdit;
class QTabWidget;

namespace rotamind {

class BettingAidPanel;
class ClassicStatsGrid;
class DirectionLock;
class EntryArea;
class LazyFileDialog;
class LengthStatsGrid;
class ProAutoSaveSource;
class SeriesBlock;
class SessionCommands;
class SiteFields;
class TAZZERAPRO;
class TSALVA;
struct AutoSaveSource;

// The PRO working window: clockwise launches in List1/Chart1, counter-clockwise
// ones in List2/Chart2, each with classic and length statistics; the entry, the
// direction lock, the betting aid and the session area. The handlers carry the
// layout's names and may be run as commands.
class TPRO final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPRO)

public:
    static constexpr int kNarrowWidth = 410;
    static constexpr int kWideWidth = 674;
    static constexpr int kHeight = 624;

    explicit TPRO(QWidget* parent = nullptr);
    ~TPRO() override;

    // The confirmation asked by "Azzera sessione"; without one the button does nothing.
    void setResetConfirmation(TAZZERAPRO* dialog) { m_confirmation = dialog; }
    void setPictureSource(WheelPicturePanel::PictureSource source);
    // The automatic-save dialog shown by "Gestione salvataggi automatici"; not
    // owned. Without one the button does nothing.
    void setAutoSaveDialog(TSALVA* dialog);
    // What automatic saving reads of this window; lives as long as the window.
    const AutoSaveSource& autoSaveSource() const;
    // The save and load commands, with their clock, dialog run and message box.
    SessionCommands& sessionCommands() const { return *m_commands; }

    SeriesBlock& series(Direction direction) const;
    EntryArea& entryArea() const { return *m_entry; }
    BettingAidPanel& bettingAid() const { return *m_aid; }
    QLineEdit* siteField() const;
    QLineEdit* croupierField() const;
    // The lock timers of the layout: Timer1 holds "A", Timer2 holds "O".
    bool timer1On() const;
    bool timer2On() const;

public slots:
    void Button11Click();
    void Button6Click();
    void Button7Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void List1DblClick();
    void List2DblClick();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton3Click();
    void SpeedButton5Click();
    void Button4Click();

    void STATSClick();
    void ICClick();
    void LUNGOClick();
    void ICLOClick();
    void stats2Click();
    void ICAClick();
    void LUNGAClick();
    void ICLAClick();
    void AZZERAClick();

    void Button2Click();
    void PChange();
    void SpeedButton4Click();
    void ImageXClick();
    void Panel2Click();

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

    void Edit1Click();
    void Edit2Click();
    void SpeedButton6Click();
    void Image1Click();

signals:
    // "Easy": the window has hidden itself; the shell shows EASY.
    void easyRequested();
    // The window was closed: the program ends.
    void formClosed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildCommandColumn();
    void buildSessionArea();
    void buildSessionDialogs();
    void buildStatisticsTabs();
    void buildHiddenCommands();
    void wire();
    void loadSeries(Direction direction, QFileDialog& dialog);

    EntryArea* m_entry = nullptr;
    BettingAidPanel* m_aid = nullptr;
    SeriesBlock* m_clockwise = nullptr;
    SeriesBlock* m_counterClockwise = nullptr;
    WheelPicturePanel* m_picture = nullptr;
    DirectionLock* m_lock = nullptr;
    SiteFields* m_site = nullptr;
    QTabWidget* m_tabs = nullptr;
    std::unique_ptr<ClassicStatsGrid> m_classicClockwise;
    std::unique_ptr<ClassicStatsGrid> m_classicCounter;
    std::unique_ptr<LengthStatsGrid> m_lengthsClockwise;
    std::unique_ptr<LengthStatsGrid> m_lengthsCounter;
    TAZZERAPRO* m_confirmation = nullptr;

    std::unique_ptr<SessionCommands> m_commands;
    std::unique_ptr<ProAutoSaveSource> m_autoSaveSource;
    QPointer<TSALVA> m_autoSave;
    // One dialog per command, kept for the window's life so that each opens
    // where it was last left.
    LazyFileDialog* m_save1 = nullptr; // chart, clockwise
    LazyFileDialog* m_save2 = nullptr; // session, clockwise
    LazyFileDialog* m_save3 = nullptr; // session, counter-clockwise
    LazyFileDialog* m_save4 = nullptr; // chart, counter-clockwise
    LazyFileDialog* m_open1 = nullptr; // load, clockwise
    LazyFileDialog* m_open2 = nullptr; // load, counter-clockwise
};

} // namespace rotamind
