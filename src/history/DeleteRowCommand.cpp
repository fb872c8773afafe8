#include "history/DeleteRowCommand.h"

using namespace Qt::StringLiterals;

namespace rotamind {

DeleteRowCommand::DeleteRowCommand(WorkingSession& session, Series& series, qsizetype row)
    : QUndoCommand(u"eliminazione della riga "_s + QString::number(row + 1)), m_session(session),
      m_series(series), m_row(row), m_class(static_cast<std::int8_t>(series.classAt(row))) {}

void DeleteRowCommand::redo() {
    m_session.deleteAt(m_series, m_row);
}

void DeleteRowCommand::undo() {
    m_session.insertAt(m_series, m_row, m_class);
}

} // namespace rotamind
