#pragma once

#include "session/WorkingSession.h"

namespace rotamind {

// The PRO session: clockwise and counter-clockwise launches in two series.
class ProSession final : public WorkingSession {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProSession)

public:
    explicit ProSession(LaunchEntry initial, QObject* parent = nullptr);

    Series& seriesFor(Direction direction) override;
    const Series& seriesFor(Direction direction) const;
    Series& seriesAt(int index) override { return index == 0 ? m_clockwise : m_counterClockwise; }
    using WorkingSession::seriesAt;

    // "Azzera sessione": both series emptied, the entry left as it is.
    void resetAll();

private:
    Series m_clockwise;
    Series m_counterClockwise;
};

} // namespace rotamind
