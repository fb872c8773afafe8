// Undo and redo in both working windows: the keys from the number field, the
// UNDO and REDO buttons with their hints, a lone launch taken back.
#include "../WindowDriver.h"

#include "ui/windows/TEASY.h"
#include "ui/windows/TPRO.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

using namespace rotamind;
using rotamind::testing::WindowDriver;

namespace {
constexpr auto O = Direction::Clockwise;

const std::function<std::unique_ptr<QWidget>()> kWindows[] = {
    [] { return std::make_unique<TPRO>(); },
    [] { return std::make_unique<TEASY>(); },
};

// A window on screen and active, as the window shortcuts need it.
std::unique_ptr<QWidget> shown(const std::function<std::unique_ptr<QWidget>()>& make) {
    std::unique_ptr<QWidget> window = make();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qFatal("window %s not active", qPrintable(window->objectName()));
    return window;
}

void pressKeys(QKeyCombination keys) {
    QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
}
} // namespace

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void ctrlZ_inTheNumberField_undoesTheLastRegistration_notTheTyping() {
        for (const auto& make : kWindows) {
            const auto window = shown(make);
            WindowDriver driver(*window);
            driver.registerLaunch(u"17"_s, O);
            driver.type("Combo1", u"5"_s); // something for the field's own undo
            driver.control<QComboBox>("Combo1")->setFocus();
            QCOMPARE(QApplication::focusWidget()->window(), window.get());

            pressKeys(Qt::CTRL | Qt::Key_Z);
            QVERIFY2(driver.items("List1").isEmpty(), qPrintable(window->objectName()));
            QCOMPARE(driver.text("Combo1"), u"17"_s);
            QCOMPARE(driver.text("n1"), u"21"_s);
            QCOMPARE(driver.text("n2"), u"17"_s);
            QVERIFY(driver.checked(O));

            for (const QKeyCombination redo :
                 {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}) {
                pressKeys(redo);
                QCOMPARE(driver.items("List1").size(), 1);
                QCOMPARE(driver.text("n1"), u"17"_s);
                QCOMPARE(driver.text("Combo1"), u"??"_s);
                pressKeys(Qt::CTRL | Qt::Key_Z);
                QVERIFY(driver.items("List1").isEmpty());
            }
        }
    }

    void buttons_followWhatThereIsToUndoAndRedo_andNameIt() {
        for (const auto& make : kWindows) {
            const auto window = shown(make);
            WindowDriver driver(*window);
            auto* undo = driver.control<QToolButton>("UNDO");
            auto* redo = driver.control<QToolButton>("REDO");
            QVERIFY(!undo->isEnabled());
            QVERIFY(!redo->isEnabled());
            QVERIFY(undo->toolTip().startsWith(u"Annulla"_s));
            QVERIFY(redo->toolTip().startsWith(u"Ripeti"_s));

            driver.registerLaunch(u"17"_s, O);
            QVERIFY(undo->isEnabled());
            QVERIFY2(undo->toolTip().startsWith(u"Annulla: registrazione di 17"_s),
                     qPrintable(undo->toolTip()));
            QVERIFY(undo->toolTip().contains(u"Ctrl+Z"_s));

            undo->click();
            QVERIFY(!undo->isEnabled());
            QVERIFY(redo->isEnabled());
            QVERIFY2(redo->toolTip().startsWith(u"Ripeti: registrazione di 17"_s),
                     qPrintable(redo->toolTip()));
            redo->click();
            QCOMPARE(driver.items("List1").size(), 1);
            QVERIFY(!redo->isEnabled());
        }
    }

    void aSingleRemainingLaunch_isTakenBackByUndo() {
        for (const auto& make : kWindows) {
            const auto window = shown(make);
            WindowDriver driver(*window);
            driver.registerLaunch(u"17"_s, O);
            driver.click("SpeedButton1"); // delete last keeps a lone launch
            QCOMPARE(driver.items("List1").size(), 1);
            driver.click("UNDO");
            QVERIFY(driver.items("List1").isEmpty());
            QCOMPARE(driver.text("boules"), u"0"_s);
            QVERIFY(driver.points("Chart1").isEmpty());
        }
    }
};

QTEST_MAIN(UndoTest)
#include "UndoTest.moc"
