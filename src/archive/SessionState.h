#pragma once

#include "session/WorkingSession.h"

#include <array>

namespace rotamind {

// What a session's row holds besides its items, written after each change.
struct SessionState {
    LaunchEntry entry{};
    std::array<qint64, WorkingSession::kSeriesCount> counts{};
    std::array<bool, WorkingSession::kSeriesCount> unsaved{};
    qint64 launches = 0;
};

} // namespace rotamind
