#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Comma-separated values as RFC 4180 writes them: records end at CR LF (LF or
// a lone CR are taken too), fields are split by the separator, a field in
// double quotes may hold separators, line ends and doubled quotes.
namespace rotamind {

class CsvReader final {
public:
    // Reads `text`, which must outlive the reader. `separator` is ',' for the
    // files this program writes; ';' for those of a spreadsheet set to Italian.
    explicit CsvReader(QStringView text, QChar separator = u',');

    // The next record into `fields`; false at the end of the text or at a
    // fault, which error() then names. Blank lines are skipped.
    bool next(QStringList& fields);
    // The line (1-based) where the last record, or the fault, began.
    qsizetype line() const { return m_recordLine; }
    // Empty unless the text broke the format: the reason, in Italian.
    const QString& error() const { return m_error; }
    // How much of the text has been read, 0..1000.
    int permille() const;

private:
    bool fail(const QString& reason);

    QStringView m_text;
    QChar m_separator;
    qsizetype m_pos = 0;
    qsizetype m_line = 1;
    qsizetype m_recordLine = 0;
    QString m_error;
};

// The field as a record of a CSV file holds it: in double quotes, with each
// quote doubled, when it holds the separator ',', a quote or a line end, or
// begins with a byte-order mark.
QString csvField(const QString& text);

// The separator of a file whose first line is `header`: ';' when the line has
// semicolons outside quotes and no comma there, ',' otherwise.
QChar csvSeparatorOf(QStringView header);

} // namespace rotamind
