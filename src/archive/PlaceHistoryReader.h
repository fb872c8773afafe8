#pragma once

#include "archive/ArchiveCatalog.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

namespace rotamind {

// The analysis block's read of the archive, off the user-interface thread: a
// place with thousands of sessions takes seconds to read, and the window
// must go on answering meanwhile. Only the newest request is answered; one
// asked while another is being read makes the older one's answer be dropped.
class PlaceHistoryReader final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlaceHistoryReader)

public:
    using Answer = std::function<void(ArchiveCatalog::PlaceHistory)>;
    // What runs on the user-interface thread once the work is done.
    using Finish = std::function<void()>;
    // Runs on the reading thread with the history read: the place for any
    // work over thousands of sessions. It must touch no widget; what it
    // returns runs on this object's thread.
    using Work = std::function<Finish(ArchiveCatalog::PlaceHistory)>;

    explicit PlaceHistoryReader(QObject* parent = nullptr);
    // Waits for a read in progress: it holds no lock the window needs, and
    // ends on its own.
    ~PlaceHistoryReader() override;

    // Reads ArchiveCatalog(path).placeHistory(mode, site, croupier) on a
    // thread of its own; `answer` runs on this object's thread afterwards,
    // unless a newer request came first or this object is gone.
    void request(const QString& path, ArchivedSession::Mode mode, const QString& site,
                 const QString& croupier, Answer answer);
    // The same, with `work` done on the reading thread too.
    void requestWork(const QString& path, ArchivedSession::Mode mode, const QString& site,
                     const QString& croupier, Work work);
    // Whether a request has not been answered yet.
    bool busy() const { return m_pending; }
    // Blocks until the reads asked so far are done and answered (for tests
    // and for a caller that must have the answer now).
    void waitForAnswer();

private:
    QThreadPool m_pool;
    std::shared_ptr<std::atomic<quint64>> m_generation;
    bool m_pending = false;
};

} // namespace rotamind
