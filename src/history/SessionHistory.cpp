#include "history/SessionHistory.h"

using namespace Qt::StringLiterals;

#include <QCoreApplication>

namespace rotamind {

namespace {
using Kind = SessionOperation::Kind;
} // namespace

SessionHistory::SessionHistory(WorkingSession& session, SeriesNames names, QObject* parent)
    : QObject(parent), m_session(session), m_names(std::move(names)) {
    m_stack.setUndoLimit(kUndoLimit);
    connect(&m_stack, &QUndoStack::canUndoChanged, this, &SessionHistory::canUndoChanged);
    connect(&m_stack, &QUndoStack::canRedoChanged, this, &SessionHistory::canRedoChanged);
    connect(&m_stack, &QUndoStack::undoTextChanged, this, &SessionHistory::undoTextChanged);
    connect(&m_stack, &QUndoStack::redoTextChanged, this, &SessionHistory::redoTextChanged);
    connect(&session, &WorkingSession::changeStarted, this, [this] {
        m_before = m_session.entry();
        m_steps.clear();
    });
    connect(&session, &WorkingSession::seriesChanged, this, &SessionHistory::follow);
    connect(&session, &WorkingSession::changeFinished, this, &SessionHistory::finish);
}

void SessionHistory::follow(int index, const SeriesChange& change) {
    if (m_applying)
        return;
    // Emptying what is already empty changes nothing that could be taken back.
    if (change.kind == SeriesChange::Kind::Replaced && change.cause == SeriesChange::Cause::Reset &&
        change.previous && *change.previous == SeriesContents{})
        return;
    m_steps.push_back({.series = index, .change = change});
}

void SessionHistory::finish() {
    if (m_applying || m_steps.empty())
        return;
    std::vector<ChangeCommand::Step> steps = std::exchange(m_steps, {});
    SessionOperation operation = m_session.operation();
    if (operation.kind == Kind::Restore) {
        m_stack.clear();
        return;
    }
    using Fields = ChangeCommand::EntryFields;
    const Fields fields = operation.kind == Kind::Register     ? Fields::Launch
                          : operation.kind == Kind::DeleteLast ? Fields::LastTwo
                                                               : Fields::None;
    // A change that named no operation (a series changed directly) is named
    // after what its first step did.
    if (operation.kind == Kind::None) {
        const ChangeCommand::Step& first = steps.front();
        const SeriesChange& change = first.change;
        operation.series = first.series;
        operation.row = change.row;
        switch (change.kind) {
        case SeriesChange::Kind::Inserted:
            operation.kind = Kind::Insert;
            break;
        case SeriesChange::Kind::Removed:
            operation.kind = Kind::DeleteRow;
            break;
        case SeriesChange::Kind::Replaced:
            operation.kind = change.cause == SeriesChange::Cause::Reset ? Kind::Clear : Kind::Load;
            break;
        case SeriesChange::Kind::RegisteredWithoutClass:
        case SeriesChange::Kind::WithdrawnWithoutClass:
            operation.kind = Kind::Register;
            operation.number = change.launch ? change.launch->number : QString();
            break;
        }
    }
    m_stack.push(new ChangeCommand(m_session, textOf(operation), fields, m_before,
                                   m_session.entry(), std::move(steps)));
}

QString SessionHistory::textOf(SessionOperation operation) const {
    switch (operation.kind) {
    case Kind::Register:
        return QCoreApplication::translate("SessionHistory", "registrazione di %1")
            .arg(operation.number);
    case Kind::DeleteLast:
        return QCoreApplication::translate("SessionHistory",
                                           "eliminazione dell'ultimo inserimento");
    case Kind::DeleteRow:
        return QCoreApplication::translate("SessionHistory", "eliminazione della riga %1")
            .arg(operation.row + 1);
    case Kind::Insert:
        return QCoreApplication::translate("SessionHistory", "inserimento alla riga %1")
            .arg(operation.row + 1);
    case Kind::Clear:
        return named(u"azzeramento"_s, operation.series);
    case Kind::ClearAll:
        return QCoreApplication::translate("SessionHistory", "azzeramento della sessione");
    case Kind::Load:
        return named(u"caricamento"_s, operation.series);
    case Kind::None:
    case Kind::Restore:
        break;
    }
    return {};
}

QString SessionHistory::named(const QString& what, int series) const {
    const QString name = series >= 0 && series < WorkingSession::kSeriesCount
                             ? m_names[static_cast<std::size_t>(series)]
                             : QString();
    return name.isEmpty() ? what : what + u' ' + name;
}

void SessionHistory::undo() {
    m_applying = true;
    m_stack.undo();
    m_applying = false;
}

void SessionHistory::redo() {
    m_applying = true;
    m_stack.redo();
    m_applying = false;
}

} // namespace rotamind
