#include "archive/SessionLock.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rotamind {

std::unique_ptr<SessionLock> SessionLock::tryLock(const QString& lockFile, qint64 id) {
    const QByteArray name = QFile::encodeName(lockFile);
    // Never waits on a FIFO planted at the name; only a regular file locks.
    const int descriptor =
        ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (descriptor < 0)
        return nullptr;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return nullptr;
    }
    // A lock of the open file description (not of the process, as plain
    // fcntl locks are): it conflicts with every other open of the file, in
    // this program too, and closing another descriptor does not drop it.
    struct flock range {};
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    range.l_start = static_cast<off_t>(id);
    range.l_len = 1;
    if (::fcntl(descriptor, F_OFD_SETLK, &range) != 0) {
        ::close(descriptor);
        return nullptr;
    }
    return std::unique_ptr<SessionLock>(new SessionLock(descriptor));
}

SessionLock::~SessionLock() {
    ::close(m_descriptor);
}

} // namespace rotamind
