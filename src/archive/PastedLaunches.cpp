// A list of numbers pasted from elsewhere (a live table's board of last
// numbers, a note) in as one session, classified by the wheel in order.
#include "archive/CsvExchange.h"
#include "archive/ImportedSessionBuilder.h"

using namespace Qt::StringLiterals;

#include <QCoreApplication>

namespace rotamind {

namespace {

struct PastedLaunch {
    qsizetype line;
    QString number;
    std::optional<Direction> direction;
};

bool isSeparator(QChar c) {
    return c.isSpace() || c == u',' || c == u';';
}

// The words of a line: what lies between blanks, commas and semicolons.
QStringList wordsOf(QStringView line) {
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        const bool separator = i == line.size() || isSeparator(line[i]);
        if (!separator && start < 0)
            start = i;
        if (separator && start >= 0) {
            words.append(line.sliced(start, i - start).toString());
            start = -1;
        }
    }
    return words;
}

std::optional<Direction> directionWord(const QString& word) {
    for (const QString& clockwise : {u"O"_s, u"ORARIO"_s})
        if (word.compare(clockwise, Qt::CaseInsensitive) == 0)
            return Direction::Clockwise;
    for (const QString& counter : {u"A"_s, u"ANTIORARIO"_s})
        if (word.compare(counter, Qt::CaseInsensitive) == 0)
            return Direction::CounterClockwise;
    return std::nullopt;
}

QString notANumber(const QString& word) {
    return QCoreApplication::translate("PastedLaunches", "«%1» non è un numero da 0 a 36")
        .arg(word);
}

void refuse(ImportPlan& plan, qsizetype line, const QString& reason) {
    ++plan.refusedCount;
    if (static_cast<qsizetype>(plan.refused.size()) < ImportPlan::kMaxRefusedShown)
        plan.refused.push_back({line, reason});
}

// The launches of one line: a number and its direction, or numbers alone.
void readLine(ImportPlan& plan, qsizetype line, const QStringList& words, bool directionColumn,
              std::vector<PastedLaunch>& launches) {
    if (!directionColumn) {
        for (const QString& word : words) {
            if (!pocketFromText(word)) {
                refuse(plan, line, notANumber(word));
                return;
            }
            launches.push_back({line, word, std::nullopt});
        }
        return;
    }
    if (words.size() != 2) {
        refuse(plan, line,
               QCoreApplication::translate(
                   "PastedLaunches", "servono un numero e la sua direzione (O o A), come «17 O»"));
        return;
    }
    // Either order: "17 O" or "O 17".
    const bool directionFirst = directionWord(words[0]).has_value();
    const QString& number = words[directionFirst ? 1 : 0];
    const std::optional<Direction> direction = directionWord(words[directionFirst ? 0 : 1]);
    if (!pocketFromText(number))
        refuse(plan, line, notANumber(number));
    else if (!direction)
        refuse(plan, line,
               QCoreApplication::translate("PastedLaunches", "«%1» non è una direzione: O o A")
                   .arg(words[1]));
    else
        launches.push_back({line, number, direction});
}

} // namespace

ImportPlan readPastedLaunches(const QString& text, const PasteOptions& options) {
    ImportPlan plan;
    const bool directionColumn = !options.alternateFrom;
    std::vector<PastedLaunch> launches;
    qsizetype line = 0;
    for (const QStringView lineText : QStringTokenizer(text, u'\n')) {
        ++line;
        const QStringList words = wordsOf(lineText);
        if (!words.isEmpty())
            readLine(plan, line, words, directionColumn, launches);
    }
    if (plan.refusedCount > 0)
        return plan;
    if (launches.empty()) {
        plan.fault = QCoreApplication::translate("PastedLaunches", "Nessun numero da importare.");
        return plan;
    }
    if (options.newestFirst)
        std::reverse(launches.begin(), launches.end());
    const QString mode = options.mode == u"EASY" ? u"EASY"_s : u"PRO"_s;
    ImportedSessionBuilder builder(plan, mode, QString());
    builder.session().site = options.site;
    builder.session().croupier = options.croupier;
    Direction next = options.alternateFrom.value_or(Direction::Clockwise);
    for (const PastedLaunch& launch : launches) {
        const Direction direction = launch.direction.value_or(next);
        next =
            direction == Direction::Clockwise ? Direction::CounterClockwise : Direction::Clockwise;
        // PRO keeps each direction in its series; EASY keeps every launch in one.
        const int series = mode == u"PRO" && direction == Direction::CounterClockwise ? 1 : 0;
        builder.launch(launch.line, series, launch.number, direction);
    }
    builder.finish();
    return plan;
}

} // namespace rotamind
