#pragma once

#include "session/PlaceHistorySource.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <memory>

namespace rotamind {

// The analysis block's read of the archive, off the user-interface thread: a
// file on a slow disk, or one with damaged counts to be read item by item,
// must not stop the window meanwhile. Only the newest request is answered;
// one asked while another is being read makes the older one's answer be
// dropped.
class PlaceHistoryReader final : public QObject, public PlaceHistorySource {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlaceHistoryReader)

public:
    // Reads the archive at `path` (nothing there: the answer says so).
    explicit PlaceHistoryReader(QString path, QObject* parent = nullptr);
    // Waits for a read in progress: it holds no lock the window needs, and
    // ends on its own.
    ~PlaceHistoryReader() override;

    // ArchiveCatalog(path).placePool() on a thread of its own; `answer` runs
    // on this object's thread afterwards, unless a newer request came first
    // or this object is gone.
    void request(const PlaceHistoryQuery& query, Answer answer) override;
    bool busy() const override { return m_pending; }
    void waitForAnswer() override;

    // The same read on the calling thread.
    static PlaceHistory read(const QString& path, const PlaceHistoryQuery& query);

private:
    QString m_path;
    QThreadPool m_pool;
    std::shared_ptr<std::atomic<quint64>> m_generation;
    bool m_pending = false;
};

} // namespace rotamind
