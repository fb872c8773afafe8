// Saving under injected faults: a full file system, a file-size limit, a
// read-only folder, a missing folder. Each save must report failure and leave
// the folder as it was: no half-written file, no temporary file, an existing
// file with its old content. save_faults.sh runs this program: as root it
// mounts the small file system and drops to an unprivileged user, for whom a
// read-only folder is read-only.
#include "storage/SessionFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <unistd.h>

using namespace rotamind;

namespace {

const QByteArray kOld("3\r\n-3\r\n");
// Far more than the small file system or the size limit lets through.
const QByteArray kBig(1 << 20, '1');

QByteArray contentOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// In `folder`, "s.txt" with old content; saving over it and saving a new
// "nuovo.txt" must both fail, for the reason given if any, and change nothing there.
void expectSavesFailCleanly(const QString& folder, const QString& expectedReason = {}) {
    const QString existing = folder + QStringLiteral("/s.txt");
    const QStringList before = entriesOf(folder);
    for (const QString& path : QStringList{existing, folder + QStringLiteral("/nuovo.txt")}) {
        QString reason;
        EXPECT_FALSE(writeFileAtomically(path, kBig, &reason));
        EXPECT_FALSE(reason.isEmpty());
        if (!expectedReason.isEmpty()) {
            EXPECT_EQ(reason, expectedReason);
        }
    }
    EXPECT_EQ(contentOf(existing), kOld);
    EXPECT_EQ(entriesOf(folder), before);
}

void writeOld(const QString& folder) {
    QFile file(folder + QStringLiteral("/s.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(kOld), kOld.size());
}

// Files may grow only to `bytes` while it lives: the kernel then fails writes
// with EFBIG, as a full disk fails them with ENOSPC.
class FileSizeLimit final {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return m_active; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};

} // namespace

TEST(SaveFault, fullFileSystem) {
    const QString smallFs = qEnvironmentVariable("ROTAMIND_SMALL_FS");
    if (smallFs.isEmpty())
        GTEST_SKIP() << "no small file system: save_faults.sh mounts one when run as root";
    QTemporaryDir dir(smallFs + QStringLiteral("/pieno-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    writeOld(dir.path());
    expectSavesFailCleanly(dir.path(), QStringLiteral("Disco pieno"));
}

TEST(SaveFault, fileSizeLimit) {
    QTemporaryDir dir;
    writeOld(dir.path());
    {
        FileSizeLimit limit(64 * 1024);
        ASSERT_TRUE(limit.active());
        expectSavesFailCleanly(dir.path());
    }
    // The same save goes through once there is room again.
    EXPECT_TRUE(writeFileAtomically(dir.filePath(QStringLiteral("s.txt")), kBig));
    EXPECT_EQ(contentOf(dir.filePath(QStringLiteral("s.txt"))), kBig);
}

TEST(SaveFault, readOnlyFolder) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders: save_faults.sh runs this "
                        "program as an unprivileged user";
    QTemporaryDir dir;
    writeOld(dir.path());
    // The file itself stays writable: only a save that writes it in place
    // instead of replacing it whole could get through.
    const QFile::Permissions readOnly =
        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readOnly));
    expectSavesFailCleanly(dir.path());
    QFile::setPermissions(dir.path(), readOnly | QFile::WriteOwner);
}

TEST(SaveFault, missingFolder) {
    QTemporaryDir dir;
    const QString gone = dir.filePath(QStringLiteral("tolta"));
    ASSERT_TRUE(QDir().mkdir(gone));
    ASSERT_TRUE(QDir().rmdir(gone));
    EXPECT_FALSE(writeFileAtomically(gone + QStringLiteral("/s.txt"), kOld));
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty());
}
