#include "session/WorkingSession.h"

namespace rotamind {

WorkingSession::WorkingSession(LaunchEntry initial, QObject* parent)
    : QObject(parent), m_entry(initial), m_initial(std::move(initial)) {}

WorkingSession::~WorkingSession() = default;

WorkingSession::ChangeScope::ChangeScope(WorkingSession& session, SessionOperation operation)
    : m_session(session) {
    if (m_session.m_operation.kind == SessionOperation::Kind::None)
        m_session.m_operation = std::move(operation);
    if (m_session.m_changeDepth++ == 0)
        emit m_session.changeStarted();
}

WorkingSession::ChangeScope::~ChangeScope() {
    if (--m_session.m_changeDepth == 0) {
        emit m_session.changeFinished();
        m_session.m_operation = {};
    }
}

void WorkingSession::followSeries() {
    for (int index = 0; index < kSeriesCount; ++index)
        connect(&seriesAt(index), &Series::changed, this,
                [this, index](const SeriesChange& change) {
                    // A series changed directly is a change of the session all the same.
                    const ChangeScope scope(*this);
                    emit seriesChanged(index, change);
                });
}

int WorkingSession::indexOf(const Series& series) const {
    for (int index = 0; index < kSeriesCount; ++index)
        if (&seriesAt(index) == &series)
            return index;
    return -1;
}

const QString& WorkingSession::noNumber() {
    static const QString text = QStringLiteral("??");
    return text;
}

void WorkingSession::setField(QString LaunchEntry::*field, const QString& value) {
    if (m_entry.*field == value)
        return;
    const ChangeScope change(*this);
    m_entry.*field = value;
    emit entryChanged();
}

void WorkingSession::setNumber(const QString& number) {
    setField(&LaunchEntry::number, number);
}
void WorkingSession::setN1(const QString& number) {
    setField(&LaunchEntry::n1, number);
}
void WorkingSession::setN2(const QString& number) {
    setField(&LaunchEntry::n2, number);
}
void WorkingSession::setSite(const QString& site) {
    setField(&LaunchEntry::site, site);
}
void WorkingSession::setCroupier(const QString& croupier) {
    setField(&LaunchEntry::croupier, croupier);
}

void WorkingSession::setDirection(Direction direction) {
    if (m_entry.direction == direction)
        return;
    const ChangeScope change(*this);
    m_entry.direction = direction;
    emit entryChanged();
}

void WorkingSession::setLastNumber(const QString& number) {
    if (m_entry.lastNumber == number && m_entry.n1 == number)
        return;
    const ChangeScope change(*this);
    m_entry.lastNumber = number;
    m_entry.n1 = number;
    emit entryChanged();
}

void WorkingSession::pressRegister() {
    const ChangeScope change(*this,
                             {.kind = SessionOperation::Kind::Register, .number = m_entry.number});
    const QString number = m_entry.number;
    const std::optional<Direction> direction = m_entry.direction;
    const bool hasNumber = number != noNumber();
    if (hasNumber && direction)
        registerLaunch(*direction);
    if (hasNumber && !direction)
        emit directionMissing();
    else if (hasNumber && !pocketFromText(number))
        emit foreignNumberRegistered(number);
    // Registering never changes the selector, so this is what the player chose.
    const bool wasClockwise = hasNumber && direction == Direction::Clockwise;
    m_entry.direction = wasClockwise ? Direction::CounterClockwise : Direction::Clockwise;
    m_entry.lastNumber = number;
    m_entry.number = noNumber();
    emit entryChanged();
}

void WorkingSession::registerLaunch(Direction direction) {
    Series& series = seriesFor(direction);
    const ChangeScope change(*this, {.kind = SessionOperation::Kind::Register,
                                     .series = indexOf(series),
                                     .number = m_entry.number});
    const RegisteredLaunch launch{.number = m_entry.number, .direction = direction};
    m_entry.n2 = m_entry.n1;
    m_entry.n1 = m_entry.number;
    if (const auto distanceClass = classifyPair(direction, m_entry.n2, m_entry.n1)) {
        series.insertAt(series.count(), *distanceClass, 0, launch);
    } else {
        // Two pocket numbers without a class are the same number twice.
        const bool repeat = pocketFromText(m_entry.n2) && pocketFromText(m_entry.n1);
        series.registerWithoutClass(launch, repeat ? Series::NoClass::Repeat
                                                   : Series::NoClass::NoPocketNumber);
    }
    emit entryChanged();
}

void WorkingSession::deleteLast(Series& series, Direction seriesDirection) {
    const ChangeScope change(
        *this, {.kind = SessionOperation::Kind::DeleteLast, .series = indexOf(series)});
    // The last remaining launch of a series cannot be deleted this way.
    if (series.count() >= 2) {
        series.removeLast();
        m_entry.n1 = m_entry.n2;
        m_entry.n2 = noNumber();
    } else {
        series.confirmStatistics();
    }
    m_entry.direction = seriesDirection;
    emit entryChanged();
}

void WorkingSession::deleteAt(Series& series, std::optional<qsizetype> row) {
    const ChangeScope change(*this, {.kind = SessionOperation::Kind::DeleteRow,
                                     .series = indexOf(series),
                                     .row = row.value_or(0)});
    if (series.count() >= 2 && row)
        series.removeAt(*row);
    else
        series.confirmStatistics();
}

void WorkingSession::clear(Series& series) {
    const ChangeScope change(*this,
                             {.kind = SessionOperation::Kind::Clear, .series = indexOf(series)});
    series.clear();
}

void WorkingSession::load(Series& series, std::vector<std::int8_t> classes) {
    const ChangeScope change(*this,
                             {.kind = SessionOperation::Kind::Load, .series = indexOf(series)});
    series.replaceAll(std::move(classes));
}

void WorkingSession::insertAt(Series& series, qsizetype row, int distanceClass) {
    const ChangeScope change(
        *this, {.kind = SessionOperation::Kind::Insert, .series = indexOf(series), .row = row});
    series.insertAt(row, distanceClass);
}

void WorkingSession::apply(Series& series, const SeriesChange& change,
                           const SeriesContents* contents) {
    using Kind = SeriesChange::Kind;
    const ChangeScope scope(*this);
    switch (change.kind) {
    case Kind::Inserted:
        series.insertAt(change.row, change.distanceClass, change.repeatsAfter, change.launch);
        break;
    case Kind::Removed:
        series.removeAt(change.row, change.launch);
        break;
    case Kind::Replaced:
        if (change.cause == SeriesChange::Cause::Reset)
            series.clear();
        else
            series.replaceAll(contents ? *contents : SeriesContents{}, change.cause);
        break;
    case Kind::RegisteredWithoutClass:
        series.registerWithoutClass(*change.launch, change.why);
        break;
    case Kind::WithdrawnWithoutClass:
        series.withdrawWithoutClass(*change.launch, change.why);
        break;
    }
}

void WorkingSession::restoreEntry(const LaunchEntry& entry) {
    const ChangeScope change(*this);
    m_entry = entry;
    emit entryChanged();
}

void WorkingSession::noteSaved(const Series& series) {
    if (const int index = indexOf(series); index >= 0)
        emit seriesSaved(index);
}

} // namespace rotamind
