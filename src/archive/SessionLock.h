#pragma once

#include <QString>

#include <memory>

namespace rotamind {

// Held while a program works on an archived session: a kernel lock on one
// byte of a file beside the archive. The kernel drops it with the program
// however that ends (closed, crashed, killed), so an interrupted session is
// free at once; two locks of one session conflict within one program too.
class SessionLock final {
public:
    // The lock of session `id` in `lockFile`; nothing while another holds it.
    static std::unique_ptr<SessionLock> tryLock(const QString& lockFile, qint64 id);
    ~SessionLock();
    SessionLock(const SessionLock&) = delete;
    SessionLock& operator=(const SessionLock&) = delete;

private:
    explicit SessionLock(int descriptor) : m_descriptor(descriptor) {}
    int m_descriptor;
};

} // namespace rotamind
