#include "ui/toolkit/DirectionLock.h"

#include <QRadioButton>

namespace rotamind {

DirectionLock::DirectionLock(QRadioButton* clockwise, QRadioButton* counterClockwise,
                             QObject* parent)
    : QObject(parent), m_clockwise(clockwise), m_counterClockwise(counterClockwise) {
    // toggled(true) comes after the button's exclusive partner has been
    // unchecked, so selecting the locked one from here leaves a consistent pair.
    for (QRadioButton* radio : {m_clockwise, m_counterClockwise})
        connect(radio, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                holdSelection();
        });
}

void DirectionLock::toggle(Direction direction) {
    if (m_locked == direction)
        m_locked.reset();
    else
        m_locked = direction;
    holdSelection();
}

void DirectionLock::holdSelection() {
    if (!m_locked)
        return;
    QRadioButton* wanted = *m_locked == Direction::Clockwise ? m_clockwise : m_counterClockwise;
    if (!wanted->isChecked())
        wanted->setChecked(true);
}

} // namespace rotamind
