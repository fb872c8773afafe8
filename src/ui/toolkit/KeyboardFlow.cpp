#include "ui/toolkit/KeyboardFlow.h"

#include "ui/toolkit/CommandTable.h"
#include "ui/toolkit/KeyHint.h"
#include "ui/toolkit/KeyTable.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace rotamind {

namespace {

// Controls whose tops differ by less than this stand in one row for Tab.
constexpr int kRowTolerance = 12;

bool isInsideComboBox(const QWidget* widget) {
    for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
        if (qobject_cast<const QComboBox*>(up))
            return true;
    return false;
}

// What Tab should stop at: the controls themselves, not the parts a drop-down
// is made of.
bool takesTabStop(const QWidget* widget) {
    if (isInsideComboBox(widget) || widget->focusProxy())
        return false;
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QTabBar*>(widget);
}

} // namespace

KeyboardFlow::KeyboardFlow(QWidget* window, QComboBox* entry)
    : QObject(window), m_window(window), m_entry(entry) {
    m_window->installEventFilter(this);
}

void KeyboardFlow::addKeys(std::span<const CommandKey> keys) {
    for (const CommandKey& key : keys) {
        auto* control = m_window->findChild<QAbstractButton*>(commands::tableText(key.control));
        if (!control)
            continue;
        const QKeySequence sequence(commands::tableText(key.keys), QKeySequence::PortableText);
        m_keys.insert(control, sequence);
        auto* action = new QAction(control);
        action->setShortcut(sequence);
        action->setShortcutContext(Qt::WindowShortcut);
        m_window->addAction(action);
        // A hidden control (the wide layout's buttons in the narrow window)
        // does nothing when clicked by a key: the player sees no such button.
        connect(action, &QAction::triggered, control, [control] {
            if (control->isVisibleTo(control->window()) && control->isEnabled())
                control->click();
        });
        showKeyInHint(control, sequence);
    }
}

void KeyboardFlow::addTableKeys() {
    std::vector<CommandKey> own;
    for (const keys::KeyRow& row : keys::table())
        if (const char* control = keys::controlIn(row, m_window->objectName()))
            own.push_back({control, row.keys});
    addKeys(own);
}

void KeyboardFlow::returnToEntry() {
    if (!m_entry)
        return;
    m_entry->setFocus(Qt::OtherFocusReason);
    m_entry->lineEdit()->selectAll();
}

void KeyboardFlow::adoptControls() {
    m_adopted = true;
    // Buttons and lists are reachable with Tab, never taken by a click; once
    // used, the entry has the keys again, queued behind the click's own work,
    // which may open a dialog and bring the focus back only when it closes.
    const auto adopt = [this](auto* control, auto used) {
        if (isInsideComboBox(control))
            return;
        control->setFocusPolicy(Qt::TabFocus);
        connect(control, used, this, &KeyboardFlow::returnToEntry, Qt::QueuedConnection);
    };
    for (QAbstractButton* button : m_window->findChildren<QAbstractButton*>())
        adopt(button, &QAbstractButton::clicked);
    for (QAbstractItemView* view : m_window->findChildren<QAbstractItemView*>())
        adopt(view, &QAbstractItemView::doubleClicked);
    // A choice made in a drop-down (with the mouse, or Enter) or Enter in a
    // text field ends there: the next digits are the next launch's.
    for (QComboBox* combo : m_window->findChildren<QComboBox*>())
        if (combo != m_entry)
            connect(combo, &QComboBox::activated, this, &KeyboardFlow::returnToEntry,
                    Qt::QueuedConnection);
    for (QLineEdit* field : m_window->findChildren<QLineEdit*>())
        if (!isInsideComboBox(field))
            connect(field, &QLineEdit::returnPressed, this, &KeyboardFlow::returnToEntry,
                    Qt::QueuedConnection);
    for (QTabBar* tabs : m_window->findChildren<QTabBar*>())
        tabs->setFocusPolicy(Qt::TabFocus);
    orderTabs();
}

void KeyboardFlow::orderTabs() {
    QList<QWidget*> stops;
    for (QWidget* widget : m_window->findChildren<QWidget*>())
        if (takesTabStop(widget) && widget->focusPolicy() & Qt::TabFocus)
            stops.append(widget);
    const auto place = [this](const QWidget* widget) {
        return widget->mapTo(m_window, QPoint(0, 0));
    };
    // Stable, so that controls at one place keep the order they were made in.
    std::stable_sort(stops.begin(), stops.end(), [&](const QWidget* a, const QWidget* b) {
        const QPoint pa = place(a);
        const QPoint pb = place(b);
        if (std::abs(pa.y() - pb.y()) >= kRowTolerance)
            return pa.y() < pb.y();
        return pa.x() < pb.x();
    });
    for (qsizetype i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}

bool KeyboardFlow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::Show) {
        if (!m_adopted)
            adoptControls();
        // After the window is really up: a focus set before is lost to the
        // window manager's activation on some desktops.
        QTimer::singleShot(0, this, &KeyboardFlow::returnToEntry);
    }
    return false;
}

} // namespace rotamind
