#include "ui/views/UndoControls.h"

#include "history/SessionHistory.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/KeyTable.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {
QAction* makeAction(QWidget* window, const QList<QKeySequence>& keys) {
    auto* action = new QAction(window);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

// "Annulla: registrazione di 17 (Ctrl+Z)", or "Annulla (Ctrl+Z)" with nothing to name.
QString hint(const QString& verb, const QString& what, const QString& keys) {
    return (what.isEmpty() ? verb : verb + u": "_s + what) + u" ("_s + keys + u')';
}

QString keysOf(const QAction* action) {
    return keys::italianText(action->shortcut());
}
} // namespace

UndoControls::UndoControls(QWidget* window, SessionHistory& history, QPoint undoAt)
    : QObject(window), m_history(history) {
    m_undo = makeAction(window, {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m_redo = makeAction(window, {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // Written once: the hints change at every registration.
    m_undoKeys = keysOf(m_undo);
    m_redoKeys = keysOf(m_redo);
    // Two narrow buttons side by side, redo on the right.
    m_undoButton =
        controls::makeIconButton(window, u"UNDO"_s, u"undo"_s, {undoAt, QSize(16, 25)}, {});
    m_redoButton = controls::makeIconButton(window, u"REDO"_s, u"redo"_s,
                                            {undoAt + QPoint(17, 0), QSize(16, 25)}, {});
    connect(m_undo, &QAction::triggered, &history, &SessionHistory::undo);
    connect(m_redo, &QAction::triggered, &history, &SessionHistory::redo);
    connect(m_undoButton, &QToolButton::clicked, &history, &SessionHistory::undo);
    connect(m_redoButton, &QToolButton::clicked, &history, &SessionHistory::redo);
    // After the change itself, which was connected first.
    connect(m_undo, &QAction::triggered, this, &UndoControls::applied);
    connect(m_redo, &QAction::triggered, this, &UndoControls::applied);
    connect(m_undoButton, &QToolButton::clicked, this, &UndoControls::applied);
    connect(m_redoButton, &QToolButton::clicked, this, &UndoControls::applied);
    connect(&history, &SessionHistory::canUndoChanged, this, &UndoControls::showUndo);
    connect(&history, &SessionHistory::undoTextChanged, this, &UndoControls::showUndo);
    connect(&history, &SessionHistory::canRedoChanged, this, &UndoControls::showRedo);
    connect(&history, &SessionHistory::redoTextChanged, this, &UndoControls::showRedo);
    showUndo();
    showRedo();
    for (QWidget* field : window->findChildren<QWidget*>())
        if (qobject_cast<QLineEdit*>(field) || qobject_cast<QComboBox*>(field))
            field->installEventFilter(this);
}

void UndoControls::showUndo() {
    show(*m_undo, *m_undoButton, m_history.stack().canUndo(),
         hint(QCoreApplication::translate("UndoControls", "Annulla"), m_history.undoText(),
              m_undoKeys));
}

void UndoControls::showRedo() {
    show(*m_redo, *m_redoButton, m_history.stack().canRedo(),
         hint(QCoreApplication::translate("UndoControls", "Ripeti"), m_history.redoText(),
              m_redoKeys));
}

void UndoControls::show(QAction& action, QToolButton& button, bool can, const QString& tip) {
    action.setEnabled(can);
    button.setEnabled(can);
    button.setToolTip(tip);
}

bool UndoControls::isUndoOrRedoKey(const QEvent* event) const {
    const QKeySequence pressed(static_cast<const QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : {m_undo, m_redo})
        if (action->shortcuts().contains(pressed))
            return true;
    return false;
}

bool UndoControls::eventFilter(QObject* watched, QEvent* event) {
    // A field that accepts the override keeps the keys from the window's
    // shortcuts; ignored here, they go on to the shortcut instead. The key
    // press that follows when there is nothing to undo is swallowed too, so
    // the keys never undo typing in one field and changes in another.
    if (event->type() == QEvent::ShortcutOverride && isUndoOrRedoKey(event)) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress && isUndoOrRedoKey(event))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace rotamind
