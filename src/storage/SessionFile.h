#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>
#include <variant>
#include <vector>

// The session file: one class text per line, every line ended by CR LF.
namespace rotamind {

// Bytes of a session file for these items; zero bytes for no items.
QByteArray sessionFileBytes(std::span<const QString> items);

// Largest session file read, in bytes (about 16 million launches); a bigger
// file is refused before it fills the memory.
inline constexpr qint64 kMaxSessionFileBytes = qint64(64) << 20;

// Why a file was not read. line is 1-based; 0 when the file could not be opened
// or is too large, and lineText then says why in the system's words.
struct SessionReadError {
    QString path;
    qint64 line = 0;
    QString lineText; // the refused line (first 40 characters and "…" when longer)
};

// Reads a session file whole. Accepts CR LF, LF and a last line without an
// end; skips blank lines. Any other line that is not a class text fails the
// whole read, so nothing half-read reaches a series. A path holding a NUL is
// refused unread, as line 0.
std::variant<QStringList, SessionReadError> readSessionFile(const QString& path);
// The same read giving the classes (3..-3), one byte a launch: a file at the
// size limit then costs its bytes and 16 MB, not a string per line.
using SessionClasses = std::vector<std::int8_t>;
std::variant<SessionClasses, SessionReadError> readSessionClasses(const QString& path);
// The items are the shared texts of classText(), so a long file costs no string
// per line. parseSessionBytes leaves the error's path empty.
std::variant<QStringList, SessionReadError> parseSessionBytes(const QByteArray& bytes);
std::variant<SessionClasses, SessionReadError> parseSessionClasses(const QByteArray& bytes);

// Writes bytes so that the target is replaced whole or not at all. On failure
// (missing folder, a folder or device at the path, a full disk, a NUL in the
// path, a dangling or looping link) returns false and the target (if any)
// keeps its old content. A link to a regular file has that file replaced.
// A failure puts its cause, for the user, in *reason when one is given:
// "Cartella inesistente", "Disco pieno" or the system's own words.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// Lets a file-size limit (ulimit -f) fail a write with EFBIG, which the save
// reports like a full disk, instead of the kernel's SIGXFSZ ending the program
// in the middle of a save. Called once at start, before any file is written.
void ignoreFileSizeSignal();

inline bool writeSessionFile(const QString& path, std::span<const QString> items) {
    return writeFileAtomically(path, sessionFileBytes(items));
}

} // namespace rotamind
