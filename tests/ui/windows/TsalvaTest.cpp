#include "../TestSupport.h"

#include "ui/windows/TSALVA.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
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

    QStringList clockwiseItems() const override { return clockwise; }
    QStringList counterClockwiseItems() const override { return counterClockwise; }
    QByteArray clockwiseChart() const override { return {}; }
    QByteArray counterClockwiseChart() const override { return {}; }
    QString site() const override { return siteText; }
    QString croupier() const override { return croupierText; }
};

const QString kStamp = QStringLiteral("08-12-2024 ore 14-05-33 Bet365 - Ormilda");

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
        // The texts refused are the model's to decide; the box names the one typed.
        for (const QString& text : {QStringLiteral("x5"), QStringLiteral("0")}) {
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
        // What is typed reaches the saving at once.
        auto* combo = control<QComboBox>("Combo1");
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, QStringLiteral("7"));
        QCOMPARE(timer->interval(), 7 * 60000);
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
