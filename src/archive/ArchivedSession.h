#pragma once

#include "archive/SessionMode.h"

#include <QString>

#include <array>

namespace rotamind {

// One working-window session as the archive lists it: who and where, when it
// began, and how long its two series are.
struct ArchivedSession {
    using Mode = SessionMode;

    qint64 id = 0;
    Mode mode = Mode::Pro;
    QString site;
    QString croupier;
    // Local time, ISO 8601 to the second ("2026-12-09T21:14:05"), as stored.
    QString started;
    // Classes of series 0 (PRO's clockwise, EASY's current) and series 1
    // (counter-clockwise, saved), 0 and up.
    std::array<qint64, 2> counts{};
};

} // namespace rotamind
