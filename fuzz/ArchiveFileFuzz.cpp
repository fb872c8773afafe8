// A small archive of known content, spoiled by the input: every three bytes
// set one byte of the file (two of offset, one of value). Each reader of the
// program is played on the result, as a run plays them: the archive opened
// at start, the interrupted session offered and restored, the archive
// window's listing and series, the analysis block's history. None may crash
// or hang, and nothing that comes out may break the rules a session lives by.
#include "FuzzCheck.h"

#include "../tests/archive/HostileArchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

using namespace rotamind;

namespace {

QByteArray g_image;
QString g_folder;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    // In memory where the system has it: SQLite syncs the files it makes,
    // and on a disk that, not the code, would set the pace.
    static QTemporaryDir folder(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                    ? QStringLiteral("/dev/shm/rotamind-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/rotamind-fuzz-XXXXXX"));
    FUZZ_CHECK(folder.isValid());
    g_folder = folder.path();
    const QString base = folder.filePath(QStringLiteral("base.sqlite"));
    // Small enough that a run takes milliseconds, with every kind of row.
    FUZZ_CHECK(testing::writeBaseArchive(base, testing::sessionsOf(60)).isEmpty());
    QFile file(base);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    g_image = file.readAll();
    FUZZ_CHECK(!g_image.isEmpty());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString folder = g_folder + QStringLiteral("/run");
    QDir(folder).removeRecursively();
    FUZZ_CHECK(QDir().mkpath(folder));
    QByteArray bytes = g_image;
    for (std::size_t i = 0; i + 3 <= size; i += 3) {
        const auto offset = static_cast<qsizetype>((data[i] << 8 | data[i + 1]) % bytes.size());
        bytes[offset] = static_cast<char>(data[i + 2]);
    }
    const QString path = folder + QStringLiteral("/archive.sqlite");
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    FUZZ_CHECK(testing::soundOutcome(testing::playReaders(path)));
    return 0;
}
