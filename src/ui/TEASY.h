#pragma once

#include "ui/SessionCommands.h"
#include "ui/WheelPicturePanel.h"

#include <QWidget>

#include <memory>

class QFileDialog;
class QLineEdit;
class QTabWidget;

namespace rotamind {

class BettingAidPanel;
class ClassicStatsGrid;
class EntryArea;
class SeriesBlock;
class SiteFields;

// The EASY working window: every launch, whatever its direction, goes into the
// current session (List1/Chart1/boules); the saved session (List2/Chart2/
// boules2) stands beside it and is filled only by loading a file. The handlers
// carry the layout's names and may be run as commands.
class TEASY final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TEASY)

public:
    static constexpr int kNarrowWidth = 410;
    static constexpr int kWideWidth = 674;
    static constexpr int kHeight = 622;

    explicit TEASY(QWidget* parent = nullptr);
    ~TEASY() override;

    void setPictureSource(WheelPicturePanel::PictureSource source);

    SeriesBlock& currentSession() const { return *m_current; }
    SeriesBlock& savedSession() const { return *m_saved; }
    EntryArea& entryArea() const { return *m_entry; }
    BettingAidPanel& bettingAid() const { return *m_aid; }
    QLineEdit* siteField() const;
    QLineEdit* croupierField() const;
    // The save and load commands, with their clock, dialog and message hooks.
    SessionCommands& sessionCommands() { return m_commands; }

public slots:
    void Button11Click();
    void Button6Click();
    void Button7Click();
    void SpeedButton1Click();
    void List1DblClick();
    void SpeedButton3Click();
    void SpeedButton5Click();
    void SpeedButton8Click();
    void Button1Click();

    void STATSClick();
    void ICClick();
    void STATS2Click();
    void ICAClick();
    void AZZERAClick();

    void Button2Click();
    void PChange();
    void SpeedButton7Click();
    void ImageXClick();
    void Panel2Click();

    void SpeedButton14Click();
    void SpeedButton15Click();
    void SpeedButton2Click();
    void SpeedButton4Click();

    void Button5Click();
    void Button3Click();
    void Button4Click();
    void Button8Click();

    void Edit1Click();
    void Edit2Click();
    void SpeedButton6Click();
    void SpeedButton9Click();
    void Image1Click();

signals:
    // "PRO": the window has hidden itself; the shell shows PRO.
    void proRequested();
    // The window was closed: the program ends.
    void formClosed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildCommandColumn();
    void buildSessionArea();
    void buildStatisticsTabs();
    void buildHiddenCommands();
    void wire();
    // Replaces a series with the file chosen in `dialog`; false when nothing was loaded.
    bool loadInto(SeriesBlock& series, ClassicStatsGrid& statistics, QFileDialog& dialog);

    EntryArea* m_entry = nullptr;
    BettingAidPanel* m_aid = nullptr;
    SeriesBlock* m_current = nullptr;
    SeriesBlock* m_saved = nullptr;
    WheelPicturePanel* m_picture = nullptr;
    SiteFields* m_site = nullptr;
    QTabWidget* m_tabs = nullptr;
    std::unique_ptr<ClassicStatsGrid> m_classicCurrent;
    std::unique_ptr<ClassicStatsGrid> m_classicSaved;
    LazyFileDialog* m_saveChart = nullptr;   // Save1
    LazyFileDialog* m_saveSession = nullptr; // Save2
    LazyFileDialog* m_openCurrent = nullptr; // Open1
    LazyFileDialog* m_openSaved = nullptr;   // Open2
    SessionCommands m_commands;
};

} // namespace rotamind
