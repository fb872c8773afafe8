#pragma once

#include "session/WorkingSession.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace rotamind {

// The undo stack of a working session. A window's handler calls the
// operation here instead of the session's: the change is made the same way
// and can be taken back. A change of a series made past this class leaves
// the older commands with nothing sound to undo, so the stack is emptied then.
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

    // The operations of WorkingSession, each one change on the stack. Those
    // that change no series (no number or no direction for "REGISTRA", a
    // series too short to lose a launch, an empty series reset) run without
    // leaving a command.
    void pressRegister();
    void registerLaunch(Direction direction);
    void deleteLast(Series& series, Direction seriesDirection);
    void deleteAt(Series& series, std::optional<qsizetype> row);
    void clear(Series& series);
    // Every series of the session emptied in one change ("Azzera sessione" of PRO).
    void clearAll();
    void load(Series& series, std::vector<std::int8_t> classes);

public slots:
    void undo();
    void redo();

signals:
    void canUndoChanged(bool canUndo);
    void canRedoChanged(bool canRedo);
    void undoTextChanged(const QString& text);
    void redoTextChanged(const QString& text);

private:
    // Marks the series changes made from here, those that keep the stack.
    class Applying;
    void push(QUndoCommand* command);
    void seriesChanged();
    QString named(const QString& what, const Series& series) const;

    WorkingSession& m_session;
    SeriesNames m_names;
    QUndoStack m_stack;
    int m_applying = 0;
};

} // namespace rotamind
