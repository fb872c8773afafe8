// The interrupted session through the real windows: a run records a PRO or
// EASY session and ends without saving it (its program is gone, as after a
// crash); the next run's launcher offers it, and RESTORE shows a window equal
// to the one that recorded, control by control.
#include "../ui/WindowDriver.h"

#include "app/TINTRO.h"
#include "app/Windows.h"
#include "archive/Archive.h"
#include "ui/toolkit/SpinListView.h"
#include "ui/windows/TEASY.h"
#include "ui/windows/TPRO.h"

#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace rotamind;
using namespace Qt::StringLiterals;
using rotamind::testing::WindowDriver;

namespace {

// What a window shows, by objectName: texts, list items, chart points and
// page, and the state of every checkable button.
QMap<QString, QString> shown(QWidget& window) {
    const WindowDriver driver(window);
    QMap<QString, QString> result;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        const QByteArray key = name.toLatin1();
        if (name.isEmpty() || name.startsWith(u"qt_"))
            continue;
        if (qobject_cast<const QLabel*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
            qobject_cast<const QComboBox*>(widget)) {
            result[name] = driver.text(key.constData());
        } else if (const auto* chart = qobject_cast<const DistanceChart*>(widget)) {
            QStringList points;
            for (const int point : driver.points(key.constData()))
                points << QString::number(point);
            result[name] = points.join(u' ') + u" page "_s + QString::number(chart->currentPage());
        } else if (qobject_cast<const QAbstractItemView*>(widget)) {
            result[name] = driver.items(key.constData()).join(u' ');
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget);
                   button && button->isCheckable()) {
            result[name] = button->isChecked() ? u"on"_s : u"off"_s;
        }
    }
    return result;
}

} // namespace

class RestoreTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString archivePath() const { return m_folder.filePath(u"archive.sqlite"_s); }

    // A session in `mode` that spans several chart pages, with deletes, a
    // double-click delete, a typed P, site and croupier; left unsaved.
    QMap<QString, QString> recordAndLeave(bool easy) {
        Windows windows(archivePath());
        windows.start();
        easy ? windows.intro().Button2Click() : windows.intro().Button1Click();
        QWidget& window = easy ? static_cast<QWidget&>(windows.easy()) : windows.pro();
        WindowDriver driver(window);
        for (int launch = 0; launch < 70; ++launch) {
            const Direction direction =
                launch % 3 == 0 ? Direction::CounterClockwise : Direction::Clockwise;
            driver.registerClass(rotamind::kClasses[size_t(launch * 5 % 6)], direction);
        }
        driver.click("SpeedButton1");
        easy ? windows.easy().List1DblClick() : windows.pro().List2DblClick();
        if (easy)
            windows.easy().session().load(windows.easy().session().saved(), {3, -2, 1, 1});
        driver.type("P", u"7"_s);
        driver.type("Combo1", u"12"_s);
        driver.control<QLineEdit>("Edit1")->setText(u"Casinò di prova"_s);
        driver.control<QLineEdit>("Edit2")->setText(u"Marta"_s);
        // EASY keeps the page it shows; the player turns to the latest.
        for (DistanceChart* chart : window.findChildren<DistanceChart*>())
            chart->showLastPage();
        return shown(window);
    }

private slots:
    void restore_showsTheWindowAsItWas_data() {
        QTest::addColumn<bool>("easy");
        QTest::newRow("PRO") << false;
        QTest::newRow("EASY") << true;
    }

    void restore_showsTheWindowAsItWas() {
        QFETCH(bool, easy);
        const QMap<QString, QString> recorded = recordAndLeave(easy);

        Windows windows(archivePath());
        windows.start();
        auto* restore = windows.intro().findChild<QPushButton*>(u"RESTORE"_s);
        QVERIFY(restore->isVisibleTo(&windows.intro()));
        const QString mode = easy ? u"EASY"_s : u"PRO"_s;
        QVERIFY2(restore->text().startsWith(u"Ripristina sessione "_s + mode + u" del "_s) &&
                     restore->text().endsWith(u" lanci)"_s),
                 qPrintable(restore->text()));
        restore->click();
        QWidget& window = easy ? static_cast<QWidget&>(windows.easy()) : windows.pro();
        QVERIFY(window.isVisible());
        QVERIFY(!windows.intro().isVisible());
        // Every list shows its newest launch.
        for (const auto* list : window.findChildren<SpinListView*>()) {
            const int rows = list->model()->rowCount();
            if (rows > 0)
                QTRY_VERIFY(list->viewport()->rect().contains(
                    list->visualRect(list->model()->index(rows - 1, 0))));
        }
        const QMap<QString, QString> restored = shown(window);
        QCOMPARE(restored.keys(), recorded.keys());
        for (auto it = recorded.cbegin(); it != recorded.cend(); ++it)
            QCOMPARE(restored[it.key()] + u" (" + it.key() + u')',
                     it.value() + u" (" + it.key() + u')');
    }

    // Both modes left unsaved: each is offered, the newer first, and
    // restoring one leaves the other on offer for the next run.
    void bothModesLeft_eachIsOffered_andRestoringOneKeepsTheOther() {
        const QString path = m_folder.filePath(u"both.sqlite"_s);
        {
            Windows windows(path);
            windows.start();
            windows.intro().Button1Click();
            WindowDriver pro(windows.pro());
            for (const int number : {5, 9, 13})
                pro.registerLaunch(QString::number(number), Direction::Clockwise);
            pro.click("Button4"); // to EASY
            WindowDriver easy(windows.easy());
            for (const int number : {20, 7})
                easy.registerLaunch(QString::number(number), Direction::Clockwise);
        }
        const auto offers = [](Windows& windows) {
            QStringList texts;
            for (const int offer : {0, 1})
                if (QPushButton* button = windows.intro().restoreButton(offer);
                    button->isVisibleTo(&windows.intro()))
                    texts << button->text();
            return texts;
        };
        {
            Windows windows(path);
            windows.start();
            const QStringList shown = offers(windows);
            QCOMPARE(shown.size(), 2);
            QVERIFY2(shown[0].startsWith(u"Ripristina sessione EASY del "_s), qPrintable(shown[0]));
            QVERIFY2(shown[1].startsWith(u"Ripristina sessione PRO del "_s), qPrintable(shown[1]));
            QTest::mouseClick(windows.intro().restoreButton(1), Qt::LeftButton);
            QVERIFY(windows.pro().isVisible());
            QCOMPARE(WindowDriver(windows.pro()).items("List1").size(), 3);
        }
        Windows windows(path);
        windows.start();
        // Both still offered; their order follows their last change, and the
        // restored PRO may have changed a second after EASY.
        const QStringList shown = offers(windows);
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.filter(u"sessione EASY"_s).size(), 1);
        QCOMPARE(shown.filter(u"sessione PRO"_s).size(), 1);
    }

    // Choosing a mode instead starts from the window as it always opens.
    void ignoringTheOffer_startsFromTheDefaults() {
        recordAndLeave(false);
        // A window opened and left without a change leaves nothing to offer.
        Windows fresh(m_folder.filePath(u"other.sqlite"_s));
        fresh.start();
        fresh.intro().Button1Click();
        const QMap<QString, QString> defaults = shown(fresh.pro());
        QSqlQuery sessions(fresh.archive().database());
        QVERIFY(sessions.exec(u"SELECT count(*) FROM session"_s) && sessions.next());
        QCOMPARE(sessions.value(0).toInt(), 0);

        Windows windows(archivePath());
        windows.start();
        QVERIFY(
            windows.intro().findChild<QPushButton*>(u"RESTORE"_s)->isVisibleTo(&windows.intro()));
        windows.intro().Button1Click();
        QCOMPARE(shown(windows.pro()), defaults);
    }
};

QTEST_MAIN(RestoreTest)
#include "RestoreTest.moc"
