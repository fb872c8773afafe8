#pragma once

#include <QDateTime>
#include <QWidget>

class QPushButton;

namespace rotamind {

// The launcher, the program's main window: the title picture and the two
// buttons that open a working mode. Once a mode is chosen it stays hidden.
// When the last run left a session with launches not saved to a file, the
// button RESTORE offers it beside the two modes, blocking neither.
class TINTRO final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TINTRO)

public:
    explicit TINTRO(QWidget* parent = nullptr);

    // "Ripristina sessione del 09-12-2026 ore 21:14 (143 lanci)".
    static QString restoreCaption(const QDateTime& changed, qint64 launches);
    // Shows RESTORE with `caption`; hidden until then.
    void offerRestore(const QString& caption);
    QPushButton* restoreButton() const { return m_restore; }

public slots:
    void Button1Click(); // "Pro"
    void Button2Click(); // "Easy"
    void RESTOREClick();

signals:
    void proChosen();
    void easyChosen();
    void restoreChosen();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* m_restore = nullptr;
};

} // namespace rotamind
