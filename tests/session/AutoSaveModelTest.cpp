#include "session/AutoSaveModel.h"

#include "../stats/PrintQString.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace rotamind {
namespace {

using File = AutoSaveModel::File;

// The PRO session as automatic saving reads it.
struct FakeSource final : AutoSaveSource {
    QStringList clockwise{u"1"_s, u"-2"_s};
    QStringList counterClockwise{u"-3"_s};
    QString siteText = u"Bet365"_s;
    QString croupierText = u"Ormilda"_s;

    QStringList clockwiseItems() const override { return clockwise; }
    QStringList counterClockwiseItems() const override { return counterClockwise; }
    QByteArray clockwiseChart() const override { return "BM clockwise"; }
    QByteArray counterClockwiseChart() const override { return "BM counter"; }
    QString site() const override { return siteText; }
    QString croupier() const override { return croupierText; }
};

const QDateTime kStart(QDate(2024, 12, 8), QTime(14, 5, 33));

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class AutoSaveModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_model.setSource(&m_source);
        m_model.setClock([this] { return m_now; });
        m_model.setLocale(QLocale(QLocale::Italian, QLocale::Italy));
        m_model.setMinuteLength(60000ms);
        m_model.chooseFolder(m_dir.filePath(u"scelto.txt"_s));
    }
    QString folder() const { return m_dir.path() + u'/'; }
    QString stamped(const QString& suffix) const {
        return folder() + m_now.toString(u"dd-MM-yyyy 'ore' HH-mm-ss"_s) + u" Bet365 - Ormilda"_s +
               suffix;
    }
    QStringList filesWritten() const { return QDir(m_dir.path()).entryList(QDir::Files); }

    QDateTime m_now = kStart;
    FakeSource m_source;
    QTemporaryDir m_dir;
    AutoSaveModel m_model;
};

TEST_F(AutoSaveModelTest, intervalIsAWholeNumberOfMinutesFromOne) {
    const struct {
        QString text;
        std::optional<int> minutes;
    } cases[] = {{u"5"_s, 5},
                 {u"60"_s, 60},
                 {u"07"_s, 7},
                 {u"x5"_s, std::nullopt},
                 {QString(), std::nullopt},
                 {u"5 "_s, std::nullopt},
                 {u" 5"_s, std::nullopt},
                 {u"+5"_s, std::nullopt},
                 {u"5\n"_s, std::nullopt},
                 {u"0"_s, std::nullopt},
                 {u"00"_s, std::nullopt},
                 {u"-1"_s, std::nullopt}};
    for (const auto& c : cases) {
        AutoSaveModel model;
        model.setIntervalText(c.text);
        EXPECT_EQ(model.intervalMinutes(), c.minutes) << c.text.toStdString();
        // A text that is no interval leaves the switch off.
        EXPECT_EQ(model.toggle(), c.minutes ? AutoSaveModel::SwitchOutcome::TurnedOn
                                            : AutoSaveModel::SwitchOutcome::NoInterval);
        EXPECT_EQ(model.isOn(), c.minutes.has_value());
    }
}

TEST_F(AutoSaveModelTest, theNextTickCountsFromTheSwitchAndFromEveryNewInterval) {
    auto* timer = m_model.findChild<QTimer*>(u"Timer1"_s);
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(m_model.nextTick());
    EXPECT_EQ(m_model.toggle(), AutoSaveModel::SwitchOutcome::TurnedOn);
    EXPECT_EQ(m_model.nextTick(), kStart.addSecs(5 * 60));
    EXPECT_EQ(timer->interval(), 5 * 60000);
    // While on, a new interval counts from now; a text that is no interval
    // keeps the one running.
    const struct {
        QString typed;
        int minutes;
        bool restarts;
    } edits[] = {{u"45"_s, 45, true}, {u"0"_s, 45, false}, {u"x"_s, 45, false}, {u"7"_s, 7, true}};
    for (const auto& [typed, minutes, restarts] : edits) {
        const std::optional<QDateTime> before = m_model.nextTick();
        m_now = m_now.addSecs(60);
        m_model.setIntervalText(typed);
        EXPECT_EQ(m_model.nextTick(), restarts ? m_now.addSecs(minutes * 60) : before)
            << typed.toStdString();
        EXPECT_EQ(timer->interval(), minutes * 60000);
        EXPECT_TRUE(timer->isActive());
    }
    m_now = m_now.addSecs(30);
    m_model.tick();
    EXPECT_EQ(m_model.nextTick(), m_now.addSecs(7 * 60));

    EXPECT_EQ(m_model.toggle(), AutoSaveModel::SwitchOutcome::TurnedOff);
    EXPECT_FALSE(m_model.nextTick());
    EXPECT_FALSE(timer->isActive());
    m_model.setIntervalText(u"3"_s); // off, an interval starts nothing
    EXPECT_FALSE(m_model.isOn());
    EXPECT_FALSE(timer->isActive());
}

// Every choice of files: a tick writes exactly those, in order, each named by
// the clock as it reads when that file is written.
TEST_F(AutoSaveModelTest, aTickWritesTheChosenFilesOnlyEachNamedByItsOwnTime) {
    const struct {
        File file;
        QString suffix;
        QByteArray bytes;
        int sessionIndex;
    } files[] = {
        {File::ClockwiseSession, u" - Spin ORARI.txt"_s, "1\r\n-2\r\n", 0},
        {File::CounterSession, u" - Spin ANTIORARI.txt"_s, "-3\r\n", 1},
        {File::ClockwiseChart, u" - GRAFICO Spin ORARI.bmp"_s, "BM clockwise", -1},
        {File::CounterChart, u" - GRAFICO Spin ANTIORARI.bmp"_s, "BM counter", -1},
    };
    int seconds = 0;
    m_model.setClock([&] { return kStart.addSecs(seconds++); });
    for (int chosen = 0; chosen < 16; ++chosen) {
        ASSERT_TRUE(QDir(m_dir.path()).removeRecursively() && QDir().mkpath(m_dir.path()));
        QSignalSpy written(&m_model, &AutoSaveModel::sessionWritten);
        QStringList expected;
        QList<int> expectedSessions;
        const int first = seconds;
        for (std::size_t i = 0; i < std::size(files); ++i) {
            m_model.setWrites(files[i].file, (chosen >> i) & 1);
            if (!m_model.writes(files[i].file))
                continue;
            m_now = kStart.addSecs(first + expected.size());
            expected.append(stamped(files[i].suffix));
            if (files[i].sessionIndex >= 0)
                expectedSessions.append(files[i].sessionIndex);
            ASSERT_FALSE(QFile::exists(expected.last()));
        }
        m_model.tick();
        QStringList found;
        for (const QString& name : filesWritten())
            found.append(folder() + name);
        expected.sort();
        EXPECT_EQ(found, expected) << chosen;
        for (const auto& file : files) {
            for (const QString& path : found) {
                if (path.endsWith(file.suffix)) {
                    EXPECT_EQ(contentOf(path), file.bytes);
                }
            }
        }
        QList<int> sessions;
        for (const QList<QVariant>& signal : written)
            sessions.append(signal.value(0).toInt());
        EXPECT_EQ(sessions, expectedSessions);
        ASSERT_TRUE(m_model.lastOutcome());
        EXPECT_TRUE(m_model.lastOutcome()->saved);
        EXPECT_EQ(m_model.lastOutcome()->at, kStart.addSecs(seconds - 1));
    }
}

// A failing file ends the tick: the rest is not written, the failure names
// the exact path tried, and nothing lands outside the folder.
TEST_F(AutoSaveModelTest, aFailureEndsTheTickAndNamesThePathTried) {
    const QString stamp = u"08-12-2024 ore 14-05-33 "_s;
    const struct {
        QString site;
        QString croupier;
        bool folderMissing;
        bool firstIsFolder;
        QString reason;
    } cases[] = {
        {u"Bet365"_s, u"Ormilda"_s, false, true, u"Non è un file normale"_s},
        {u"Bet365"_s, u"Ormilda"_s, true, false, u"Cartella inesistente"_s},
        {u"Bet365"_s, u"Orm/ilda"_s, false, false, u"Il nome del croupier contiene '/'"_s},
        {u"Bet365"_s, u"Orm\\ilda"_s, false, false, u"Il nome del croupier contiene '\\'"_s},
        // A pasted NUL would cut the name to "... Bet".
        {u"Bet"_s + QChar(0) + u"365"_s, u"Ormilda"_s, false, false,
         u"Il nome del sito contiene un carattere nullo"_s},
        // Shown as built: tidied, the path would lie outside the folder.
        {u"a/../../etc/y"_s, u"Ormilda"_s, false, false, u"Il nome del sito contiene '/'"_s},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(QDir(m_dir.path()).removeRecursively());
        if (!c.folderMissing) {
            ASSERT_TRUE(QDir().mkpath(m_dir.path()));
        }
        const QString first =
            folder() + stamp + c.site + u" - "_s + c.croupier + u" - Spin ORARI.txt"_s;
        if (c.firstIsFolder) {
            ASSERT_TRUE(QDir().mkdir(first));
        }
        m_source.siteText = c.site;
        m_source.croupierText = c.croupier;
        QSignalSpy failed(&m_model, &AutoSaveModel::writeFailed);
        QSignalSpy written(&m_model, &AutoSaveModel::sessionWritten);
        m_model.tick();
        ASSERT_EQ(failed.size(), 1) << c.reason.toStdString();
        EXPECT_EQ(failed.first().value(0).toString(), first);
        EXPECT_EQ(failed.first().value(1).toString(), c.reason);
        EXPECT_TRUE(written.isEmpty());
        ASSERT_TRUE(m_model.lastOutcome());
        EXPECT_FALSE(m_model.lastOutcome()->saved);
        EXPECT_EQ(autoSaveStatus(*m_model.lastOutcome()),
                  u"Ultimo salvataggio 14:05: non riuscito: "_s + c.reason);
        EXPECT_EQ(filesWritten(), QStringList());
    }
    // The folder back, saving resumes at the next tick.
    m_source = FakeSource();
    ASSERT_TRUE(QDir(m_dir.path()).removeRecursively() && QDir().mkpath(m_dir.path()));
    m_model.tick();
    EXPECT_EQ(contentOf(stamped(u" - Spin ANTIORARI.txt"_s)), "-3\r\n");
    EXPECT_EQ(autoSaveStatus(*m_model.lastOutcome()), u"Ultimo salvataggio 14:05: riuscito"_s);
}

TEST_F(AutoSaveModelTest, theFolderComesFromAChosenNameAndTheLastNameIsProposedAgain) {
    AutoSaveModel fresh;
    EXPECT_EQ(fresh.proposedName(), u"cartella salvataggio"_s);
    EXPECT_TRUE(fresh.folder().isEmpty());
    QSignalSpy changed(&fresh, &AutoSaveModel::folderChanged);
    fresh.chooseFolder(m_dir.filePath(u"qualsiasi.txt"_s));
    EXPECT_EQ(fresh.folder(), QDir::toNativeSeparators(folder()));
    EXPECT_EQ(fresh.proposedName(), u"qualsiasi.txt"_s);
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(filesWritten(), QStringList()); // choosing creates no file

    m_model.tick();
    EXPECT_EQ(m_model.proposedName(),
              u"08-12-2024 ore 14-05-33 Bet365 - Ormilda - Spin ANTIORARI.txt"_s);
}

TEST_F(AutoSaveModelTest, withoutAFolderBareNamesGoToTheWorkingFolder) {
    AutoSaveModel unchosen;
    unchosen.setSource(&m_source);
    unchosen.setClock([this] { return m_now; });
    unchosen.setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    QSignalSpy failed(&unchosen, &AutoSaveModel::writeFailed);
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    const QString working = QDir::currentPath();
    m_source.clockwise.clear();
    unchosen.tick();
    m_source.siteText = u"x/../y"_s;
    unchosen.tick();
    QDir::setCurrent(previous);
    EXPECT_EQ(contentOf(stamped(u" - Spin ORARI.txt"_s)), QByteArray());
    EXPECT_EQ(contentOf(stamped(u" - Spin ANTIORARI.txt"_s)), "-3\r\n");
    // A failure names the full path tried, the name untidied.
    ASSERT_EQ(failed.size(), 1);
    EXPECT_EQ(failed.first().value(0).toString(),
              working + u"/08-12-2024 ore 14-05-33 x/../y - Ormilda - Spin ORARI.txt"_s);
}

} // namespace
} // namespace rotamind

// The saving timer needs an application's event dispatcher.
int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
