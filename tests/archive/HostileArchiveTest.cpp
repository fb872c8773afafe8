// Archive files that another program, a damaged disk or a hand with a SQLite
// shell left behind, played against every reader of the program: each case
// ends without a crash or a hang, says something, and leaves the good
// sessions listed with their series whole wherever the file still holds them.
#include "HostileArchive.h"

#include "archive/ArchiveChecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlError>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

using namespace rotamind;
using namespace rotamind::testing;
using namespace Qt::StringLiterals;

namespace {

using Spoil = std::function<void(const QString& path)>;

struct Case {
    QString name;
    Spoil spoil;
    // Whether the good sessions are still in the file to be found.
    bool keepsGood = true;
};

// Statements run as a hostile hand runs them: no checks, no foreign keys,
// the schema writable.
Spoil sql(QStringList statements) {
    return [statements](const QString& path) {
        {
            QSqlDatabase database = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"spoil"_s);
            database.setDatabaseName(path);
            ASSERT_TRUE(database.open());
            QSqlQuery query(database);
            for (const QString& statement :
                 QStringList{u"PRAGMA ignore_check_constraints = ON"_s,
                             u"PRAGMA foreign_keys = OFF"_s, u"PRAGMA writable_schema = ON"_s} +
                     statements)
                ASSERT_TRUE(query.exec(statement))
                    << statement.toStdString() << ": " << query.lastError().text().toStdString();
        }
        QSqlDatabase::removeDatabase(u"spoil"_s);
    };
}

Spoil victim(const QString& assignment) {
    return sql({u"UPDATE session SET %1 WHERE id = 4"_s.arg(assignment)});
}

void overwrite(const QString& path, qint64 offset, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(offset));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray noise(int size, quint32 seed) {
    QByteArray bytes(size, '\0');
    QRandomGenerator random(seed);
    for (char& byte : bytes)
        byte = static_cast<char>(random.bounded(256));
    return bytes;
}

// 512 random bytes into the page that holds the last launches of the
// victim's series, as a bad sector leaves them.
void damageVictimPage(const QString& path) {
    qint64 page = 0;
    qint64 pageSize = 0;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"pages"_s);
        database.setDatabaseName(path);
        ASSERT_TRUE(database.open());
        QSqlQuery query(database);
        ASSERT_TRUE(query.exec(u"SELECT max(pageno) FROM dbstat WHERE name = 'item'"
                               " AND pagetype = 'leaf'"_s) &&
                    query.next());
        page = query.value(0).toLongLong();
        ASSERT_TRUE(query.exec(u"PRAGMA page_size"_s) && query.next());
        pageSize = query.value(0).toLongLong();
    }
    QSqlDatabase::removeDatabase(u"pages"_s);
    overwrite(path, (page - 1) * pageSize + 200, noise(512, 7));
}

std::vector<Case> corpus() {
    std::vector<Case> cases;
    // Rows no program of ours writes.
    for (const QString& value : {u"7"_s, u"127"_s, u"300"_s, u"-4"_s, u"-128"_s, u"-10"_s, u"4"_s,
                                 u"0"_s, u"'3a'"_s, u"x'03'"_s, u"2.5"_s, u"9223372036854775807"_s})
        cases.push_back({u"class %1"_s.arg(value),
                         sql({u"UPDATE item SET class = %1 WHERE session_id = 4 AND series = 0"
                              " AND position = 0"_s.arg(value)})});
    for (const QString& value : {u"1000000000000"_s, u"-5"_s, u"9223372036854775807"_s,
                                 u"'molti'"_s, u"3300"_s, u"2000"_s})
        cases.push_back({u"count0 %1"_s.arg(value), victim(u"count0 = %1"_s.arg(value))});
    cases.push_back({u"position gap"_s, sql({u"DELETE FROM item WHERE session_id = 4 AND series = 0"
                                             " AND position = 1000"_s})});
    cases.push_back({u"positions from 1"_s,
                     sql({u"UPDATE item SET position = -position - 1 WHERE session_id = 4"_s,
                          u"UPDATE item SET position = -position WHERE session_id = 4"_s})});
    cases.push_back({u"negative position"_s,
                     sql({u"UPDATE item SET position = -7 WHERE session_id = 4 AND series = 0"
                          " AND position = 5"_s})});
    cases.push_back({u"series 5"_s, sql({u"UPDATE item SET series = 5 WHERE session_id = 4"
                                         " AND series = 1"_s})});
    for (const qint64 id : {qint64{0}, qint64{-4}})
        cases.push_back({u"session id %1"_s.arg(id),
                         sql({u"UPDATE session SET id = %1 WHERE id = 4"_s.arg(id),
                              u"UPDATE item SET session_id = %1 WHERE session_id = 4"_s.arg(id)})});
    for (const QString& assignment :
         {u"mode = 'XYZ'"_s, u"mode = 'pro'"_s, u"direction = 'Q'"_s, u"changed = 'ieri'"_s,
          u"started = '2026-13-45T99:00:00'"_s, u"changed = 7"_s, u"unsaved0 = 7"_s,
          u"site = x'00ff'"_s, u"launches = -1"_s, u"ended = 'mai'"_s})
        cases.push_back({assignment, victim(assignment)});
    // Versions of the layout.
    for (const QString& version : {u"-2147483648"_s, u"-1"_s, u"0"_s})
        cases.push_back(
            {u"user_version %1"_s.arg(version), sql({u"PRAGMA user_version = %1"_s.arg(version)})});
    for (const QString& version : {QString::number(archive_schema::kVersion + 1), u"2147483647"_s})
        cases.push_back({u"user_version %1"_s.arg(version),
                         sql({u"PRAGMA user_version = %1"_s.arg(version)}), false});
    cases.push_back({u"garbage version bytes"_s, [](const QString& path) {
                         overwrite(path, 60, QByteArray("\xde\xad\xbe\xef", 4));
                     }});
    // Schema objects planted or taken away.
    cases.push_back({u"trigger deleting the other sessions"_s,
                     sql({u"CREATE TRIGGER wipe AFTER INSERT ON item BEGIN"
                          " DELETE FROM item WHERE session_id <> new.session_id;"
                          " DELETE FROM session WHERE id <> new.session_id; END"_s})});
    cases.push_back(
        {u"recursive trigger"_s,
         sql({u"PRAGMA recursive_triggers = ON"_s,
              u"CREATE TRIGGER loop AFTER UPDATE ON session BEGIN"
              " UPDATE session SET launches = launches + 1 WHERE id = new.id; END"_s})});
    cases.push_back({u"endless view"_s,
                     sql({u"CREATE VIEW endless AS WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL"
                          " SELECT x + 1 FROM n) SELECT x FROM n"_s})});
    cases.push_back({u"foreign table"_s, sql({u"CREATE TABLE note (text TEXT)"_s})});
    cases.push_back({u"foreign index"_s, sql({u"CREATE INDEX by_class ON item (class)"_s})});
    cases.push_back({u"index dropped"_s, sql({u"DROP INDEX session_by_place"_s})});
    cases.push_back({u"check constraint widened"_s,
                     sql({u"UPDATE sqlite_master SET sql = replace(sql, 'BETWEEN -3 AND 3',"
                          " 'BETWEEN -128 AND 127') WHERE name = 'item'"_s,
                          u"UPDATE item SET class = 99 WHERE session_id = 4 AND position = 3"_s})});
    cases.push_back({u"class NULL under a loosened schema"_s, [](const QString& path) {
                         sql({u"UPDATE sqlite_master SET sql = replace(sql, 'class INTEGER NOT"
                              " NULL', 'class INTEGER') WHERE name = 'item'"_s})(path);
                         sql({u"UPDATE item SET class = NULL WHERE session_id = 4"
                              " AND position = 9"_s})(path);
                     }});
    cases.push_back({u"item table dropped"_s, sql({u"DROP TABLE item"_s}), false});
    cases.push_back({u"session table an endless view"_s,
                     sql({u"DROP TABLE session"_s,
                          u"CREATE VIEW session AS WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL"
                          " SELECT x + 1 FROM n) SELECT x AS id FROM n"_s}),
                     false});
    // What stands at the path and beside it.
    const auto replaced = [](const std::function<bool(const QByteArray&)>& make) {
        return [make](const QString& path) {
            ASSERT_TRUE(QFile::remove(path));
            ASSERT_TRUE(make(QFile::encodeName(path)));
        };
    };
    cases.push_back({u"FIFO at the path"_s, replaced([](const QByteArray& name) {
                         return ::mkfifo(name.constData(), 0600) == 0;
                     }),
                     false});
    cases.push_back({u"folder at the path"_s, replaced([](const QByteArray& name) {
                         return QDir().mkdir(QFile::decodeName(name));
                     }),
                     false});
    cases.push_back({u"device at the path"_s, replaced([](const QByteArray& name) {
                         return QFile::link(u"/dev/zero"_s, QFile::decodeName(name));
                     }),
                     false});
    cases.push_back({u"FIFO as the journal"_s,
                     [](const QString& path) {
                         ASSERT_EQ(::mkfifo(QFile::encodeName(path + u"-wal"_s).constData(), 0600),
                                   0);
                     },
                     false});
    cases.push_back({u"lock file a folder"_s, [](const QString& path) {
                         ASSERT_TRUE(QDir().mkdir(path + u".sessioni"_s));
                     }});
    // Damaged bytes.
    cases.push_back({u"damaged page of the victim"_s, damageVictimPage});
    cases.push_back({u"garbage header"_s,
                     [](const QString& path) { overwrite(path, 0, noise(100, 3)); }, false});
    cases.push_back({u"damaged schema page"_s,
                     [](const QString& path) { overwrite(path, 100, noise(400, 5)); }, false});
    cases.push_back({u"truncated"_s,
                     [](const QString& path) {
                         QFile file(path);
                         ASSERT_TRUE(file.resize(file.size() / 2));
                     },
                     false});
    return cases;
}

TEST(HostileArchive, everyCaseToldAndTheGoodSessionsKept) {
    QTemporaryDir dir;
    const QString base = dir.filePath(u"base.sqlite"_s);
    ASSERT_EQ(writeBaseArchive(base), QString());
    const auto& sessions = baseSessions();
    const std::vector<Case> cases = corpus();
    std::cout << cases.size() << " hostile archives\n";
    int index = 0;
    for (const Case& hostile : cases) {
        SCOPED_TRACE(hostile.name.toStdString());
        const QString folder = dir.filePath(u"case%1"_s.arg(++index));
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString path = folder + u"/archive.sqlite"_s;
        ASSERT_TRUE(QFile::copy(base, path));
        hostile.spoil(path);
        if (::testing::Test::HasFatalFailure())
            return;

        const Outcome out = playReaders(path);
        EXPECT_FALSE(out.messages.isEmpty()) << "nothing told";
        if (qEnvironmentVariableIsSet("HOSTILE_VERBOSE"))
            std::cout << hostile.name.toStdString() << ": "
                      << out.messages.join(u" | "_s).toStdString() << '\n';
        EXPECT_TRUE(soundOutcome(out));
        if (!hostile.keepsGood)
            continue;
        for (qint64 id = 1; id < kVictim; ++id) {
            const auto& good = sessions[static_cast<std::size_t>(id - 1)];
            const auto listed = listedCounts(out.listing, id);
            ASSERT_TRUE(listed) << "session " << id << " not listed";
            const auto read = out.series.find(id);
            ASSERT_NE(read, out.series.end());
            for (std::size_t series = 0; series < 2; ++series) {
                const ArchiveCatalog::Classes expected(good.series[series].begin(),
                                                       good.series[series].end());
                EXPECT_EQ((*listed)[series], static_cast<qint64>(expected.size()));
                const auto* classes = std::get_if<ArchiveCatalog::Classes>(&read->second[series]);
                EXPECT_TRUE(classes && *classes == expected) << "session " << id;
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
