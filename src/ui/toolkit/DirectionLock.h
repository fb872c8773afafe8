#pragma once

#include "wheel/Wheel.h"

#include <QObject>

#include <optional>

class QRadioButton;

namespace rotamind {

// The PRO direction lock. It stands for the two lock timers of the layout:
// Timer1 on means "A" is locked, Timer2 on means "O" is locked; at most one is
// on. Instead of re-selecting the locked direction on every tick, it reacts to
// the radio buttons: the moment the other direction becomes selected, the
// locked one is selected again, inside the same event. Idle, it costs nothing.
class DirectionLock final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DirectionLock)

public:
    DirectionLock(QRadioButton* clockwise, QRadioButton* counterClockwise, QObject* parent);

    // Turns the lock of that direction on, or off when it is the one on; a lock
    // of the other direction is released. Turning on selects the direction.
    void toggle(Direction direction);
    std::optional<Direction> locked() const { return m_locked; }
    bool timer1On() const { return m_locked == Direction::CounterClockwise; }
    bool timer2On() const { return m_locked == Direction::Clockwise; }

private:
    void holdSelection();

    QRadioButton* m_clockwise;
    QRadioButton* m_counterClockwise;
    std::optional<Direction> m_locked;
};

} // namespace rotamind
