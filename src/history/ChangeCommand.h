#pragma once

#include "session/WorkingSession.h"

#include <QUndoCommand>

#include <memory>
#include <vector>

namespace rotamind {

// One change of a session as its series told it, to take back and make
// again: the series' changes in their order, and the fields of the entry the
// player's command is about, as they were before and after.
class ChangeCommand final : public QUndoCommand {
public:
    struct Step {
        int series; // WorkingSession::seriesAt
        SeriesChange change;
        // A whole series replaced: what the change put there, kept while undone.
        std::shared_ptr<const SeriesContents> after{};
    };
    // Which fields of the entry go back and forth with the change: none, those
    // of a launch (number, direction, n1, n2, P) or those of a delete of the
    // last launch (direction, n1, n2). The rest stays as the player left it.
    enum class EntryFields { None, Launch, LastTwo };

    // The change is already made: the first redo, which QUndoStack::push runs,
    // does nothing.
    ChangeCommand(WorkingSession& session, const QString& text, EntryFields fields,
                  LaunchEntry before, LaunchEntry after, std::vector<Step> steps);

    void undo() override;
    void redo() override;

private:
    void putEntry(const LaunchEntry& from);

    WorkingSession& m_session;
    EntryFields m_fields;
    LaunchEntry m_before;
    LaunchEntry m_after;
    std::vector<Step> m_steps;
    bool m_made = true;
};

} // namespace rotamind
