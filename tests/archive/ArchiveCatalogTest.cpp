// Reading the archive back: files that cannot be read, series that are not
// whole, a file made anew under the same name and a recorder writing at the
// same time. A missing archive is the archive window's test.
#include "StoredArchive.h"

#include "archive/Archive.h"
#include "archive/ArchiveCatalog.h"
#include "archive/ArchiveRecorder.h"
#include "archive/PlaceHistoryReader.h"
#include "session/ProSession.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <random>

using namespace rotamind;
using Stored = rotamind::testing::ArchiveRow;
using rotamind::testing::writeArchive;
using namespace Qt::StringLiterals;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs statements on the archive through a connection of its own, as the recorder would.
void runOn(const QString& path, const QStringList& statements) {
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), u"damage"_s);
        database.setDatabaseName(path);
        QVERIFY(database.open());
        QSqlQuery query(database);
        for (const QString& statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(statement));
    }
    QSqlDatabase::removeDatabase(u"damage"_s);
}

const Stored kSession{
    u"PRO"_s, u"Bet365"_s, u"Ormilda"_s, u"2026-12-09T21:14:05"_s, {{3, -1, 2}, {-3}}};

} // namespace

class ArchiveCatalogTest final : public QObject {
    Q_OBJECT

private slots:
    void unreadableFile_failsAndIsLeftAsItWas_data() {
        QTest::addColumn<QStringList>("make");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not a database") << QStringList() << QByteArray("1\r\n-2\r\n", 7);
        QTest::newRow("from a newer program")
            << QStringList{QStringLiteral("PRAGMA user_version = 99")} << QByteArray();
    }
    void unreadableFile_failsAndIsLeftAsItWas() {
        QFETCH(QStringList, make);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("archive.sqlite"));
        if (make.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        } else {
            runOn(path, make);
        }
        const QByteArray before = contentOf(path);
        ArchiveCatalog catalog(path);
        const ArchiveCatalog::Listing listing = catalog.sessions();
        QCOMPARE(listing.status, ArchiveCatalog::Status::Failed);
        QVERIFY(!listing.error.isEmpty());
        QVERIFY(std::holds_alternative<QString>(catalog.classes(1, 0)));
        QCOMPARE(contentOf(path), before);
    }

    void classes_givenWholeOrNotAtAll_data() {
        QTest::addColumn<QStringList>("damage");
        QTest::addColumn<qint64>("session");
        QTest::addColumn<bool>("whole");
        QTest::newRow("intact") << QStringList() << qint64(1) << true;
        QTest::newRow("key out of range")
            << QStringList{u"UPDATE item SET position = 9223372036854775807 WHERE series = 0"
                           " AND position = (SELECT max(position) FROM item WHERE series = 0)"_s}
            << qint64(1) << false;
        QTest::newRow("short") << QStringList{u"UPDATE session SET count0 = 4"_s} << qint64(1)
                               << false;
        QTest::newRow("no such session") << QStringList() << qint64(2) << false;
    }
    void classes_givenWholeOrNotAtAll() {
        QFETCH(QStringList, damage);
        QFETCH(qint64, session);
        QFETCH(bool, whole);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("archive.sqlite"));
        QCOMPARE(writeArchive(path, std::span(&kSession, 1)), QString());
        if (!damage.isEmpty())
            runOn(path, damage);
        ArchiveCatalog catalog(path);
        const auto read = catalog.classes(session, 0);
        QCOMPARE(std::holds_alternative<ArchiveCatalog::Classes>(read), whole);
        if (whole)
            QCOMPARE(std::get<ArchiveCatalog::Classes>(read),
                     ArchiveCatalog::Classes(kSession.series[0].begin(), kSession.series[0].end()));
    }

    void fileMovedAsideAndMadeAnew_nextListingReadsTheNewFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("archive.sqlite"));
        QCOMPARE(writeArchive(path, std::span(&kSession, 1)), QString());
        ArchiveCatalog catalog(path);
        QCOMPARE(catalog.sessions().sessions.size(), std::size_t(1));
        QVERIFY(QFile::rename(path, path + u".old"_s));
        const Stored two[] = {kSession, kSession};
        QCOMPARE(writeArchive(path, two), QString());
        QCOMPARE(catalog.sessions().sessions.size(), std::size_t(2));
    }

    void recorderMidChange_listingShowsLastCommit() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("archive.sqlite"));
        QCOMPARE(writeArchive(path, std::span(&kSession, 1)), QString());
        ArchiveCatalog catalog(path);
        {
            QSqlDatabase recorder =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), u"recorder"_s);
            recorder.setDatabaseName(path);
            QVERIFY(recorder.open());
            QVERIFY(recorder.transaction());
            QSqlQuery query(recorder);
            QVERIFY(query.exec(u"INSERT INTO session (mode, started, changed) "
                               "VALUES ('EASY', '2026-12-10T20:00:00', '2026-12-10T20:00:00')"_s));
            QCOMPARE(catalog.sessions().sessions.size(), std::size_t(1));
            QVERIFY(recorder.commit());
            const ArchiveCatalog::Listing listing = catalog.sessions();
            QCOMPARE(listing.sessions.size(), std::size_t(2));
            QCOMPARE(listing.sessions.front().mode, SessionMode::Easy);
        }
        QSqlDatabase::removeDatabase(u"recorder"_s);
    }

    // Each session's series come back on their own, oldest session first,
    // only for the mode, site and croupier asked; a damaged series is dropped
    // rather than joined to its neighbours.
    void placeHistory_keepsSessionsApart() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("archive.sqlite"));
        const Stored stored[] = {
            kSession,
            {u"EASY"_s, u"Bet365"_s, u"Ormilda"_s, u"2026-12-10T20:00:00"_s, {{1}, {2}}},
            {u"PRO"_s, u"Bet365"_s, u"Ormilda "_s, u"2026-12-10T21:00:00"_s, {{1}, {}}},
            {u"PRO"_s, u"Bet365"_s, u"Ormilda"_s, u"2026-12-11T21:00:00"_s, {{}, {2, 2}}},
            {u"PRO"_s, u"Bet365"_s, u"Ormilda"_s, u"2026-12-12T21:00:00"_s, {{-2, 1}, {3}}},
        };
        QCOMPARE(writeArchive(path, stored), QString());
        runOn(path, {u"UPDATE session SET count0 = 3 WHERE id = 5"_s});
        using Classes = ArchiveCatalog::Classes;
        const std::vector<std::array<Classes, 2>> expected{
            {Classes{3, -1, 2}, Classes{-3}}, {Classes{}, Classes{2, 2}}, {Classes{}, Classes{3}}};
        ArchiveCatalog catalog(path);
        const ArchiveCatalog::PlaceHistory history =
            catalog.placeHistory(SessionMode::Pro, u"Bet365"_s, u"Ormilda"_s);
        QCOMPARE(history.status, ArchiveCatalog::Status::Read);
        QVERIFY(history.sessions == expected);
        QCOMPARE(history.refused.size(), 1);
    }

    // The pool of a place equals a recount of the series typed at its table,
    // whatever else the archive holds: a fair series loaded into another
    // session (its launches would count twice), counts damaged by hand, written
    // by an older program, or lost (the origin is then read from the items).
    void placePool_countsEachTypedLaunchOnce_data() {
        QTest::addColumn<bool>("loadedCopy");
        QTest::addColumn<QStringList>("damage");
        QTest::addColumn<qint64>("rebuilt");
        QTest::newRow("typed") << false << QStringList() << qint64{0};
        QTest::newRow("loaded copy") << true << QStringList() << qint64{0};
        QTest::newRow("damaged counts")
            << true
            << QStringList{u"UPDATE series_summary SET counts = substr(counts, 2) WHERE session_id = 1"_s,
                           u"UPDATE series_summary SET counts = 'x' WHERE session_id = 2"_s}
            << qint64{3};
        // Rows written before the bets lost on repeats were kept end before them.
        QTest::newRow("counts of an older program")
            << true << QStringList{u"UPDATE series_summary SET counts = substr(counts, 1, 416)"_s}
            << qint64{0};
        QTest::newRow("counts lost")
            << true << QStringList{u"DELETE FROM series_summary WHERE session_id = 3"_s}
            << qint64{0};
    }
    void placePool_countsEachTypedLaunchOnce() {
        QFETCH(bool, loadedCopy);
        QFETCH(QStringList, damage);
        QFETCH(qint64, rebuilt);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"archive.sqlite"_s);
        std::mt19937 random(19);
        const auto fair = [&random](int launches) {
            std::vector<std::int8_t> classes;
            for (int i = 0; i < launches; ++i)
                classes.push_back(static_cast<std::int8_t>(kClasses[random() % 6]));
            return classes;
        };
        const std::vector<std::vector<std::int8_t>> typed[] = {{fair(200), fair(40)},
                                                               {{}, fair(70)}};
        {
            Archive archive(path);
            QVERIFY(archive.open());
            const LaunchEntry place{.number = u"18"_s,
                                    .n1 = u"21"_s,
                                    .n2 = u"17"_s,
                                    .lastNumber = u"18"_s,
                                    .site = u"Snai"_s,
                                    .croupier = u"Marta"_s};
            for (const auto& series : typed) {
                ProSession session(place);
                ArchiveRecorder recorder(archive, session, SessionMode::Pro);
                for (int index = 0; index < 2; ++index)
                    for (const std::int8_t distanceClass : series[static_cast<std::size_t>(index)])
                        session.insertAt(session.seriesAt(index), session.seriesAt(index).count(),
                                         distanceClass);
                recorder.end();
            }
            if (loadedCopy) {
                ProSession session(place);
                ArchiveRecorder recorder(archive, session, SessionMode::Pro);
                session.load(session.seriesAt(0), typed[0][0]);
                recorder.end();
            }
        }
        runOn(path, damage);

        std::array<analysis::SeriesSummary, 2> recount;
        for (const auto& series : typed)
            for (std::size_t index = 0; index < 2; ++index)
                recount[index] += analysis::SeriesSummary::of(series[index]);
        const ArchiveCatalog::PlacePool place =
            ArchiveCatalog(path).placePool(SessionMode::Pro, u"Snai"_s, u"Marta"_s);
        QCOMPARE(place.status, ArchiveCatalog::Status::Read);
        QVERIFY(place.pool.pooled == recount);
        QCOMPARE(place.pool.sessions, (std::array<std::int64_t, 2>{1, 2}));
        QCOMPARE(place.pool.setAside[0], loadedCopy ? 1 : 0);
        QCOMPARE(place.pool.rebuilt, rebuilt);

        // Read off the window's thread: a request overtaken by a newer one is
        // never answered, the newest gets what a direct read gives.
        PlaceHistoryReader reader(path);
        std::vector<PlaceHistory> answers;
        const auto keep = [&answers](const PlaceHistory& h) { answers.push_back(h); };
        reader.request(
            {.mode = PlaceHistoryQuery::Mode::Easy, .site = u"Snai"_s, .croupier = u"Marta"_s},
            keep);
        reader.request(
            {.mode = PlaceHistoryQuery::Mode::Pro, .site = u"Snai"_s, .croupier = u"Marta"_s},
            keep);
        QVERIFY(reader.busy());
        reader.waitForAnswer();
        QVERIFY(!reader.busy());
        QCOMPARE(answers.size(), std::size_t(1));
        QVERIFY(answers.front().pooled == recount);
    }
};

QTEST_GUILESS_MAIN(ArchiveCatalogTest)
#include "ArchiveCatalogTest.moc"
