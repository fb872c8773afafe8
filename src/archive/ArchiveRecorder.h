#pragma once

#include "archive/Archive.h"
#include "session/WorkingSession.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace rotamind {

// Keeps one working session in the archive as the window shows it, following
// the session's change stream: each series change is written as the series
// told it, a registered class with the number and direction that brought it.
// Every change of the session is written inside the handler that makes it, in one
// transaction: begun at the change's first effect, committed when the session
// tells changeFinished. A session row is made at the first change that has an
// effect; a window opened and closed without one leaves nothing.
class ArchiveRecorder final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArchiveRecorder)

public:
    // Neither the archive nor the session is owned;
    // both must outlive the recorder.
    ArchiveRecorder(Archive& archive, WorkingSession& session, SessionMode mode,
                    QObject* parent = nullptr);
    ~ArchiveRecorder() override;

    // The session's row, 0 before the first change.
    qint64 sessionId() const { return m_id; }
    // Whether series `index` changed since it was last written to a file.
    bool isUnsaved(int index) const { return m_unsaved[static_cast<std::size_t>(index)]; }

    // The window closed normally: the row gets its end and reason. A later
    // change starts a new row.
    void end(const QString& reason = Archive::kEndClosed);

    // Puts an archived session back into the observed session, as one change:
    // each series loaded, then the entry. The archive's row goes on with it
    // (its items already hold the series, with their numbers); when another
    // running program holds that row, a new row is written instead.
    void restore(const StoredSession& stored);

private:
    bool prepare();
    void effectDone();
    void finish();
    // The row as it must be now: entry, counts, unsaved flags, launches.
    StoredSession state() const;
    void onSeriesChanged(int index, const SeriesChange& change);
    bool writeWhole();
    // Where series `index`'s launches came from, after a replacement of it.
    void followOrigin(int index, const SeriesChange& change);

    Archive& m_archive;
    WorkingSession& m_session;
    SessionMode m_mode;
    qint64 m_id = 0;
    std::unique_ptr<SessionLock> m_lock;
    std::array<bool, WorkingSession::kSeriesCount> m_unsaved{};
    qint64 m_launches = 0;
    bool m_inChange = false;
    bool m_writing = false; // this recorder's transaction is open
    bool m_suspended = false;
    bool m_rowIsNew = false; // made in the transaction still open
    // Per series: where its launches came from, what it was before each
    // replacement an undo may take back (newest last), and whether its counts
    // changed since the row was last written.
    std::array<SeriesOrigin, WorkingSession::kSeriesCount> m_origin{};
    std::array<std::vector<SeriesOrigin>, WorkingSession::kSeriesCount> m_originsBefore{};
    std::array<bool, WorkingSession::kSeriesCount> m_countsChanged{};
};

} // namespace rotamind
