#pragma once

#include "session/WorkingSession.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace rotamind {

// One working-window session as the archive keeps it (see ArchiveSchema.h).
struct StoredSession {
    qint64 id = 0;
    QString mode{}; // "PRO" or "EASY"
    QDateTime started{};
    QDateTime changed{};
    std::optional<QDateTime> ended{};
    QString endReason{};
    LaunchEntry entry{};
    // The classes of series 0 and 1, oldest first.
    std::array<std::vector<std::int8_t>, WorkingSession::kSeriesCount> classes{};
    // Whether each series changed since it was last written to a session file.
    std::array<bool, WorkingSession::kSeriesCount> unsaved{};
    qint64 launches = 0; // registrations, with or without a class
};

} // namespace rotamind
