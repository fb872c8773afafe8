#include "ui/toolkit/TwoCharacterField.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace rotamind {

TwoCharacterField::TwoCharacterField(QComboBox* combo)
    : QObject(combo), m_combo(combo), m_edit(combo->lineEdit()) {
    m_combo->installEventFilter(this);
    m_edit->installEventFilter(this);
}

bool TwoCharacterField::eventFilter(QObject* watched, QEvent* event) {
    // Events keep coming while the drop-down is taken apart: only the
    // pointers kept from its making are used here, never its functions.
    QLineEdit* edit = m_edit;
    switch (event->type()) {
    case QEvent::Wheel:
        // A wheel turned to scroll the window, or by accident, must never
        // change a number: the next launch would be classified against it.
        event->ignore();
        return true;
    case QEvent::MouseButtonPress:
        // A click puts the cursor in and selects the whole number, so that the
        // number typed next replaces it ("18", a click, 5: "5", not "158").
        if (watched == edit && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            edit->setFocus(Qt::MouseFocusReason);
            edit->selectAll();
            return true;
        }
        return false;
    case QEvent::MouseButtonDblClick:
        return watched == edit;
    case QEvent::KeyPress: {
        // Typed keys reach the drop-down first, which hands them to its line
        // edit without passing them through the edit's filters; watch both.
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
        // "??" is the placeholder REGISTRA leaves behind; the next number replaces it.
        if (printable && edit->text() == u"??" && !edit->hasSelectedText())
            edit->clear();
        return false;
    }
    default:
        return false;
    }
}

} // namespace rotamind
