#include "storage/SessionFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace rotamind;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

} // namespace

TEST(AtomicWrite, existingFile_replacedWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.txt"));
    writeRaw(path, QByteArray(5000, '7'));
    ASSERT_TRUE(writeFileAtomically(path, "1\r\n"));
    EXPECT_EQ(contentOf(path), QByteArray("1\r\n"));
    EXPECT_EQ(entriesOf(dir.path()), QStringList{QStringLiteral("s.txt")});
}

TEST(AtomicWrite, missingFolderOrFileAsFolder_fails) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("file.txt"));
    writeRaw(file, "old");
    for (const QString& path : QStringList{dir.filePath(QStringLiteral("manca/s.txt")),
                                           file + QStringLiteral("/s.txt")}) {
        QString reason;
        EXPECT_FALSE(writeFileAtomically(path, "1\r\n", &reason));
        EXPECT_EQ(reason, QStringLiteral("Cartella inesistente"));
    }
    EXPECT_FALSE(writeFileAtomically(QString(), "1\r\n"));
    EXPECT_EQ(contentOf(file), QByteArray("old"));
    EXPECT_EQ(entriesOf(dir.path()), QStringList{QStringLiteral("file.txt")});
}

// The system cuts a name at a NUL character: "a\0b.txt" would write "a".
// The system's own words are English; the player reads Italian ones.
TEST(AtomicWrite, systemReasons_inItalian) {
    const auto read = readSessionClasses(QStringLiteral("/no-such-folder/x.txt"));
    ASSERT_TRUE(std::holds_alternative<SessionReadError>(read));
    EXPECT_EQ(std::get<SessionReadError>(read).lineText,
              QStringLiteral("File o cartella inesistente"));
    // No file can be created among the kernel's.
    QString reason;
    EXPECT_FALSE(writeFileAtomically(QStringLiteral("/proc/rotamind-test.txt"), "1\r\n", &reason));
    EXPECT_FALSE(reason.isEmpty());
    for (const int code : {EACCES, EPERM, ENOENT, EROFS})
        EXPECT_NE(reason, QString::fromLocal8Bit(std::strerror(code)));
}

TEST(AtomicWrite, nulInPath_failsWithoutWritingTheCutName) {
    QTemporaryDir dir;
    const QString cut = dir.filePath(QStringLiteral("a"));
    EXPECT_FALSE(writeFileAtomically(cut + QChar(0) + QStringLiteral("b.txt"), "1\r\n"));
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty());
}

TEST(AtomicWrite, folderAtPath_failsAndFolderStays) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("cartella")));
    const QString folder = dir.filePath(QStringLiteral("cartella"));
    writeRaw(folder + QStringLiteral("/dentro.txt"), "kept");
    EXPECT_FALSE(writeFileAtomically(folder, "1\r\n"));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(contentOf(folder + QStringLiteral("/dentro.txt")), QByteArray("kept"));
}

// A device such as /dev/full behaves like a pipe here: no regular file. The
// test uses a pipe of its own, because a faulty save run as root would
// replace the real device node.
TEST(AtomicWrite, pipeAtPathOrBehindLink_failsAndNodeStays) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("tubo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString link = dir.filePath(QStringLiteral("collegamento"));
    ASSERT_TRUE(QFile::link(pipe, link));

    EXPECT_FALSE(writeFileAtomically(pipe, "1\r\n"));
    EXPECT_FALSE(writeFileAtomically(link, "1\r\n"));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(pipe).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(entriesOf(dir.path()).size(), 2);
}

// As editors do: the file the link points to is replaced, in its own folder,
// and the link stays a link.
TEST(AtomicWrite, linkToRegularFile_replacesTheFileItPointsTo) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("qui")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("altrove")));
    writeRaw(dir.filePath(QStringLiteral("altrove/vero.txt")), "old");
    const QString link = dir.filePath(QStringLiteral("qui/s.txt"));
    ASSERT_TRUE(QFile::link(QStringLiteral("../altrove/vero.txt"), link));

    ASSERT_TRUE(writeFileAtomically(link, "1\r\n"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contentOf(dir.filePath(QStringLiteral("altrove/vero.txt"))), QByteArray("1\r\n"));
    EXPECT_EQ(entriesOf(dir.filePath(QStringLiteral("qui"))), QStringList{QStringLiteral("s.txt")});
    EXPECT_EQ(entriesOf(dir.filePath(QStringLiteral("altrove"))),
              QStringList{QStringLiteral("vero.txt")});
}

// A loop would be replaced by a regular file, and a dangling link would create
// its target, which may lie outside the folder.
TEST(AtomicWrite, loopingOrDanglingLink_failsAndNothingIsCreated) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("fuori")));
    const QString folder = dir.filePath(QStringLiteral("qui"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("qui")));
    const struct {
        const char* name;
        QString target;
    } links[] = {
        {"se-stesso.txt", QStringLiteral("se-stesso.txt")},
        {"giro-a.txt", QStringLiteral("giro-b.txt")},
        {"giro-b.txt", QStringLiteral("giro-a.txt")},
        {"sospeso.txt", QStringLiteral("../fuori/nuovo.txt")},
    };
    for (const auto& l : links)
        ASSERT_TRUE(QFile::link(l.target, folder + u'/' + QLatin1String(l.name)));

    for (const auto& l : links) {
        const QString path = folder + u'/' + QLatin1String(l.name);
        EXPECT_FALSE(writeFileAtomically(path, "1\r\n")) << l.name;
        EXPECT_TRUE(QFileInfo(path).isSymLink()) << l.name;
    }
    EXPECT_EQ(entriesOf(folder).size(), 4);
    EXPECT_TRUE(entriesOf(dir.filePath(QStringLiteral("fuori"))).isEmpty());
}

// Run in a child process: before the signal was ignored, the limit killed it.
TEST(AtomicWriteDeathTest, fileSizeLimit_failsTheWriteInsteadOfEndingTheProgram) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.txt"));
    EXPECT_EXIT(
        {
            ignoreFileSizeSignal();
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &limit);
            std::_Exit(writeFileAtomically(path, QByteArray(1 << 16, '1')) ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty());
}
