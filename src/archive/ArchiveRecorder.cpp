#include "archive/ArchiveRecorder.h"

#include <utility>

namespace rotamind {

ArchiveRecorder::ArchiveRecorder(Archive& archive, WorkingSession& session, SessionMode mode,
                                 QObject* parent)
    : QObject(parent), m_archive(archive), m_session(session), m_mode(mode) {
    connect(&session, &WorkingSession::changeStarted, this, [this] { m_inChange = true; });
    connect(&session, &WorkingSession::changeFinished, this, [this] {
        m_inChange = false;
        finish();
    });
    connect(&session, &WorkingSession::entryChanged, this, [this] {
        if (prepare())
            effectDone();
    });
    connect(&session, &WorkingSession::seriesSaved, this, [this](int index) {
        m_unsaved[static_cast<std::size_t>(index)] = false;
        if (m_id != 0 && prepare())
            effectDone();
    });
    connect(&session, &WorkingSession::seriesChanged, this, &ArchiveRecorder::onSeriesChanged);
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

StoredSession ArchiveRecorder::state() const {
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
    if (!m_writing)
        return;
    m_writing = false;
    // The series keeps its analysis up to date with every change: its counts
    // are read, never replayed here.
    for (int index = 0; index < WorkingSession::kSeriesCount; ++index)
        if (std::exchange(m_countsChanged[static_cast<std::size_t>(index)], false) &&
            !m_archive.writeSummary(m_id, index, m_origin[static_cast<std::size_t>(index)],
                                    m_session.seriesAt(index).analysis().summary()))
            return;
    if (m_archive.updateSession(m_id, state()) && m_archive.commit())
        m_rowIsNew = false;
}

void ArchiveRecorder::followOrigin(int index, const SeriesChange& change) {
    const auto i = static_cast<std::size_t>(index);
    SeriesOrigin& origin = m_origin[i];
    std::vector<SeriesOrigin>& before = m_originsBefore[i];
    switch (change.cause) {
    case SeriesChange::Cause::Load:
        before.push_back(origin);
        origin = SeriesOrigin::Loaded;
        break;
    case SeriesChange::Cause::Reset:
        before.push_back(origin);
        origin = SeriesOrigin::Typed;
        break;
    case SeriesChange::Cause::Restore:
        // An undo of the newest replacement puts back what it replaced.
        if (!before.empty()) {
            origin = before.back();
            before.pop_back();
        }
        break;
    }
    m_archive.setOrigin(m_id, index, origin);
}

void ArchiveRecorder::onSeriesChanged(int index, const SeriesChange& change) {
    using Kind = SeriesChange::Kind;
    if (!prepare())
        return;
    // A registration counts as a launch, with or without a class; its undo
    // takes it back.
    const bool registered = change.launch && (change.kind == Kind::Inserted ||
                                              change.kind == Kind::RegisteredWithoutClass);
    const bool withdrawn = change.launch && (change.kind == Kind::Removed ||
                                             change.kind == Kind::WithdrawnWithoutClass);
    m_launches += (registered ? 1 : 0) - (withdrawn ? 1 : 0);
    const Series& series = m_session.seriesAt(index);
    bool written = true;
    switch (change.kind) {
    case Kind::Inserted: {
        const auto row = static_cast<std::size_t>(change.row);
        written = m_archive.insertItems(
            m_id, index, change.row, series.classes().subspan(row, 1), series.count() - 1,
            change.launch ? change.launch->number : QString(),
            change.launch ? std::optional(change.launch->direction) : std::nullopt);
        break;
    }
    case Kind::Removed:
        written = m_archive.removeItems(m_id, index, change.row, change.row, series.count());
        break;
    case Kind::Replaced:
        written = m_archive.replaceItems(m_id, index, series.classes());
        if (written)
            followOrigin(index, change);
        break;
    case Kind::RegisteredWithoutClass:
    case Kind::WithdrawnWithoutClass:
        break; // the launch count only, written with the session's row
    }
    if (change.kind != Kind::RegisteredWithoutClass && change.kind != Kind::WithdrawnWithoutClass)
        m_unsaved[static_cast<std::size_t>(index)] = true;
    // A repeat is no item, but the bets lost on it are in the series' counts.
    m_countsChanged[static_cast<std::size_t>(index)] = true;
    if (written)
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
    m_origin = {};
    m_originsBefore = {};
    m_countsChanged = {};
}

bool ArchiveRecorder::writeWhole() {
    if (!m_archive.begin())
        return false;
    m_id = m_archive.createSession(m_mode, state());
    if (m_id == 0)
        return false;
    m_lock = m_archive.lockSession(m_id);
    // The launches are the stored session's, still in its own row: this copy
    // must never be pooled with it.
    m_origin.fill(SeriesOrigin::Loaded);
    for (int index = 0; index < WorkingSession::kSeriesCount; ++index) {
        const Series& series = m_session.seriesAt(index);
        if (!m_archive.replaceItems(m_id, index, series.classes()) ||
            !m_archive.writeSummary(m_id, index, SeriesOrigin::Loaded,
                                    series.analysis().summary()) ||
            !m_archive.setOrigin(m_id, index, SeriesOrigin::Loaded))
            return false;
    }
    return m_archive.commit();
}

void ArchiveRecorder::restore(const StoredSession& stored) {
    if (m_id != 0)
        end(Archive::kEndReplaced);
    std::unique_ptr<SessionLock> lock = m_archive.lockSession(stored.id);
    m_suspended = true;
    {
        const WorkingSession::ChangeScope change(m_session,
                                                 {.kind = SessionOperation::Kind::Restore});
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
    // The row goes on with the origin it had; a series whose origin is
    // unknown is never pooled.
    m_originsBefore = {};
    for (int index = 0; index < WorkingSession::kSeriesCount; ++index)
        m_origin[static_cast<std::size_t>(index)] =
            m_archive.origin(m_id, index).value_or(SeriesOrigin::Loaded);
    if (m_archive.begin() && m_archive.reopenSession(m_id) &&
        m_archive.updateSession(m_id, state()))
        m_archive.commit();
}

} // namespace rotamind
