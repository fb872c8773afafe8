#pragma once

#include "archive/CsvExchange.h"

namespace rotamind {

// Puts one imported session together launch by launch, as a working window
// records an evening: each number becomes the last number, and the class of
// a launch is the wheel's, from the number before it in the launch's
// direction. Every launch and class is counted in the plan and the first
// few are listed in its preview.
class ImportedSessionBuilder final {
public:
    // Starts a session of `mode` ("PRO" or "EASY") at the end of plan.sessions;
    // `key` names it in the preview.
    ImportedSessionBuilder(ImportPlan& plan, QString mode, QString key);

    // A launch of `number` (a pocket) into `series` (0 or 1). Without `given`,
    // its class is the wheel's and may be none; with it, that class is kept.
    void launch(qsizetype line, int series, const QString& number, Direction direction,
                std::optional<int> given = {});
    // The wheel's class for a launch of `number` in `direction` now; none for
    // the first launch or a repeated number.
    std::optional<int> wheelClass(const QString& number, Direction direction) const {
        return classifyPair(direction, m_n1, number);
    }
    // A class with no launch behind it, as a session file loads one.
    void loadedClass(qsizetype line, int series, int distanceClass);
    ImportedSession& session() { return m_plan.sessions[m_index]; }
    // The entry as the window would show it now: the last two numbers, and
    // the direction after the last launch's.
    void finish();

private:
    void listed(qsizetype line, int series, const QString& number,
                std::optional<Direction> direction, std::optional<int> distanceClass);

    ImportPlan& m_plan;
    std::size_t m_index;
    QString m_key;
    QString m_n1;
    QString m_n2;
    std::optional<Direction> m_lastDirection;
};

} // namespace rotamind
