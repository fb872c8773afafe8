// The archive after a kill -9 at any moment: a real driver program
// (KillDriver.cpp) records random changes of a session and is killed at a
// random time, 100 times on one archive file. After each kill the archive
// must open as it is, be whole, and hold the driver's session exactly as it
// was before or after the last change the driver had finished, which the
// test knows by replaying the driver's seed; the interrupted session must be
// offered and restore. ROTAMIND_KILL_SEED replays a run.
#include "SessionScript.h"

#include "archive/ArchiveRecorder.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <random>

using namespace rotamind;
using rotamind::testing::SessionModel;

namespace {

const QString kDriver = QStringLiteral(ROTAMIND_KILL_DRIVER);

qint64 scalar(Archive& archive, const QString& statement) {
    QSqlQuery query(archive.database());
    if (!query.exec(statement) || !query.next())
        return -1;
    return query.value(0).toLongLong();
}

std::int64_t stepsDone(const QString& progressPath) {
    QFile file(progressPath);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = file.readAll();
    std::int64_t done = 0;
    if (bytes.size() >= static_cast<qsizetype>(sizeof done))
        std::memcpy(&done, bytes.constData(), sizeof done);
    return done;
}

// The driver's session after `steps` changes of `seed`, and after one more.
struct Replay {
    StoredSession before;
    StoredSession after;
    bool untouchedBefore = false;
};

Replay replay(std::uint32_t seed, std::int64_t steps) {
    auto session = rotamind::testing::makeScriptSession(seed);
    SessionModel model(*session);
    std::mt19937 random(seed);
    for (std::int64_t step = 0; step < steps; ++step)
        rotamind::testing::playStep(*session, random);
    Replay result;
    result.before = model.expected(rotamind::testing::scriptMode(seed));
    result.untouchedBefore = model.untouched();
    rotamind::testing::playStep(*session, random);
    result.after = model.expected(rotamind::testing::scriptMode(seed));
    return result;
}

std::uint32_t baseSeed() {
    if (qEnvironmentVariableIsSet("ROTAMIND_KILL_SEED"))
        return static_cast<std::uint32_t>(qEnvironmentVariableIntValue("ROTAMIND_KILL_SEED"));
    return std::random_device{}();
}

void expectWhole(Archive& archive) {
    QSqlQuery check(archive.database());
    ASSERT_TRUE(check.exec(QStringLiteral("PRAGMA integrity_check")) && check.next());
    EXPECT_EQ(check.value(0).toString(), QStringLiteral("ok"));
}

TEST(KillMidSession, theArchiveHoldsTheStateBeforeOrAfterTheLastChange) {
    QTemporaryDir dir;
    const QString archivePath = dir.filePath(QStringLiteral("archive.sqlite"));
    const QString progressPath = dir.filePath(QStringLiteral("progress"));
    const std::uint32_t base = baseSeed();
    std::cout << "ROTAMIND_KILL_SEED=" << base << std::endl;
    std::mt19937 timing(base);
    int before = 0, after = 0, none = 0;
    std::int64_t totalSteps = 0;
    for (int run = 0; run < 100; ++run) {
        const std::uint32_t seed = base + static_cast<std::uint32_t>(run);
        SCOPED_TRACE(::testing::Message() << "run " << run << ", driver seed " << seed);
        qint64 lastId = 0;
        {
            Archive archive(archivePath);
            if (QFile::exists(archivePath)) {
                ASSERT_TRUE(archive.open());
                lastId =
                    scalar(archive, QStringLiteral("SELECT coalesce(max(id), 0) FROM session"));
            }
        }
        // A driver killed before it starts its progress file leaves none.
        QFile::remove(progressPath);
        QProcess driver;
        driver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        driver.start(kDriver, {archivePath, progressPath, QString::number(seed)});
        ASSERT_TRUE(driver.waitForStarted());
        QThread::msleep(30 + timing() % 300);
        ASSERT_EQ(driver.state(), QProcess::Running) << "the driver ended by itself";
        ::kill(static_cast<pid_t>(driver.processId()), SIGKILL);
        ASSERT_TRUE(driver.waitForFinished());
        const std::int64_t steps = stepsDone(progressPath);
        totalSteps += steps;

        Archive archive(archivePath);
        ASSERT_TRUE(archive.open()) << archive.messages().join(u'\n').toStdString();
        EXPECT_TRUE(archive.messages().isEmpty());
        expectWhole(archive);
        const Replay expected = replay(seed, steps);
        const qint64 id =
            scalar(archive, QStringLiteral("SELECT coalesce(max(id), 0) FROM session"));
        if (id == lastId) {
            EXPECT_TRUE(expected.untouchedBefore) << "no session row after " << steps << " changes";
            ++none;
            continue;
        }
        ASSERT_EQ(id, lastId + 1);
        const std::optional<StoredSession> stored = archive.readSession(id);
        ASSERT_TRUE(stored);
        const bool isBefore = SessionModel::sameContent(*stored, expected.before);
        const bool isAfter = SessionModel::sameContent(*stored, expected.after);
        ASSERT_TRUE(isBefore || isAfter)
            << "after " << steps << " changes the archive holds " << stored->classes[0].size()
            << " + " << stored->classes[1].size() << " classes, " << stored->launches
            << " launches";
        (isBefore ? before : after) += 1;

        // Offered and restored as the archive holds it.
        const bool unsaved = (stored->unsaved[0] && !stored->classes[0].empty()) ||
                             (stored->unsaved[1] && !stored->classes[1].empty());
        // Earlier runs may have left a session of the other mode on offer too.
        const std::vector<StoredSession> offers = archive.interruptedSessions();
        const auto offered = std::find_if(offers.begin(), offers.end(), [&](const auto& offer) {
            return offer.mode == stored->mode;
        });
        EXPECT_EQ(offered != offers.end(), unsaved);
        if (offered != offers.end()) {
            EXPECT_EQ(offered->id, id);
        }
        auto session = rotamind::testing::makeScriptSession(seed);
        SessionModel model(*session);
        {
            ArchiveRecorder recorder(archive, *session, stored->mode);
            recorder.restore(*stored);
            EXPECT_EQ(recorder.sessionId(), id);
        }
        StoredSession restored = model.expected(stored->mode);
        restored.unsaved = stored->unsaved;
        restored.launches = stored->launches;
        EXPECT_TRUE(SessionModel::sameContent(restored, *stored));
        const std::optional<StoredSession> afterRestore = archive.readSession(id);
        ASSERT_TRUE(afterRestore);
        EXPECT_TRUE(SessionModel::sameContent(*afterRestore, *stored));
    }
    std::cout << "100 kills after " << totalSteps << " changes in all: " << before
              << " held the state before the change in progress, " << after << " the state after, "
              << none << " no session yet" << std::endl;
}

// Two programs on one file at once, each with its own session to the end.
TEST(KillMidSession, twoProgramsOnOneFileEachKeepTheirSession) {
    QTemporaryDir dir;
    const QString archivePath = dir.filePath(QStringLiteral("archive.sqlite"));
    const std::uint32_t base = baseSeed();
    const std::uint32_t seeds[] = {base & ~1u, base | 1u};
    constexpr int kSteps = 3000;
    QProcess drivers[2];
    for (int i = 0; i < 2; ++i) {
        drivers[i].setProcessChannelMode(QProcess::ForwardedErrorChannel);
        drivers[i].start(kDriver, {archivePath, dir.filePath(QStringLiteral("progress%1").arg(i)),
                                   QString::number(seeds[i]), QString::number(kSteps)});
    }
    for (QProcess& driver : drivers) {
        ASSERT_TRUE(driver.waitForFinished(60000));
        EXPECT_EQ(driver.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(driver.exitCode(), 0);
    }
    Archive archive(archivePath);
    ASSERT_TRUE(archive.open());
    expectWhole(archive);
    for (const std::uint32_t seed : seeds) {
        const SessionMode mode = rotamind::testing::scriptMode(seed);
        const qint64 id =
            scalar(archive,
                   QStringLiteral("SELECT id FROM session WHERE mode = '%1'").arg(modeText(mode)));
        const auto stored = archive.readSession(id);
        ASSERT_TRUE(stored) << modeText(mode).toStdString();
        EXPECT_TRUE(SessionModel::sameContent(*stored, replay(seed, kSteps).before))
            << modeText(mode).toStdString();
    }
}

} // namespace

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
