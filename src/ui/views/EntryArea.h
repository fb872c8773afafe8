#pragma once

#include "wheel/Wheel.h"

#include <QObject>
#include <QString>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace rotamind {

class WorkingSession;

// The number entry of a working window, the same in PRO and EASY: Combo1 (the
// number, "??" for none), the direction selector Radio1 "O" / Radio2 "A",
// "REGISTRA" (Button11) and the last two numbers n1, n2 under Label43.
// Enter in Combo1 presses "REGISTRA". The fields show the session's entry and
// hand the player's edits to it.
class EntryArea final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EntryArea)

public:
    EntryArea(QWidget* window, WorkingSession& session);

    QComboBox* entry() const { return m_entry; }
    QRadioButton* radio(Direction direction) const;
    QPushButton* registerButton() const { return m_register; }

private:
    void showEntry();

    WorkingSession& m_session;
    QComboBox* m_entry = nullptr;
    std::array<QRadioButton*, 2> m_directions{}; // clockwise, counter-clockwise
    QPushButton* m_register = nullptr;
    std::array<QComboBox*, 2> m_lastNumbers{}; // n1, n2
};

} // namespace rotamind
