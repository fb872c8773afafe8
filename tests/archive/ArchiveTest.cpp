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
using rotamind::testing::scriptEntry;
using rotamind::testing::SessionModel;

namespace {

qint64 scalar(const Archive& archive, const QString& statement) {
    QSqlQuery query(archive.database());
    return query.exec(statement) && query.next() ? query.value(0).toLongLong() : -1;
}

// The archive's row equal to the session, with positions 0..count-1 without a gap.
void expectHolds(Archive& archive, qint64 id, const StoredSession& expected) {
    const std::optional<StoredSession> stored = archive.readSession(id);
    ASSERT_TRUE(stored);
    EXPECT_TRUE(SessionModel::sameContent(*stored, expected));
    for (int series = 0; series < 2; ++series)
        EXPECT_EQ(scalar(archive, QStringLiteral("SELECT count(*) = (SELECT count%1 FROM session"
                                                 " WHERE id = %2) AND coalesce(max(position),"
                                                 " -1) = count(*) - 1 FROM item"
                                                 " WHERE session_id = %2 AND series = %1")
                                      .arg(series)
                                      .arg(id)),
                  1);
}

// The stored counts and origin of each series equal a recount of its stored
// items and the origin its last replacement gave it.
void expectSummaries(Archive& archive, qint64 id,
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
        const analysis::SeriesSummary recount = analysis::SeriesSummary::of(classes);
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
        const QString mode = rotamind::testing::scriptMode(seed);
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
                expectSummaries(archive, recorder.sessionId(), origins);
            } else
                EXPECT_TRUE(model.untouched()) << "a change left no row";
        }
    }
}

TEST_F(ArchiveTest, registration_keepsTheTypedNumberAndDirection) {
    Archive archive(path());
    ASSERT_TRUE(archive.open());
    ProSession session(scriptEntry());
    ArchiveRecorder recorder(archive, session, QStringLiteral("PRO"));
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
    ArchiveRecorder recorder(archive, session, QStringLiteral("PRO"));
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
    auto recorder = std::make_unique<ArchiveRecorder>(archive, *session, QStringLiteral("PRO"));
    session->load(session->seriesAt(1), {3, -3, 2});
    session->noteSaved(session->seriesAt(1));
    EXPECT_TRUE(archive.interruptedSessions().empty()) << "saved";
    session->setNumber(QStringLiteral("5"));
    session->setDirection(Direction::Clockwise);
    session->pressRegister();
    session->deleteAt(session->seriesAt(1), 0);
    const qint64 id = recorder->sessionId();
    const StoredSession recorded = model.expected(QStringLiteral("PRO"));
    EXPECT_TRUE(archive.interruptedSessions().empty()) << "its program still works on it";
    recorder->end();
    recorder.reset();

    const std::vector<InterruptedSession> offers = archive.interruptedSessions();
    ASSERT_EQ(offers.size(), 1u);
    const InterruptedSession* offered = &offers.front();
    EXPECT_EQ(offered->id, id);
    EXPECT_EQ(offered->launches,
              static_cast<qint64>(recorded.classes[0].size() + recorded.classes[1].size()));
    ProSession restored(LaunchEntry{});
    ArchiveRecorder restorer(archive, restored, QStringLiteral("PRO"));
    restorer.restore(*archive.readSession(id));
    EXPECT_EQ(restorer.sessionId(), id);
    SessionModel restoredModel(restored);
    StoredSession now = restoredModel.expected(QStringLiteral("PRO"));
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

TEST_F(ArchiveTest, folderCannotBeMade_toldOnceAndTheSessionGoesOn) {
    QFile blocker(m_dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    Archive archive(m_dir.filePath(QStringLiteral("file/sub/archive.sqlite")));
    QSignalSpy told(&archive, &Archive::message);
    EXPECT_FALSE(archive.open());
    ProSession session(scriptEntry());
    ArchiveRecorder recorder(archive, session, QStringLiteral("PRO"));
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
            ArchiveRecorder recorder(archive, session, QStringLiteral("PRO"));
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
        ArchiveRecorder recorder(archive, session, QStringLiteral("PRO"));
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
            ArchiveRecorder secondRecorder(second, easy, QStringLiteral("EASY"));
            easy.load(easy.seriesAt(1), {-3, -3});
            other = easyModel.expected(QStringLiteral("EASY"));
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
        expectHolds(reader, id, model.expected(QStringLiteral("PRO")));
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
