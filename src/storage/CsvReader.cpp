#include "storage/CsvReader.h"

using namespace Qt::StringLiterals;

#include <QCoreApplication>

namespace rotamind {

namespace {

// Line ends inside `text`: CR LF, LF and a lone CR each count once.
qsizetype lineEnds(QStringView text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            ++count;
        else if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))
            ++count;
    }
    return count;
}

} // namespace

CsvReader::CsvReader(QStringView text, QChar separator) : m_text(text), m_separator(separator) {
    // A spreadsheet may begin its UTF-8 files with a byte-order mark.
    if (m_text.startsWith(u'\xFEFF'))
        m_pos = 1;
}

int CsvReader::permille() const {
    return m_text.isEmpty() ? 1000 : static_cast<int>(m_pos * 1000 / m_text.size());
}

bool CsvReader::fail(const QString& reason) {
    m_error = reason;
    return false;
}

bool CsvReader::next(QStringList& fields) {
    fields.clear();
    if (!m_error.isEmpty())
        return false;
    const qsizetype size = m_text.size();
    const auto skipLineEnd = [this, size] {
        if (m_text[m_pos] == u'\r' && m_pos + 1 < size && m_text[m_pos + 1] == u'\n')
            ++m_pos;
        ++m_pos;
        ++m_line;
    };
    while (m_pos < size && (m_text[m_pos] == u'\r' || m_text[m_pos] == u'\n'))
        skipLineEnd();
    if (m_pos >= size)
        return false;
    m_recordLine = m_line;
    for (;;) {
        if (m_pos < size && m_text[m_pos] == u'"') {
            const qsizetype opened = m_line;
            QString value;
            ++m_pos;
            for (;;) {
                const qsizetype quote = m_text.indexOf(u'"', m_pos);
                if (quote < 0) {
                    m_recordLine = opened;
                    return fail(
                        QCoreApplication::translate("CsvReader", "virgolette aperte e mai chiuse"));
                }
                const QStringView part = m_text.sliced(m_pos, quote - m_pos);
                m_line += lineEnds(part);
                value += part;
                m_pos = quote + 1;
                if (m_pos < size && m_text[m_pos] == u'"') {
                    value += u'"';
                    ++m_pos;
                    continue;
                }
                break;
            }
            fields.append(std::move(value));
        } else {
            qsizetype end = m_pos;
            for (; end < size; ++end) {
                const QChar c = m_text[end];
                if (c == m_separator || c == u'\r' || c == u'\n')
                    break;
                if (c == u'"') {
                    m_recordLine = m_line;
                    return fail(QCoreApplication::translate(
                        "CsvReader", "virgolette dentro un campo che non comincia con virgolette"));
                }
            }
            fields.append(m_text.sliced(m_pos, end - m_pos).toString());
            m_pos = end;
        }
        if (m_pos >= size)
            return true;
        const QChar c = m_text[m_pos];
        if (c == m_separator) {
            ++m_pos;
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            skipLineEnd();
            return true;
        }
        m_recordLine = m_line;
        return fail(QCoreApplication::translate("CsvReader",
                                                "testo dopo le virgolette che chiudono un campo"));
    }
}

QString csvField(const QString& text) {
    // A byte-order mark at the start of a file is dropped by the reader: in
    // quotes it stays the field's own.
    bool plain = !text.startsWith(u'\xFEFF');
    for (const QChar c : text)
        plain = plain && c != u',' && c != u'"' && c != u'\r' && c != u'\n';
    if (plain)
        return text;
    QString quoted = text;
    quoted.replace(u'"', u"\"\""_s);
    return u'"' + quoted + u'"';
}

QChar csvSeparatorOf(QStringView header) {
    bool quoted = false;
    qsizetype commas = 0;
    qsizetype semicolons = 0;
    for (const QChar c : header) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u';')
            ++semicolons;
    }
    return semicolons > 0 && commas == 0 ? u';' : u',';
}

} // namespace rotamind
