// Sessions to and from CSV on real archive files: recorded evenings exported
// and imported again, numbers classified as the working window registers
// them, and bad input refused whole with its line.
#include "SessionScript.h"

#include "archive/ArchiveRecorder.h"
#include "archive/CsvExchange.h"
#include "storage/CsvReader.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using namespace rotamind;
using namespace Qt::StringLiterals;
namespace script = rotamind::testing;

namespace {

const QString kHeader = csvColumns().join(u',') + u"\r\n"_s;

// The records of an export, each session named by the order it first appears in.
std::vector<QStringList> recordsOf(const std::variant<QByteArray, QString>& exported) {
    const QByteArray* bytes = std::get_if<QByteArray>(&exported);
    EXPECT_TRUE(bytes) << std::get<QString>(exported).toStdString();
    if (!bytes)
        return {};
    const QString text = QString::fromUtf8(*bytes);
    CsvReader reader(text);
    std::vector<QStringList> records;
    std::map<QString, int> order;
    QStringList fields;
    while (reader.next(fields)) {
        fields[0] = QString::number(order.emplace(fields[0], order.size()).first->second);
        records.push_back(fields);
    }
    EXPECT_TRUE(reader.error().isEmpty()) << reader.error().toStdString();
    return records;
}

qint64 sessionsIn(const Archive& archive) {
    QSqlQuery query(archive.database());
    return query.exec(u"SELECT count(*) FROM session"_s) && query.next()
               ? query.value(0).toLongLong()
               : -1;
}

class CsvExchangeTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name + u".sqlite"_s); }
    QTemporaryDir m_dir;
};

TEST_F(CsvExchangeTest, recordedSessions_exportThenImport_giveTheSameSessions) {
    Archive source(path(u"source"_s));
    ASSERT_TRUE(source.open());
    std::vector<qint64> ids;
    for (std::uint32_t seed = 0; seed < 1000; ++seed) {
        auto session = script::makeScriptSession(seed);
        ArchiveRecorder recorder(source, *session, script::scriptMode(seed));
        // Names a spreadsheet must get back as they were.
        if (seed % 7 == 0)
            session->setSite(u"Casinò, \"Sala\" %1\nprivé"_s.arg(seed));
        std::mt19937 random(seed);
        for (int step = 0; step < 20; ++step)
            script::playStep(*session, random);
        if (recorder.sessionId() != 0)
            ids.push_back(recorder.sessionId());
        recorder.end();
    }
    const auto exported = exportCsv(source.path(), ids);
    const std::vector<QStringList> records = recordsOf(exported);
    ASSERT_GT(records.size(), 1000u);

    const ImportPlan plan = readCsvSessions(std::get<QByteArray>(exported));
    ASSERT_TRUE(plan.canImport()) << plan.firstProblem().toStdString();
    Archive target(path(u"target"_s));
    ASSERT_TRUE(target.open());
    const auto imported = importSessions(target, plan);
    ASSERT_TRUE(std::holds_alternative<std::vector<qint64>>(imported))
        << std::get<QString>(imported).toStdString();
    EXPECT_EQ(recordsOf(exportCsv(target.path(), std::get<std::vector<qint64>>(imported))),
              records);
}

struct Launch {
    QString number;
    Direction direction;
};

// Numbers as a live table shows them, repeats included, launched alternately.
std::vector<Launch> randomEvening(std::mt19937& random, Direction first) {
    std::vector<Launch> launches(1 + random() % 60);
    QString previous = u"0"_s;
    Direction direction = first;
    for (Launch& launch : launches) {
        launch.number = random() % 8 == 0 ? previous : QString::number(random() % 37);
        launch.direction = direction;
        direction =
            direction == Direction::Clockwise ? Direction::CounterClockwise : Direction::Clockwise;
        previous = launch.number;
    }
    return launches;
}

TEST(CsvImportTest, numbers_classifiedAsTheWindowRegistersThem) {
    const QString separators[] = {u"\n"_s, u" "_s, u", "_s, u";"_s, u"\r\n"_s, u"\t"_s};
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
        std::mt19937 random(seed);
        const QString mode = modeText(script::scriptMode(seed));
        const Direction first = seed % 4 < 2 ? Direction::Clockwise : Direction::CounterClockwise;
        const std::vector<Launch> launches = randomEvening(random, first);

        // The window the numbers are typed into, from an empty entry.
        const LaunchEntry empty{.number = u"??"_s, .n1 = u"??"_s, .n2 = u"??"_s};
        auto window = mode == u"PRO" ? std::unique_ptr<WorkingSession>(new ProSession(empty))
                                     : std::make_unique<EasySession>(empty);
        QString alternating, newestFirst, column, csv = kHeader;
        for (const Launch& launch : launches) {
            window->setNumber(launch.number);
            window->setDirection(launch.direction);
            window->pressRegister();
            const QString letter = launch.direction == Direction::Clockwise ? u"O"_s : u"A"_s;
            const QString& separator = separators[random() % std::size(separators)];
            alternating += launch.number + separator;
            newestFirst = launch.number + u"\n"_s + newestFirst;
            column += random() % 2 ? launch.number + u" "_s + letter + u"\n"_s
                                   : letter + u";"_s + launch.number + u"\n"_s;
            const int series = mode == u"PRO" && launch.direction != Direction::Clockwise ? 1 : 0;
            csv += u"7,%1,,,,%2,,%3,%4,,\r\n"_s.arg(mode, csvSeriesName(mode, series),
                                                    launch.number, letter);
        }
        const PasteOptions alternate{.mode = mode, .alternateFrom = first};
        const ImportPlan plans[] = {
            readPastedLaunches(alternating, alternate),
            readPastedLaunches(newestFirst,
                               {.mode = mode, .alternateFrom = first, .newestFirst = true}),
            readPastedLaunches(column, {.mode = mode}),
            readCsvSessions(csv.toUtf8()),
        };
        for (const ImportPlan& plan : plans) {
            ASSERT_TRUE(plan.canImport()) << plan.firstProblem().toStdString();
            ASSERT_EQ(plan.sessions.size(), 1u);
            const ImportedSession& session = plan.sessions.front();
            EXPECT_EQ(session.mode, mode);
            EXPECT_EQ(session.launches, static_cast<qint64>(launches.size()));
            for (int index = 0; index < WorkingSession::kSeriesCount; ++index) {
                std::vector<std::int8_t> classes;
                for (const ImportedItem& item : session.series[static_cast<std::size_t>(index)])
                    classes.push_back(item.distanceClass);
                const auto expected = window->seriesAt(index).classes();
                EXPECT_EQ(classes, std::vector<std::int8_t>(expected.begin(), expected.end()))
                    << "seed " << seed << " series " << index;
            }
            EXPECT_TRUE(script::SessionModel::sameEntry(session.entry, window->entry()))
                << "seed " << seed;
        }
    }
}

TEST_F(CsvExchangeTest, badInput_isRefusedWholeNamingItsLine) {
    const QString good = u"1,PRO,Snai,Ugo,2026-12-09T21:14:05,ORARIO,1,17,O,2,\r\n"_s;
    struct Case {
        QString text;
        qsizetype line;
        QString named;
        bool csv = true;
        std::optional<Direction> alternate{};
    };
    const Case cases[] = {
        {u"sessione,modo,serie,numero,direzione\r\n1,PRO,ORARIO,17,O\r\n"_s, 1, u"classe"_s},
        {kHeader + good + u"1,PRO,Snai,Ugo,,ORARIO,2,17,O,2\r\n"_s, 3, u"campi"_s},
        {kHeader + good + u"1,PRO,Snai,Ugo,2026-12-09T21:14:05,ORARIO,2,37,O,,\r\n"_s, 3, u"37"_s},
        {kHeader + u"1,PRO,,,,ORARIO,,17,X,,\r\n"_s, 2, u"X"_s},
        {kHeader + u"1,PRO,,,,ORARIO,,17,A,,\r\n"_s, 2, u"ORARIO"_s},
        {kHeader + u"1,EASY,,,,SALVATA,,17,A,,\r\n"_s, 2, u"ATTUALE"_s},
        {kHeader + u"1,PRO,,,,ORARIO,,,,4,\r\n"_s, 2, u"4"_s},
        {kHeader + u"1,PRO,,,,ORARIO,,,,,\r\n"_s, 2, u"né numero né classe"_s},
        {kHeader + u"1,PRO,,,,ORARIO,,17,,,\r\n"_s, 2, u"senza direzione"_s},
        {kHeader + u"1,PRO,,,,ORARIO,3,,,2,\r\n"_s, 2, u"posizione"_s},
        {kHeader + u"1,PRO,,,ieri,ORARIO,,,,2,\r\n"_s, 2, u"ieri"_s},
        {kHeader + good + u"1,EASY,Snai,Ugo,2026-12-09T21:14:05,ATTUALE,,,,2,\r\n"_s, 3,
         u"diversi"_s},
        {kHeader + u"1,ROULETTE,,,,ORARIO,,,,2,\r\n"_s, 2, u"ROULETTE"_s},
        {kHeader + u"1,PRO,,,,ANTI,,,,2,\r\n"_s, 2, u"ANTI"_s},
        {kHeader + good + u"1,PRO,\"Snai,Ugo\r\n"_s, 3, u"virgolette"_s},
        {kHeader + good + u"1,PRO,Sna\xFF"_s, 3, u"UTF-8"_s},
        {QString(), 0, u"vuoto"_s},
        {kHeader, 0, u"Nessuna riga"_s},
        {u"17 O\n5\n"_s, 2, u"direzione"_s, false},
        {u"17 X\n"_s, 1, u"X"_s, false},
        {u"17 5\n\n40"_s, 3, u"40"_s, false, Direction::Clockwise},
        {u" \n"_s, 0, u"Nessun numero"_s, false, Direction::Clockwise},
    };
    Archive archive(path(u"archive"_s));
    ASSERT_TRUE(archive.open());
    for (const Case& c : cases) {
        QByteArray bytes = c.text.toUtf8();
        // Latin-1 where the text says so: a byte no UTF-8 text holds.
        bytes.replace("\xC3\xBF", "\xFF");
        const ImportPlan plan = c.csv ? readCsvSessions(bytes)
                                      : readPastedLaunches(c.text, {.alternateFrom = c.alternate});
        const QString problem = plan.firstProblem();
        EXPECT_FALSE(plan.canImport()) << c.text.toStdString();
        if (c.line > 0) {
            EXPECT_TRUE(problem.startsWith(u"Riga %1: "_s.arg(c.line))) << problem.toStdString();
        }
        EXPECT_TRUE(problem.contains(c.named)) << problem.toStdString();
        EXPECT_TRUE(std::holds_alternative<QString>(importSessions(archive, plan)));
    }
    EXPECT_EQ(sessionsIn(archive), 0);
}

} // namespace

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
