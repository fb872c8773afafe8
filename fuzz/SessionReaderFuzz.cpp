// The session reader against a plain reading of the format: lines end at LF,
// one CR before it is dropped, blank lines are skipped, every other line must
// be a class text. Also: what the writer makes, the reader gives back.
#include "FuzzCheck.h"

#include "storage/SessionFile.h"
#include "wheel/Wheel.h"

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>

using namespace rotamind;

namespace {

bool isClassText(const QByteArray& line) {
    for (const char* text : {"3", "2", "1", "-1", "-2", "-3"})
        if (line == text)
            return true;
    return false;
}

void checkReader(const QByteArray& bytes) {
    QStringList expected;
    qint64 firstBadLine = 0;
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size() && firstBadLine == 0; ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if (isClassText(line))
            expected.append(QString::fromLatin1(line));
        else
            firstBadLine = i + 1;
    }

    const auto result = parseSessionBytes(bytes);
    if (const auto* items = std::get_if<QStringList>(&result)) {
        FUZZ_CHECK(firstBadLine == 0);
        FUZZ_CHECK(*items == expected);
    } else {
        const auto& error = std::get<SessionReadError>(result);
        FUZZ_CHECK(error.line == firstBadLine);
        FUZZ_CHECK(!error.lineText.isEmpty() && error.lineText.size() <= 41);
        FUZZ_CHECK(error.path.isEmpty());
    }
}

// Each byte picks a class: the list written and read back.
void checkRoundTrip(const std::uint8_t* data, std::size_t size) {
    QStringList items;
    QByteArray joined;
    for (std::size_t i = 0; i < size; ++i) {
        const QString& text = classText(kClasses[data[i] % kClasses.size()]);
        items.append(text);
        joined += text.toLatin1() + "\r\n";
    }
    const QByteArray written = sessionFileBytes(items);
    FUZZ_CHECK(written == joined);
    const auto result = parseSessionBytes(written);
    const auto* read = std::get_if<QStringList>(&result);
    FUZZ_CHECK(read && *read == items);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkReader(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    checkRoundTrip(data, size);
    return 0;
}
