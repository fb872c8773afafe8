#include "ui/parts/TwoCharacterField.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace rotamind {

TwoCharacterField::TwoCharacterField(QComboBox* combo) : QObject(combo), m_combo(combo) {
    m_combo->installEventFilter(this);
    m_combo->lineEdit()->installEventFilter(this);
}

bool TwoCharacterField::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && watched == m_combo && !m_combo->hasFocus()) {
        event->ignore();
        return true;
    }
    // Typed keys reach the drop-down first, which hands them to its line edit
    // without passing them through the edit's filters; watch both.
    if (event->type() == QEvent::KeyPress) {
        QLineEdit* edit = m_combo->lineEdit();
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
        // "??" is the placeholder REGISTRA leaves behind; the next number replaces it.
        if (printable && edit->text() == u"??" && !edit->hasSelectedText())
            edit->clear();
    }
    return false;
}

} // namespace rotamind
