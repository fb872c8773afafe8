#pragma once

#include <QDialog>

namespace rotamind {

// "ATTENZIONE!": asks before the whole PRO session is cleared. "Si" asks for
// the reset (confirmed()) and closes; "No" only closes.
class TAZZERAPRO final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAZZERAPRO)

public:
    explicit TAZZERAPRO(QWidget* parent = nullptr);

public slots:
    void Button1Click();
    void Button2Click();

signals:
    void confirmed();
};

} // namespace rotamind
