#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class QAction;
class QToolButton;
class QWidget;

namespace rotamind {

class SessionHistory;

// Undo and redo in a working window: the buttons UNDO ("Annulla") and REDO
// ("Ripeti"), enabled while there is something to take back or make again,
// with hints naming it, and Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z from whatever
// control has the focus. The window's text fields would take those keys for
// their own text undo; they give them up to the window.
class UndoControls final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UndoControls)

public:
    // Made once the window's fields exist; the undo button's corner in
    // client pixels, the redo button beside it.
    UndoControls(QWidget* window, SessionHistory& history, QPoint undoAt);

signals:
    // An undo or redo was made, by key or button: the entry shows again what
    // it held then.
    void applied();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isUndoOrRedoKey(const QEvent* event) const;
    void showUndo();
    void showRedo();
    static void show(QAction& action, QToolButton& button, bool can, const QString& tip);

    SessionHistory& m_history;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QToolButton* m_undoButton = nullptr;
    QToolButton* m_redoButton = nullptr;
    QString m_undoKeys; // "Ctrl+Z", as the hint shows it
    QString m_redoKeys;
};

} // namespace rotamind
