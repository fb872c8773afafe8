// A CSV file of archived sessions in: every row checked, the refused ones
// named by their line, so that the file comes in whole or not at all.
#include "archive/CsvExchange.h"
#include "archive/ImportedSessionBuilder.h"
#include "storage/CsvReader.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringDecoder>

#include <deque>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {

enum Column {
    SessionColumn,
    ModeColumn,
    SiteColumn,
    CroupierColumn,
    StartColumn,
    SeriesColumn,
    PositionColumn,
    NumberColumn,
    DirectionColumn,
    ClassColumn,
    TimeColumn,
    ColumnCount
};
// Without these a row cannot be placed; the others may be left out.
constexpr Column kRequired[] = {SessionColumn, ModeColumn,      SeriesColumn,
                                NumberColumn,  DirectionColumn, ClassColumn};

void refuse(ImportPlan& plan, qsizetype line, const QString& reason) {
    ++plan.refusedCount;
    if (static_cast<qsizetype>(plan.refused.size()) < ImportPlan::kMaxRefusedShown)
        plan.refused.push_back({line, reason});
}

// The line (1-based) of the first byte that is not UTF-8.
qsizetype firstLineNotUtf8(const QByteArray& bytes) {
    qsizetype line = 1;
    for (qsizetype start = 0; start < bytes.size(); ++line) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder(QByteArrayView(bytes).sliced(start, end - start));
        if (decoder.hasError())
            return line;
        start = end + 1;
    }
    return line;
}

std::optional<Direction> directionFrom(const QString& text) {
    if (text.compare(u"O"_s, Qt::CaseInsensitive) == 0)
        return Direction::Clockwise;
    if (text.compare(u"A"_s, Qt::CaseInsensitive) == 0)
        return Direction::CounterClockwise;
    return std::nullopt;
}

// A session of the file while its rows are read.
struct OpenSession {
    OpenSession(ImportedSessionBuilder made, QString start)
        : builder(std::move(made)), started(std::move(start)) {}

    ImportedSessionBuilder builder;
    QString started; // as written, to compare later rows with
    std::array<qint64, 2> positions{};
};

class CsvSessionReader final {
public:
    explicit CsvSessionReader(ImportPlan& plan) : m_plan(plan) {}

    bool readHeader(const QStringList& fields, qsizetype line);
    void readRow(const QStringList& fields, qsizetype line);
    void finish() {
        for (OpenSession& open : m_open)
            open.builder.finish();
    }

private:
    QString field(const QStringList& fields, Column column) const {
        const qsizetype at = m_at[column];
        return at < 0 ? QString() : fields[at].trimmed();
    }
    // The session of the row, opened at its first row; none when the row
    // disagrees with the rows before it.
    OpenSession* sessionOf(const QStringList& fields, qsizetype line, const QString& mode);

    ImportPlan& m_plan;
    std::array<qsizetype, ColumnCount> m_at{};
    qsizetype m_width = 0;
    QHash<QString, std::size_t> m_byKey;
    std::deque<OpenSession> m_open;
};

bool CsvSessionReader::readHeader(const QStringList& fields, qsizetype line) {
    m_at.fill(-1);
    m_width = fields.size();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const qsizetype column = csvColumns().indexOf(fields[i].trimmed().toLower());
        if (column >= 0 && m_at[column] < 0)
            m_at[column] = i;
    }
    for (const Column column : kRequired) {
        if (m_at[column] < 0) {
            m_plan.fault =
                QCoreApplication::translate(
                    "CsvImport", "Riga %1: l'intestazione non ha la colonna «%2» (servono %3)")
                    .arg(line)
                    .arg(csvColumns()[column], csvColumns().join(u','));
            return false;
        }
    }
    return true;
}

OpenSession* CsvSessionReader::sessionOf(const QStringList& fields, qsizetype line,
                                         const QString& mode) {
    const QString key = field(fields, SessionColumn);
    const QString site = field(fields, SiteColumn);
    const QString croupier = field(fields, CroupierColumn);
    const QString started = field(fields, StartColumn);
    const auto found = m_byKey.constFind(key);
    if (found == m_byKey.cend()) {
        const QDateTime start = QDateTime::fromString(started, Qt::ISODate);
        if (!started.isEmpty() && !start.isValid()) {
            refuse(m_plan, line,
                   QCoreApplication::translate(
                       "CsvImport", "inizio «%1» non è una data e ora come 2026-12-09T21:14:05")
                       .arg(started));
            return nullptr;
        }
        m_byKey.insert(key, m_open.size());
        OpenSession& open = m_open.emplace_back(ImportedSessionBuilder(m_plan, mode, key), started);
        ImportedSession& session = open.builder.session();
        session.site = site;
        session.croupier = croupier;
        session.started = start;
        return &open;
    }
    OpenSession& open = m_open[*found];
    const ImportedSession& session = open.builder.session();
    if (session.mode != mode || session.site != site || session.croupier != croupier ||
        open.started != started) {
        refuse(m_plan, line,
               QCoreApplication::translate(
                   "CsvImport",
                   "modo, sito, croupier o inizio diversi dalle righe prima della sessione «%1»")
                   .arg(key));
        return nullptr;
    }
    return &open;
}

void CsvSessionReader::readRow(const QStringList& fields, qsizetype line) {
    if (fields.size() != m_width) {
        refuse(m_plan, line,
               QCoreApplication::translate("CsvImport", "%1 campi invece dei %2 dell'intestazione")
                   .arg(fields.size())
                   .arg(m_width));
        return;
    }
    if (field(fields, SessionColumn).isEmpty()) {
        refuse(m_plan, line, QCoreApplication::translate("CsvImport", "manca la sessione"));
        return;
    }
    const QString mode = field(fields, ModeColumn).toUpper();
    if (mode != u"PRO" && mode != u"EASY") {
        refuse(m_plan, line,
               QCoreApplication::translate("CsvImport", "modo «%1» sconosciuto: PRO o EASY")
                   .arg(field(fields, ModeColumn)));
        return;
    }
    OpenSession* open = sessionOf(fields, line, mode);
    if (!open)
        return;

    const QString seriesText = field(fields, SeriesColumn);
    int series = -1;
    for (int index = 0; index < 2; ++index)
        if (seriesText.compare(csvSeriesName(mode, index), Qt::CaseInsensitive) == 0)
            series = index;
    const QString number = field(fields, NumberColumn);
    const QString directionText = field(fields, DirectionColumn);
    const std::optional<Direction> direction = directionFrom(directionText);
    const QString classText = field(fields, ClassColumn);
    const std::optional<int> given = classFromText(classText);
    const QString position = field(fields, PositionColumn);

    QString reason;
    if (series < 0)
        reason = QCoreApplication::translate("CsvImport", "serie «%1» sconosciuta: %2 o %3")
                     .arg(seriesText, csvSeriesName(mode, 0), csvSeriesName(mode, 1));
    else if (!number.isEmpty() && !pocketFromText(number))
        reason =
            QCoreApplication::translate("CsvImport", "«%1» non è un numero da 0 a 36").arg(number);
    else if (!directionText.isEmpty() && !direction)
        reason = QCoreApplication::translate("CsvImport", "direzione «%1» sconosciuta: O o A")
                     .arg(directionText);
    else if (!classText.isEmpty() && !given)
        reason = QCoreApplication::translate("CsvImport",
                                             "classe «%1» sconosciuta: 3, 2, 1, -1, -2 o -3")
                     .arg(classText);
    else if (number.isEmpty() && classText.isEmpty())
        reason = QCoreApplication::translate("CsvImport", "né numero né classe");
    else if (number.isEmpty() != directionText.isEmpty())
        reason = number.isEmpty()
                     ? QCoreApplication::translate("CsvImport", "direzione senza numero")
                     : QCoreApplication::translate("CsvImport", "numero senza direzione");
    else if (direction && mode == u"PRO" && (series == 0) != (*direction == Direction::Clockwise))
        reason = QCoreApplication::translate("CsvImport", "un lancio %1 nella serie %2")
                     .arg(directionText.toUpper(), seriesText);
    else if (direction && mode == u"EASY" && series != 0)
        reason = QCoreApplication::translate("CsvImport", "in EASY i lanci vanno nella serie %1")
                     .arg(csvSeriesName(mode, 0));
    if (!reason.isEmpty()) {
        refuse(m_plan, line, reason);
        return;
    }

    // A class takes the next place of its series; a sorted or shortened
    // sheet would put classes beside launches they never followed.
    const bool hasClass = given || open->builder.wheelClass(number, *direction);
    qint64& placed = open->positions[static_cast<std::size_t>(series)];
    if (hasClass && !position.isEmpty() && position != QString::number(placed + 1)) {
        refuse(
            m_plan, line,
            QCoreApplication::translate(
                "CsvImport", "posizione %1 dove viene la %2: le righe di una serie vanno in ordine")
                .arg(position)
                .arg(placed + 1));
        return;
    }
    if (hasClass)
        ++placed;
    if (number.isEmpty())
        open->builder.loadedClass(line, series, *given);
    else
        open->builder.launch(line, series, number, *direction, given);
}

} // namespace

ImportPlan readCsvSessions(const QByteArray& bytes, const ExchangeProgress& progress) {
    ImportPlan plan;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError()) {
        plan.fault = QCoreApplication::translate("CsvImport", "Riga %1: il testo non è in UTF-8")
                         .arg(firstLineNotUtf8(bytes));
        return plan;
    }
    qsizetype headerEnd = text.indexOf(u'\n');
    if (headerEnd < 0)
        headerEnd = text.size();
    CsvReader reader(text, csvSeparatorOf(QStringView(text).first(headerEnd)));
    CsvSessionReader sessions(plan);
    QStringList fields;
    if (!reader.next(fields)) {
        plan.fault = reader.error().isEmpty()
                         ? QCoreApplication::translate("CsvImport", "Il file è vuoto.")
                         : QCoreApplication::translate("CsvImport", "Riga %1: %2")
                               .arg(reader.line())
                               .arg(reader.error());
        return plan;
    }
    if (!sessions.readHeader(fields, reader.line()))
        return plan;
    for (qsizetype rows = 1; reader.next(fields); ++rows) {
        sessions.readRow(fields, reader.line());
        if (progress && rows % 4096 == 0)
            progress(reader.permille());
    }
    if (!reader.error().isEmpty()) {
        plan.fault = QCoreApplication::translate("CsvImport", "Riga %1: %2")
                         .arg(reader.line())
                         .arg(reader.error());
        return plan;
    }
    sessions.finish();
    if (plan.sessions.empty() && plan.refusedCount == 0)
        plan.fault = QCoreApplication::translate("CsvImport", "Nessuna riga dopo l'intestazione.");
    return plan;
}

} // namespace rotamind
