#pragma once

#include <QObject>

class QComboBox;
class QLineEdit;

namespace rotamind {

// Keeps a two-character drop-down quick to use at the table: typing into the
// "??" that stands for no number replaces it instead of being refused by the
// two-character limit, a click selects the whole number so that typing
// replaces it, and the mouse wheel never changes the number.
class TwoCharacterField final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TwoCharacterField)

public:
    explicit TwoCharacterField(QComboBox* combo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* m_combo;
    QLineEdit* m_edit;
};

} // namespace rotamind
