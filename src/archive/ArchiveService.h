#pragma once

#include "archive/Archive.h"
#include "archive/ArchiveRecorder.h"
#include "archive/SessionMode.h"
#include "archive/StoredSession.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace rotamind {

class WorkingSession;

// The session archive as the program uses it: the file, a recorder for each
// working session from its first change, the sessions a run cut short left
// to offer back, and the opening of an archived session in its session.
// Windows only ask it; it knows none of them.
class ArchiveService final {
public:
    // The archive at `path` (empty for Archive::defaultPath()), recording
    // both sessions. Neither session is owned; both must outlive the service.
    ArchiveService(const QString& path, WorkingSession& pro, WorkingSession& easy);
    ~ArchiveService();
    ArchiveService(const ArchiveService&) = delete;
    ArchiveService& operator=(const ArchiveService&) = delete;

    Archive& archive() const { return *m_archive; }
    ArchiveRecorder& recorder(SessionMode mode) const {
        return mode == SessionMode::Easy ? *m_easyRecorder : *m_proRecorder;
    }

    // Opens the file and reads the sessions to offer back, newest first;
    // none when the archive cannot be used (told through Archive::message).
    const std::vector<StoredSession>& openAndFindInterrupted();
    // The offer at `index` of the last openAndFindInterrupted(); nothing out of range.
    std::optional<qint64> offeredSession(int index) const;

    // Puts the archived session `id` back into the session of its mode, whose
    // recorder goes on with its row. The mode it went to; nothing when the
    // session cannot be read.
    std::optional<SessionMode> restore(qint64 id);

    // The program ends: both sessions' rows get their end.
    void end();

private:
    std::unique_ptr<Archive> m_archive;
    std::unique_ptr<ArchiveRecorder> m_proRecorder;
    std::unique_ptr<ArchiveRecorder> m_easyRecorder;
    std::vector<StoredSession> m_offered;
};

} // namespace rotamind
