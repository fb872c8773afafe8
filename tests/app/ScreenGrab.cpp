// Pictures of the windows as a player sees them, for looking at by eye:
//   QT_SCALE_FACTOR=2 screen_grab OUT-FOLDER [signs|plain] [en]
// An evening with an index of 1 and more in both series is played through
// the real windows; each window and each statistics page is written as a PNG.
#include "../ui/WindowDriver.h"

#include "app/TINTRO.h"
#include "app/Windows.h"
#include "ui/toolkit/Translations.h"
#include "ui/windows/SessionImportDialog.h"
#include "ui/windows/TARCHIVIO.h"
#include "ui/windows/TAZZERAPRO.h"
#include "ui/windows/TEASY.h"
#include "ui/windows/TGUIDA.h"
#include "ui/windows/TPRO.h"
#include "ui/windows/TSALVA.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QScrollArea>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace rotamind;
using rotamind::testing::WindowDriver;

namespace {

void save(QWidget& window, const QString& folder, const QString& name) {
    QApplication::processEvents();
    window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void play(WindowDriver& driver, bool twoSeries) {
    for (const int c : {3, 3, 3, 3, 2, 1, -1, -2, -3, 2, 1, -1}) {
        driver.registerClass(c, Direction::Clockwise);
        if (twoSeries)
            driver.registerClass(-c, Direction::CounterClockwise);
    }
}

void grabWorking(QWidget& window, const QString& folder, const QString& mode) {
    WindowDriver driver(window);
    play(driver, mode == QStringLiteral("pro"));
    driver.click("SpeedButton3");
    driver.click("Button2");
    driver.type("P", QStringLiteral("5"));
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        save(window, folder, mode + QStringLiteral("-tab") + QString::number(page));
        // The Analisi page's charts lie below its figures.
        if (auto* scroll = tabs->currentWidget()->findChild<QScrollArea*>()) {
            QApplication::processEvents();
            scroll->ensureWidgetVisible(
                scroll->findChild<QWidget*>(QStringLiteral("GRAFICOQUOTE")));
            save(window, folder,
                 mode + QStringLiteral("-tab") + QString::number(page) + QStringLiteral("-end"));
            // And the archive's block below, once its reading in the
            // background has come back.
            QTest::qWait(1000);
            scroll->ensureWidgetVisible(scroll->findChild<QWidget*>(QStringLiteral("STATOARC")));
            save(window, folder,
                 mode + QStringLiteral("-tab") + QString::number(page) +
                     QStringLiteral("-archive"));
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString folder = args.value(1, QStringLiteral("."));
    if (args.value(3) == QStringLiteral("en") && !installEnglishTranslations(app))
        qFatal("No English translation found: build the rotamind target first");
    QDir().mkpath(folder);
    QTemporaryDir data;
    Windows windows(data.filePath(QStringLiteral("archive.sqlite")));
    windows.start();
    windows.intro()
        .findChild<QCheckBox*>(QStringLiteral("SEGNI"))
        ->setChecked(args.value(2) == QStringLiteral("signs"));
    windows.intro().offerRestore(
        {TINTRO::restoreCaption(QStringLiteral("PRO"), QDateTime::currentDateTime(), 143)});
    save(windows.intro(), folder, QStringLiteral("launcher"));
    windows.pro().show();
    grabWorking(windows.pro(), folder, QStringLiteral("pro"));
    windows.easy().show();
    grabWorking(windows.easy(), folder, QStringLiteral("easy"));
    TARCHIVIO& archive = windows.archiveWindow();
    archive.show();
    save(archive, folder, QStringLiteral("archive"));
    SessionImportDialog import(data.filePath(QStringLiteral("archive.sqlite")));
    import.show();
    save(import, folder, QStringLiteral("import"));
    TGUIDA guide;
    guide.open();
    save(guide, folder, QStringLiteral("guide"));
    for (const auto& [window, name] :
         {std::pair<QWidget*, const char*>{&windows.autoSave(), "autosave"},
          {&windows.resetConfirmation(), "reset"}}) {
        window->show();
        save(*window, folder, QString::fromLatin1(name));
        window->hide();
    }
    return 0;
}
