// The archive window's CSV commands: the chosen or the listed sessions out,
// oldest first; sessions in through the preview dialog, which refuses a bad
// text naming its line and opens the last session imported.
#include "../../archive/StoredArchive.h"
#include "../TestSupport.h"
#include "../WindowDriver.h"

#include "app/TINTRO.h"
#include "app/Windows.h"
#include "archive/Archive.h"

#include "storage/CsvReader.h"
#include "ui/windows/SessionImportDialog.h"
#include "ui/windows/TARCHIVIO.h"
#include "ui/windows/TEASY.h"
#include "ui/windows/TPRO.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace rotamind;
using rotamind::testing::WindowDriver;
using Stored = rotamind::testing::ArchiveRow;

namespace {

// Ids 1..4 in an order that is not the order of their start; 3 has no class.
const Stored kSessions[] = {
    {u"PRO"_s, u"Bet365"_s, u"Ormilda"_s, u"2026-12-08T21:00:00"_s, {{3, -1, 2}, {-3, 1}}},
    {u"EASY"_s, u"Snai, \"sala\""_s, u"Tavors"_s, u"2026-12-09T20:30:00"_s, {{1, 1, -2}, {}}},
    {u"PRO"_s, u"Snai"_s, u"Ormilda"_s, u"2026-12-07T19:00:00"_s, {{}, {}}},
    {u"EASY"_s, u"Sisal"_s, u"Marta"_s, u"2026-12-06T22:10:00"_s, {{-1}, {2, 2}}},
};

// The session column of each record after the header, and the sites.
QStringList sessionsIn(const QString& path, QStringList* sites = nullptr) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {u"<missing>"_s};
    const QString text = QString::fromUtf8(file.readAll());
    CsvReader reader(text);
    QStringList fields;
    QStringList keys;
    reader.next(fields);
    while (reader.next(fields)) {
        if (keys.isEmpty() || keys.back() != fields[0]) {
            keys << fields[0];
            if (sites)
                *sites << fields[2];
        }
    }
    return keys;
}

} // namespace

class CsvWindowTest final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TARCHIVIO> m_window;

    template <typename T> static T* control(QWidget* window, const char* name) {
        auto* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString csvPath() const { return m_dir.filePath(u"sessioni.csv"_s); }

private slots:
    void init() {
        const QString path = m_dir.filePath(u"archive.sqlite"_s);
        QFile::remove(path);
        QFile::remove(csvPath());
        QCOMPARE(testing::writeArchive(path, kSessions), QString());
        m_window = std::make_unique<TARCHIVIO>(path);
        m_window->setCsvFileRunner([this](QFileDialog&) { return csvPath(); });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void export_chosenOrListedSessions_oldestFirst() {
        // Listed newest first: 2, 1, 3, 4. Choose the first and, with Ctrl, the last.
        auto* grid = control<QTableView>(m_window.get(), "Grid1");
        const auto rowCentre = [grid](int row) {
            return grid->visualRect(grid->model()->index(row, 0)).center();
        };
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rowCentre(0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(3));
        QTest::mouseClick(control<QPushButton>(m_window.get(), "EsportaCsvScelte"), Qt::LeftButton);
        QStringList sites;
        QCOMPARE(sessionsIn(csvPath(), &sites), (QStringList{u"4"_s, u"2"_s}));
        QCOMPARE(sites.back(), u"Snai, \"sala\""_s);

        // Every listed session with a class; the filter decides what is listed.
        QTest::mouseClick(control<QPushButton>(m_window.get(), "EsportaCsvTutte"), Qt::LeftButton);
        QCOMPARE(sessionsIn(csvPath()), (QStringList{u"4"_s, u"1"_s, u"2"_s}));
        QTest::keyClicks(control<QLineEdit>(m_window.get(), "Edit2"), u"Orm"_s);
        QTest::mouseClick(control<QPushButton>(m_window.get(), "EsportaCsvTutte"), Qt::LeftButton);
        QCOMPARE(sessionsIn(csvPath()), QStringList{u"1"_s});
    }

    void import_badTextRefusedByLine_goodTextComesInAndOpens() {
        QSignalSpy imported(m_window.get(), &TARCHIVIO::sessionImported);
        bool checked = false;
        testing::whenModal<SessionImportDialog>([&checked](SessionImportDialog* dialog) {
            auto* text = control<QPlainTextEdit>(dialog, "TestoIncollato");
            auto* importButton = control<QPushButton>(dialog, "Importa");
            auto* refused = control<QListWidget>(dialog, "RigheRifiutate");
            text->setPlainText(u"17 O\n5 A\n\nx O\n"_s);
            QTRY_COMPARE(refused->count(), 1);
            QVERIFY(refused->item(0)->text().startsWith(u"Riga 4: «x»"_s));
            QVERIFY(!importButton->isEnabled());

            text->setPlainText(u"17 O\n5 A\n32 O\n"_s);
            control<QLineEdit>(dialog, "SitoIncollato")->setText(u"Casinò"_s);
            QTRY_VERIFY(importButton->isEnabled());
            QCOMPARE(refused->count(), 0);
            QCOMPARE(control<QTableWidget>(dialog, "Anteprima")->rowCount(), 3);
            QCOMPARE(control<QLabel>(dialog, "Conteggio")->text(),
                     u"1 sessione, 3 lanci, 2 classi"_s);
            checked = true;
            QTest::mouseClick(importButton, Qt::LeftButton);
        });
        QTest::mouseClick(control<QPushButton>(m_window.get(), "ImportaCsv"), Qt::LeftButton);
        QVERIFY(checked);
        QCOMPARE(imported.size(), 1);
        QCOMPARE(imported.first().at(0).toLongLong(), 5);
        QCOMPARE(imported.first().at(1).toString(), u"PRO"_s);
        // Listed with the others, newest first: it started now.
        const QAbstractItemModel* model = control<QTableView>(m_window.get(), "Grid1")->model();
        QCOMPARE(model->rowCount(), 5);
        QCOMPARE(model->index(0, 2).data().toString(), u"Casinò"_s);
    }

    void importDialog_badFileNamesItsLineAndImportsNothing() {
        testing::writeBytes(csvPath(), "sessione,modo,serie,numero,direzione,classe\r\n"
                                       "1,PRO,ORARIO,17,O,\r\n"
                                       "1,PRO,ORARIO,5,A,\r\n");
        SessionImportDialog dialog(m_dir.filePath(u"archive.sqlite"_s));
        dialog.openFile(csvPath());
        QVERIFY(control<QLabel>(&dialog, "Conteggio")->text().contains(u"Riga 3: "_s));
        QVERIFY(!control<QPushButton>(&dialog, "Importa")->isEnabled());
        dialog.importPlan();
        QVERIFY(dialog.importedIds().empty());
    }

    void import_fromTheProgram_opensTheSessionInItsWindow() {
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        const QString path = Archive::defaultPath();
        QVERIFY(path.startsWith(data.path()));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QCOMPARE(testing::writeArchive(path, kSessions), QString());
        Windows windows;
        windows.start();
        windows.intro().Button1Click();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.pro()));
        QStringList classes;
        testing::whenModal<SessionImportDialog>([&classes](SessionImportDialog* dialog) {
            control<QComboBox>(dialog, "ModoIncollato")->setCurrentText(u"EASY"_s);
            control<QComboBox>(dialog, "DirezioneIncollata")->setCurrentIndex(1);
            control<QPlainTextEdit>(dialog, "TestoIncollato")->setPlainText(u"17 5 32 0 26"_s);
            auto* importButton = control<QPushButton>(dialog, "Importa");
            QTRY_VERIFY(importButton->isEnabled());
            for (const ImportedItem& item : dialog->plan().sessions.front().series[0])
                classes << classText(item.distanceClass);
            QTest::mouseClick(importButton, Qt::LeftButton);
        });
        QTest::mouseClick(control<QPushButton>(&windows.archiveWindow(), "ImportaCsv"),
                          Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(&windows.easy()));
        QVERIFY(!windows.pro().isVisible());
        QCOMPARE(classes.size(), 4);
        QCOMPARE(WindowDriver(windows.easy()).items("List1"), classes);
        QCOMPARE(WindowDriver(windows.easy()).text("n1"), u"26"_s);
        qunsetenv("XDG_DATA_HOME");
    }
};

QTEST_MAIN(CsvWindowTest)
#include "CsvWindowTest.moc"
