// The working windows at the pace of a live table: real clicks and keys sent
// to whatever has the focus, as a player's would be.
#include "../WindowDriver.h"

#include "ui/toolkit/Controls.h"
#include "ui/views/ClassicStatsGrid.h"
#include "ui/views/EntryNotice.h"
#include "ui/views/LengthStatsGrid.h"
#include "ui/windows/TEASY.h"
#include "ui/windows/TPRO.h"
#include "ui/windows/TSALVA.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include <memory>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using namespace rotamind;
using rotamind::testing::WindowDriver;

namespace {

std::unique_ptr<WorkingWindow> makeWindow(const QString& mode) {
    if (mode == u"PRO")
        return std::make_unique<TPRO>();
    return std::make_unique<TEASY>();
}

// Shown and active, so that keys reach it as they reach a window on screen.
void bringUp(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCoreApplication::processEvents(); // the cursor is put into the entry once the window is up
}

QComboBox* entryField(const WindowDriver& driver) {
    return driver.control<QComboBox>("Combo1");
}

// Types as a player does: into whatever has the focus.
void typeKeys(const QString& keys) {
    QTest::keyClicks(QApplication::focusWidget(), keys);
}

void pressKey(QKeySequence key) {
    const QKeyCombination combination = key[0];
    QTest::keyClick(QApplication::focusWidget(), combination.key(),
                    combination.keyboardModifiers());
    QCoreApplication::processEvents();
}

void turnWheel(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    QWheelEvent wheel(centre, widget->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

void addModes() {
    QTest::addColumn<QString>("mode");
    QTest::newRow("PRO") << u"PRO"_s;
    QTest::newRow("EASY") << u"EASY"_s;
}

} // namespace

class LiveTableTest : public QObject {
    Q_OBJECT

private slots:
    void everyCommand_givesTheKeyboardBackToTheEntry_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("control");
        const char* const shared[] = {"Button2",       "Button11",     "Radio1",
                                      "Radio2",        "SpeedButton1", "SpeedButton14",
                                      "SpeedButton15", "SpeedButton3"};
        for (const QString& mode : {u"PRO"_s, u"EASY"_s})
            for (const char* control : shared)
                QTest::addRow("%s %s", qPrintable(mode), control)
                    << mode << QString::fromLatin1(control);
        for (const char* control :
             {"SpeedButton4", "SpeedButton7", "SpeedButton8", "SpeedButton12"})
            QTest::addRow("PRO %s", control) << u"PRO"_s << QString::fromLatin1(control);
    }
    void everyCommand_givesTheKeyboardBackToTheEntry() {
        QFETCH(QString, mode);
        QFETCH(QString, control);
        auto window = makeWindow(mode);
        WindowDriver driver(*window);
        bringUp(*window);
        driver.registerLaunch(u"5"_s, Direction::Clockwise);
        driver.registerLaunch(u"9"_s, Direction::Clockwise);
        auto* clicked = driver.control<QAbstractButton>(control.toLatin1().constData());
        if (!clicked->isVisible())
            driver.click("SpeedButton3"); // the wide layout's buttons
        QTest::mouseClick(clicked, Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), entryField(driver));
        // The next number replaces whatever the entry shows.
        typeKeys(u"7"_s);
        QCOMPARE(driver.text("Combo1"), u"7"_s);
    }

    void doubleClickDelete_givesTheKeyboardBackToTheEntry_data() { addModes(); }
    void doubleClickDelete_givesTheKeyboardBackToTheEntry() {
        QFETCH(QString, mode);
        auto window = makeWindow(mode);
        WindowDriver driver(*window);
        bringUp(*window);
        for (const char* number : {"5", "9", "13"})
            driver.registerLaunch(QString::fromLatin1(number), Direction::Clockwise);
        auto* list = driver.control<QAbstractItemView>("List1");
        const QPoint first = list->visualRect(list->model()->index(0, 0)).center();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
        QTRY_COMPARE(QApplication::focusWidget(), entryField(driver));
        typeKeys(u"3"_s); // not an item search in the list
        QCOMPARE(driver.text("Combo1"), u"3"_s);
    }

    // A pick from a drop-down, or Enter in the site or croupier field, gives
    // the keyboard back: the next digits are the next launch, not "Casino Roma9".
    void choices_giveTheKeyboardBackToTheEntry_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("control");
        for (const QString& mode : {u"PRO"_s, u"EASY"_s})
            for (const char* control : {"D", "P", "n1", "n2", "Edit1", "Edit2"})
                QTest::addRow("%s %s", qPrintable(mode), control)
                    << mode << QString::fromLatin1(control);
    }
    void choices_giveTheKeyboardBackToTheEntry() {
        QFETCH(QString, mode);
        QFETCH(QString, control);
        auto window = makeWindow(mode);
        WindowDriver driver(*window);
        bringUp(*window);
        driver.click("SpeedButton3"); // the site fields are in the wide layout
        const QByteArray name = control.toLatin1();
        if (auto* combo = window->findChild<QComboBox*>(control)) {
            // On the arrow, as the player opens it.
            QTest::mouseClick(combo, Qt::LeftButton, {},
                              QPoint(combo->width() - 4, combo->height() / 2));
            QAbstractItemView* items = combo->view();
            QTRY_VERIFY(items->isVisible());
            // The list ignores a release as quick as a double click after it opened.
            QTest::qWait(QApplication::doubleClickInterval() + 50);
            const QModelIndex second = items->model()->index(1, 0);
            items->scrollTo(second);
            QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                              items->visualRect(second).center());
            QCOMPARE(driver.text(name.constData()), second.data().toString());
        } else {
            QTest::mouseClick(driver.control(name.constData()), Qt::LeftButton);
            typeKeys(u"Casino Roma"_s);
            pressKey(QKeySequence(Qt::Key_Return));
        }
        QTRY_COMPARE(entryField(driver)->lineEdit()->selectedText(), u"18"_s);
        QCOMPARE(QApplication::focusWidget(), entryField(driver));
        typeKeys(u"9"_s);
        QCOMPARE(driver.text("Combo1"), u"9"_s);
    }

    void keys_runTheCommands_andEnterRegisters() {
        TPRO window;
        WindowDriver pro(window);
        bringUp(window);
        const int narrow = window.width();
        for (const auto& [key, number] :
             {std::pair{"Alt+O", "5"}, {"Alt+A", "9"}, {"Alt+O", "13"}, {"Alt+O", "20"}}) {
            pressKey(QKeySequence(QString::fromLatin1(key)));
            typeKeys(QString::fromLatin1(number));
            pressKey(QKeySequence(Qt::Key_Return));
        }
        QCOMPARE(pro.items("List1").size(), 3); // a launch has its class from the number before
        QCOMPARE(pro.items("List2").size(), 1);
        pressKey(QKeySequence(u"Alt+E"_s)); // delete last of the clockwise series
        QCOMPARE(pro.items("List1").size(), 2);
        pressKey(QKeySequence(u"Alt+S"_s));
        QVERIFY(window.width() > narrow);
        pressKey(QKeySequence(u"Alt+N"_s));
        QVERIFY(pro.text("N") != u"??-??-??-??-??-??"_s);
        QCOMPARE(QApplication::focusWidget(), entryField(pro));
    }

    void clickIntoANumberField_selectsIt_andTheWheelNeverChangesOne() {
        TPRO window;
        WindowDriver pro(window);
        bringUp(window);
        for (const char* name : {"Combo1", "n1", "n2", "P", "D"}) {
            auto* combo = pro.control<QComboBox>(name);
            const QString before = combo->currentText();
            turnWheel(combo);
            QCOMPARE(combo->currentText(), before);
            QTest::mouseClick(combo->lineEdit(), Qt::LeftButton, {}, QPoint(4, 4));
            QCOMPARE(QApplication::focusWidget(), combo);
            turnWheel(combo); // focused too
            QCOMPARE(combo->currentText(), before);
        }
        QTest::mouseClick(entryField(pro)->lineEdit(), Qt::LeftButton, {}, QPoint(30, 10));
        typeKeys(u"5"_s);
        QCOMPARE(pro.text("Combo1"), u"5"_s); // the "18" a new window shows is replaced
    }

    void registerWithoutDirection_orForeignNumber_isToldAtOnce() {
        TEASY window;
        WindowDriver easy(window);
        bringUp(window);
        auto* line = easy.control<QLabel>("AVVISO");
        QVERIFY(!line->isVisible());
        typeKeys(u"17"_s);
        pressKey(QKeySequence(Qt::Key_Return));
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), u"Scegli O o A (ora è selezionato O)"_s);
        QVERIFY(easy.checked(Direction::Clockwise));
        // What the player typed is kept, selected, for the next digits to replace.
        QCOMPARE(QApplication::focusWidget(), entryField(easy));
        QCOMPARE(entryField(easy)->lineEdit()->selectedText(), u"17"_s);

        typeKeys(u"37"_s);
        pressKey(QKeySequence(Qt::Key_Return)); // "O" is selected by now
        QCOMPARE(line->text(),
                 u"«37» non è un numero della ruota: il lancio è contato senza classe"_s);
        QCOMPARE(easy.text("n1"), u"37"_s); // counted, as always
        QTRY_VERIFY_WITH_TIMEOUT(!line->isVisible(), 6000);
    }

    // Register 12, take it back, type 13: the entry holds the 12 selected, so
    // the 13 replaces it; the same after a redo, with keys or buttons.
    void undoAndRedo_leaveTheEntryReadyForTheNextNumber_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("buttons");
        for (const QString& mode : {u"PRO"_s, u"EASY"_s})
            for (const bool buttons : {false, true})
                QTest::addRow("%s %s", qPrintable(mode), buttons ? "buttons" : "keys")
                    << mode << buttons;
    }
    void undoAndRedo_leaveTheEntryReadyForTheNextNumber() {
        QFETCH(QString, mode);
        QFETCH(bool, buttons);
        auto window = makeWindow(mode);
        WindowDriver driver(*window);
        bringUp(*window);
        const auto command = [&](const char* button, const char* key) {
            if (buttons)
                QTest::mouseClick(driver.control<QAbstractButton>(button), Qt::LeftButton);
            else
                pressKey(QKeySequence(QString::fromLatin1(key)));
            QCoreApplication::processEvents();
        };
        pressKey(QKeySequence(u"Alt+O"_s));
        for (const QString& step : {u"undo"_s, u"redo"_s}) {
            typeKeys(u"12"_s);
            pressKey(QKeySequence(Qt::Key_Return));
            command("UNDO", "Ctrl+Z");
            QCOMPARE(driver.text("Combo1"), u"12"_s);
            if (step == u"redo")
                command("REDO", "Ctrl+Y");
            QCOMPARE(QApplication::focusWidget(), entryField(driver));
            typeKeys(u"13"_s);
            QCOMPARE(driver.text("Combo1"), u"13"_s);
            pressKey(QKeySequence(Qt::Key_Return));
            QCOMPARE(driver.text("n1"), u"13"_s);
            QCOMPARE(driver.text("n2"), step == u"redo" ? u"12"_s : u"21"_s);
        }
    }

    // Automatic saving fails at every tick while the player types: its notice
    // shows above PRO but never takes the keyboard, and no launch is lost.
    void failingAutomaticSave_neverTakesTheKeyboard() {
        TPRO window;
        WindowDriver pro(window);
        TSALVA saving;
        saving.setSource(&window.autoSaveSource());
        saving.setNoticeWindow(&window);
        saving.setMinuteLength(1ms);
        window.croupierField()->setText(u"Orm/ilda"_s); // no file can take that name
        bringUp(window);
        saving.SpeedButton1Click();
        pressKey(QKeySequence(u"Alt+O"_s));
        constexpr int kLaunches = 25;
        for (int i = 0; i < kLaunches; ++i) {
            QTest::qWait(3);
            QCOMPARE(QApplication::focusWidget(), entryField(pro));
            typeKeys(QString::number(1 + i % 30));
            pressKey(QKeySequence(Qt::Key_Return));
        }
        const QList<QMessageBox*> boxes = window.findChildren<QMessageBox*>();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes.first()->isVisible());
        QCOMPARE(QApplication::activeWindow(), &window);
        QCOMPARE(pro.items("List1").size() + pro.items("List2").size(), kLaunches);
    }

    // The aid's label names what N was computed for, and says when a launch,
    // a delete or a new class has left N behind, or why Alt+N computed nothing.
    void numbersToBet_sayWhatTheyAreFor_andWhenTheyAreOutOfDate_data() { addModes(); }
    void numbersToBet_sayWhatTheyAreFor_andWhenTheyAreOutOfDate() {
        QFETCH(QString, mode);
        auto window = makeWindow(mode);
        WindowDriver driver(*window);
        bringUp(*window);
        auto* aidFor = driver.control<QLabel>("aidFor");
        const auto launch = [&](const char* number) {
            typeKeys(QString::fromLatin1(number));
            pressKey(QKeySequence(Qt::Key_Return));
        };
        const auto outOfDate = [&] { return aidFor->text().startsWith(u"Non aggiornati: Alt+N"); };
        pressKey(QKeySequence(u"Alt+O"_s));
        pressKey(QKeySequence(u"Alt+N"_s));
        QCOMPARE(aidFor->text(), u"per 18 · 1 · O"_s);
        const QString computed = driver.text("N");
        launch("5");
        QVERIFY(outOfDate());
        QCOMPARE(driver.text("N"), computed);
        launch("9");
        launch("13"); // two launches in the first series, one to delete
        pressKey(QKeySequence(u"Alt+N"_s));
        QCOMPARE(aidFor->text(), u"per 13 · 1 · A"_s);
        pressKey(QKeySequence(u"Alt+E"_s));
        QVERIFY(outOfDate());
        pressKey(QKeySequence(u"Alt+N"_s));
        QVERIFY(!outOfDate());
        driver.type("D", u"-3"_s);
        QVERIFY(outOfDate());
        driver.type("D", u"5"_s);
        const QString before = driver.text("N");
        pressKey(QKeySequence(u"Alt+N"_s));
        QVERIFY(aidFor->text().contains(u"«5» in Distanza"_s));
        QCOMPARE(driver.text("N"), before);
    }

    // No single key clears a series; a reset says how to take it back, and
    // Ctrl+Z does.
    void resets_sayHowToUndo_andNoKeyRunsOne_data() { addModes(); }
    void resets_sayHowToUndo_andNoKeyRunsOne() {
        QFETCH(QString, mode);
        auto window = makeWindow(mode);
        WindowDriver driver(*window);
        bringUp(*window);
        if (auto* easy = qobject_cast<TEASY*>(window.get()))
            easy->loadSavedSession({1, -2, 3});
        pressKey(QKeySequence(u"Alt+O"_s));
        for (const char* number : {"5", "9", "13"}) {
            typeKeys(QString::fromLatin1(number));
            pressKey(QKeySequence(Qt::Key_Return));
        }
        const QStringList before = driver.items("List1") + driver.items("List2");
        for (const Qt::Key key : {Qt::Key_E, Qt::Key_A, Qt::Key_O})
            pressKey(QKeySequence(Qt::ALT | Qt::SHIFT | key));
        if (mode == u"EASY")
            QCOMPARE(driver.items("List1") + driver.items("List2"), before);
        auto* line = driver.control<QLabel>("AVVISO");
        QVERIFY(!line->isVisible() || line->text() != EntryNotice::resetText());
        QTest::mouseClick(driver.control<QAbstractButton>("SpeedButton5"), Qt::LeftButton);
        if (mode == u"PRO")
            driver.trigger("AZZERA"); // what the confirmation's "Sì" runs
        QVERIFY(driver.items("List1").isEmpty());
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), u"Sessione azzerata: Ctrl+Z la ripristina"_s);
        pressKey(QKeySequence(u"Ctrl+Z"_s));
        QCOMPARE(driver.items("List1") + driver.items("List2"), before);
    }

    // Chart pages turn with keys no desktop takes, and the hints name the keys
    // in Italian, each once.
    void pageKeys_turnTheCharts_andHintsNameKeysInItalian_data() { addModes(); }
    void pageKeys_turnTheCharts_andHintsNameKeysInItalian() {
        QFETCH(QString, mode);
        auto window = makeWindow(mode);
        WindowDriver driver(*window);
        bringUp(*window);
        constexpr int kLaunches = 30; // two pages
        if (auto* easy = qobject_cast<TEASY*>(window.get())) {
            easy->loadSavedSession(std::vector<std::int8_t>(kLaunches, 1));
            for (int i = 0; i < kLaunches; ++i)
                driver.registerClass(1, Direction::Clockwise);
        } else {
            for (const Direction direction : {Direction::Clockwise, Direction::CounterClockwise})
                testing::registerClassesUnderLock(driver, direction, QList<int>(kLaunches, 2));
        }
        auto* first = driver.control<DistanceChart>("Chart1");
        auto* second = driver.control<DistanceChart>("Chart2");
        for (DistanceChart* chart : {first, second})
            chart->setCurrentPage(2);
        pressKey(QKeySequence(Qt::Key_PageUp));
        QCOMPARE(first->currentPage(), 1);
        QCOMPARE(second->currentPage(), 2);
        pressKey(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
        QCOMPARE(second->currentPage(), 1);
        pressKey(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
        pressKey(QKeySequence(Qt::Key_PageDown));
        for (DistanceChart* chart : {first, second})
            QCOMPARE(chart->currentPage(), 2);
        QCOMPARE(QApplication::focusWidget(), entryField(driver));

        const auto hintOf = [&](const char* name) {
            auto* control = driver.control(name);
            QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(control, &help);
            return QToolTip::text();
        };
        const char* paging = mode == u"PRO" ? "SpeedButton14" : "SpeedButton2";
        QVERIFY2(hintOf(paging).endsWith(u"(Ctrl+PagSu)"_s), qPrintable(hintOf(paging)));
        if (mode == u"PRO")
            QVERIFY2(hintOf("SpeedButton8").endsWith(u"(Alt+Maiusc+O)"_s),
                     qPrintable(hintOf("SpeedButton8")));
    }

    void tab_visitsTheControlsRowByRow() {
        TPRO window;
        bringUp(window);
        QWidget* start = QApplication::focusWidget();
        QPoint previous(-1, -1);
        int rowsDown = 0;
        for (QWidget* at = start->nextInFocusChain(); at != start; at = at->nextInFocusChain()) {
            if (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisibleTo(&window) ||
                at->window() != &window || at->focusProxy())
                continue;
            const QPoint place = at->mapTo(&window, QPoint(0, 0));
            // Along a row left to right; a new row starts lower down.
            if (place.x() <= previous.x()) {
                QVERIFY2(place.y() > previous.y(), qPrintable(at->objectName()));
                ++rowsDown;
            }
            previous = place;
        }
        QVERIFY(rowsDown > 3);
    }

    // Every statistics label, at the widest values it can show, keeps its
    // text whole and stays clear of every other label of its page.
    void statisticsPages_nothingOverlapsOrIsCut_atTheWidestValues_data() { addModes(); }
    void statisticsPages_nothingOverlapsOrIsCut_atTheWidestValues() {
        QFETCH(QString, mode);
        auto window = makeWindow(mode);
        bringUp(*window);
        WindowDriver(*window).click("SpeedButton3");
        // Figures with decimals: percentages and indexes; every other shows whole numbers.
        QSet<QString> decimals;
        for (const QString& prefix : {QString(), u"A"_s, u"Z"_s})
            for (int row = 0; row < int(kLengths.size()); ++row) {
                decimals << LengthStatsGrid::labelName(prefix, LengthStatsGrid::Index,
                                                       kLengths[row]);
                if (row < 6)
                    for (const auto column :
                         {ClassicStatsGrid::Percentage, ClassicStatsGrid::Index})
                        decimals << ClassicStatsGrid::labelName(prefix, column, kClasses[row]);
            }
        auto* tabs = window->findChild<QTabWidget*>();
        for (const int page : {0, 1}) {
            const QList<QLabel*> labels = tabs->widget(page)->findChildren<QLabel*>();
            for (const QString& wide : {u"12,3457"_s, u"0,6667"_s, u"100"_s}) {
                for (QLabel* label : labels)
                    if (decimals.contains(label->objectName()) ||
                        (!label->objectName().isEmpty() && wide == u"100"))
                        label->setText(wide);
                for (QLabel* label : labels) {
                    if (label->wordWrap())
                        continue; // a sentence, laid out on as many lines as it needs
                    const QRect box = label->geometry();
                    QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= box.width(),
                             qPrintable(label->objectName() + u' ' + label->text()));
                    for (QLabel* other : labels)
                        QVERIFY2(other == label || other->parentWidget() != label->parentWidget() ||
                                     !box.intersects(other->geometry()),
                                 qPrintable(label->objectName() + u'/' + label->text() + u" over " +
                                            other->objectName() + u'/' + other->text()));
                }
            }
        }
    }

    void screen_classTextsWhole_captionInside_noTabsWhileNarrow_listAtTheNewest_data() {
        addModes();
    }
    void screen_classTextsWhole_captionInside_noTabsWhileNarrow_listAtTheNewest() {
        QFETCH(QString, mode);
        auto window = makeWindow(mode);
        WindowDriver driver(*window);
        bringUp(*window);
        QVERIFY(!window->findChild<QTabWidget*>()->isVisible());
        auto* distance = driver.control<QComboBox>("D");
        // A line edit keeps two pixels clear on each side of its text.
        const QLineEdit* distanceText = distance->lineEdit();
        for (const QString& text : controls::classTexts())
            QVERIFY2(distanceText->fontMetrics().horizontalAdvance(text) <=
                         distanceText->width() - 4,
                     qPrintable(text));
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->text() == u"Rotamind: il metodo del croupier"_s)
                QVERIFY(label->geometry().bottom() < window->height() &&
                        label->height() >= label->fontMetrics().height());
        auto* list = driver.control<QAbstractItemView>("List1");
        for (int i = 0; i < 30; ++i)
            driver.registerClass(1 + i % 3, Direction::Clockwise);
        const QModelIndex newest = list->model()->index(list->model()->rowCount() - 1, 0);
        QVERIFY(list->viewport()->rect().contains(list->visualRect(newest)));
    }

    void siteField_onlyALeftClickEmptiesIt() {
        TPRO window;
        WindowDriver pro(window);
        bringUp(window);
        auto* site = pro.control<QLineEdit>("Edit1");
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            QTest::mousePress(site, button);
            QTest::mouseRelease(site, button);
            QCOMPARE(site->text(), u"Bet365"_s);
        }
        QTest::mouseClick(site, Qt::LeftButton);
        QCOMPARE(site->text(), QString());
    }
};

QTEST_MAIN(LiveTableTest)
#include "LiveTableTest.moc"
