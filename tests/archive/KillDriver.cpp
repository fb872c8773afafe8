// The program the kill test kills: plays the random changes of a seed on a
// working session recorded in an archive, without end, and after each change
// writes how many it has finished into a progress file, as one 8-byte write
// that a kill cannot cut. With a step limit it ends by itself (two programs
// on one file).
//   archive_kill_driver <archive> <progress file> <seed> [steps]
#include "SessionScript.h"

#include "archive/ArchiveRecorder.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

using namespace rotamind;

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    if (argc < 4) {
        std::fputs("usage: archive_kill_driver <archive> <progress file> <seed> [steps]\n", stderr);
        return 2;
    }
    const QString archivePath = QString::fromLocal8Bit(argv[1]);
    const auto seed = static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10));
    const long long limit = argc > 4 ? std::atoll(argv[4]) : -1;
    const int progress = ::open(argv[2], O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (progress < 0)
        return 2;
    Archive archive(archivePath);
    if (!archive.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(archive.messages().join(u'\n')));
        return 3;
    }
    auto session = testing::makeScriptSession(seed);
    ArchiveRecorder recorder(archive, *session, testing::scriptMode(seed));
    std::mt19937 random(seed);
    for (long long step = 1; limit < 0 || step <= limit; ++step) {
        testing::playStep(*session, random);
        if (!archive.isAvailable()) {
            std::fprintf(stderr, "%s\n", qPrintable(archive.messages().join(u'\n')));
            return 4;
        }
        const std::int64_t done = step;
        if (::pwrite(progress, &done, sizeof done, 0) != sizeof done)
            return 5;
    }
    ::close(progress);
    return 0;
}
