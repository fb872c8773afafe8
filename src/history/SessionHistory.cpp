#include "history/SessionHistory.h"

#include "history/DeleteLastCommand.h"
#include "history/DeleteRowCommand.h"
#include "history/RegisterCommand.h"
#include "history/ReplaceSeriesCommand.h"

using namespace Qt::StringLiterals;

namespace rotamind {

class SessionHistory::Applying final {
public:
    explicit Applying(SessionHistory& history) : m_history(history) { ++m_history.m_applying; }
    ~Applying() { --m_history.m_applying; }
    Applying(const Applying&) = delete;
    Applying& operator=(const Applying&) = delete;

private:
    SessionHistory& m_history;
};

SessionHistory::SessionHistory(WorkingSession& session, SeriesNames names, QObject* parent)
    : QObject(parent), m_session(session), m_names(std::move(names)) {
    m_stack.setUndoLimit(kUndoLimit);
    connect(&m_stack, &QUndoStack::canUndoChanged, this, &SessionHistory::canUndoChanged);
    connect(&m_stack, &QUndoStack::canRedoChanged, this, &SessionHistory::canRedoChanged);
    connect(&m_stack, &QUndoStack::undoTextChanged, this, &SessionHistory::undoTextChanged);
    connect(&m_stack, &QUndoStack::redoTextChanged, this, &SessionHistory::redoTextChanged);
    for (int index = 0; index < WorkingSession::kSeriesCount; ++index) {
        const Series* series = &session.seriesAt(index);
        connect(series, &Series::rowsInserted, this, &SessionHistory::seriesChanged);
        connect(series, &Series::rowsRemoved, this, &SessionHistory::seriesChanged);
        connect(series, &Series::modelReset, this, &SessionHistory::seriesChanged);
    }
}

void SessionHistory::seriesChanged() {
    if (m_applying == 0)
        m_stack.clear();
}

void SessionHistory::push(QUndoCommand* command) {
    m_stack.push(command); // runs the command's first redo
}

void SessionHistory::undo() {
    const Applying applying(*this);
    m_stack.undo();
}

void SessionHistory::redo() {
    const Applying applying(*this);
    m_stack.redo();
}

QString SessionHistory::named(const QString& what, const Series& series) const {
    const int index = m_session.indexOf(series);
    const QString name = index >= 0 ? m_names[static_cast<std::size_t>(index)] : QString();
    return name.isEmpty() ? what : what + u' ' + name;
}

void SessionHistory::pressRegister() {
    const Applying applying(*this);
    const LaunchEntry& entry = m_session.entry();
    if (entry.number == WorkingSession::noNumber() || !entry.direction) {
        m_session.pressRegister();
        return;
    }
    push(new RegisterCommand(m_session, std::nullopt));
}

void SessionHistory::registerLaunch(Direction direction) {
    const Applying applying(*this);
    push(new RegisterCommand(m_session, direction));
}

void SessionHistory::deleteLast(Series& series, Direction seriesDirection) {
    const Applying applying(*this);
    if (series.count() < 2) {
        m_session.deleteLast(series, seriesDirection);
        return;
    }
    push(new DeleteLastCommand(m_session, series, seriesDirection));
}

void SessionHistory::deleteAt(Series& series, std::optional<qsizetype> row) {
    const Applying applying(*this);
    if (series.count() < 2 || !row || *row < 0 || *row >= series.count()) {
        m_session.deleteAt(series, row);
        return;
    }
    push(new DeleteRowCommand(m_session, series, *row));
}

void SessionHistory::clear(Series& series) {
    const Applying applying(*this);
    if (series.isEmpty()) {
        m_session.clear(series);
        return;
    }
    push(new ReplaceSeriesCommand(m_session, named(u"azzeramento"_s, series),
                                  {{.series = &series, .classes = {}}}));
}

void SessionHistory::clearAll() {
    const Applying applying(*this);
    std::vector<ReplaceSeriesCommand::Replacement> replacements;
    for (int index = 0; index < WorkingSession::kSeriesCount; ++index)
        if (Series& series = m_session.seriesAt(index); !series.isEmpty())
            replacements.push_back({.series = &series, .classes = {}});
    if (replacements.empty())
        return;
    push(new ReplaceSeriesCommand(m_session, u"azzeramento della sessione"_s,
                                  std::move(replacements)));
}

void SessionHistory::load(Series& series, std::vector<std::int8_t> classes) {
    const Applying applying(*this);
    push(new ReplaceSeriesCommand(m_session, named(u"caricamento"_s, series),
                                  {{.series = &series, .classes = std::move(classes)}}));
}

} // namespace rotamind
