#pragma once

#include "session/EasySession.h"
#include "ui/windows/WorkingWindow.h"

class QFileDialog;

namespace rotamind {
class LazyFileDialog;
}

namespace rotamind {

class SeriesBlock;

// The EASY working window, a view over an EasySession: every launch, whatever
// its direction, goes into the current session (List1/Chart1/boules); the
// saved session (List2/Chart2/boules2) stands beside it and is filled only by
// loading a file.
class TEASY final : public WorkingWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TEASY)

public:
    static constexpr int kHeight = 622;

    explicit TEASY(QWidget* parent = nullptr);
    ~TEASY() override;

    EasySession& session() { return m_session; }
    // Classes from elsewhere (the archive) into the saved session, as a load
    // that Ctrl+Z can take back.
    void loadSavedSession(std::vector<std::int8_t> classes);

public slots:
    void SpeedButton1Click();
    void List1DblClick();
    void SpeedButton5Click();
    void SpeedButton8Click();
    void Button1Click();
    void AZZERAClick();
    // The statistics commands run the chain again for their series.
    void refreshCurrentStatistics();
    void refreshSavedStatistics();
    void SpeedButton7Click();

    void SpeedButton14Click();
    void SpeedButton15Click();
    void SpeedButton2Click();
    void SpeedButton4Click();

    void Button5Click();
    void Button3Click();
    void Button4Click();
    void Button8Click();
    void SpeedButton9Click();

signals:
    // "PRO": the window has hidden itself; the shell shows PRO.
    void proRequested();

private:
    void buildCommandColumn();
    void buildSessionArea();
    void buildStatisticsTabs();
    void buildHiddenCommands();
    void buildKeys();
    void wire();

    EasySession& m_session;
    SeriesBlock* m_current = nullptr;
    SeriesBlock* m_saved = nullptr;
    LazyFileDialog* m_saveChart = nullptr;   // Save1
    LazyFileDialog* m_saveSession = nullptr; // Save2
    LazyFileDialog* m_openCurrent = nullptr; // Open1
    LazyFileDialog* m_openSaved = nullptr;   // Open2
};

} // namespace rotamind
