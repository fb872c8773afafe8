#pragma once

#include <QWidget>

namespace rotamind {

// The launcher, the program's main window: the title picture and the two
// buttons that open a working mode. Once a mode is chosen it stays hidden.
class TINTRO final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TINTRO)

public:
    explicit TINTRO(QWidget* parent = nullptr);

public slots:
    void Button1Click(); // "Pro"
    void Button2Click(); // "Easy"

signals:
    void proChosen();
    void easyChosen();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace rotamind
