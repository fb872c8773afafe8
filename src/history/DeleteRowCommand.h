#pragma once

#include "session/WorkingSession.h"

#include <QUndoCommand>

#include <cstdint>

namespace rotamind {

// One row of a series of two or more deleted by a double click on the list.
class DeleteRowCommand final : public QUndoCommand {
public:
    // `row` is 0 .. count-1 of `series`.
    DeleteRowCommand(WorkingSession& session, Series& series, qsizetype row);

    void redo() override;
    void undo() override;

private:
    WorkingSession& m_session;
    Series& m_series;
    qsizetype m_row;
    std::int8_t m_class;
};

} // namespace rotamind
