#include "archive/ArchiveService.h"

namespace rotamind {

ArchiveService::ArchiveService(const QString& path, WorkingSession& pro, WorkingSession& easy)
    : m_archive(std::make_unique<Archive>(path.isEmpty() ? Archive::defaultPath() : path)),
      m_proRecorder(std::make_unique<ArchiveRecorder>(*m_archive, pro, SessionMode::Pro)),
      m_easyRecorder(std::make_unique<ArchiveRecorder>(*m_archive, easy, SessionMode::Easy)) {}

ArchiveService::~ArchiveService() = default;

const std::vector<StoredSession>& ArchiveService::openAndFindInterrupted() {
    m_offered.clear();
    if (m_archive->open())
        m_offered = m_archive->interruptedSessions();
    return m_offered;
}

std::optional<qint64> ArchiveService::offeredSession(int index) const {
    if (index < 0 || std::size_t(index) >= m_offered.size())
        return std::nullopt;
    return m_offered[std::size_t(index)].id;
}

std::optional<SessionMode> ArchiveService::restore(qint64 id) {
    const std::optional<StoredSession> stored = m_archive->readSession(id);
    if (!stored)
        return std::nullopt;
    const SessionMode mode = stored->mode;
    recorder(mode).restore(*stored);
    return mode;
}

void ArchiveService::end() {
    m_proRecorder->end();
    m_easyRecorder->end();
}

} // namespace rotamind
