#include "history/RegisterCommand.h"

#include "history/LaunchFields.h"

using namespace Qt::StringLiterals;

namespace rotamind {

RegisterCommand::RegisterCommand(WorkingSession& session, std::optional<Direction> direction)
    : QUndoCommand(u"registrazione di "_s + session.entry().number), m_session(session),
      m_direction(direction), m_before(session.entry()) {}

Direction RegisterCommand::launchDirection() const {
    return m_direction.value_or(m_before.direction.value_or(Direction::Clockwise));
}

void RegisterCommand::redo() {
    const WorkingSession::ChangeScope change(m_session);
    // From the entry as it was at the press, the same launch gives the same
    // class, the same last numbers and the same selector as the first time.
    if (m_done)
        m_session.restoreEntry(launchFields(m_before, m_session.entry()));
    const qsizetype countBefore = m_session.seriesFor(launchDirection()).count();
    if (m_direction)
        m_session.registerLaunch(*m_direction);
    else
        m_session.pressRegister();
    m_withClass = m_session.seriesFor(launchDirection()).count() > countBefore;
    m_done = true;
}

void RegisterCommand::undo() {
    const WorkingSession::ChangeScope change(m_session);
    m_session.takeBackLaunch(launchDirection(), m_withClass);
    m_session.restoreEntry(launchFields(m_before, m_session.entry()));
}

} // namespace rotamind
