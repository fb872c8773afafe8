#include "archive/ImportedSessionBuilder.h"

using namespace Qt::StringLiterals;

namespace rotamind {

ImportedSessionBuilder::ImportedSessionBuilder(ImportPlan& plan, QString mode, QString key)
    : m_plan(plan), m_index(plan.sessions.size()), m_key(std::move(key)),
      m_n1(WorkingSession::noNumber()), m_n2(WorkingSession::noNumber()) {
    m_plan.sessions.emplace_back().mode = std::move(mode);
}

void ImportedSessionBuilder::launch(qsizetype line, int series, const QString& number,
                                    Direction direction, std::optional<int> given) {
    const std::optional<int> distanceClass = given ? given : classifyPair(direction, m_n1, number);
    m_n2 = m_n1;
    m_n1 = number;
    m_lastDirection = direction;
    ImportedSession& imported = session();
    ++imported.launches;
    ++m_plan.launches;
    if (distanceClass) {
        imported.series[static_cast<std::size_t>(series)].push_back(
            {static_cast<std::int8_t>(*distanceClass), number, direction});
        ++m_plan.classes;
    }
    listed(line, series, number, direction, distanceClass);
}

void ImportedSessionBuilder::loadedClass(qsizetype line, int series, int distanceClass) {
    session().series[static_cast<std::size_t>(series)].push_back(
        {static_cast<std::int8_t>(distanceClass), {}, {}});
    ++m_plan.classes;
    listed(line, series, {}, {}, distanceClass);
}

void ImportedSessionBuilder::listed(qsizetype line, int series, const QString& number,
                                    std::optional<Direction> direction,
                                    std::optional<int> distanceClass) {
    if (static_cast<qsizetype>(m_plan.preview.size()) >= ImportPlan::kPreviewRows)
        return;
    m_plan.preview.push_back(
        {.line = line,
         .session = m_key,
         .series = csvSeriesName(session().mode, series),
         .number = number,
         .direction = !direction                           ? QString()
                      : *direction == Direction::Clockwise ? u"O"_s
                                                           : u"A"_s,
         .distanceClass = distanceClass ? classText(*distanceClass) : QString()});
}

void ImportedSessionBuilder::finish() {
    ImportedSession& imported = session();
    // REGISTRA turns the selector to A after a clockwise launch, to O otherwise.
    imported.entry = {.number = WorkingSession::noNumber(),
                      .direction = m_lastDirection == Direction::Clockwise
                                       ? Direction::CounterClockwise
                                       : Direction::Clockwise,
                      .n1 = m_n1,
                      .n2 = m_n2,
                      .lastNumber = m_n1,
                      .site = imported.site,
                      .croupier = imported.croupier};
}

} // namespace rotamind
