#pragma once

#include "session/WorkingSession.h"

#include <QUndoCommand>

#include <cstdint>

namespace rotamind {

// The last launch of a series of two or more deleted with its button: the
// class leaves the series, n1 steps back to n2 and the series' direction is
// selected.
class DeleteLastCommand final : public QUndoCommand {
public:
    DeleteLastCommand(WorkingSession& session, Series& series, Direction seriesDirection);

    void redo() override;
    void undo() override;

private:
    // The fields the delete changes, as they were before it.
    void restoreFields();

    WorkingSession& m_session;
    Series& m_series;
    Direction m_seriesDirection;
    std::int8_t m_class;
    QString m_n1;
    QString m_n2;
    std::optional<Direction> m_direction;
    bool m_done = false;
};

} // namespace rotamind
