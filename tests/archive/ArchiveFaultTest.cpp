// The archive when the disk fills up or a write fails: the change in progress
// is rolled back, "Archivio non disponibile: <reason>" is told once, the
// session goes on from memory and the archive keeps the last change it could
// write. save_faults.sh runs this program: as root it mounts the small file
// system that fills up.
#include "SessionScript.h"

#include "archive/ArchiveRecorder.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>

using namespace rotamind;
using rotamind::testing::scriptEntry;
using rotamind::testing::SessionModel;

namespace {

// Files may grow only so far while it lives: the kernel then fails writes
// with EFBIG, as a full disk fails them with ENOSPC.
class FileSizeLimit final {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

struct Fault {
    const char* name;
    QString folder; // empty: skipped
    // Sets the fault up once the first change is written; undone when it ends.
    std::function<std::shared_ptr<void>(const QString& archivePath)> arm;
};

TEST(ArchiveFault, diskFullOrWriteFails_sessionGoesOnAndArchiveKeepsTheLastChange) {
    QTemporaryDir local;
    const Fault faults[] = {
        {"full file system", qEnvironmentVariable("ROTAMIND_SMALL_FS"),
         [](const QString&) { return std::shared_ptr<void>(); }},
        {"file-size limit", local.path(), [](const QString& path) {
             const qint64 size =
                 QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size();
             return std::static_pointer_cast<void>(
                 std::make_shared<FileSizeLimit>(static_cast<rlim_t>(size + 65536)));
         }}};
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        if (fault.folder.isEmpty()) {
            std::cout << "skipped: " << fault.name << " (save_faults.sh sets it up as root)\n";
            continue;
        }
        QTemporaryDir dir(fault.folder + QStringLiteral("/archivio-XXXXXX"));
        const QString path = dir.filePath(QStringLiteral("archive.sqlite"));
        Archive archive(path);
        QSignalSpy told(&archive, &Archive::message);
        ProSession session(scriptEntry());
        SessionModel model(session);
        ArchiveRecorder recorder(archive, session, SessionMode::Pro);
        StoredSession kept;
        if (archive.open()) {
            session.load(session.seriesAt(0), {1, 2, 3, -1});
            kept = model.expected(SessionMode::Pro);
        }
        {
            const std::shared_ptr<void> armed = fault.arm(path);
            for (int i = 0; i < 20; ++i) {
                session.load(session.seriesAt(i % 2), std::vector<std::int8_t>(100000, -2));
                session.setNumber(QString::number(i));
                session.pressRegister();
            }
        }
        EXPECT_EQ(session.seriesAt(1).count(), 100000);
        EXPECT_FALSE(archive.isAvailable());
        ASSERT_EQ(told.count(), 1);
        const QString text = told.at(0).at(0).toString();
        std::cout << fault.name << ": " << text.toStdString() << '\n';
        EXPECT_TRUE(text.startsWith(QStringLiteral("Archivio non disponibile: ")));
        if (recorder.sessionId() == 0)
            continue; // too full even to make the archive
        Archive reader(path);
        ASSERT_TRUE(reader.open());
        const std::optional<StoredSession> stored = reader.readSession(recorder.sessionId());
        ASSERT_TRUE(stored);
        EXPECT_TRUE(SessionModel::sameContent(*stored, kept));
    }
}

} // namespace

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
