#include "../TestSupport.h"

#include "ui/windows/TSALVA.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <functional>

using namespace rotamind;
using rotamind::testing::whenModal;
using namespace std::chrono_literals;

namespace {

// The PRO window as automatic saving sees it.
struct FakeSource final : AutoSaveSource {
    QStringList clockwise{QStringLiteral("1"), QStringLiteral("-2")};
    QStringList counterClockwise{QStringLiteral("-3")};
    QString siteText = QStringLiteral("Bet365");
    QString croupierText = QStringLiteral("Ormilda");
    mutable int reads = 0;

    QStringList clockwiseItems() const override {
        ++reads;
        return clockwise;
    }
    QStringList counterClockwiseItems() const override {
        ++reads;
        return counterClockwise;
    }
    QImage clockwiseChart() const override { return picture(Qt::green); }
    QImage counterClockwiseChart() const override { return picture(Qt::red); }
    QString site() const override { return siteText; }
    QString croupier() const override { return croupierText; }

    static QImage picture(Qt::GlobalColor color) {
        QImage image(360, 240, QImage::Format_RGB32);
        image.fill(color);
        return image;
    }
};

const QString kStamp = QStringLiteral("08-12-2024 ore 14-05-33 Bet365 - Ormilda");

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Boxes shown anywhere: a failure notice belongs to whichever window it must stay above.
QList<QMessageBox*> openBoxes() {
    QList<QMessageBox*> shown;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
            shown.append(box);
    return shown;
}

} // namespace

class TsalvaTest final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TSALVA> m_dialog;
    FakeSource m_source;
    std::unique_ptr<QTemporaryDir> m_dir;

    template <typename T> T* control(const char* name) {
        auto* widget = m_dialog->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    void setInterval(const QString& text) { control<QComboBox>("Combo1")->setCurrentText(text); }
    void pressOnOff() { QTest::mouseClick(control<QPushButton>("SpeedButton1"), Qt::LeftButton); }
    QString folder() const { return m_dir->path() + u'/'; }

    // Chooses the folder through "Cartella"; returns what Save1 showed.
    QStringList chooseFolder(const QString& path, const QString& fileName) {
        QStringList seen;
        whenModal<QFileDialog>([&seen, path, fileName](QFileDialog* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            seen = {dialog->objectName(), dialog->windowTitle(), edit->text()};
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->setDirectory(path);
            edit->setText(fileName);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
        return seen;
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_dialog = std::make_unique<TSALVA>();
        m_dialog->setSource(&m_source);
        m_dialog->setClock([] { return QDateTime(QDate(2024, 12, 8), QTime(14, 5, 33)); });
        m_dialog->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
        m_dialog->setMinuteLength(20ms);
        m_source = FakeSource();
        m_dialog->show();
    }
    void cleanup() { m_dialog.reset(); }

    void initialState_matchesTheLayout() {
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Rotamind PRO"));
        // The layout's 259 by 316, and a status line under the buttons.
        QCOMPARE(m_dialog->width(), 259);
        QVERIFY(control<QLabel>("Stato")->geometry().top() >
                control<QPushButton>("SpeedButton1")->geometry().bottom());
        QVERIFY(m_dialog->rect().contains(control<QLabel>("Stato")->geometry()));
        QCOMPARE(m_dialog->minimumSize(), m_dialog->maximumSize());
        QVERIFY(!m_dialog->isModal());
        const Qt::WindowFlags flags = m_dialog->windowFlags();
        QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowMaximizeButtonHint)));
        QCOMPARE(m_dialog->palette().color(QPalette::Window), QColor(Qt::blue));

        auto* label1 = control<QLabel>("Label1");
        QCOMPARE(label1->geometry(), QRect(9, 8, 246, 48));
        QCOMPARE(label1->text(), QStringLiteral("GESTIONE SALVATAGGI \nAUTOMATICI"));
        QCOMPARE(label1->font().pixelSize(), 19);
        QVERIFY(label1->font().bold());
        const struct {
            const char* name;
            QString text;
            QPoint at;
        } labels[] = {{"Label2", QStringLiteral("Intervallo (minuti)"), {8, 112}},
                      {"Label3", QStringLiteral("Attivo"), {188, 106}},
                      {"Label4", QStringLiteral("DIsattivo"), {188, 122}}};
        for (const auto& expected : labels) {
            auto* label = control<QLabel>(expected.name);
            QCOMPARE(label->text(), expected.text);
            QCOMPARE(label->pos(), expected.at);
            QVERIFY(label->font().bold());
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        }
        // Label2 must end before the interval field starts.
        QVERIFY(control<QLabel>("Label2")->geometry().right() < 112);

        auto* button1 = control<QPushButton>("Button1");
        QCOMPARE(button1->geometry(), QRect(8, 72, 49, 25));
        QCOMPARE(button1->text(), QStringLiteral("Cartella"));
        QCOMPARE(button1->toolTip(), QStringLiteral("Selezione cartella salvataggio automatico"));
        auto* edit1 = control<QLineEdit>("Edit1");
        QCOMPARE(edit1->geometry(), QRect(64, 72, 185, 21));
        QVERIFY(!edit1->isEnabled());
        QVERIFY(edit1->text().isEmpty());
        QCOMPARE(edit1->palette().color(QPalette::Disabled, QPalette::Base), QColor(255, 0, 0));

        auto* combo1 = control<QComboBox>("Combo1");
        QCOMPARE(combo1->geometry(), QRect(112, 108, 41, 21));
        QVERIFY(combo1->isEditable());
        QCOMPARE(combo1->currentText(), QStringLiteral("5"));
        QStringList items;
        for (int i = 0; i < combo1->count(); ++i)
            items.append(combo1->itemText(i));
        QCOMPARE(items.join(u','), QStringLiteral("1,2,3,4,5,10,15,20,25,30,45,60"));
        QCOMPARE(combo1->toolTip(),
                 QStringLiteral("Seleziona l'intervallo dei salvataggi automatici"));
        QTest::keyClicks(combo1, QStringLiteral("123"));
        QCOMPARE(combo1->currentText().size(), 2);

        auto* radio1 = control<QRadioButton>("Radio1");
        auto* radio2 = control<QRadioButton>("Radio2");
        QCOMPARE(radio1->geometry(), QRect(168, 104, 17, 17));
        QCOMPARE(radio2->geometry(), QRect(168, 120, 17, 17));
        QVERIFY(!radio1->isEnabled() && !radio2->isEnabled());
        QVERIFY(!radio1->isChecked() && radio2->isChecked());

        auto* frame = control<QGroupBox>("GroupBox1");
        QCOMPARE(frame->geometry(), QRect(8, 144, 241, 121));
        QVERIFY(frame->title().isEmpty());
        const struct {
            const char* name;
            QString text;
            int top;
            bool checked;
        } boxes[] = {{"SO", QStringLiteral("Spin in senso ORARIO"), 24, true},
                     {"SA", QStringLiteral("Spin in senso ANTIORARIO"), 48, true},
                     {"GO", QStringLiteral("Grafico ORARIO"), 72, false},
                     {"GA", QStringLiteral("Grafico ANTIORARIO"), 96, false}};
        for (const auto& expected : boxes) {
            auto* box = control<QCheckBox>(expected.name);
            QCOMPARE(box->parentWidget(), frame);
            QCOMPARE(box->text(), expected.text);
            QCOMPARE(box->pos(), QPoint(8, expected.top));
            QCOMPARE(box->isChecked(), expected.checked);
            QCOMPARE(box->palette().color(QPalette::WindowText), QColor(Qt::yellow));
            QCOMPARE(box->cursor().shape(), Qt::PointingHandCursor);
        }

        auto* onOff = control<QPushButton>("SpeedButton1");
        QCOMPARE(onOff->geometry(), QRect(24, 280, 81, 25));
        QCOMPARE(onOff->text(), QStringLiteral("ON/OFF"));
        auto* quit = control<QPushButton>("BitBtn1");
        QCOMPARE(quit->geometry(), QRect(160, 280, 75, 25));
        QCOMPARE(quit->text(), QStringLiteral("Esci"));
        for (QWidget* widget : {static_cast<QWidget*>(button1), static_cast<QWidget*>(combo1),
                                static_cast<QWidget*>(onOff), static_cast<QWidget*>(quit)})
            QCOMPARE(widget->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(onOff->font().bold() && quit->font().bold());
        QVERIFY(!onOff->icon().isNull() && !quit->icon().isNull());

        auto* timer = m_dialog->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer && !timer->isActive());
        QVERIFY(!m_dialog->isSwitchedOn());
    }

    void invalidInterval_isReportedAndChangesNothing() {
        m_dialog->show();
        // Below 1 no tick would ever come: refused like any text that is no number.
        for (const QString& text :
             {QStringLiteral("x5"), QString(), QStringLiteral("5 "), QStringLiteral(" 5"),
              QStringLiteral("+5"), QStringLiteral("5\n"), QStringLiteral("0"),
              QStringLiteral("00"), QStringLiteral("-1")}) {
            setInterval(text);
            pressOnOff();
            const QList<QMessageBox*> shown = openBoxes();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown.first()->text(),
                     QStringLiteral("'%1' is not a valid integer value").arg(text));
            QCOMPARE(shown.first()->informativeText(),
                     QStringLiteral("L'intervallo è un numero intero di minuti, da 1 in su"));
            shown.first()->accept();
            QVERIFY(control<QRadioButton>("Radio2")->isChecked());
            QVERIFY(!control<QRadioButton>("Radio1")->isChecked());
            QVERIFY(!m_dialog->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        }
    }

    void onOff_flipsIndicatorsAndAnIntervalTypedCountsAtOnce() {
        m_dialog->setMinuteLength(60000ms);
        auto* timer = m_dialog->findChild<QTimer*>(QStringLiteral("Timer1"));
        pressOnOff();
        QVERIFY(control<QRadioButton>("Radio1")->isChecked());
        QVERIFY(!control<QRadioButton>("Radio2")->isChecked());
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 5 * 60000);
        // Typed while saving is on, a new interval runs at once; a text that is
        // no interval leaves the running one alone.
        auto* combo = control<QComboBox>("Combo1");
        const struct {
            const char* typed;
            int minutes;
        } edits[] = {{"45", 45}, {"0", 45}, {"x", 45}, {"7", 7}};
        for (const auto& [typed, minutes] : edits) {
            combo->lineEdit()->selectAll();
            QTest::keyClicks(combo, QLatin1String(typed));
            QCOMPARE(timer->interval(), minutes * 60000);
            QVERIFY(timer->isActive());
        }
        setInterval(QStringLiteral("45"));
        pressOnOff();
        QVERIFY(control<QRadioButton>("Radio2")->isChecked());
        QVERIFY(!timer->isActive());
        pressOnOff();
        QCOMPARE(timer->interval(), 45 * 60000);

        // Hiding with "Esci" keeps the switch on.
        m_dialog->show();
        QTest::mouseClick(control<QPushButton>("BitBtn1"), Qt::LeftButton);
        QVERIFY(!m_dialog->isVisible());
        QVERIFY(timer->isActive() && m_dialog->isSwitchedOn());
    }

    void folderChoice_keepsTheFolderAndProposesTheLastName() {
        m_dialog->show();
        QStringList seen = chooseFolder(m_dir->path(), QStringLiteral("qualsiasi.txt"));
        QCOMPARE(seen, (QStringList{
                           QStringLiteral("Save1"),
                           QStringLiteral("Rotamind Pro - Scelta cartella salvataggi automatici"),
                           QStringLiteral("cartella salvataggio")}));
        auto* edit1 = control<QLineEdit>("Edit1");
        QCOMPARE(edit1->text(), folder());
        QCOMPARE(edit1->palette().color(QPalette::Disabled, QPalette::Base), QColor(0, 255, 0));
        QVERIFY(QDir(m_dir->path()).isEmpty()); // choosing creates no file

        // Cancelling keeps the folder and its colour; the name proposed is the
        // last one chosen.
        seen = chooseFolder({}, {});
        QCOMPARE(seen.value(2), QStringLiteral("qualsiasi.txt"));
        QCOMPARE(edit1->text(), folder());
        QCOMPARE(edit1->palette().color(QPalette::Disabled, QPalette::Base), QColor(0, 255, 0));

        // After a tick, the name of the last file written is proposed.
        m_dialog->Timer1Timer();
        seen = chooseFolder({}, {});
        QCOMPARE(seen.value(2), kStamp + QStringLiteral(" - Spin ANTIORARI.txt"));
    }

    void ticks_writeTheCheckedFilesOnly() {
        chooseFolder(m_dir->path(), QStringLiteral("x"));
        control<QCheckBox>("SA")->setChecked(false);
        control<QCheckBox>("GO")->setChecked(true);
        setInterval(QStringLiteral("1"));
        pressOnOff();
        // Nothing is written when the switch turns on, only a period later.
        QVERIFY(QDir(m_dir->path()).isEmpty());
        const QString clockwise = folder() + kStamp + QStringLiteral(" - Spin ORARI.txt");
        const QString chart = folder() + kStamp + QStringLiteral(" - GRAFICO Spin ORARI.bmp");
        QTRY_VERIFY(QFile::exists(chart));
        QCOMPARE(contentOf(clockwise), QByteArray("1\r\n-2\r\n"));
        const QImage picture = QImage::fromData(contentOf(chart), "bmp");
        QCOMPARE(picture.size(), QSize(360, 240));
        QCOMPARE(picture.pixelColor(10, 10), QColor(Qt::green));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);

        // Turned off, the ticks stop.
        pressOnOff();
        const int reads = m_source.reads;
        QTest::qWait(100);
        QCOMPARE(m_source.reads, reads);
    }

    void failedTick_skipsTheRestShowsOneBoxAndGoesOn() {
        chooseFolder(m_dir->path(), QStringLiteral("x"));
        const QString clockwise = folder() + kStamp + QStringLiteral(" - Spin ORARI.txt");
        const QString counterClockwise =
            folder() + kStamp + QStringLiteral(" - Spin ANTIORARI.txt");
        // A folder where the first file should go makes it fail.
        QVERIFY(QDir().mkdir(clockwise));
        setInterval(QStringLiteral("1"));
        pressOnOff();
        QTRY_COMPARE(openBoxes().size(), 1);
        QCOMPARE(openBoxes().first()->text(), QStringLiteral("Cannot create file ") + clockwise);
        QCOMPARE(openBoxes().first()->informativeText(), QStringLiteral("Non è un file normale"));
        // Later ticks still try, but open no second box; the rest of each
        // failing tick is skipped.
        const int reads = m_source.reads;
        QTRY_VERIFY(m_source.reads >= reads + 3);
        QCOMPARE(openBoxes().size(), 1);
        QVERIFY(!QFile::exists(counterClockwise));
        QVERIFY(m_dialog->isSwitchedOn());

        // The folder removed altogether, then back: saving resumes by itself.
        openBoxes().first()->accept();
        QVERIFY(QDir(m_dir->path()).removeRecursively());
        QTRY_COMPARE(openBoxes().size(), 1);
        QCOMPARE(openBoxes().first()->informativeText(), QStringLiteral("Cartella inesistente"));
        auto* status = control<QLabel>("Stato");
        QCOMPARE(status->text(),
                 QStringLiteral("Ultimo salvataggio 14:05: non riuscito: Cartella inesistente"));
        QVERIFY(QDir().mkpath(m_dir->path()));
        QTRY_COMPARE(contentOf(counterClockwise), QByteArray("-3\r\n"));
        QCOMPARE(contentOf(clockwise), QByteArray("1\r\n-2\r\n"));
        QTRY_COMPARE(status->text(), QStringLiteral("Ultimo salvataggio 14:05: riuscito"));
    }

    void separatorOrNulInSiteOrCroupier_neverWritesElsewhere() {
        chooseFolder(m_dir->path(), QStringLiteral("x"));
        const QString stamp = QStringLiteral("08-12-2024 ore 14-05-33 ");
        // Where a file would land if the name were taken as the system reads it.
        const QString subfolder = folder() + stamp + QStringLiteral("Bet365 - Orm");
        QVERIFY(QDir().mkpath(subfolder));
        const struct {
            QString site;
            QString croupier;
            QString reason;
        } cases[] = {
            {QStringLiteral("Bet365"), QStringLiteral("Orm/ilda"),
             QStringLiteral("Il nome del croupier contiene '/'")},
            {QStringLiteral("Bet365"), QStringLiteral("Orm\\ilda"),
             QStringLiteral("Il nome del croupier contiene '\\'")},
            // A pasted NUL would cut the name to "... Bet".
            {QStringLiteral("Bet") + QChar(0) + QStringLiteral("365"), QStringLiteral("Ormilda"),
             QStringLiteral("Il nome del sito contiene un carattere nullo")},
            // Shown as built: tidied, the path would lie outside the folder.
            {QStringLiteral("a/../../etc/y"), QStringLiteral("Ormilda"),
             QStringLiteral("Il nome del sito contiene '/'")},
        };
        for (const auto& c : cases) {
            m_source.siteText = c.site;
            m_source.croupierText = c.croupier;
            m_dialog->Timer1Timer();
            const QList<QMessageBox*> shown = openBoxes();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown.first()->text(), QStringLiteral("Cannot create file ") + folder() +
                                                stamp + c.site + QStringLiteral(" - ") +
                                                c.croupier + QStringLiteral(" - Spin ORARI.txt"));
            QCOMPARE(shown.first()->informativeText(), c.reason);
            shown.first()->accept();
        }
        QVERIFY(QDir(subfolder).isEmpty());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());
    }

    void noFolder_writesBareNamesInTheWorkingFolder() {
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_source.clockwise.clear();
        m_dialog->Timer1Timer();
        // A failure names the full path tried, the name untidied.
        const QString working = QDir::currentPath();
        m_source.siteText = QStringLiteral("x/../y");
        m_dialog->Timer1Timer();
        QDir::setCurrent(previous);
        QCOMPARE(QFileInfo(folder() + kStamp + QStringLiteral(" - Spin ORARI.txt")).size(), 0);
        QCOMPARE(contentOf(folder() + kStamp + QStringLiteral(" - Spin ANTIORARI.txt")),
                 QByteArray("-3\r\n"));
        const QList<QMessageBox*> shown = openBoxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first()->text(),
                 QStringLiteral("Cannot create file ") + working +
                     QStringLiteral("/08-12-2024 ore 14-05-33 x/../y - Ormilda - Spin ORARI.txt"));
    }

    // A failing tick while the user works in the saved window: the notice
    // stays above that window and blocks nothing, this dialog included.
    void failureNotice_blocksNoWindowAndTheWindowHearsOfEveryTick() {
        QWidget pro;
        pro.show();
        m_dialog->setNoticeWindow(&pro);
        QSignalSpy reports(m_dialog.get(), &TSALVA::lastSaveReported);
        chooseFolder(m_dir->path(), QStringLiteral("x"));
        QVERIFY(QDir(m_dir->path()).removeRecursively());
        setInterval(QStringLiteral("1"));
        pressOnOff();
        QTRY_COMPARE(openBoxes().size(), 1);
        QMessageBox* box = openBoxes().first();
        QCOMPARE(box->parentWidget(), &pro);
        QCOMPARE(box->windowModality(), Qt::NonModal);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QTRY_VERIFY(reports.size() >= 2);
        QCOMPARE(openBoxes().size(), 1);
        QCOMPARE(reports.last().value(0).toString(),
                 QStringLiteral("Ultimo salvataggio 14:05: non riuscito: Cartella inesistente"));
        QVERIFY(!reports.last().value(1).toBool());

        // The dialog still answers while the box is open.
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        pressOnOff();
        QVERIFY(!m_dialog->isSwitchedOn());
        QVERIFY(box->isVisible());
    }

    void wheel_neverChangesTheInterval() {
        auto* combo = control<QComboBox>("Combo1");
        for (const bool focused : {false, true}) {
            if (focused)
                combo->setFocus();
            for (const int delta : {120, -120}) {
                QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), QPoint(),
                                  QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                                  false);
                QApplication::sendEvent(combo->lineEdit(), &wheel);
                QCOMPARE(combo->currentText(), QStringLiteral("5"));
            }
        }
    }

    void escape_doesNotHideButTheProgramCanClose() {
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        QTest::keyClick(control<QComboBox>("Combo1"), Qt::Key_Escape);
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        QVERIFY(m_dialog->isVisible());
        // Closing every window at the end of the program must not stall here.
        QVERIFY(m_dialog->close());
        QVERIFY(!m_dialog->isVisible());
    }
};

QTEST_MAIN(TsalvaTest)
#include "TsalvaTest.moc"
