// The CSV reader and the readers of sessions over it, on any bytes: no crash,
// no sanitizer report, and these properties: the records of a text read
// without fault, written again field by field, read back the same, on the
// same number of lines or fewer; the lines of the records never go back;
// a plan that can be imported holds only classes 3..-3, numbers of the
// wheel with their direction, and counts that agree with its series.
#include "FuzzCheck.h"

#include "archive/CsvExchange.h"
#include "storage/CsvReader.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

using namespace rotamind;
using namespace Qt::StringLiterals;

namespace {

std::vector<QStringList> readAll(const QString& text, QChar separator, bool* clean) {
    CsvReader reader(text, separator);
    std::vector<QStringList> records;
    QStringList fields;
    qsizetype lastLine = 0;
    while (reader.next(fields)) {
        FUZZ_CHECK(!fields.isEmpty());
        FUZZ_CHECK(reader.line() > lastLine);
        lastLine = reader.line();
        records.push_back(fields);
    }
    *clean = reader.error().isEmpty();
    FUZZ_CHECK(!*clean || reader.permille() == 1000);
    return records;
}

void checkReader(const QString& text) {
    bool clean = false;
    const std::vector<QStringList> records = readAll(text, u',', &clean);
    if (!clean)
        return;
    QString written;
    for (const QStringList& record : records) {
        for (qsizetype i = 0; i < record.size(); ++i)
            written += (i ? u","_s : QString()) + csvField(record[i]);
        written += u"\r\n"_s;
    }
    // A record of one empty field is written as a blank line, which is no record.
    std::vector<QStringList> expected = records;
    std::erase_if(expected, [](const QStringList& r) { return r == QStringList{QString()}; });
    bool again = false;
    FUZZ_CHECK(readAll(written, u',', &again) == expected);
    FUZZ_CHECK(again);
}

void checkPlan(const ImportPlan& plan) {
    FUZZ_CHECK(plan.refusedCount >= static_cast<qsizetype>(plan.refused.size()));
    FUZZ_CHECK(static_cast<qsizetype>(plan.preview.size()) <= ImportPlan::kPreviewRows);
    if (!plan.canImport())
        return;
    FUZZ_CHECK(plan.firstProblem().isEmpty());
    qsizetype classes = 0;
    qsizetype launches = 0;
    for (const ImportedSession& session : plan.sessions) {
        FUZZ_CHECK(session.mode == u"PRO" || session.mode == u"EASY");
        launches += session.launches;
        for (const auto& series : session.series) {
            classes += static_cast<qsizetype>(series.size());
            for (const ImportedItem& item : series) {
                FUZZ_CHECK(classFromText(classText(item.distanceClass)) == item.distanceClass);
                FUZZ_CHECK(item.number.isEmpty() || pocketFromText(item.number));
                FUZZ_CHECK(item.number.isEmpty() == !item.direction);
            }
        }
    }
    FUZZ_CHECK(classes == plan.classes);
    FUZZ_CHECK(launches == plan.launches);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = QString::fromUtf8(bytes);
    checkReader(text);
    checkPlan(readCsvSessions(bytes));
    const std::uint8_t first = size > 0 ? data[0] : 0;
    checkPlan(readPastedLaunches(
        text, {.mode = first & 1 ? u"EASY"_s : u"PRO"_s,
               .alternateFrom = first & 2 ? std::optional(Direction::Clockwise) : std::nullopt,
               .newestFirst = (first & 4) != 0}));
    return 0;
}
