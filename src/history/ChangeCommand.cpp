#include "history/ChangeCommand.h"

namespace rotamind {

ChangeCommand::ChangeCommand(WorkingSession& session, const QString& text, EntryFields fields,
                             LaunchEntry before, LaunchEntry after, std::vector<Step> steps)
    : QUndoCommand(text), m_session(session), m_fields(fields), m_before(std::move(before)),
      m_after(std::move(after)), m_steps(std::move(steps)) {}

void ChangeCommand::putEntry(const LaunchEntry& from) {
    if (m_fields == EntryFields::None)
        return;
    LaunchEntry entry = m_session.entry();
    if (m_fields == EntryFields::Launch) {
        entry.number = from.number;
        entry.lastNumber = from.lastNumber;
    }
    entry.n1 = from.n1;
    entry.n2 = from.n2;
    // A selector that had no choice yet cannot be emptied on screen: it keeps
    // the one it has.
    if (from.direction)
        entry.direction = from.direction;
    m_session.restoreEntry(entry);
}

void ChangeCommand::undo() {
    const WorkingSession::ChangeScope scope(m_session);
    for (auto step = m_steps.rbegin(); step != m_steps.rend(); ++step) {
        Series& series = m_session.seriesAt(step->series);
        if (step->change.kind == SeriesChange::Kind::Replaced)
            step->after = std::make_shared<const SeriesContents>(series.contents());
        m_session.apply(series, inverse(step->change), step->change.previous.get());
    }
    putEntry(m_before);
}

void ChangeCommand::redo() {
    if (std::exchange(m_made, false))
        return;
    const WorkingSession::ChangeScope scope(m_session);
    for (Step& step : m_steps) {
        m_session.apply(m_session.seriesAt(step.series), step.change, step.after.get());
        step.after.reset();
    }
    putEntry(m_after);
}

} // namespace rotamind
