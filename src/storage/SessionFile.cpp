#include "storage/SessionFile.h"

#include "storage/SystemReason.h"
#include "wheel/Wheel.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <optional>

namespace rotamind {

namespace {

// A refused line is shown at most this long, so a megabyte of garbage on one
// line never ends up whole in a message.
constexpr qsizetype kShownLineChars = 40;

// The class a line names: exactly "1", "2", "3", "-1", "-2" or "-3", read
// from the bytes themselves; a file at the size limit has 16 million lines.
std::optional<int> classOfLine(const char* begin, qsizetype length) {
    const char digit = begin[length - 1];
    if (digit < '1' || digit > '3')
        return std::nullopt;
    if (length == 1)
        return digit - '0';
    if (length == 2 && begin[0] == '-')
        return '0' - digit;
    return std::nullopt;
}

// A refused line as it can be shown: its first characters, non-printable ones
// replaced, "…" when something was cut off.
QString shownLine(const char* begin, qsizetype length) {
    // No character takes more than four bytes, so this prefix holds every
    // character that can be shown plus one to tell whether there is more.
    const qsizetype prefix = std::min(length, (kShownLineChars + 1) * 4);
    QString text = QString::fromUtf8(begin, prefix);
    bool cut = prefix < length;
    if (text.size() > kShownLineChars) {
        qsizetype keep = kShownLineChars;
        if (text.at(keep - 1).isHighSurrogate())
            --keep;
        text.truncate(keep);
        cut = true;
    }
    for (QChar& c : text)
        if (!c.isPrint() && !c.isSurrogate())
            c = QChar::ReplacementCharacter;
    if (cut)
        text += u'…';
    return text;
}

// The system reads a file name up to its first NUL, so such a path would name
// another file: "a\0b.txt" is "a".
bool holdsNul(const QString& path) {
    return path.contains(QChar(0));
}

// Why `path` can name no regular file to read or write, as a sentence starts;
// empty when it can. Devices and pipes could stream forever or block, and a
// save renamed over one would replace the node itself; folders hold no lines.
QString unusablePathReason(const QString& path) {
    if (path.isEmpty())
        return QCoreApplication::translate("SessionFile", "Nessun nome di file");
    if (holdsNul(path))
        return QCoreApplication::translate("SessionFile", "Nome di file con un carattere nullo");
    if (const QFileInfo info(path); info.exists() && !info.isFile())
        return QCoreApplication::translate("SessionFile", "Non è un file normale");
    return {};
}

// Class lines taken from a file in pieces: the lines a piece holds whole go
// into `classes`, a line cut by the piece's end waits for the next piece.
class ClassLines {
public:
    explicit ClassLines(SessionClasses& classes) : m_classes(classes) {}

    struct Taken {
        qsizetype used = 0; // bytes of whole lines read; the rest starts a line
        std::optional<SessionReadError> error;
    };
    // `last`: nothing follows, so a line without its end is whole.
    Taken take(const char* data, qsizetype size, bool last) {
        qsizetype start = 0;
        while (start < size) {
            // The usual line, "d\r\n" or "-d\r\n" (d 1..3), is taken without
            // a search; anything else goes the general way below.
            const char* const line = data + start;
            const qsizetype left = size - start;
            const qsizetype digit = line[0] == '-' ? 1 : 0;
            if (digit < left && line[digit] >= '1' && line[digit] <= '3') {
                qsizetype next = digit + 1;
                if (next < left && line[next] == '\r')
                    ++next;
                if (next < left ? line[next] == '\n' : last) {
                    ++m_lineNumber;
                    const int value = line[digit] - '0';
                    m_classes.push_back(static_cast<std::int8_t>(digit ? -value : value));
                    start += next + 1;
                    continue;
                }
                if (next == left)
                    break;
            }
            // A long line cut by a piece is searched on from where the last
            // piece left it, never again from its start.
            const void* found =
                std::memchr(line + m_searched, '\n', static_cast<size_t>(left - m_searched));
            if (!found && !last) {
                m_searched = left;
                break;
            }
            m_searched = 0;
            ++m_lineNumber;
            const qsizetype end = found ? static_cast<const char*>(found) - data : size;
            qsizetype length = end - start;
            if (length > 0 && data[start + length - 1] == '\r')
                --length;
            if (length > 0) {
                const auto distanceClass = classOfLine(line, length);
                if (!distanceClass)
                    return {start,
                            SessionReadError{QString(), m_lineNumber, shownLine(line, length)}};
                m_classes.push_back(static_cast<std::int8_t>(*distanceClass));
            }
            start = end + 1;
        }
        return {std::min(start, size), std::nullopt};
    }

private:
    SessionClasses& m_classes;
    qint64 m_lineNumber = 0;
    qsizetype m_searched = 0; // bytes of a cut line already searched for its end
};

// The class texts of a read, the shared strings of classText().
std::variant<QStringList, SessionReadError>
asTexts(std::variant<SessionClasses, SessionReadError>&& read) {
    if (auto* error = std::get_if<SessionReadError>(&read))
        return std::move(*error);
    const SessionClasses& classes = std::get<SessionClasses>(read);
    QStringList items;
    items.reserve(static_cast<qsizetype>(classes.size()));
    for (const std::int8_t distanceClass : classes)
        items.append(classText(distanceClass));
    return items;
}

} // namespace

QByteArray sessionFileBytes(std::span<const QString> items) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(items.size()) * 4);
    for (const QString& item : items) {
        // Items are class texts, plain ASCII; anything else is kept as UTF-8
        // rather than dropped.
        bool ascii = true;
        for (QChar c : item)
            ascii = ascii && c.unicode() < 0x80;
        if (ascii) {
            for (QChar c : item)
                bytes.append(static_cast<char>(c.unicode()));
        } else {
            bytes.append(item.toUtf8());
        }
        bytes.append("\r\n", 2);
    }
    return bytes;
}

std::variant<SessionClasses, SessionReadError> parseSessionClasses(const QByteArray& bytes) {
    SessionClasses classes;
    // A class line takes at least two bytes with its end, so this never
    // grows; counting the line ends first would cost a pass of its own.
    classes.reserve(static_cast<std::size_t>(bytes.size() / 2 + 1));
    ClassLines lines(classes);
    if (auto error = lines.take(bytes.constData(), bytes.size(), true).error)
        return std::move(*error);
    return classes;
}

std::variant<QStringList, SessionReadError> parseSessionBytes(const QByteArray& bytes) {
    return asTexts(parseSessionClasses(bytes));
}

std::variant<QStringList, SessionReadError> readSessionFile(const QString& path) {
    return asTexts(readSessionClasses(path));
}

std::variant<SessionClasses, SessionReadError> readSessionClasses(const QString& path) {
    const auto cannotOpen = [&path](const QString& reason) {
        return SessionReadError{path, 0, reason};
    };
    // Within a sentence of the load's message, the reason starts lower case.
    if (const QString unusable = unusablePathReason(path); !unusable.isEmpty())
        return cannotOpen(unusable.left(1).toLower() + unusable.mid(1));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cannotOpen(systemReason(file));

    // The size is read first and then the file in chunks up to the limit, so a
    // file that grows meanwhile, or reports no size, still cannot fill the memory.
    const QString tooLarge =
        QCoreApplication::translate("SessionFile", "file più grande di %1 byte")
            .arg(kMaxSessionFileBytes);
    if (file.size() > kMaxSessionFileBytes)
        return cannotOpen(tooLarge);
    // Read a piece at a time and taken line by line as it comes: the file's
    // bytes are never all in memory, which for a file at the limit spared
    // 64 MiB of fresh pages, a quarter of the load.
    SessionClasses classes;
    classes.reserve(static_cast<std::size_t>(file.size() / 2 + 1));
    ClassLines lines(classes);
    constexpr qsizetype kPiece = 1 << 20;
    QByteArray buffer;
    qsizetype kept = 0; // the start of a line the last piece cut
    qint64 total = 0;
    for (;;) {
        if (buffer.size() < kept + kPiece)
            buffer.resize(kept + kPiece);
        const qint64 want = std::min<qint64>(kPiece, kMaxSessionFileBytes + 1 - total);
        const qint64 got = file.read(buffer.data() + kept, want);
        if (got < 0)
            return cannotOpen(systemReason(file));
        total += got;
        if (total > kMaxSessionFileBytes)
            return cannotOpen(tooLarge);
        const qsizetype held = kept + static_cast<qsizetype>(got);
        const bool last = got == 0;
        auto taken = lines.take(buffer.constData(), held, last);
        if (taken.error) {
            taken.error->path = path;
            return std::move(*taken.error);
        }
        if (last)
            break;
        kept = held - taken.used;
        if (taken.used > 0)
            std::memmove(buffer.data(), buffer.constData() + taken.used, static_cast<size_t>(kept));
    }
    return classes;
}

void ignoreFileSizeSignal() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* reason) {
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    // A save renames a new file over the target (root may do that in /dev).
    if (const QString unusable = unusablePathReason(path); !unusable.isEmpty())
        return fail(unusable);
    const QFileInfo target(path);
    // A link to a regular file is followed, as editors do: QSaveFile writes
    // the file it points to, in that file's own folder. A link that leads to
    // nothing, dangling or in a loop, is refused: QSaveFile would create the
    // missing target wherever it lies, or replace the looping link itself.
    if (target.isSymLink() && !target.exists())
        return fail(
            QCoreApplication::translate("SessionFile", "Collegamento a un file inesistente"));
    // Told apart here because the system's words for it ("No such file or
    // directory") do not say which of the two is missing.
    if (!QFileInfo(target.absolutePath()).isDir())
        return fail(QCoreApplication::translate("SessionFile", "Cartella inesistente"));
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // The system's words, except for a full disk: that one the user can act on
    // at once, and it may surface at the final sync as an unspecific error.
    const auto failWithFileError = [&] {
        const bool full = file.error() == QFileDevice::ResourceError ||
                          QStorageInfo(target.absolutePath()).bytesAvailable() < bytes.size();
        return fail(full ? QCoreApplication::translate("SessionFile", "Disco pieno")
                         : systemReason(file));
    };
    if (!file.open(QIODevice::WriteOnly))
        return failWithFileError();
    if (file.write(bytes) != bytes.size()) {
        const bool failed = failWithFileError();
        file.cancelWriting();
        return failed;
    }
    // commit() flushes, syncs and renames; a full disk shows up here at the latest.
    return file.commit() || failWithFileError();
}

} // namespace rotamind
