// The archive window over a small stored archive: the list and its filters,
// export as session files, loading a series for EASY, and a missing archive.
#include "../../archive/StoredArchive.h"
#include "../TestSupport.h"

#include "ui/windows/TARCHIVIO.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace rotamind;
using rotamind::testing::ArchiveRow;

namespace {

// Stored in id order, which is not the order of their start.
const ArchiveRow kSessions[] = {
    {u"PRO"_s, u"Bet365"_s, u"Ormilda"_s, u"2026-12-08T21:00:00"_s, {{3, -1, 2}, {-3, 1}}},
    {u"EASY"_s, u"William Hill"_s, u"Tavors"_s, u"2026-12-09T20:30:00"_s, {{1, 1, -2, 3}, {}}},
    {u"PRO"_s, u"Snaì"_s, u"Ormilda"_s, u"2026-12-07T19:00:00"_s, {{}, {2}}},
    {u"EASY"_s, u"bet365"_s, u"Marta"_s, u"2026-12-09T22:10:00"_s, {{-1}, {2, 2}}},
};

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class ArchiveWindowTest final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TARCHIVIO> m_window;

    template <typename T> T* control(const char* name) {
        auto* found = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    // Site and croupier of each listed row, top to bottom.
    QStringList listed() {
        const QAbstractItemModel* model = control<QTableView>("Grid1")->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row)
            rows << model->index(row, 2).data().toString() + u'/' +
                        model->index(row, 3).data().toString();
        return rows;
    }

    void choose(const QString& siteAndCroupier) {
        auto* grid = control<QTableView>("Grid1");
        const int row = int(listed().indexOf(siteAndCroupier));
        QVERIFY(row >= 0);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, 0)).center());
    }

private slots:
    void init() {
        const QString path = m_dir.filePath(u"archive.sqlite"_s);
        QFile::remove(path);
        QCOMPARE(testing::writeArchive(path, kSessions), QString());
        m_window = std::make_unique<TARCHIVIO>(path);
        m_window->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void list_newestFirstWithDateModeAndSeriesCounts() {
        QCOMPARE(listed(), (QStringList{u"bet365/Marta"_s, u"William Hill/Tavors"_s,
                                        u"Bet365/Ormilda"_s, u"Snaì/Ormilda"_s}));
        const QAbstractItemModel* model = control<QTableView>("Grid1")->model();
        QCOMPARE(model->index(0, 0).data().toString(), u"09-12-2026 22:10"_s);
        QCOMPARE(model->index(0, 1).data().toString(), u"EASY"_s);
        QCOMPARE(model->index(2, 4).data().toLongLong(), 3);
        QCOMPARE(model->index(2, 5).data().toLongLong(), 2);
        QCOMPARE(control<QLabel>("Label3")->text(), u"4 sessioni"_s);
    }

    void filters_narrowAsTheUserTypes_data() {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("croupier");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("site, any case")
            << u"BET"_s << QString() << QStringList{u"bet365/Marta"_s, u"Bet365/Ormilda"_s};
        QTest::newRow("croupier") << QString() << u"orm"_s
                                  << QStringList{u"Bet365/Ormilda"_s, u"Snaì/Ormilda"_s};
        QTest::newRow("both") << u"et3"_s << u"ILDA"_s << QStringList{u"Bet365/Ormilda"_s};
        QTest::newRow("without the accent")
            << u"SNAI"_s << QString() << QStringList{u"Snaì/Ormilda"_s};
        QTest::newRow("nothing") << u"Sisal"_s << QString() << QStringList();
    }
    void filters_narrowAsTheUserTypes() {
        QFETCH(QString, site);
        QFETCH(QString, croupier);
        QFETCH(QStringList, rows);
        QTest::keyClicks(control<QLineEdit>("Edit1"), site);
        QTest::keyClicks(control<QLineEdit>("Edit2"), croupier);
        QCOMPARE(listed(), rows);
        QCOMPARE(control<QPushButton>("EsportaSessione")->isEnabled(), !rows.isEmpty());
        control<QLineEdit>("Edit1")->clear();
        control<QLineEdit>("Edit2")->clear();
        QCOMPARE(listed().size(), qsizetype(std::size(kSessions)));
    }

    void export_writesOneSessionFilePerNonEmptySeries_data() {
        QTest::addColumn<QString>("session");
        QTest::addColumn<QStringList>("files"); // name, then content, for each file
        QTest::newRow("PRO, both series")
            << u"Bet365/Ormilda"_s
            << QStringList{u"08-12-2026 ore 21-00-00 Bet365 - Ormilda - Spin ORARI.txt"_s,
                           u"3\r\n-1\r\n2\r\n"_s,
                           u"08-12-2026 ore 21-00-00 Bet365 - Ormilda - Spin ANTIORARI.txt"_s,
                           u"-3\r\n1\r\n"_s};
        QTest::newRow("EASY, saved series empty")
            << u"William Hill/Tavors"_s
            << QStringList{u"09-12-2026 ore 20-30-00 William Hill - Tavors - Spin TOTALI.txt"_s,
                           u"1\r\n1\r\n-2\r\n3\r\n"_s};
    }
    void export_writesOneSessionFilePerNonEmptySeries() {
        QFETCH(QString, session);
        QFETCH(QStringList, files);
        QTemporaryDir folder;
        m_window->setFolderRunner([&folder](QFileDialog&) { return folder.path(); });
        choose(session);
        QTest::mouseClick(control<QPushButton>("EsportaSessione"), Qt::LeftButton);
        QStringList written;
        for (qsizetype i = 0; i < files.size(); i += 2) {
            written << files[i];
            QCOMPARE(contentOf(folder.filePath(files[i])), files[i + 1].toLatin1());
        }
        written.sort();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files, QDir::Name), written);
    }

    void export_refusedOrDeclined_leavesTheFolderAsItWas() {
        QTemporaryDir folder;
        const QString name = u"08-12-2026 ore 21-00-00 Bet365 - Ormilda - Spin ORARI.txt"_s;
        testing::writeBytes(folder.filePath(name), "mine");
        m_window->setFolderRunner([&folder](QFileDialog&) { return folder.path(); });
        choose(u"Bet365/Ormilda"_s);
        testing::whenModal<QMessageBox>(
            [](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
        QTest::mouseClick(control<QPushButton>("EsportaSessione"), Qt::LeftButton);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{name});
        QCOMPARE(contentOf(folder.filePath(name)), QByteArray("mine"));

        const QString missing = folder.filePath(u"gone"_s);
        m_window->setFolderRunner([&missing](QFileDialog&) { return missing; });
        QTest::mouseClick(control<QPushButton>("EsportaSessione"), Qt::LeftButton);
        auto* box = m_window->findChild<QMessageBox*>();
        QVERIFY(box && box->isVisible());
        QVERIFY(box->text().startsWith(u"Cannot create file "_s));
        QVERIFY(!QFileInfo::exists(missing));
    }

    void load_handsTheChosenSeriesToEasy() {
        QSignalSpy loaded(m_window.get(), &TARCHIVIO::savedSessionLoadRequested);
        choose(u"bet365/Marta"_s);
        auto* series = control<QComboBox>("Combo1");
        QCOMPARE(series->count(), 2);
        QVERIFY(series->itemText(1).startsWith(u"SALVATA"_s));
        series->setCurrentIndex(1);
        QTest::mouseClick(control<QPushButton>("CaricaInEasy"), Qt::LeftButton);
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(loaded.first().first().value<ArchiveCatalog::Classes>(),
                 (ArchiveCatalog::Classes{2, 2}));
    }

    // A series with a launch missing is offered as far as it can be read;
    // nothing is loaded unless the player takes it.
    void load_damagedSeries_recoveredOnlyWhenTheUserSaysSo_data() {
        QTest::addColumn<bool>("take");
        QTest::newRow("taken") << true;
        QTest::newRow("declined") << false;
    }
    void load_damagedSeries_recoveredOnlyWhenTheUserSaysSo() {
        QFETCH(bool, take);
        {
            QSqlDatabase database = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"damage"_s);
            database.setDatabaseName(m_dir.filePath(u"archive.sqlite"_s));
            QVERIFY(database.open());
            QVERIFY(QSqlQuery(database).exec(
                u"DELETE FROM item WHERE session_id = 1 AND series = 0 AND position = 1"_s));
        }
        QSqlDatabase::removeDatabase(u"damage"_s);
        QSignalSpy loaded(m_window.get(), &TARCHIVIO::savedSessionLoadRequested);
        choose(u"Bet365/Ormilda"_s);
        QString asked;
        testing::whenModal<QMessageBox>([&](QMessageBox* box) {
            asked = box->text();
            box->button(take ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        QTest::mouseClick(control<QPushButton>("CaricaInEasy"), Qt::LeftButton);
        QVERIFY(asked.contains(u"recuperati 2 lanci su 3"_s));
        QCOMPARE(loaded.size(), take ? 1 : 0);
        if (take)
            QCOMPARE(loaded.first().first().value<ArchiveCatalog::Classes>(),
                     (ArchiveCatalog::Classes{3, 2}));
    }

    void missingArchive_emptyListWithALineSayingSo() {
        m_window = std::make_unique<TARCHIVIO>(m_dir.filePath(u"none.sqlite"_s));
        m_window->show();
        QVERIFY(listed().isEmpty());
        QVERIFY(control<QLabel>("Label3")->text().contains(u"non esiste"_s));
        QVERIFY(!control<QPushButton>("EsportaSessione")->isEnabled());
        QVERIFY(!control<QPushButton>("CaricaInEasy")->isEnabled());
        QVERIFY(!QFileInfo::exists(m_dir.filePath(u"none.sqlite"_s)));
    }
};

QTEST_MAIN(ArchiveWindowTest)
#include "ArchiveWindowTest.moc"
