#include "archive/PlaceHistoryReader.h"

#include "archive/ArchiveCatalog.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace rotamind {

PlaceHistoryReader::PlaceHistoryReader(QString path, QObject* parent)
    : QObject(parent), m_path(std::move(path)),
      m_generation(std::make_shared<std::atomic<quint64>>(0)) {
    // One read at a time: a newer request waits for the older read rather
    // than doubling the disk work, and the older answer is dropped.
    m_pool.setMaxThreadCount(1);
}

PlaceHistoryReader::~PlaceHistoryReader() {
    ++*m_generation;
    m_pool.waitForDone();
}

PlaceHistory PlaceHistoryReader::read(const QString& path, const PlaceHistoryQuery& query) {
    const ArchiveCatalog::PlacePool place = ArchiveCatalog(path).placePool(
        query.mode == PlaceHistoryQuery::Mode::Easy ? SessionMode::Easy : SessionMode::Pro,
        query.site, query.croupier);
    PlaceHistory history;
    history.status = place.status == ArchiveCatalog::Status::Read ? PlaceHistory::Status::Read
                     : place.status == ArchiveCatalog::Status::Missing
                         ? PlaceHistory::Status::Missing
                         : PlaceHistory::Status::Failed;
    history.error = place.error;
    history.pooled = place.pool.pooled;
    history.sessions = place.pool.sessions;
    history.setAside = place.pool.setAside;
    history.refused = place.pool.refused;
    return history;
}

void PlaceHistoryReader::request(const PlaceHistoryQuery& query, Answer answer) {
    const quint64 generation = ++*m_generation;
    m_pending = true;
    // The destructor waits for the pool, so `this` outlives every read; the
    // answer is posted to it, and Qt drops it should the object go first.
    m_pool.start([this, generation, query, answer = std::move(answer)] {
        // Superseded before it began: nothing to read.
        if (m_generation->load() != generation)
            return;
        PlaceHistory history = read(m_path, query);
        QMetaObject::invokeMethod(
            this,
            [this, generation, answer, history = std::move(history)] {
                if (m_generation->load() != generation)
                    return;
                m_pending = false;
                answer(history);
            },
            Qt::QueuedConnection);
    });
}

void PlaceHistoryReader::waitForAnswer() {
    m_pool.waitForDone();
    QCoreApplication::sendPostedEvents(this);
}

} // namespace rotamind
