// The archive on real files: what the recorder keeps of every kind of change,
// one transaction per change, the interrupted session and its restore, and
// the faults of the file that the program must outlive.
#include "SessionScript.h"

#include "archive/ArchiveRecorder.h"

#include <QCoreApplication>
#include <QDir>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rotamind;
using namespace Qt::StringLiterals;
using rotamind::testing::scriptEntry;
using rotamind::testing::SessionModel;

namespace {

qint64 scalar(const Archive& archive, const QString& statement) {
    QSqlQuery query(archive.database());
    return query.exec(statement) && query.next() ? query.value(0).toLongLong() : -1;
}

// The archive's row equal to the session, with one item per class.
void expectHolds(Archive& archive, qint64 id, const StoredSession& expected) {
    const std::optional<StoredSession> stored = archive.readSession(id);
    ASSERT_TRUE(stored);
    EXPECT_TRUE(SessionModel::sameContent(*stored, expected));
    for (int series = 0; series < 2; ++series)
        EXPECT_EQ(scalar(archive, QStringLiteral("SELECT count(*) = (SELECT count%1 FROM session"
                                                 " WHERE id = %2) FROM item"
                                                 " WHERE session_id = %2 AND series = %1")
                                      .arg(series)
                                      .arg(id)),
                  1);
}

// The stored counts and origin of each series equal a recount of its stored
// items and the origin its last replacement gave it; the bets lost on repeats,
// which no item keeps, those of a rebuild of the session's series.
void expectSummaries(Archive& archive, qint64 id, const WorkingSession& session,
                     const std::array<SeriesOrigin, WorkingSession::kSeriesCount>& origins) {
    for (int series = 0; series < 2; ++series) {
        QSqlQuery items(archive.database());
        ASSERT_TRUE(items.exec(QStringLiteral("SELECT class FROM item WHERE session_id = %1 AND"
                                              " series = %2 ORDER BY position")
                                   .arg(id)
                                   .arg(series)));
        std::vector<std::int8_t> classes;
        while (items.next())
            classes.push_back(static_cast<std::int8_t>(items.value(0).toInt()));
        analysis::SeriesSummary recount = analysis::SeriesSummary::of(classes);
        const SeriesContents& contents = session.seriesAt(series).contents();
        analysis::SeriesAnalysis rebuilt;
        rebuilt.recompute(contents.classes, contents.repeatsBefore);
        recount.repeatBets = rebuilt.summary().repeatBets;
        recount.repeatRedClasses = rebuilt.summary().repeatRedClasses;
        QSqlQuery row(archive.database());
        ASSERT_TRUE(row.exec(QStringLiteral("SELECT origin, %1 FROM series_summary WHERE"
                                            " session_id = %2 AND series = %3")
                                 .arg(series_summary_table::countColumnList())
                                 .arg(id)
                                 .arg(series)));
        if (!row.next()) {
            EXPECT_TRUE(classes.empty()) << "no counts for series " << series;
            continue;
        }
        EXPECT_EQ(row.value(0).toString(),
                  series_summary_table::originText(origins[static_cast<std::size_t>(series)]));
        EXPECT_EQ(row.value(1).toByteArray(), series_summary_table::encoded(recount))
            << "series " << series;
    }
}

class ArchiveTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("data/archive.sqlite")); }
    QTemporaryDir m_dir;
};

TEST_F(ArchiveTest, randomChanges_archiveHoldsTheSessionAfterEach) {
    Archive archive(path());
    ASSERT_TRUE(archive.open());
    for (const std::uint32_t seed : {20u, 21u}) {
        const SessionMode mode = rotamind::testing::scriptMode(seed);
        auto session = rotamind::testing::makeScriptSession(seed);
        SessionModel model(*session);
        ArchiveRecorder recorder(archive, *session, mode);
        // A load makes a series' launches loaded until a reset empties it.
        std::array<SeriesOrigin, WorkingSession::kSeriesCount> origins{};
        QObject::connect(session.get(), &WorkingSession::seriesChanged, session.get(),
                         [&origins](int index, const SeriesChange& change) {
                             if (change.kind == SeriesChange::Kind::Replaced)
                                 origins[static_cast<std::size_t>(index)] =
                                     change.cause == SeriesChange::Cause::Load
                                         ? SeriesOrigin::Loaded
                                         : SeriesOrigin::Typed;
                         });
        std::mt19937 random(seed);
        for (int step = 0; step < 1500 && !HasFailure(); ++step) {
            rotamind::testing::playStep(*session, random);
            if (recorder.sessionId() != 0) {
                expectHolds(archive, recorder.sessionId(), model.expected(mode));
                expectSummaries(archive, recorder.sessionId(), *session, origins);
            } else
                EXPECT_TRUE(model.untouched()) << "a change left no row";
        }
    }
}

// Inserts piled up at the front run the gaps there out again and again: the
// rows after them move apart, and every class and typed number keeps its order.
TEST_F(ArchiveTest, insertsPiledAtOnePlace_seriesKeepsItsOrder) {
    Archive archive(path());
    ASSERT_TRUE(archive.open());
    EasySession session(scriptEntry());
    SessionModel model(session);
    ArchiveRecorder recorder(archive, session, SessionMode::Easy);
    for (const int number : {0, 32, 15, 19, 4, 21, 2, 25, 17, 34, 6, 27}) {
        session.setNumber(QString::number(number));
        session.setDirection(Direction::Clockwise);
        session.pressRegister();
    }
    const auto typed = [&archive] {
        QSqlQuery numbers(archive.database());
        return numbers.exec(QStringLiteral("SELECT group_concat(number) FROM (SELECT number"
                                           " FROM item WHERE number IS NOT NULL"
                                           " ORDER BY position)")) &&
                       numbers.next()
                   ? numbers.value(0).toString()
                   : QString();
    };
    const QString order = typed();
    EXPECT_TRUE(order.endsWith(QStringLiteral("32,15,19,4,21,2,25,17,34,6,27")))
        << order.toStdString();
    for (int step = 0; step < 400 && !HasFailure(); ++step) {
        session.insertAt(session.seriesAt(0), step % 3,
                         kClasses[static_cast<std::size_t>(step % 6)]);
        expectHolds(archive, recorder.sessionId(), model.expected(SessionMode::Easy));
    }
    EXPECT_EQ(typed(), order);
}

TEST_F(ArchiveTest, registration_keepsTheTypedNumberAndDirection) {
    Archive archive(path());
    ASSERT_TRUE(archive.open());
    ProSession session(scriptEntry());
    ArchiveRecorder recorder(archive, session, SessionMode::Pro);
    session.setNumber(QStringLiteral("32"));
    session.setDirection(Direction::Clockwise);
    session.pressRegister();
    session.insertAt(session.seriesAt(0), 0, 3);
    ASSERT_EQ(session.seriesAt(0).count(), 2);
    QSqlQuery items(archive.database());
    ASSERT_TRUE(items.exec(QStringLiteral("SELECT coalesce(number, '-') || direction"
                                          " FROM item ORDER BY position")));
    QStringList typed;
    while (items.next())
        typed << items.value(0).toString();
    EXPECT_EQ(typed, QStringList({QString(), QStringLiteral("32O")}));
}

// Another connection looking in the middle of "Azzera sessione" (two
// clears) sees the state before it: the change is one transaction.
TEST_F(ArchiveTest, reset_isOneTransaction) {
    Archive archive(path());
    Archive reader(path());
    ASSERT_TRUE(archive.open() && reader.open());
    ProSession session(scriptEntry());
    ArchiveRecorder recorder(archive, session, SessionMode::Pro);
    session.load(session.seriesAt(0), {1, 2, 3});
    session.load(session.seriesAt(1), {-1, -2});
    std::optional<StoredSession> during;
    QObject::connect(&session.seriesAt(1), &Series::changed, &session,
                     [&] { during = reader.readSession(recorder.sessionId()); });
    session.resetAll();
    ASSERT_TRUE(during);
    EXPECT_EQ(during->classes[0].size() + during->classes[1].size(), 5u);
    EXPECT_EQ(scalar(reader, QStringLiteral("SELECT count(*) FROM item")), 0);
}

// Offered while unsaved and while no running program holds it; restored
// into the same row, which goes on with the session.
TEST_F(ArchiveTest, interruptedSession_offeredThenRestoredInItsRow) {
    Archive archive(path());
    ASSERT_TRUE(archive.open());
    auto session = std::make_unique<ProSession>(scriptEntry());
    SessionModel model(*session);
    auto recorder = std::make_unique<ArchiveRecorder>(archive, *session, SessionMode::Pro);
    session->load(session->seriesAt(1), {3, -3, 2});
    session->noteSaved(session->seriesAt(1));
    EXPECT_TRUE(archive.interruptedSessions().empty()) << "saved";
    session->setNumber(QStringLiteral("5"));
    session->setDirection(Direction::Clockwise);
    session->pressRegister();
    session->deleteAt(session->seriesAt(1), 0);
    const qint64 id = recorder->sessionId();
    const StoredSession recorded = model.expected(SessionMode::Pro);
    EXPECT_TRUE(archive.interruptedSessions().empty()) << "its program still works on it";
    recorder->end();
    recorder.reset();

    const std::vector<StoredSession> offers = archive.interruptedSessions();
    ASSERT_EQ(offers.size(), 1u);
    const StoredSession* offered = &offers.front();
    EXPECT_EQ(offered->id, id);
    EXPECT_EQ(offered->counts[0] + offered->counts[1],
              static_cast<qint64>(recorded.classes[0].size() + recorded.classes[1].size()));
    ProSession restored(LaunchEntry{});
    ArchiveRecorder restorer(archive, restored, SessionMode::Pro);
    restorer.restore(*archive.readSession(id));
    EXPECT_EQ(restorer.sessionId(), id);
    SessionModel restoredModel(restored);
    StoredSession now = restoredModel.expected(SessionMode::Pro);
    now.unsaved = recorded.unsaved;
    now.launches = recorded.launches;
    EXPECT_TRUE(SessionModel::sameContent(now, recorded));
    restored.insertAt(restored.seriesAt(0), 0, -1);
    now.classes[0].insert(now.classes[0].begin(), -1);
    now.unsaved[0] = true;
    expectHolds(archive, id, now);
    EXPECT_EQ(scalar(archive, QStringLiteral("SELECT count(*) FROM session")), 1);
}

// ---- faults ----

// A second program holds the file's write lock through a whole evening of
// changes: they wait in memory, in order, and reach the file when it lets go.
// Only a long wait is told (then its end too); a row whose id the other
// program took meanwhile is made under another.
TEST_F(ArchiveTest, fileBusy_changesWaitInMemoryThenReachTheFile) {
    struct Case {
        const char* name;
        bool recordedBefore;
        bool otherMakesSession;
        int noticeAfter;
    };
    const Case cases[] = {
        {"a new session", false, false, 60000},
        {"a session recorded before", true, false, 60000},
        {"its id taken meanwhile, a long wait", false, true, 0},
    };
    for (const Case& busy : cases) {
        SCOPED_TRACE(busy.name);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("archive.sqlite"));
        Archive archive(file);
        ASSERT_TRUE(archive.open());
        archive.setWaitNoticeAfter(busy.noticeAfter);
        QSignalSpy told(&archive, &Archive::message);
        QSignalSpy moved(&archive, &Archive::sessionMoved);
        ProSession session(scriptEntry());
        SessionModel model(session);
        ArchiveRecorder recorder(archive, session, SessionMode::Pro);
        if (busy.recordedBefore)
            session.load(session.seriesAt(0), {3, -1, 2, 1, -2, 2});
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), u"other"_s);
            other.setDatabaseName(file);
            ASSERT_TRUE(other.open());
            QSqlQuery hold(other);
            ASSERT_TRUE(hold.exec(QStringLiteral("BEGIN IMMEDIATE")));
            if (busy.otherMakesSession) {
                ASSERT_TRUE(hold.exec(
                    QStringLiteral("INSERT INTO session (mode, started, changed) VALUES ('EASY',"
                                   " '2026-12-09T21:00:00', '2026-12-09T21:00:00')")));
            }
            std::mt19937 random(7);
            for (int step = 0; step < 300; ++step)
                rotamind::testing::playStep(session, random);
            EXPECT_TRUE(archive.isAvailable());
            EXPECT_TRUE(archive.hasPending());
            EXPECT_FALSE(archive.writePending());
            ASSERT_TRUE(hold.exec(QStringLiteral("COMMIT")));
        }
        QSqlDatabase::removeDatabase(u"other"_s);
        EXPECT_TRUE(archive.writePending());
        EXPECT_FALSE(archive.hasPending());
        const qint64 id = moved.isEmpty() ? recorder.sessionId() : moved.last().at(1).toLongLong();
        expectHolds(archive, id, model.expected(SessionMode::Pro));
        EXPECT_EQ(moved.count(), busy.otherMakesSession ? 1 : 0);
        EXPECT_EQ(told.count(), busy.noticeAfter == 0 ? 2 : 0);
    }
}

TEST_F(ArchiveTest, folderCannotBeMade_toldOnceAndTheSessionGoesOn) {
    QFile blocker(m_dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    Archive archive(m_dir.filePath(QStringLiteral("file/sub/archive.sqlite")));
    QSignalSpy told(&archive, &Archive::message);
    EXPECT_FALSE(archive.open());
    ProSession session(scriptEntry());
    ArchiveRecorder recorder(archive, session, SessionMode::Pro);
    session.load(session.seriesAt(0), {1, 2});
    EXPECT_EQ(session.seriesAt(0).count(), 2);
    ASSERT_EQ(told.count(), 1);
    EXPECT_TRUE(
        told.at(0).at(0).toString().startsWith(QStringLiteral("Archivio non disponibile: ")));
}

// A file that is no database, or whose schema page is damaged: moved aside
// as it was, told once, a new archive made in its place.
TEST_F(ArchiveTest, damagedFile_movedAsideAndANewOneMade) {
    for (const qint64 offset : {qint64{-1}, qint64{100}}) {
        QDir(QFileInfo(path()).absolutePath()).removeRecursively();
        if (offset >= 0) {
            Archive archive(path());
            ASSERT_TRUE(archive.open());
            ProSession session(scriptEntry());
            ArchiveRecorder recorder(archive, session, SessionMode::Pro);
            session.load(session.seriesAt(0), std::vector<std::int8_t>(5000, 2));
        }
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(std::max<qint64>(offset, 0));
        file.write(QByteArray(3000, '\x5a'));
        file.close();
        const QByteArray damaged = [&] {
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        }();
        file.close();

        Archive archive(path());
        QSignalSpy told(&archive, &Archive::message);
        ASSERT_TRUE(archive.open());
        ASSERT_EQ(told.count(), 1);
        EXPECT_TRUE(
            told.at(0).at(0).toString().startsWith(QStringLiteral("Archivio danneggiato: ")));
        const QFileInfoList aside =
            QDir(QFileInfo(path()).absolutePath())
                .entryInfoList({QStringLiteral("archive.sqlite.danneggiato-*")});
        ASSERT_EQ(aside.size(), 1);
        QFile moved(aside.first().filePath());
        ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
        EXPECT_EQ(moved.readAll(), damaged);
        EXPECT_EQ(scalar(archive, QStringLiteral("SELECT count(*) FROM session")), 0);
    }
}

// The file deleted, its folder removed, or another program's archive put in
// its place while a session records: noticed at the next change, told once,
// and the session goes on whole in the file now at the path.
TEST_F(ArchiveTest, fileDeletedOrReplaced_sessionGoesOnInTheNewFile) {
    const QString folder = QFileInfo(path()).absolutePath();
    for (const int kind : {0, 1, 2}) {
        SCOPED_TRACE(kind);
        QDir(folder).removeRecursively();
        Archive archive(path());
        ASSERT_TRUE(archive.open());
        QSignalSpy told(&archive, &Archive::message);
        QSignalSpy replaced(&archive, &Archive::fileReplaced);
        ProSession session(scriptEntry());
        SessionModel model(session);
        ArchiveRecorder recorder(archive, session, SessionMode::Pro);
        session.load(session.seriesAt(0), {1, 2, 3});
        if (kind == 1) {
            QDir(folder).removeRecursively();
        } else {
            for (const QString& suffix :
                 {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
                QFile::remove(path() + suffix);
        }
        std::optional<StoredSession> other;
        if (kind == 2) {
            Archive second(path());
            ASSERT_TRUE(second.open());
            EasySession easy(scriptEntry());
            SessionModel easyModel(easy);
            ArchiveRecorder secondRecorder(second, easy, SessionMode::Easy);
            easy.load(easy.seriesAt(1), {-3, -3});
            other = easyModel.expected(SessionMode::Easy);
        }
        session.load(session.seriesAt(1), {-1, 2});
        session.deleteAt(session.seriesAt(0), 0);
        ASSERT_TRUE(archive.isAvailable());
        EXPECT_EQ(replaced.count(), 1);
        ASSERT_EQ(told.count(), 1);
        EXPECT_TRUE(told.at(0).at(0).toString().startsWith(QStringLiteral("Archivio: il file")));
        Archive reader(path());
        ASSERT_TRUE(reader.open());
        const qint64 id = scalar(reader, QStringLiteral("SELECT max(id) FROM session"));
        expectHolds(reader, id, model.expected(SessionMode::Pro));
        if (other)
            expectHolds(reader, 1, *other);
    }
}

TEST_F(ArchiveTest, archiveOfANewerProgram_leftAsItIs) {
    {
        Archive archive(path());
        ASSERT_TRUE(archive.open());
        QSqlQuery(archive.database()).exec(QStringLiteral("PRAGMA user_version = 99"));
    }
    Archive archive(path());
    EXPECT_FALSE(archive.open());
    ASSERT_EQ(archive.messages().size(), 1);
    EXPECT_TRUE(
        archive.messages().first().startsWith(QStringLiteral("Archivio non disponibile: ")));
    EXPECT_TRUE(QDir(QFileInfo(path()).absolutePath())
                    .entryList({QStringLiteral("*danneggiato*")})
                    .isEmpty());
}

} // namespace

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
