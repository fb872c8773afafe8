// Saving and loading the PRO series through the session area's buttons, and
// automatic saving of a hidden PRO window.
#include "../TestSupport.h"
#include "../WindowDriver.h"

#include "ui/views/AnalysisPage.h"
#include "ui/views/ClassicStatsGrid.h"
#include "ui/views/LengthStatsGrid.h"
#include "ui/views/SessionCommands.h"
#include "ui/windows/TPRO.h"
#include "ui/windows/TSALVA.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

using namespace rotamind;
using rotamind::testing::whenModal;
using rotamind::testing::writeBytes;
using namespace std::chrono_literals;
using rotamind::testing::numberFor;
using rotamind::testing::registerClassesUnderLock;
using rotamind::testing::WindowDriver;

namespace {

constexpr auto O = Direction::Clockwise;
constexpr auto A = Direction::CounterClockwise;
const QString kStamp = QStringLiteral("08-12-2024 ore 14-05-33 Bet365 - Ormilda");

QList<int> someClasses(int count, int seed) {
    QList<int> classes;
    for (int i = 0; i < count; ++i)
        classes.append(kClasses[size_t((i * 7 + seed + i / 3) % 6)]);
    return classes;
}

QStringList texts(const QList<int>& classes) {
    QStringList result;
    for (const int distanceClass : classes)
        result.append(QString::number(distanceClass));
    return result;
}

// The names of one series' statistics labels, in the same order for both series.
QStringList statisticsNames(Direction direction) {
    const QString classic = direction == O ? QString() : QStringLiteral("A");
    const QString lengths = direction == O ? QString() : QStringLiteral("Z");
    QStringList names;
    for (int column = 0; column < ClassicStatsGrid::ColumnCount; ++column)
        for (const int distanceClass : kClasses)
            names.append(ClassicStatsGrid::labelName(classic, ClassicStatsGrid::Column(column),
                                                     distanceClass));
    for (int column = 0; column < LengthStatsGrid::ColumnCount; ++column)
        for (const int length : {0, 1, 2, 3, 4, 5, -1, -2, -3, -4, -5})
            names.append(
                LengthStatsGrid::labelName(lengths, LengthStatsGrid::Column(column), length));
    return names;
}

QString labelState(const QLabel& label) {
    return label.text() + u'|' + label.palette().color(QPalette::Window).name();
}

// Every statistics label of one series, text and background.
QStringList statistics(const TPRO& window, Direction direction) {
    testing::makeEveryPage(window);
    QStringList values;
    for (const QString& name : statisticsNames(direction)) {
        const auto* label = window.findChild<QLabel*>(name);
        values.append(label ? labelState(*label) : QStringLiteral("<missing %1>").arg(name));
    }
    return values;
}

// The whole session as the window's own controls hold it (the file dialogs'
// insides left out).
QMap<QString, QString> snapshot(TPRO& window) {
    testing::makeEveryPage(window);
    QMap<QString, QString> state;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || widget->window() != &window)
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget))
            state[name] = labelState(*label);
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            state[name] = combo->currentText();
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            state[name] = edit->text();
        else if (auto* radio = qobject_cast<QRadioButton*>(widget))
            state[name] = radio->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
        else if (auto* chart = qobject_cast<DistanceChart*>(widget)) {
            QStringList points;
            for (qsizetype i = 0; i < chart->pointCount(); ++i)
                points.append(QString::number(chart->pointAt(i)));
            state[name] = points.join(u',') + u'@' + QString::number(chart->currentPage());
        }
    }
    WindowDriver pro(window);
    state[QStringLiteral("List1")] = pro.items("List1").join(u',');
    state[QStringLiteral("List2")] = pro.items("List2").join(u',');
    return state;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray sessionBytes(const QStringList& items) {
    QByteArray bytes;
    for (const QString& item : items)
        bytes += item.toLatin1() + "\r\n";
    return bytes;
}

QImage rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// Confirms the next file dialog in folder, with its proposed name.
void confirmFileDialog(const QString& folder, QStringList* seen) {
    whenModal<QFileDialog>([folder, seen](QFileDialog* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        *seen = {dialog->objectName(), dialog->windowTitle(), edit ? edit->text() : QString()};
        dialog->setDirectory(folder);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

struct Seen {
    QString dialog;
    QString title;
    QString proposedName;
};

} // namespace

class ProFilesTest final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TPRO> m_window;
    std::unique_ptr<WindowDriver> m_pro;
    QStringList m_messages;
    QList<Seen> m_seen;
    QStringList m_answers;

    QString path(const QString& name) const { return m_dir->filePath(name); }

    // The next dialogs choose these paths in turn; once they run out, the
    // dialogs are cancelled.
    void answer(const QStringList& paths) { m_answers = paths; }

    void useRealDialogs() {
        m_window->sessionCommands().setDialogRunner(
            [](QFileDialog& dialog) -> std::optional<QString> {
                if (dialog.exec() != QDialog::Accepted)
                    return std::nullopt;
                return dialog.selectedFiles().value(0);
            });
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_window = std::make_unique<TPRO>();
        m_pro = std::make_unique<WindowDriver>(*m_window);
        m_messages.clear();
        m_seen.clear();
        m_answers.clear();
        SessionCommands& commands = m_window->sessionCommands();
        commands.setClock([] { return QDateTime(QDate(2024, 12, 8), QTime(14, 5, 33)); });
        commands.setLocale(QLocale(QLocale::Italian, QLocale::Italy));
        // The reason, when there is one, is the box's second line.
        commands.setMessageSink([this](QWidget*, const QString& text, const QString& reason) {
            m_messages.append(reason.isEmpty() ? text : text + u'\n' + reason);
        });
        commands.setDialogRunner([this](QFileDialog& dialog) -> std::optional<QString> {
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            m_seen.append(
                {dialog.objectName(), dialog.windowTitle(), edit ? edit->text() : QString()});
            if (m_answers.isEmpty())
                return std::nullopt;
            return m_answers.takeFirst();
        });
    }
    void cleanup() {
        m_pro.reset();
        m_window.reset();
        m_dir.reset();
    }

    void saveThenLoad_roundTripOfBothSeries() {
        const QList<int> clockwise = someClasses(30, 1);
        const QList<int> counter = someClasses(12, 4);
        registerClassesUnderLock(*m_pro, O, clockwise);
        registerClassesUnderLock(*m_pro, A, counter);
        QCOMPARE(m_pro->items("List1"), texts(clockwise));
        const QStringList clockwiseStats = statistics(*m_window, O);
        const QStringList counterStats = statistics(*m_window, A);

        const QString clockwiseFile = path(QStringLiteral("orari.txt"));
        const QString counterFile = path(QStringLiteral("antiorari.txt"));
        answer({clockwiseFile, counterFile});
        m_pro->click("Button5");
        m_pro->click("Button9");
        QCOMPARE(contentOf(clockwiseFile), sessionBytes(texts(clockwise)));
        QCOMPARE(contentOf(counterFile), sessionBytes(texts(counter)));

        // After a reset, each file brings its series back whole.
        m_window->AZZERAClick();
        QCOMPARE(m_pro->text("boules"), QStringLiteral("0"));
        answer({clockwiseFile, counterFile});
        m_pro->click("Button8");
        m_pro->click("Button1");
        QCOMPARE(m_pro->items("List1"), texts(clockwise));
        QCOMPARE(m_pro->points("Chart1"), clockwise);
        QCOMPARE(m_pro->text("boules"), QStringLiteral("30"));
        QCOMPARE(statistics(*m_window, O), clockwiseStats);
        QCOMPARE(m_pro->items("List2"), texts(counter));
        QCOMPARE(m_pro->text("BOULES2"), QStringLiteral("12"));
        QCOMPARE(statistics(*m_window, A), counterStats);
        // A loaded chart shows its latest launches, as after a registration.
        QCOMPARE(m_pro->control<DistanceChart>("Chart1")->currentPage(), 2);
        QCOMPARE(m_pro->control<DistanceChart>("Chart2")->currentPage(), 1);

        // The clockwise file loaded into the other series gives it the same statistics.
        answer({clockwiseFile});
        m_pro->click("Button1");
        QCOMPARE(m_pro->items("List2"), texts(clockwise));
        QCOMPARE(m_pro->text("BOULES2"), QStringLiteral("30"));
        QCOMPARE(statistics(*m_window, A), clockwiseStats);
        QCOMPARE(m_pro->control<DistanceChart>("Chart2")->currentPage(), 2);
        QCOMPARE((QStringList{m_seen[2].dialog, m_seen[3].dialog, m_seen[4].dialog}),
                 (QStringList{QStringLiteral("Open1"), QStringLiteral("Open2"),
                              QStringLiteral("Open2")}));
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'\n')));
    }

    void load_replacesOnlyItsSeries() {
        registerClassesUnderLock(*m_pro, O, someClasses(8, 2));
        registerClassesUnderLock(*m_pro, A, someClasses(6, 3));
        m_pro->type("Combo1", QStringLiteral("17"));
        m_pro->type("P", QStringLiteral("5"));
        QMap<QString, QString> before = snapshot(*m_window);

        const QString file = path(QStringLiteral("three.txt"));
        writeBytes(file, "1\n-2\r\n3");
        answer({file});
        m_pro->click("Button8");
        QCOMPARE(m_pro->items("List1"), (QStringList{u"1"_s, u"-2"_s, u"3"_s}));
        QCOMPARE(m_pro->points("Chart1"), (QList<int>{1, -2, 3}));
        QCOMPARE(m_pro->text("boules"), QStringLiteral("3"));
        QCOMPARE(m_pro->text("F3"), QStringLiteral("1"));
        QCOMPARE(m_pro->text("FM2"), QStringLiteral("1"));

        // Only the clockwise series and its statistics changed.
        const QMap<QString, QString> after = snapshot(*m_window);
        QStringList mayChange = statisticsNames(O);
        mayChange << QStringLiteral("List1") << QStringLiteral("Chart1")
                  << QStringLiteral("boules");
        for (int figure = 0; figure < AnalysisPage::FigureCount; ++figure)
            mayChange << AnalysisPage::labelName({}, AnalysisPage::Figure(figure));
        mayChange << QStringLiteral("VERDETTO") << QStringLiteral("EVIDENZA"); // of both series
        for (auto it = after.cbegin(); it != after.cend(); ++it)
            QVERIFY2(before.value(it.key()) == it.value() || mayChange.contains(it.key()),
                     qPrintable(it.key()));
        QCOMPARE(after.value(QStringLiteral("Combo1")), QStringLiteral("17"));
        QCOMPARE(after.value(QStringLiteral("n1")), before.value(QStringLiteral("n1")));
        QCOMPARE(after.value(QStringLiteral("n2")), before.value(QStringLiteral("n2")));
        QCOMPARE(after.value(QStringLiteral("P")), QStringLiteral("5"));
        QCOMPARE(after.value(QStringLiteral("List2")), before.value(QStringLiteral("List2")));

        // An empty file empties the series; statistics of the launches it
        // replaced do not stay behind.
        writeBytes(file, "");
        answer({file});
        m_pro->click("Button8");
        QCOMPARE(m_pro->items("List1"), QStringList());
        QCOMPARE(m_pro->text("boules"), QStringLiteral("0"));
        for (const QString& value : statistics(*m_window, O))
            QVERIFY2(value.startsWith(u"0|"), qPrintable(value));
        QCOMPARE(snapshot(*m_window).value(QStringLiteral("AF3")),
                 before.value(QStringLiteral("AF3")));
        QVERIFY(m_messages.isEmpty());
    }

    void refusedFile_leavesTheSessionAsItWas() {
        registerClassesUnderLock(*m_pro, O, someClasses(9, 5));
        registerClassesUnderLock(*m_pro, A, someClasses(4, 0));
        const QMap<QString, QString> before = snapshot(*m_window);
        const QString file = path(QStringLiteral("rotta.txt"));
        writeBytes(file, "1\r\n7\r\n-1\r\n");
        answer({file, file});
        m_pro->click("Button8");
        m_pro->click("Button1");
        QCOMPARE(snapshot(*m_window), before);
        const QString message =
            QStringLiteral(
                "Impossibile caricare la sessione %1: la riga 2 non è una distanza valida.")
                .arg(QDir::toNativeSeparators(file));
        QCOMPARE(m_messages, (QStringList{message, message}));

        // A cancelled load is no refusal: nothing is shown, nothing changes.
        m_messages.clear();
        answer({});
        m_pro->click("Button8");
        QCOMPARE(snapshot(*m_window), before);
        QVERIFY(m_messages.isEmpty());
    }

    void saves_proposeTheirNamesAndTitles() {
        answer({});
        for (const char* button : {"Button5", "Button9", "Button3", "Button10"})
            m_pro->click(button);
        QCOMPARE(m_seen.size(), 4);
        const Seen expected[] = {
            {u"Save2"_s, u"Rotamind Pro - Salva sessione SPIN ORARI"_s,
             kStamp + u" - Spin ORARI"_s},
            {u"Save3"_s, u"Rotamind Pro - Salva sessione SPIN ANTIORARI"_s,
             kStamp + u" - Spin ANTIORARI"_s},
            {u"Save1"_s, u"Rotamind Pro - Salva GRAFICO SPIN ORARI"_s,
             kStamp + u" - GRAFICO Spin ORARI"_s},
            {u"Save4"_s, u"Rotamind Pro - Salva GRAFICO SPIN ANTIORARI"_s,
             kStamp + u" - Spin ANTIORARI"_s},
        };
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(m_seen[i].dialog, expected[i].dialog);
            QCOMPARE(m_seen[i].title, expected[i].title);
            QCOMPARE(m_seen[i].proposedName, expected[i].proposedName);
        }
        // The same dialog comes back on every press.
        auto* save2 = m_window->findChild<QFileDialog*>(QStringLiteral("Save2"));
        m_pro->click("Button5");
        QCOMPARE(m_window->findChildren<QFileDialog*>(QStringLiteral("Save2")).size(), 1);
        QCOMPARE(m_window->findChild<QFileDialog*>(QStringLiteral("Save2")), save2);

        // A click into the site field empties it; the name follows the field as it is.
        QTest::mouseClick(m_window->siteField(), Qt::LeftButton);
        // A separator would name a folder that is not there: it becomes "-".
        m_window->croupierField()->setText(QStringLiteral("Ana.Maria/2"));
        m_pro->click("Button5");
        QCOMPARE(m_seen.last().proposedName,
                 QStringLiteral("08-12-2024 ore 14-05-33  - Ana.Maria-2 - Spin ORARI"));
        // Cancelling wrote nothing and said nothing.
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
        QVERIFY(m_messages.isEmpty());
    }

    void counterClockwiseChart_isSavedAsBmpThroughTheRealDialog() {
        registerClassesUnderLock(*m_pro, A, someClasses(5, 2));
        useRealDialogs();
        QStringList seen;
        confirmFileDialog(m_dir->path(), &seen);
        m_pro->click("Button10");
        QCOMPARE(seen, (QStringList{QStringLiteral("Save4"),
                                    QStringLiteral("Rotamind Pro - Salva GRAFICO SPIN ANTIORARI"),
                                    kStamp + QStringLiteral(" - Spin ANTIORARI")}));
        const QString written = path(kStamp + QStringLiteral(" - Spin ANTIORARI.bmp"));
        QVERIFY2(contentOf(written).startsWith("BM"),
                 qPrintable(QDir(m_dir->path()).entryList().join(u'|')));
        QCOMPARE(rgb(QImage(written)), rgb(m_pro->control<DistanceChart>("Chart2")->renderPage()));

        confirmFileDialog(m_dir->path(), &seen);
        m_pro->click("Button5");
        QCOMPARE(contentOf(path(kStamp + QStringLiteral(" - Spin ORARI.txt"))), QByteArray());
        QVERIFY(m_messages.isEmpty());
    }

    void unwritablePath_reportsCannotCreateFile() {
        registerClassesUnderLock(*m_pro, O, someClasses(6, 1));
        const QMap<QString, QString> before = snapshot(*m_window);
        const QString missing = path(QStringLiteral("manca/orari.txt"));
        const QString folder = path(QStringLiteral("cartella.bmp"));
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("cartella.bmp")));
        answer({missing, folder, missing, folder});
        for (const char* button : {"Button5", "Button3", "Button10", "Button9"})
            m_pro->click(button);
        const QString noFolder = QStringLiteral("Cannot create file ") +
                                 QDir::toNativeSeparators(missing) +
                                 QStringLiteral("\nCartella inesistente");
        const QString notAFile = QStringLiteral("Cannot create file ") +
                                 QDir::toNativeSeparators(folder) +
                                 QStringLiteral("\nNon è un file normale");
        QCOMPARE(m_messages, (QStringList{noFolder, notAFile, noFolder, notAFile}));
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("manca"))));
        QCOMPARE(snapshot(*m_window), before);
    }

    void dialogs_startWhereAnyOfThemLastChoseAFile() {
        useRealDialogs();
        const QString first = path(QStringLiteral("prima"));
        const QString second = path(QStringLiteral("seconda"));
        QVERIFY(QDir().mkpath(first) && QDir().mkpath(second));
        QStringList seen;
        confirmFileDialog(first, &seen);
        m_pro->click("Button10");
        confirmFileDialog(second, &seen);
        m_pro->click("Button5");
        // The dialog used before and those never used alike.
        for (const char* button : {"Button10", "Button8", "Button3"}) {
            QString startedIn;
            whenModal<QFileDialog>([&startedIn](QFileDialog* dialog) {
                startedIn = dialog->directory().canonicalPath();
                dialog->reject();
            });
            m_pro->click(button);
            QCOMPARE(startedIn, QDir(second).canonicalPath());
        }
    }

    void chartBitmap_isTheCurrentPageOnly() {
        registerClassesUnderLock(*m_pro, O, someClasses(40, 3));
        auto* chart = m_pro->control<DistanceChart>("Chart1");
        QCOMPARE(chart->currentPage(), 2);
        const QString file = path(QStringLiteral("grafico.bmp"));
        answer({file});
        m_pro->click("Button3");
        const QImage saved(file, "BMP");
        QCOMPARE(saved.size(), QSize(360, 240));
        QCOMPARE(rgb(saved), rgb(chart->renderPage()));
        // Saving left the page where it was; page 1 is another picture.
        QCOMPARE(chart->currentPage(), 2);
        m_pro->click("SpeedButton12");
        QVERIFY(rgb(saved) != rgb(chart->renderPage()));
        if (const QString keep = qEnvironmentVariable("ROTAMIND_KEEP_CHART"); !keep.isEmpty())
            QFile::copy(file, keep);
    }

    void autoSaveButton_showsTheDialogGivenToTheWindow() {
        m_pro->click("SpeedButton10"); // no dialog yet: nothing happens
        TSALVA dialog;
        m_window->setAutoSaveDialog(&dialog);
        QVERIFY(!dialog.isVisible());
        m_pro->click("SpeedButton10");
        QVERIFY(dialog.isVisible());
        m_pro->click("SpeedButton10");
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.isModal());
    }

    void autoSaveTicks_showTheirOutcomeOnTheWindow() {
        m_window->show();
        TSALVA dialog;
        dialog.setSource(&m_window->autoSaveSource());
        dialog.setClock([] { return QDateTime(QDate(2024, 12, 8), QTime(21, 14, 2)); });
        m_window->setAutoSaveDialog(&dialog);
        auto* indicator = m_pro->control<QLabel>("UltimoSalvataggio");
        QVERIFY(indicator->isHidden());
        // Where the narrow window has room: inside it and over no other control.
        QVERIFY(indicator->geometry().right() < WorkingWindow::kNarrowWidth);
        for (QWidget* other : m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(other == indicator || other->isHidden() ||
                         !other->geometry().intersects(indicator->geometry()),
                     qPrintable(other->objectName()));

        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        QStringList hints;
        dialog.Timer1Timer();
        hints << indicator->toolTip();
        m_window->siteField()->setText(QStringLiteral("Bet/365"));
        dialog.Timer1Timer();
        hints << indicator->toolTip();
        QDir::setCurrent(previous);

        QCOMPARE(hints, (QStringList{QStringLiteral("Ultimo salvataggio 21:14: riuscito"),
                                     QStringLiteral("Ultimo salvataggio 21:14: non riuscito: Il "
                                                    "nome del sito contiene '/'")}));
        QVERIFY(!indicator->isHidden());
        QCOMPARE(indicator->palette().color(QPalette::Window), QColor(255, 0, 0));
        // The failure box stays above the window whose files failed.
        QMessageBox* box = m_window->findChild<QMessageBox*>();
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->windowModality(), Qt::NonModal);
    }

    void autoSave_writesTheHiddenProSeries() {
        registerClassesUnderLock(*m_pro, O, someClasses(27, 4));
        registerClassesUnderLock(*m_pro, A, someClasses(3, 1));
        QVERIFY(!m_window->isVisible());
        auto dialog = std::make_unique<TSALVA>();
        dialog->setSource(&m_window->autoSaveSource());
        dialog->setClock([] { return QDateTime(QDate(2024, 12, 8), QTime(14, 5, 33)); });
        dialog->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
        dialog->setMinuteLength(20ms);
        m_window->setAutoSaveDialog(dialog.get());
        m_pro->click("SpeedButton10");

        whenModal<QFileDialog>([this](QFileDialog* folderDialog) {
            folderDialog->setDirectory(m_dir->path());
            folderDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("x"));
            QMetaObject::invokeMethod(folderDialog, "accept");
        });
        dialog->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        for (const char* box : {"GO", "GA"})
            dialog->findChild<QCheckBox*>(QString::fromLatin1(box))->setChecked(true);
        dialog->findChild<QComboBox*>(QStringLiteral("Combo1"))
            ->setCurrentText(QStringLiteral("1"));
        dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        dialog->findChild<QPushButton*>(QStringLiteral("SpeedButton1"))->click();
        QVERIFY(dialog->isSwitchedOn());

        const QString chart = path(kStamp + QStringLiteral(" - GRAFICO Spin ANTIORARI.bmp"));
        QTRY_VERIFY(QFileInfo::exists(chart));
        dialog->findChild<QPushButton*>(QStringLiteral("SpeedButton1"))->click();
        QCOMPARE(contentOf(path(kStamp + QStringLiteral(" - Spin ORARI.txt"))),
                 sessionBytes(m_pro->items("List1")));
        QCOMPARE(contentOf(path(kStamp + QStringLiteral(" - Spin ANTIORARI.txt"))),
                 sessionBytes(m_pro->items("List2")));
        QCOMPARE(rgb(QImage(path(kStamp + QStringLiteral(" - GRAFICO Spin ORARI.bmp")))),
                 rgb(m_pro->control<DistanceChart>("Chart1")->renderPage()));
        QCOMPARE(rgb(QImage(chart)), rgb(m_pro->control<DistanceChart>("Chart2")->renderPage()));
        QVERIFY(!m_window->isVisible());

        // The window may go first; the dialog's next ticks then write nothing.
        QDir folder(m_dir->path());
        for (const QString& name : folder.entryList(QDir::Files))
            QVERIFY(folder.remove(name));
        dialog->findChild<QPushButton*>(QStringLiteral("SpeedButton1"))->click();
        m_pro.reset();
        m_window.reset();
        QTest::qWait(100);
        QCOMPARE(folder.entryList(QDir::Files), QStringList());
    }
};

QTEST_MAIN(ProFilesTest)
#include "ProFilesTest.moc"
