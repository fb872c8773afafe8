#include "session/ProSession.h"

namespace rotamind {

ProSession::ProSession(LaunchEntry initial, QObject* parent)
    : WorkingSession(std::move(initial), parent) {
    followSeries();
}

Series& ProSession::seriesFor(Direction direction) {
    return direction == Direction::Clockwise ? m_clockwise : m_counterClockwise;
}

const Series& ProSession::seriesFor(Direction direction) const {
    return direction == Direction::Clockwise ? m_clockwise : m_counterClockwise;
}

void ProSession::resetAll() {
    const ChangeScope change(*this, {.kind = SessionOperation::Kind::ClearAll});
    clear(m_clockwise);
    clear(m_counterClockwise);
}

} // namespace rotamind
