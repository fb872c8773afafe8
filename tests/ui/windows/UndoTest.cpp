// Undo and redo in both working windows: the keys from the number field, the
// UNDO and REDO buttons with their hints, a lone launch taken back.
#include "../WindowDriver.h"

#include "ui/windows/TEASY.h"
#include "ui/windows/TPRO.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;

using namespace rotamind;
using rotamind::testing::WindowDriver;

namespace {
// Both windows, on screen and active as the window shortcuts need them.
std::vector<std::unique_ptr<QWidget>> shownWindows() {
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(std::make_unique<TPRO>());
    windows.push_back(std::make_unique<TEASY>());
    for (const auto& window : windows) {
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("window %s not active", qPrintable(window->objectName()));
    }
    return windows;
}

void press(QKeyCombination keys) {
    QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
}
} // namespace

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void ctrlZ_inTheNumberField_undoesTheLastRegistration_notTheTyping() {
        for (const auto& window : shownWindows()) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
            WindowDriver driver(*window);
            driver.registerLaunch(u"17"_s, Direction::Clockwise);
            driver.type("Combo1", u"5"_s); // something for the field's own undo
            driver.control<QComboBox>("Combo1")->setFocus();

            press(Qt::CTRL | Qt::Key_Z);
            QVERIFY2(driver.items("List1").isEmpty(), qPrintable(window->objectName()));
            QCOMPARE(driver.texts({u"Combo1"_s, u"n1"_s, u"n2"_s}),
                     (QStringList{u"17"_s, u"21"_s, u"17"_s}));
            for (const QKeyCombination redo :
                 {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}) {
                press(redo);
                QCOMPARE(driver.texts({u"Combo1"_s, u"n1"_s, u"n2"_s}),
                         (QStringList{u"??"_s, u"17"_s, u"21"_s}));
                QCOMPARE(driver.items("List1").size(), 1);
                press(Qt::CTRL | Qt::Key_Z);
            }
        }
    }

    void buttons_followWhatThereIsToUndo_andALoneLaunchIsTakenBack() {
        for (const auto& window : shownWindows()) {
            WindowDriver driver(*window);
            auto* undo = driver.control<QToolButton>("UNDO");
            auto* redo = driver.control<QToolButton>("REDO");
            QVERIFY(!undo->isEnabled() && !redo->isEnabled());

            driver.registerLaunch(u"17"_s, Direction::Clockwise);
            driver.click("SpeedButton1"); // delete last keeps a lone launch
            QCOMPARE(driver.items("List1").size(), 1);
            QVERIFY(undo->isEnabled());
            QVERIFY2(undo->toolTip().startsWith(u"Annulla: registrazione di 17 (Ctrl+Z"_s),
                     qPrintable(undo->toolTip()));

            undo->click();
            QVERIFY(driver.items("List1").isEmpty());
            QCOMPARE(driver.text("boules"), u"0"_s);
            QVERIFY(!undo->isEnabled() && redo->isEnabled());
            QVERIFY2(redo->toolTip().startsWith(u"Ripeti: registrazione di 17"_s),
                     qPrintable(redo->toolTip()));
        }
    }
};

QTEST_MAIN(UndoTest)
#include "UndoTest.moc"
