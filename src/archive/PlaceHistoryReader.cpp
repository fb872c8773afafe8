#include "archive/PlaceHistoryReader.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace rotamind {

PlaceHistoryReader::PlaceHistoryReader(QObject* parent)
    : QObject(parent), m_generation(std::make_shared<std::atomic<quint64>>(0)) {
    // One read at a time: a newer request waits for the older read rather
    // than doubling the disk work, and the older answer is dropped.
    m_pool.setMaxThreadCount(1);
}

PlaceHistoryReader::~PlaceHistoryReader() {
    ++*m_generation;
    m_pool.waitForDone();
}

void PlaceHistoryReader::request(const QString& path, ArchivedSession::Mode mode,
                                 const QString& site, const QString& croupier, Answer answer) {
    requestWork(path, mode, site, croupier,
                [answer](ArchiveCatalog::PlaceHistory history) -> Finish {
                    return [answer, history = std::move(history)] { answer(history); };
                });
}

void PlaceHistoryReader::requestWork(const QString& path, ArchivedSession::Mode mode,
                                     const QString& site, const QString& croupier, Work work) {
    const quint64 generation = ++*m_generation;
    m_pending = true;
    // The destructor waits for the pool, so `this` outlives every read; the
    // answer is posted to it, and Qt drops it should the object go first.
    m_pool.start([this, generation, path, mode, site, croupier, work = std::move(work)] {
        // Superseded before it began: nothing to read.
        if (m_generation->load() != generation)
            return;
        Finish finish = work(ArchiveCatalog(path).placeHistory(mode, site, croupier));
        QMetaObject::invokeMethod(
            this,
            [this, generation, finish = std::move(finish)] {
                if (m_generation->load() != generation)
                    return;
                m_pending = false;
                finish();
            },
            Qt::QueuedConnection);
    });
}

void PlaceHistoryReader::waitForAnswer() {
    m_pool.waitForDone();
    QCoreApplication::sendPostedEvents(this);
}

} // namespace rotamind
