#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QFileDialog;
class QWidget;

namespace rotamind {

// One of a window's file dialogs, made the first time it is needed and kept
// from then on. It opens where a file was last chosen by any dialog of its
// window in this run. A QFileDialog costs a
// folder scan, a watcher thread and some forty widgets; the windows keep eleven
// of them and a session opens few, if any.
class LazyFileDialog final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LazyFileDialog)

public:
    // Makes the dialog as a child of the window it is given.
    using Maker = std::function<QFileDialog*(QWidget* window)>;

    LazyFileDialog(QWidget* window, Maker maker);
    ~LazyFileDialog() override;

    QFileDialog& dialog();
    // So that a window hands `*m_save1` to whatever takes a QFileDialog&.
    operator QFileDialog&() { return dialog(); }

private:
    QWidget* m_window;
    Maker m_maker;
    QPointer<QFileDialog> m_dialog;
};

} // namespace rotamind
