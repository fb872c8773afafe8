#pragma once

#include "session/WorkingSession.h"

#include <QUndoCommand>

#include <optional>

namespace rotamind {

// One launch registered: by "REGISTRA" (the selector flips and the entry
// empties) or by a direction's own command (only the launch).
class RegisterCommand final : public QUndoCommand {
public:
    // `direction` is the direction's own command; none is "REGISTRA", which
    // needs a number and a selected direction in the entry.
    RegisterCommand(WorkingSession& session, std::optional<Direction> direction);

    void redo() override;
    void undo() override;

private:
    Direction launchDirection() const;

    WorkingSession& m_session;
    std::optional<Direction> m_direction;
    LaunchEntry m_before;
    bool m_withClass = false;
    bool m_done = false;
};

} // namespace rotamind
