#pragma once

#include "session/WorkingSession.h"

#include <QUndoCommand>

#include <cstdint>
#include <vector>

namespace rotamind {

// A reset or a load: whole series replaced at once. Each series' other
// contents are kept, one byte a launch, and swapped with what it holds at
// every undo and redo, so the command never holds more than one copy.
class ReplaceSeriesCommand final : public QUndoCommand {
public:
    struct Replacement {
        Series* series;
        std::vector<std::int8_t> classes; // what the series is to hold; empty: cleared
    };

    ReplaceSeriesCommand(WorkingSession& session, const QString& text,
                         std::vector<Replacement> replacements);

    void redo() override;
    void undo() override;

private:
    void swap();

    WorkingSession& m_session;
    std::vector<Replacement> m_replacements;
};

} // namespace rotamind
