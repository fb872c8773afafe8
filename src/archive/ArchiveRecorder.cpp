#include "archive/ArchiveRecorder.h"

namespace rotamind {

ArchiveRecorder::ArchiveRecorder(Archive& archive, WorkingSession& session, QString mode,
                                 QObject* parent)
    : QObject(parent), m_archive(archive), m_session(session), m_mode(std::move(mode)) {
    connect(&session, &WorkingSession::changeStarted, this, [this] { m_inChange = true; });
    connect(&session, &WorkingSession::changeFinished, this, [this] {
        m_inChange = false;
        finish();
    });
    connect(&session, &WorkingSession::entryChanged, this, [this] {
        if (prepare())
            effectDone();
    });
    connect(&session, &WorkingSession::launchStarting, this,
            [this](const QString& number, Direction direction) {
                if (!prepare())
                    return;
                ++m_launches;
                m_pending = PendingLaunch{number, direction};
                effectDone();
            });
    connect(&session, &WorkingSession::seriesSaved, this, [this](int index) {
        m_unsaved[static_cast<std::size_t>(index)] = false;
        if (m_id != 0 && prepare())
            effectDone();
    });
    for (int index = 0; index < WorkingSession::kSeriesCount; ++index) {
        Series& series = session.seriesAt(index);
        connect(&series, &Series::rowsInserted, this,
                [this, index](const QModelIndex&, int first, int last) {
                    onInserted(index, first, last);
                });
        connect(&series, &Series::rowsRemoved, this,
                [this, index](const QModelIndex&, int first, int last) {
                    onRemoved(index, first, last);
                });
        connect(&series, &Series::modelReset, this, [this, index] { onReset(index); });
    }
    // The transaction was rolled back: a row it made is gone with it.
    connect(&archive, &Archive::becameUnavailable, this, [this] {
        m_writing = false;
        if (m_rowIsNew) {
            m_id = 0;
            m_lock.reset();
        }
    });
}

ArchiveRecorder::~ArchiveRecorder() = default;

SessionState ArchiveRecorder::state() const {
    return {.entry = m_session.entry(),
            .counts = {m_session.seriesAt(0).count(), m_session.seriesAt(1).count()},
            .unsaved = m_unsaved,
            .launches = m_launches};
}

// Before an effect of the session is written: the transaction open and the
// session's row made. False when nothing is to be written.
bool ArchiveRecorder::prepare() {
    if (m_suspended || !m_archive.isAvailable())
        return false;
    if (!m_writing) {
        if (!m_archive.begin())
            return false;
        m_writing = true;
    }
    if (m_id == 0) {
        m_id = m_archive.createSession(m_mode, state());
        if (m_id == 0)
            return false;
        m_rowIsNew = true;
        m_lock = m_archive.lockSession(m_id);
    }
    return true;
}

// An effect outside any change (a series changed directly) is a change of its own.
void ArchiveRecorder::effectDone() {
    if (!m_inChange)
        finish();
}

void ArchiveRecorder::finish() {
    m_pending.reset();
    if (!m_writing)
        return;
    m_writing = false;
    if (m_archive.updateSession(m_id, state()) && m_archive.commit())
        m_rowIsNew = false;
}

void ArchiveRecorder::onInserted(int index, int first, int last) {
    if (!prepare())
        return;
    const Series& series = m_session.seriesAt(index);
    const qint64 added = qint64{last} - first + 1;
    const qint64 countBefore = series.count() - added;
    const auto classes =
        series.classes().subspan(static_cast<std::size_t>(first), static_cast<std::size_t>(added));
    // A registration's class is appended to the series of its direction.
    QString number;
    std::optional<Direction> direction;
    if (m_pending && added == 1 && first == countBefore &&
        &m_session.seriesFor(m_pending->direction) == &series) {
        number = m_pending->number;
        direction = m_pending->direction;
        m_pending.reset();
    }
    m_unsaved[static_cast<std::size_t>(index)] = true;
    if (m_archive.insertItems(m_id, index, first, classes, countBefore, number, direction))
        effectDone();
}

void ArchiveRecorder::onRemoved(int index, int first, int last) {
    if (!prepare())
        return;
    m_unsaved[static_cast<std::size_t>(index)] = true;
    if (m_archive.removeItems(m_id, index, first, last, m_session.seriesAt(index).count()))
        effectDone();
}

void ArchiveRecorder::onReset(int index) {
    if (!prepare())
        return;
    m_unsaved[static_cast<std::size_t>(index)] = true;
    if (m_archive.replaceItems(m_id, index, m_session.seriesAt(index).classes()))
        effectDone();
}

void ArchiveRecorder::end(const QString& reason) {
    if (m_id != 0 && m_archive.begin()) {
        if (m_archive.endSession(m_id, reason))
            m_archive.commit();
    }
    m_id = 0;
    m_lock.reset();
    m_launches = 0;
    m_unsaved = {};
}

bool ArchiveRecorder::writeWhole() {
    if (!m_archive.begin())
        return false;
    m_id = m_archive.createSession(m_mode, state());
    if (m_id == 0)
        return false;
    m_lock = m_archive.lockSession(m_id);
    for (int index = 0; index < WorkingSession::kSeriesCount; ++index)
        if (!m_archive.replaceItems(m_id, index, m_session.seriesAt(index).classes()))
            return false;
    return m_archive.commit();
}

void ArchiveRecorder::restore(const StoredSession& stored) {
    if (m_id != 0)
        end(Archive::kEndReplaced);
    std::unique_ptr<SessionLock> lock = m_archive.lockSession(stored.id);
    m_suspended = true;
    {
        const WorkingSession::ChangeScope change(m_session);
        for (int index = 0; index < WorkingSession::kSeriesCount; ++index)
            m_session.load(m_session.seriesAt(index),
                           stored.classes[static_cast<std::size_t>(index)]);
        m_session.restoreEntry(stored.entry);
    }
    m_suspended = false;
    m_unsaved = stored.unsaved;
    m_launches = stored.launches;
    if (!m_archive.isAvailable())
        return;
    if (!lock) {
        writeWhole();
        return;
    }
    m_id = stored.id;
    m_lock = std::move(lock);
    if (m_archive.begin() && m_archive.reopenSession(m_id) &&
        m_archive.updateSession(m_id, state()))
        m_archive.commit();
}

} // namespace rotamind
