#include "storage/SessionFile.h"
#include "wheel/Wheel.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

using namespace rotamind;

namespace {

QStringList texts(std::initializer_list<int> classes) {
    QStringList list;
    for (int c : classes)
        list.append(classText(c));
    return list;
}

QStringList parsed(const QByteArray& bytes) {
    auto result = parseSessionBytes(bytes);
    if (const auto* error = std::get_if<SessionReadError>(&result)) {
        ADD_FAILURE() << "refused line " << error->line << ": " << error->lineText.toStdString();
        return {};
    }
    return std::get<QStringList>(result);
}

SessionReadError refusal(const QByteArray& bytes) {
    auto result = parseSessionBytes(bytes);
    EXPECT_TRUE(std::holds_alternative<SessionReadError>(result))
        << "accepted " << bytes.left(40).toStdString();
    if (auto* error = std::get_if<SessionReadError>(&result))
        return *error;
    return {};
}

void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace

TEST(SessionFileBytes, everyLineEndsWithCrLf) {
    const QStringList items = texts({1, -2, 3});
    const QByteArray bytes = sessionFileBytes(items);
    EXPECT_EQ(bytes, QByteArray("1\r\n-2\r\n3\r\n"));
    EXPECT_EQ(bytes.size(), 10);
}

TEST(SessionFileBytes, noItems_zeroBytes) {
    EXPECT_TRUE(sessionFileBytes({}).isEmpty());
}

TEST(SessionFile, saveThenLoad_roundTrip) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList items;
    for (int i = 0; i < 40; ++i)
        items.append(classText(kClasses[static_cast<std::size_t>(i * 5 % 6)]));
    const QString path = dir.filePath(QStringLiteral("sessione.txt"));
    ASSERT_TRUE(writeSessionFile(path, items));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), sessionFileBytes(items));

    const auto result = readSessionFile(path);
    ASSERT_TRUE(std::holds_alternative<QStringList>(result));
    EXPECT_EQ(std::get<QStringList>(result), items);
}

TEST(SessionFile, saveThenLoad_emptyListIsEmptyFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vuota.txt"));
    ASSERT_TRUE(writeSessionFile(path, {}));
    EXPECT_EQ(QFile(path).size(), 0);
    const auto result = readSessionFile(path);
    ASSERT_TRUE(std::holds_alternative<QStringList>(result));
    EXPECT_TRUE(std::get<QStringList>(result).isEmpty());
}

TEST(SessionFile, loadedItemsShareTheClassTexts) {
    const QStringList items = parsed("3\r\n-3\r\n");
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].constData(), classText(3).constData());
    EXPECT_EQ(items[1].constData(), classText(-3).constData());
}

TEST(SessionFile, lineEndsAndBlankLines_accepted) {
    const QStringList expected = texts({1, -2, 3});
    EXPECT_EQ(parsed("1\n-2\n3\n"), expected);
    EXPECT_EQ(parsed("1\r\n-2\n3"), expected);
    EXPECT_EQ(parsed("1\r\n-2\r\n3"), expected);
    EXPECT_EQ(parsed("\r\n1\r\n\r\n\n-2\r\n3\r\n\r\n"), expected);
    EXPECT_EQ(parsed("\n\r\n"), QStringList());
    EXPECT_EQ(parsed(""), QStringList());
}

TEST(SessionFile, foreignLines_refusedWithLineNumberAndText) {
    struct Case {
        QByteArray bytes;
        qint64 line;
        QString text;
    };
    const std::vector<Case> cases{
        {"1\r\n4\r\n-1\r\n", 2, QStringLiteral("4")},
        {"+1\r\n", 1, QStringLiteral("+1")},
        {"3\r\n 1\r\n", 2, QStringLiteral(" 1")},
        {"3\r\n1 \r\n", 2, QStringLiteral("1 ")},
        {"-0\n", 1, QStringLiteral("-0")},
        {"01\n", 1, QStringLiteral("01")},
        {"--1", 1, QStringLiteral("--1")},
        // Blank lines count: the number is the line an editor shows.
        {"1\r\n\r\n\r\n-4", 4, QStringLiteral("-4")},
        {"2\r\r\n", 1, QStringLiteral("2\uFFFD")},
        {"2\r\nsì\r\n", 2, QStringLiteral("sì")},
    };
    for (const Case& c : cases) {
        const SessionReadError error = refusal(c.bytes);
        EXPECT_EQ(error.line, c.line) << c.bytes.toStdString();
        EXPECT_EQ(error.lineText, c.text) << c.bytes.toStdString();
        EXPECT_TRUE(error.path.isEmpty());
    }
}

TEST(SessionFile, binaryLine_shownWithoutControlCharacters) {
    const SessionReadError error = refusal(QByteArray("1\n\x01\x00\xff\x7f"
                                                      "2\n",
                                                      8));
    EXPECT_EQ(error.line, 2);
    EXPECT_EQ(error.lineText.size(), 5);
    EXPECT_TRUE(error.lineText.endsWith(u'2'));
    for (QChar c : error.lineText)
        EXPECT_TRUE(c.isPrint()) << int(c.unicode());
}

TEST(SessionFile, hugeLine_shownShortened) {
    const QByteArray line(1 << 20, 'x');
    const SessionReadError error = refusal("3\r\n" + line + "\r\n");
    EXPECT_EQ(error.line, 2);
    EXPECT_EQ(error.lineText, QString(40, u'x') + u'…');

    // Exactly forty characters need no mark; multi-byte ones are counted as characters.
    EXPECT_EQ(refusal(QByteArray(40, 'y')).lineText, QString(40, u'y'));
    QByteArray accented;
    for (int i = 0; i < 50; ++i)
        accented += "è";
    EXPECT_EQ(refusal(accented).lineText, QString(40, u'è') + u'…');
}

TEST(SessionFile, readRefusal_carriesPathAndLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("altro.txt"));
    writeRaw(path, "1\r\n2\r\nciao\r\n3\r\n");
    const auto result = readSessionFile(path);
    ASSERT_TRUE(std::holds_alternative<SessionReadError>(result));
    const auto& error = std::get<SessionReadError>(result);
    EXPECT_EQ(error.path, path);
    EXPECT_EQ(error.line, 3);
    EXPECT_EQ(error.lineText, QStringLiteral("ciao"));
}

// A file is read a piece at a time; wherever a piece's end cuts a line, the
// file reads as its whole bytes parse: the same classes, or the same refusal
// at the same line.
TEST(SessionFile, readInPieces_asItsWholeBytesParse) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lunga.txt"));
    constexpr qsizetype kPiece = 1 << 20;
    const QByteArray cut[] = {"-2\r\n", "3\r\n",   "1\n",
                              "\r\n",   "2\r\r\n", QByteArray(3 * kPiece / 2, 'x') + '\n'};
    const QByteArray after[] = {"ciao\n3\n", "3\r\n-1"};
    for (const QByteArray& line : cut)
        for (qsizetype k = 0; k <= std::min<qsizetype>(line.size(), 5); ++k)
            for (const QByteArray& tail : after) {
                // Lines before the cut fill the first piece but k bytes of `line`.
                QByteArray bytes((kPiece - k) % 2 ? "\n" : "");
                while (bytes.size() < kPiece - k)
                    bytes += "1\n";
                bytes += line + tail;
                writeRaw(path, bytes);
                const auto whole = parseSessionClasses(bytes);
                const auto read = readSessionClasses(path);
                const QByteArray name = line.left(8) + " cut at " + QByteArray::number(k);
                ASSERT_EQ(read.index(), whole.index()) << name.toStdString();
                if (const auto* error = std::get_if<SessionReadError>(&whole)) {
                    EXPECT_EQ(std::get<SessionReadError>(read).line, error->line)
                        << name.toStdString();
                    EXPECT_EQ(std::get<SessionReadError>(read).lineText, error->lineText);
                } else {
                    EXPECT_EQ(std::get<SessionClasses>(read), std::get<SessionClasses>(whole))
                        << name.toStdString();
                }
            }
}

TEST(SessionFile, unreadablePaths_refusedAsLineZero) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("manca.txt"));
    const QString big = dir.filePath(QStringLiteral("grande.txt"));
    {
        // Sparse: the size is what counts, nothing is written to the disk.
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(kMaxSessionFileBytes + 1));
    }
    // A NUL would cut the name short and read another file.
    const QString cut = dir.filePath(QStringLiteral("a"));
    writeRaw(cut, "1\r\n");
    const QString withNul = cut + QChar(0) + QStringLiteral("b.txt");
    for (const QString& path : {missing, dir.path(), big, QString(), withNul}) {
        const auto result = readSessionFile(path);
        ASSERT_TRUE(std::holds_alternative<SessionReadError>(result)) << path.toStdString();
        const auto& error = std::get<SessionReadError>(result);
        EXPECT_EQ(error.path, path);
        EXPECT_EQ(error.line, 0);
        EXPECT_FALSE(error.lineText.isEmpty()) << "no reason for " << path.toStdString();
    }
}

namespace {
// The reader decides a line from its bytes; it must agree with the wheel's
// own rule for every line of one or two bytes, the only lengths a class has.
TEST(SessionFile, everyShortLine_isReadAsTheWheelClassifiesIt) {
    for (int first = 1; first < 256; ++first) {
        for (int second = -1; second < 256; ++second) {
            if (first == '\n' || first == '\r' || second == '\n' || second == '\r')
                continue;
            QByteArray line(1, char(first));
            if (second >= 0)
                line.append(char(second));
            const auto expected = classFromText(QString::fromLatin1(line));
            auto read = parseSessionClasses(line);
            if (expected)
                ASSERT_EQ(std::get<SessionClasses>(read), SessionClasses{std::int8_t(*expected)})
                    << line.toStdString();
            else
                ASSERT_TRUE(std::holds_alternative<SessionReadError>(read)) << line.toStdString();
        }
    }
}
} // namespace
