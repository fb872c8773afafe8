#pragma once

#include "history/ChangeCommand.h"
#include "session/WorkingSession.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <array>
#include <vector>

namespace rotamind {

// The undo stack of a working session. It follows the session's change
// stream: every change that touches a series, whoever asked for it, becomes
// one command, named after the operation that made it ("registrazione di
// 17"). Nothing can change a series past it, so the stack always fits the
// session. A session restored from the archive starts the stack afresh.
class SessionHistory final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionHistory)

public:
    // How the window calls its series, with the article, for the texts of
    // resets and loads: {"degli spin orari", "degli spin antiorari"}. Empty:
    // the texts name no series.
    using SeriesNames = std::array<QString, WorkingSession::kSeriesCount>;

    // At most this many changes are kept; older ones can no longer be undone.
    static constexpr int kUndoLimit = 1000;

    explicit SessionHistory(WorkingSession& session, SeriesNames names = {},
                            QObject* parent = nullptr);

    const QUndoStack& stack() const { return m_stack; }
    // What undo and redo would take back or make again ("registrazione di 17"),
    // empty when there is nothing.
    QString undoText() const { return m_stack.undoText(); }
    QString redoText() const { return m_stack.redoText(); }

public slots:
    void undo();
    void redo();

signals:
    void canUndoChanged(bool canUndo);
    void canRedoChanged(bool canRedo);
    void undoTextChanged(const QString& text);
    void redoTextChanged(const QString& text);

private:
    void follow(int index, const SeriesChange& change);
    void finish();
    QString textOf(SessionOperation operation) const;
    QString named(const QString& what, int series) const;

    WorkingSession& m_session;
    SeriesNames m_names;
    QUndoStack m_stack;
    bool m_applying = false; // an undo or redo is running: its changes are no new command
    LaunchEntry m_before;
    std::vector<ChangeCommand::Step> m_steps;
};

} // namespace rotamind
