#pragma once

#include "session/WorkingSession.h"

namespace rotamind {

// The EASY session: every launch, whatever its direction, goes into the
// current series; the saved series beside it is only ever loaded or cleared.
class EasySession final : public WorkingSession {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EasySession)

public:
    explicit EasySession(LaunchEntry initial, QObject* parent = nullptr);

    Series& seriesFor(Direction) override { return m_current; }
    Series& seriesAt(int index) override { return index == 0 ? m_current : m_saved; }
    using WorkingSession::seriesAt;
    Series& current() { return m_current; }
    Series& saved() { return m_saved; }
    const Series& current() const { return m_current; }
    const Series& saved() const { return m_saved; }

    // Delete last of the current series, which selects "O" as PRO's clockwise list does.
    void deleteLastOfCurrent() { deleteLast(m_current, Direction::Clockwise); }

private:
    Series m_current;
    Series m_saved;
};

} // namespace rotamind
