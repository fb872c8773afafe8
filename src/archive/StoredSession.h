#pragma once

#include "archive/SessionMode.h"
#include "session/WorkingSession.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace rotamind {

// One working-window session as the archive keeps it (see ArchiveSchema.h):
// the row written after each change, the session offered back at start, the
// session read back for a restore. What a use does not need stays empty.
struct StoredSession {
    using Mode = SessionMode;

    qint64 id = 0;
    SessionMode mode = SessionMode::Pro;
    QDateTime started{};
    QDateTime changed{};
    std::optional<QDateTime> ended{};
    QString endReason{};
    LaunchEntry entry{};
    // Classes of series 0 and 1 as the row counts them.
    std::array<qint64, WorkingSession::kSeriesCount> counts{};
    // Whether each series changed since it was last written to a session file.
    std::array<bool, WorkingSession::kSeriesCount> unsaved{};
    qint64 launches = 0; // registrations, with or without a class
    // The classes of series 0 and 1, oldest first: only in a session read
    // back whole (Archive::readSession).
    std::array<std::vector<std::int8_t>, WorkingSession::kSeriesCount> classes{};
};

} // namespace rotamind
