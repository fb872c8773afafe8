// Start-up, the launcher and the confirmed reset, through the real windows.
#include "../archive/StoredArchive.h"
#include "../ui/WindowDriver.h"

#include "app/TINTRO.h"
#include "app/Windows.h"
#include "archive/Archive.h"
#include "ui/views/ClassicStatsGrid.h"
#include "ui/views/LengthStatsGrid.h"
#include "ui/windows/TARCHIVIO.h"
#include "ui/windows/TAZZERAPRO.h"
#include "ui/windows/TEASY.h"
#include "ui/windows/TPRO.h"
#include "ui/windows/TRISORSE.h"
#include "ui/windows/TSALVA.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace rotamind;
using rotamind::testing::numberFor;
using rotamind::testing::WindowDriver;

namespace {
constexpr auto O = Direction::Clockwise;
constexpr auto A = Direction::CounterClockwise;

// Answers the reset question once it is on screen.
// Answers the reset question once it is on screen. Polled rather than queued
// once: on a loaded machine a single zero-time shot could come round before
// the dialog's own event loop had it shown.
void answerResetQuestion(TAZZERAPRO& dialog, const char* buttonName) {
    auto* poll = new QTimer(&dialog);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, &dialog, [poll, &dialog, buttonName] {
        if (QApplication::activeModalWidget() != &dialog)
            return;
        poll->deleteLater();
        poll->stop();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("ATTENZIONE!"));
        dialog.findChild<QPushButton*>(QString::fromLatin1(buttonName))->click();
    });
    poll->start();
}

// Both series with launches, every kind of statistics label written, one index red.
void fillSession(WindowDriver& pro) {
    for (const auto& [direction, lock, classes] :
         {std::tuple{O, "SpeedButton8", std::vector<int>{3, 2, 2, 1, 3, -1}},
          std::tuple{A, "SpeedButton7", std::vector<int>{-3, 3, 3, 3, 3, 1, 2}}}) {
        pro.click(lock);
        for (const int distanceClass : classes)
            pro.registerLaunch(numberFor(pro.text("n1").toInt(), direction, distanceClass),
                               direction);
        pro.click(lock);
    }
}

QStringList countAndStatisticsLabels() {
    QStringList names{QStringLiteral("boules"), QStringLiteral("BOULES2")};
    for (const QString& prefix : {QString(), QStringLiteral("A")})
        for (int column = 0; column < ClassicStatsGrid::ColumnCount; ++column)
            for (const int c : kClasses)
                names << ClassicStatsGrid::labelName(prefix, ClassicStatsGrid::Column(column), c);
    for (const QString& prefix : {QString(), QStringLiteral("Z")})
        for (int column = 0; column < LengthStatsGrid::ColumnCount; ++column)
            for (const int l : kLengths)
                names << LengthStatsGrid::labelName(prefix, LengthStatsGrid::Column(column), l);
    return names;
}
} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void start_showsOnlyTheLauncher() {
        Windows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.intro()));
        QVERIFY(!windows.pro().isVisible());
        QVERIFY(!windows.resources().isVisible());
        QVERIFY(!windows.resetConfirmation().isVisible());
        QVERIFY(!windows.easy().isVisible());
        QCOMPARE(windows.intro().size(), QSize(400, 400));
        QCOMPARE(windows.intro().windowTitle(), QStringLiteral("Rotamind PRO"));
        auto* easy = windows.intro().findChild<QPushButton*>(QStringLiteral("Button2"));
        auto* pro = windows.intro().findChild<QPushButton*>(QStringLiteral("Button1"));
        QCOMPARE(easy->text(), QStringLiteral("Easy"));
        QCOMPARE(easy->toolTip(), QStringLiteral("Metodo Rotamind originale"));
        QCOMPARE(pro->text(), QStringLiteral("Pro"));
        QCOMPARE(pro->toolTip(), QStringLiteral("Versione Professional"));
        QCOMPARE(pro->focusPolicy(), Qt::NoFocus);
        QCOMPARE(windows.intro().findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("?"));
    }

    void pro_hidesTheLauncherAndShowsProNarrow() {
        Windows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.intro()));
        QTest::mouseClick(windows.intro().findChild<QPushButton*>(QStringLiteral("Button1")),
                          Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(&windows.pro()));
        QVERIFY(!windows.intro().isVisible());
        QCOMPARE(windows.pro().width(), 410);
        QCOMPARE(windows.pro().geometry().center(), windows.intro().geometry().center());
    }

    void launcherKeys_openTheirMode_withTheCursorInTheEntry() {
        for (const auto& [key, mode] :
             {std::pair{Qt::Key_P, "PRO"}, {Qt::Key_Return, "PRO"}, {Qt::Key_E, "EASY"}}) {
            Windows windows;
            windows.start();
            windows.intro().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&windows.intro()));
            QTest::keyClick(&windows.intro(), key);
            QWidget& chosen = std::string_view(mode) == "PRO" ? static_cast<QWidget&>(windows.pro())
                                                              : windows.easy();
            QVERIFY2(QTest::qWaitForWindowExposed(&chosen), mode);
            QVERIFY(!windows.intro().isVisible());
            chosen.activateWindow();
            QTRY_COMPARE(QApplication::focusWidget(),
                         chosen.findChild<QComboBox*>(QStringLiteral("Combo1")));
        }
    }

    void closingPro_closesTheLauncherAndEndsTheProgram() {
        Windows windows;
        windows.start();
        windows.intro().Button1Click();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.pro()));
        // The event loop that closing PRO must end; 7 would mean it went on.
        QTimer::singleShot(0, &windows.pro(), [&windows] { windows.pro().close(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!windows.intro().isVisible());
        QVERIFY(!windows.pro().isVisible());
    }

    void easy_hidesTheLauncherAndShowsEasyNarrow_centredOverTheLauncher() {
        Windows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.intro()));
        const QPoint launcherCentre = windows.intro().geometry().center();
        QTest::mouseClick(windows.intro().findChild<QPushButton*>(QStringLiteral("Button2")),
                          Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(&windows.easy()));
        QVERIFY(!windows.intro().isVisible());
        QVERIFY(!windows.pro().isVisible());
        QCOMPARE(windows.easy().size(), QSize(410, 622));
        QCOMPARE(windows.easy().geometry().center(), launcherCentre);
    }

    void switchingBackAndForth_keepsEachWindowAsItWasLeft_andNeverBringsBackTheLauncher() {
        Windows windows;
        windows.start();
        WindowDriver easy(windows.easy());
        WindowDriver pro(windows.pro());
        windows.intro().Button2Click();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.easy()));
        easy.registerLaunch(QStringLiteral("18"), O);
        easy.registerLaunch(QStringLiteral("0"), A);
        easy.type("Combo1", QStringLiteral("7"));
        easy.click("SpeedButton3");
        windows.easy().move(windows.easy().pos() + QPoint(40, 30));
        const QPoint easyPlace = windows.easy().pos();
        const QStringList easyItems = easy.items("List1");
        QCOMPARE(easyItems.size(), 2);

        easy.click("Button1"); // "PRO"
        QVERIFY(QTest::qWaitForWindowExposed(&windows.pro()));
        QVERIFY(!windows.easy().isVisible());
        QCOMPARE(windows.pro().width(), 410);
        // The modes never exchange data: PRO starts from its own defaults.
        QVERIFY(pro.items("List1").isEmpty());
        QCOMPARE(pro.text("Combo1"), QStringLiteral("18"));
        QCOMPARE(pro.text("n1"), QStringLiteral("21"));
        pro.registerLaunch(QStringLiteral("18"), O);
        pro.type("Combo1", QStringLiteral("33"));
        pro.select(A);
        const QPoint proPlace = windows.pro().pos();

        pro.click("Button4"); // "Easy"
        QVERIFY(QTest::qWaitForWindowExposed(&windows.easy()));
        QVERIFY(!windows.pro().isVisible());
        QCOMPARE(easy.text("Combo1"), QStringLiteral("7"));
        QVERIFY(easy.checked(O));
        QCOMPARE(windows.easy().width(), 674);
        QCOMPARE(easy.items("List1"), easyItems);
        QCOMPARE(easy.text("boules"), QStringLiteral("2"));
        QCOMPARE(windows.easy().pos(), easyPlace);

        easy.click("Button1");
        QVERIFY(QTest::qWaitForWindowExposed(&windows.pro()));
        QCOMPARE(pro.text("Combo1"), QStringLiteral("33"));
        QVERIFY(pro.checked(A));
        QCOMPARE(pro.items("List1"), QStringList{QStringLiteral("-1")});
        QCOMPARE(windows.pro().pos(), proPlace);
        QVERIFY(!windows.intro().isVisible());
    }

    void closingEasy_closesTheLauncherAndEndsTheProgram() {
        Windows windows;
        windows.start();
        windows.intro().Button2Click();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.easy()));
        QTimer::singleShot(0, &windows.easy(), [&windows] { windows.easy().close(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!windows.intro().isVisible());
        QVERIFY(!windows.easy().isVisible());
    }

    void closingPro_whileEasyHoldsASession_endsTheProgram() {
        Windows windows;
        windows.start();
        windows.intro().Button2Click();
        WindowDriver easy(windows.easy());
        easy.registerLaunch(QStringLiteral("18"), O);
        easy.click("Button1");
        QVERIFY(QTest::qWaitForWindowExposed(&windows.pro()));
        QTimer::singleShot(0, &windows.pro(), [&windows] { windows.pro().close(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!windows.intro().isVisible());
    }

    void easyAndPro_showTheSameNumbersAndWheelPicture_forTheSameInputs() {
        Windows windows;
        WindowDriver easy(windows.easy());
        WindowDriver pro(windows.pro());
        const QImage base = windows.resources().picture(QStringLiteral("BASE")).toImage();
        auto shown = [](QWidget& window) {
            return window.findChild<QLabel*>(QStringLiteral("ImageX"))->pixmap().toImage();
        };
        int pictured = 0;
        for (const Direction direction : {O, A})
            for (const int last : {0, 3, 17, 26, 36})
                for (const int distanceClass : kClasses) {
                    for (auto* field : {"P", "D"}) {
                        const QString value = QString::number(*field == 'P' ? last : distanceClass);
                        easy.type(field, value);
                        pro.type(field, value);
                    }
                    easy.select(direction);
                    pro.select(direction);
                    easy.click("Button2");
                    pro.click("Button2");
                    QCOMPARE(easy.text("N"), pro.text("N"));
                    QVERIFY(easy.text("N") != QStringLiteral("??-??-??-??-??-??"));
                    QCOMPARE(shown(windows.easy()), shown(windows.pro()));
                    QVERIFY(shown(windows.easy()) != base);
                    ++pictured;
                }
        QCOMPARE(pictured, 60);
        // The same look-up gives each window the picture of N's window start.
        easy.type("P", QStringLiteral("3"));
        easy.type("D", QStringLiteral("1"));
        easy.select(O);
        easy.click("Button2");
        QCOMPARE(easy.text("N"), QStringLiteral("00-04-15-19-26-32"));
        QCOMPARE(shown(windows.easy()),
                 windows.resources().picture(QStringLiteral("Image26")).toImage());
    }

    void autoSaveDialog_createdHidden_shownFromPro_savesProWhileEasyIsInUse() {
        Windows windows;
        windows.start();
        TSALVA& autoSave = windows.autoSave();
        QVERIFY(!autoSave.isVisible());
        QTest::mouseClick(windows.intro().findChild<QPushButton*>(QStringLiteral("Button1")),
                          Qt::LeftButton);
        WindowDriver pro(windows.pro());
        pro.registerLaunch(QStringLiteral("18"), O);
        pro.registerLaunch(QStringLiteral("0"), O);
        windows.pro().findChild<QToolButton*>(QStringLiteral("SpeedButton10"))->click();
        QVERIFY(autoSave.isVisible());

        // The dialog writes PRO's series into its folder while EASY is on screen.
        QTemporaryDir folder;
        autoSave.model().chooseFolder(folder.filePath(QStringLiteral("x")));
        autoSave.setMinuteLength(std::chrono::milliseconds(20));
        autoSave.findChild<QComboBox*>(QStringLiteral("Combo1"))->setEditText(QStringLiteral("1"));
        autoSave.SpeedButton1Click();
        windows.pro().findChild<QPushButton*>(QStringLiteral("Button4"))->click();
        QVERIFY(windows.easy().isVisible());
        // Ticks come every 20 ms; each second of the clock names a new pair of files.
        QTRY_VERIFY(QDir(folder.path()).entryList(QDir::Files).size() >= 2);
        autoSave.SpeedButton1Click();
        const QDir written(folder.path());
        const QStringList clockwise = written.entryList({QStringLiteral("* - Spin ORARI.txt")});
        const QStringList counter = written.entryList({QStringLiteral("* - Spin ANTIORARI.txt")});
        QVERIFY(!clockwise.isEmpty());
        QCOMPARE(written.entryList(QDir::Files).size(), clockwise.size() + counter.size());
        for (const QString& name : clockwise) {
            QFile file(written.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("-1\r\n2\r\n"));
        }
        for (const QString& name : counter) {
            QFile file(written.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.size(), 0); // no counter-clockwise launch: an empty series
        }
    }

    void resetAnsweredNo_changesNothing() {
        Windows windows;
        WindowDriver pro(windows.pro());
        windows.pro().show();
        fillSession(pro);
        const QStringList names = countAndStatisticsLabels();
        QStringList before;
        for (const QString& name : names)
            before << pro.text(name.toLatin1());
        answerResetQuestion(windows.resetConfirmation(), "Button2");
        pro.click("SpeedButton5");
        QStringList after;
        for (const QString& name : names)
            after << pro.text(name.toLatin1());
        QCOMPARE(after, before);
        QCOMPARE(pro.items("List1").size(), 6);
        QCOMPARE(pro.points("Chart2").size(), 7);
        QVERIFY(!windows.resetConfirmation().isVisible());
    }

    void resetAnsweredYes_clearsEveryLabelListAndChart_butNotTheEntry() {
        Windows windows;
        WindowDriver pro(windows.pro());
        windows.pro().show();
        fillSession(pro);
        QCOMPARE(pro.background("IC2"), QColor(255, 0, 0));
        pro.type("Combo1", QStringLiteral("9"));
        pro.type("D", QStringLiteral("-2"));
        pro.select(A);
        pro.click("Button2");
        pro.click("SpeedButton8"); // a lock on, to see it survives
        const QStringList kept{pro.text("Combo1"), pro.text("n1"),   pro.text("n2"),
                               pro.text("P"),      pro.text("D"),    pro.text("N"),
                               pro.text("OPPO"),   pro.text("Edit1")};
        QVERIFY(pro.text("N") != QStringLiteral("??-??-??-??-??-??"));

        answerResetQuestion(windows.resetConfirmation(), "Button1");
        QSignalSpy confirmed(&windows.resetConfirmation(), &TAZZERAPRO::confirmed);
        pro.click("SpeedButton5");
        QCOMPARE(confirmed.count(), 1);

        const QStringList names = countAndStatisticsLabels();
        QCOMPARE(names.size(), 128);
        for (const QString& name : names)
            QCOMPARE(pro.text(name.toLatin1()), QStringLiteral("0"));
        int lime = 0;
        for (const QString& name : names)
            if (name.contains(QLatin1String("IC")))
                lime += pro.background(name.toLatin1()) == QColor(0, 255, 0) ? 1 : 0;
        QCOMPARE(lime, 34);
        for (const char* list : {"List1", "List2"})
            QVERIFY(pro.items(list).isEmpty());
        for (const char* chart : {"Chart1", "Chart2"})
            QVERIFY(pro.points(chart).isEmpty());
        QCOMPARE((QStringList{pro.text("Combo1"), pro.text("n1"), pro.text("n2"), pro.text("P"),
                              pro.text("D"), pro.text("N"), pro.text("OPPO"), pro.text("Edit1")}),
                 kept);
        QVERIFY(windows.pro().timer2On());
        // n1 kept the last number, so the first launch of the new session has a class.
        pro.registerLaunch(numberFor(pro.text("n1").toInt(), O, 2), O);
        QCOMPARE(pro.items("List1"), QStringList{QStringLiteral("2")});
    }

    void archiveFromPro_loadLandsInEasysSavedSessionAndEasyTakesOver() {
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        const QString path = Archive::defaultPath();
        QVERIFY(path.startsWith(data.path()));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        const testing::ArchiveRow stored{QStringLiteral("PRO"),
                                         QStringLiteral("Bet365"),
                                         QStringLiteral("Ormilda"),
                                         QStringLiteral("2026-12-08T21:00:00"),
                                         {{3, -1, 2}, {-3}}};
        QCOMPARE(testing::writeArchive(path, std::span(&stored, 1)), QString());

        Windows windows;
        windows.start();
        windows.intro().Button1Click();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.pro()));
        WindowDriver pro(windows.pro());
        pro.click("SpeedButton3");
        pro.click("ARCHIVIO");
        QVERIFY(QTest::qWaitForWindowExposed(&windows.archiveWindow()));
        QTest::mouseClick(
            windows.archiveWindow().findChild<QPushButton*>(QStringLiteral("CaricaInEasy")),
            Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(&windows.easy()));
        QVERIFY(!windows.pro().isVisible());
        QCOMPARE(WindowDriver(windows.easy()).items("List2"),
                 (QStringList{QStringLiteral("3"), QStringLiteral("-1"), QStringLiteral("2")}));
        qunsetenv("XDG_DATA_HOME");
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
