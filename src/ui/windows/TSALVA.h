#pragma once

#include "session/AutoSaveModel.h"

#include <QDateTime>
#include <QDialog>
#include <QLocale>
#include <QPointer>
#include <QString>

#include <chrono>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QRadioButton;

namespace rotamind {

class LazyFileDialog;
// The automatic-save dialog: a folder, an interval in minutes, which of the
// PRO window's four files to write, and an on/off switch. A view of its
// AutoSaveModel, which keeps every setting and does the saving: the dialog
// hands it the player's edits and draws what it tells. It lives for the whole
// program; hiding it never stops the saving.
class TSALVA final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSALVA)

public:
    using Clock = AutoSaveModel::Clock;

    explicit TSALVA(QWidget* parent = nullptr);
    ~TSALVA() override;

    // Not owned; must outlive the dialog or be reset to nullptr. Without a
    // source a tick writes nothing.
    void setSource(const AutoSaveSource* source) { m_model->setSource(source); }
    void setClock(Clock clock) { m_model->setClock(std::move(clock)); }
    void setLocale(const QLocale& locale) { m_model->setLocale(locale); }
    // Length of one interval minute; one minute except in tests.
    void setMinuteLength(std::chrono::milliseconds length) { m_model->setMinuteLength(length); }
    // The window whose files are saved: failure notices stay above it while it
    // is shown. Not owned.
    void setNoticeWindow(QWidget* window) { m_noticeWindow = window; }

    bool isSwitchedOn() const { return m_model->isOn(); }
    AutoSaveModel& model() { return *m_model; }

    void Button1Click();
    void SpeedButton1Click();
    void BitBtn1Click();
    void Timer1Timer();

signals:
    // A tick wrote the session file of series `index` (0 clockwise, 1
    // counter-clockwise) as the source holds it now.
    void sessionWritten(int index);

public slots:
    // Escape must not hide the dialog: only "Esci" does.
    void reject() override {}

signals:
    // After every tick: "Ultimo salvataggio 21:14: riuscito" or "... non
    // riuscito: <reason>".
    void lastSaveReported(const QString& status, bool saved);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void buildControls();
    void showFolder(const QString& folder);
    void showSwitch(bool on);
    void showOutcome(const AutoSaveModel::Outcome& outcome);
    void showFailure(const QString& path, const QString& reason);
    QWidget* noticeParent();

    AutoSaveModel* m_model = nullptr;
    QLineEdit* m_folder = nullptr;
    QComboBox* m_interval = nullptr;
    QRadioButton* m_switchOn = nullptr;
    QRadioButton* m_switchOff = nullptr;
    QCheckBox* m_saveClockwiseSession = nullptr;
    QCheckBox* m_saveCounterSession = nullptr;
    QCheckBox* m_saveClockwiseChart = nullptr;
    QCheckBox* m_saveCounterChart = nullptr;
    QLabel* m_status = nullptr;
    LazyFileDialog* m_folderDialog = nullptr;
    // The one "Cannot create file" box of automatic saving that may be open.
    QPointer<QMessageBox> m_failureBox;
    QPointer<QWidget> m_noticeWindow;
};

} // namespace rotamind
