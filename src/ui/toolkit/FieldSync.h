#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QString>

// A field shows a session's text without disturbing what the player is typing:
// it is written only when it differs, so its cursor and selection stay put
// while the session merely echoes the field's own edit.
namespace rotamind::fields {

inline void show(QComboBox* field, const QString& text) {
    if (field->currentText() != text)
        field->setEditText(text);
}

inline void show(QLineEdit* field, const QString& text) {
    if (field->text() != text)
        field->setText(text);
}

} // namespace rotamind::fields
