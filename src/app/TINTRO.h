#pragma once

#include <QDateTime>
#include <QWidget>

class QCheckBox;
class QPushButton;

namespace rotamind {

// The launcher, the program's main window: the title picture and the two
// buttons that open a working mode. Once a mode is chosen it stays hidden.
// When the last run left a session with launches not saved to a file, the
// button RESTORE offers it beside the two modes, blocking neither; RESTORE2
// offers the other mode's, when that one was left too.
class TINTRO final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TINTRO)

public:
    explicit TINTRO(QWidget* parent = nullptr);

    // "Ripristina sessione PRO del 09-12-2026 ore 21:14 (143 lanci)".
    static QString restoreCaption(const QString& mode, const QDateTime& changed, qint64 launches);
    // Shows RESTORE, and RESTORE2 for a second caption; hidden until then.
    void offerRestore(const QStringList& captions);
    QPushButton* restoreButton(int offer = 0) const { return m_restore[offer == 0 ? 0 : 1]; }

public slots:
    void Button1Click(); // "Pro"
    void Button2Click(); // "Easy"
    void RESTOREClick();
    void RESTORE2Click();

signals:
    void proChosen();
    void easyChosen();
    // `offer`: 0 for RESTORE, 1 for RESTORE2.
    void restoreChosen(int offer);
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* m_restore[2] = {};
    QCheckBox* m_signs = nullptr; // "Segni oltre ai colori", remembered
};

} // namespace rotamind
