#include "history/ReplaceSeriesCommand.h"

namespace rotamind {

ReplaceSeriesCommand::ReplaceSeriesCommand(WorkingSession& session, const QString& text,
                                           std::vector<Replacement> replacements)
    : QUndoCommand(text), m_session(session), m_replacements(std::move(replacements)) {}

void ReplaceSeriesCommand::redo() {
    swap();
}

void ReplaceSeriesCommand::undo() {
    swap();
}

void ReplaceSeriesCommand::swap() {
    const WorkingSession::ChangeScope change(m_session);
    for (Replacement& replacement : m_replacements) {
        Series& series = *replacement.series;
        std::vector<std::int8_t> shown(series.classes().begin(), series.classes().end());
        // An empty series is a reset, as the window's own reset makes it.
        if (replacement.classes.empty())
            m_session.clear(series);
        else
            m_session.load(series, std::move(replacement.classes));
        replacement.classes = std::move(shown);
    }
}

} // namespace rotamind
