#pragma once

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QPointer>

#include <span>

class QComboBox;
class QWidget;

namespace rotamind {

// A key that does what clicking a control does; `control` is its objectName.
struct CommandKey {
    const char* control;
    const char* keys; // portable text, "Alt+O"
};

// Keeps a working window usable at the pace of a live table. Whatever the
// player clicks or presses, the cursor goes back to the number entry with its
// text selected, so the next number typed replaces it and Enter registers it:
// a click must never leave the keyboard on a button (Enter would press it
// again) or on a list (digits would select items). Fields the player is
// typing in keep the focus while being edited. Every command also gets a
// key, shown after its hint; Tab visits the controls row by row, left to
// right.
class KeyboardFlow final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyboardFlow)

public:
    KeyboardFlow(QWidget* window, QComboBox* entry);

    // Each key clicks its control; unknown names are skipped.
    void addKeys(std::span<const CommandKey> keys);
    // The keys the program's key table gives the controls of this window.
    void addTableKeys();
    // Puts the cursor into the entry with its whole text selected.
    void returnToEntry();
    // The key that clicks `control`, empty when none.
    QKeySequence keyOf(const QWidget* control) const { return m_keys.value(control); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs once, at the first showing, when every control of the window exists.
    void adoptControls();
    void orderTabs();

    QWidget* m_window;
    QPointer<QComboBox> m_entry;
    QHash<const QWidget*, QKeySequence> m_keys;
    bool m_adopted = false;
};

} // namespace rotamind
