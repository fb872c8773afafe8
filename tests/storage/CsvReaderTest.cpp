#include "storage/CsvReader.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace rotamind;
using namespace Qt::StringLiterals;

namespace {

struct Read {
    std::vector<QStringList> records;
    std::vector<qsizetype> lines; // where each record began
    qsizetype faultLine = 0;      // 0: no fault
};

Read readAll(const QString& text, QChar separator = u',') {
    Read read;
    CsvReader reader(text, separator);
    QStringList fields;
    while (reader.next(fields)) {
        read.records.push_back(fields);
        read.lines.push_back(reader.line());
    }
    if (!reader.error().isEmpty())
        read.faultLine = reader.line();
    if (reader.error().isEmpty()) {
        EXPECT_EQ(reader.permille(), 1000);
    }
    return read;
}

TEST(CsvReaderTest, recordsAndTheirLines) {
    struct Case {
        const char16_t* text;
        std::vector<QStringList> records;
        std::vector<qsizetype> lines;
    };
    const Case cases[] = {
        {u"a,b\r\nc,d\r\n", {{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}}, {1, 2}},
        {u"a,b\nc,d", {{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}}, {1, 2}},
        {u"a\rb\r", {{u"a"_s}, {u"b"_s}}, {1, 2}},
        // Blank lines are no records; empty fields are.
        {u"\r\n\r\n,,\n\nx", {{u""_s, u""_s, u""_s}, {u"x"_s}}, {3, 5}},
        // Quotes keep separators, doubled quotes and line ends, which count as lines.
        {u"\"x,y\",\"say \"\"hi\"\"\"\r\n\"two\r\nlines\",z\r\nlast",
         {{u"x,y"_s, u"say \"hi\""_s}, {u"two\r\nlines"_s, u"z"_s}, {u"last"_s}},
         {1, 2, 4}},
        {u"\xFEFF\"\",a", {{u""_s, u"a"_s}}, {1}},
        {u"Città,€", {{u"Città"_s, u"€"_s}}, {1}},
    };
    for (const Case& c : cases) {
        const Read read = readAll(QString::fromUtf16(c.text));
        EXPECT_EQ(read.faultLine, 0) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(read.records, c.records) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(read.lines, c.lines) << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(CsvReaderTest, brokenQuoting_namesTheLineAndStops) {
    struct Case {
        const char16_t* text;
        qsizetype faultLine;
        std::size_t recordsBefore;
    };
    const Case cases[] = {
        {u"a\r\nb,\"open\r\nstill open", 2, 1}, // never closed: the line where it opened
        {u"a\nb,c\"d\ne", 2, 1},                // a quote inside a plain field
        {u"a\n\"x\"y,z", 2, 1},                 // text after the closing quote
        {u"\"two\nlines\"\n\"x\" ,y", 3, 1},
    };
    for (const Case& c : cases) {
        const Read read = readAll(QString::fromUtf16(c.text));
        EXPECT_EQ(read.faultLine, c.faultLine) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(read.records.size(), c.recordsBefore);
    }
}

TEST(CsvReaderTest, writtenFields_readBackAsTheyWere) {
    std::mt19937 random(7);
    const QString alphabet = u"ab,\"\r\n;è €\xFEFF"_s;
    for (int round = 0; round < 200; ++round) {
        std::vector<QStringList> records(1 + random() % 4);
        QString text;
        for (QStringList& record : records) {
            for (std::uint32_t f = 0, n = 1 + random() % 4; f < n; ++f) {
                QString field;
                for (std::uint32_t i = 0, length = random() % 6; i < length; ++i)
                    field += alphabet[static_cast<qsizetype>(random() % alphabet.size())];
                record.append(field);
                text += (f ? u","_s : QString()) + csvField(field);
            }
            text += u"\r\n"_s;
        }
        Read read = readAll(text);
        // A record of one empty field is written as a blank line, which is no record.
        std::erase_if(records, [](const QStringList& r) { return r == QStringList{QString()}; });
        EXPECT_EQ(read.records, records) << text.toStdString();
    }
}

TEST(CsvReaderTest, separatorOfAHeader) {
    EXPECT_EQ(csvSeparatorOf(u"sessione,modo"), u',');
    EXPECT_EQ(csvSeparatorOf(u"sessione;modo;\"a,b\""), u';');
    EXPECT_EQ(csvSeparatorOf(u"sessione;modo,sito"), u',');
    const Read read = readAll(u"a;\"b;c\"\r\n"_s, u';');
    EXPECT_EQ(read.records, (std::vector<QStringList>{{u"a"_s, u"b;c"_s}}));
}

} // namespace
