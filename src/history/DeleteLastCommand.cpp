#include "history/DeleteLastCommand.h"

#include "history/LaunchFields.h"

using namespace Qt::StringLiterals;

namespace rotamind {

DeleteLastCommand::DeleteLastCommand(WorkingSession& session, Series& series,
                                     Direction seriesDirection)
    : QUndoCommand(u"eliminazione dell'ultimo inserimento"_s), m_session(session), m_series(series),
      m_seriesDirection(seriesDirection),
      m_class(static_cast<std::int8_t>(series.classAt(series.count() - 1))),
      m_n1(session.entry().n1), m_n2(session.entry().n2), m_direction(session.entry().direction) {}

void DeleteLastCommand::restoreFields() {
    // The number being typed is no part of the delete: it stays.
    LaunchEntry entry = m_session.entry();
    entry.n1 = m_n1;
    entry.n2 = m_n2;
    entry.direction = m_direction;
    m_session.restoreEntry(launchFields(entry, m_session.entry()));
}

void DeleteLastCommand::redo() {
    const WorkingSession::ChangeScope change(m_session);
    // n2 becomes "??" and n1 takes the old n2: only the same n1 and n2 give
    // the same result again.
    if (m_done)
        restoreFields();
    m_session.deleteLast(m_series, m_seriesDirection);
    m_done = true;
}

void DeleteLastCommand::undo() {
    const WorkingSession::ChangeScope change(m_session);
    m_session.insertAt(m_series, m_series.count(), m_class);
    restoreFields();
}

} // namespace rotamind
