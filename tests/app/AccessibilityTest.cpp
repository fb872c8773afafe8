// What a screen reader hears: every control it can reach has a name, the
// statistics figures come with their row and column, the notices after
// REGISTRA are announced; and the signs the launcher switches on beside the
// colours.
#include "../ui/WindowDriver.h"

#include "app/Options.h"
#include "app/TINTRO.h"
#include "app/Windows.h"
#include "ui/toolkit/ColourSigns.h"
#include "ui/toolkit/Palette.h"
#include "ui/views/ClassicStatsGrid.h"
#include "ui/views/EntryNotice.h"
#include "ui/views/LengthStatsGrid.h"
#include "ui/windows/SessionImportDialog.h"
#include "ui/windows/TARCHIVIO.h"
#include "ui/windows/TAZZERAPRO.h"
#include "ui/windows/TEASY.h"
#include "ui/windows/TGUIDA.h"
#include "ui/windows/TPRO.h"
#include "ui/windows/TRISORSE.h"
#include "ui/windows/TSALVA.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace rotamind;
using namespace Qt::StringLiterals;
using rotamind::testing::WindowDriver;

namespace {

// Roles a player acts on; a label or a picture may go without a name.
bool interactive(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::PageTab:
    case QAccessible::PageTabList:
    case QAccessible::Slider:
        return true;
    default:
        return false;
    }
}

// The visible interactive elements under `node` without a name of their own:
// a field or drop-down whose "name" is only its text is unnamed too.
void collectUnnamed(QAccessibleInterface* node, const QString& path, QStringList& unnamed) {
    if (!node || node->state().invisible)
        return;
    const QString here = path + u'/' + (node->object() ? node->object()->objectName() : QString()) +
                         u'(' + QString::number(node->role(), 16) + u')';
    if (interactive(node->role())) {
        const QString name = node->text(QAccessible::Name).trimmed();
        // A drop-down on Linux reports its text as its name and is named by
        // its label or its field; a field's text is not its name either.
        const bool field = node->role() == QAccessible::EditableText;
        const bool namedByText = name == node->text(QAccessible::Value);
        bool named = !name.isEmpty() && !(field && namedByText);
        if (node->role() == QAccessible::ComboBox && namedByText) {
            named = !node->relations(QAccessible::Label).isEmpty();
            for (int i = 0; i < node->childCount(); ++i)
                if (node->child(i)->role() == QAccessible::EditableText)
                    named = true; // and the field is checked on its own
        }
        if (!named)
            unnamed << here;
    }
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), here, unnamed);
}

QStringList unnamedIn(QWidget& window) {
    QStringList unnamed;
    // Every page of every tab set, in turn: a hidden page is not heard.
    const auto tabSets = window.findChildren<QTabWidget*>();
    collectUnnamed(QAccessible::queryAccessibleInterface(&window), window.objectName(), unnamed);
    for (QTabWidget* tabs : tabSets)
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            collectUnnamed(QAccessible::queryAccessibleInterface(tabs->widget(page)),
                           window.objectName() + u'#' + QString::number(page), unnamed);
        }
    return unnamed;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_settings;

private slots:
    void initTestCase() {
        // The launcher's option is remembered: each run starts from none.
        qputenv("XDG_CONFIG_HOME", m_settings.path().toLocal8Bit());
    }

    void everyWindow_namesEveryControlItShows() {
        // A table row whose control is gone says so.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("accessible name")));
        QTemporaryDir data;
        Windows windows(data.filePath(QStringLiteral("archive.sqlite")));
        windows.start();
        windows.intro().offerRestore({QStringLiteral("a"), QStringLiteral("b")});
        SessionImportDialog import(data.filePath(QStringLiteral("archive.sqlite")));
        TGUIDA guide;
        QWidget* all[] = {&windows.intro(),
                          &windows.pro(),
                          &windows.easy(),
                          &windows.autoSave(),
                          &windows.resetConfirmation(),
                          &windows.resources(),
                          &windows.archiveWindow(),
                          &import,
                          &guide};
        QStringList unnamed;
        for (QWidget* window : all) {
            window->show();
            unnamed << unnamedIn(*window);
        }
        for (const QString& element : unnamed)
            qWarning("no name: %s", qPrintable(element));
        QVERIFY(unnamed.isEmpty());
    }

    void statisticsFigures_areReadWithTheirRowAndColumn() {
        TPRO pro;
        pro.analysisPage(); // never shown here: made on demand
        WindowDriver driver(pro);
        for (const int c : {3, 3, -1, 2, 3})
            driver.registerClass(c, Direction::Clockwise);
        driver.registerClass(1, Direction::CounterClockwise);
        const auto spoken = [](QLabel* label) {
            return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        };
        QCOMPARE(spoken(driver.control<QLabel>("F3")), u"Frequenza, classe 3: 3"_s);
        // Every figure of both series, after the launches changed them.
        const QString classic[] = {u"Frequenza"_s, u"Percentuale"_s, u"Ritardo"_s,
                                   u"Ritardo massimo"_s, u"Indice di convenienza"_s};
        const QString lengths[] = {u"Frequenza"_s, u"Ritardo"_s, u"Indice di convenienza"_s};
        for (const QString& prefix : {QString(), u"A"_s})
            for (int column = 0; column < ClassicStatsGrid::ColumnCount; ++column)
                for (const int c : kClasses) {
                    auto* label = pro.findChild<QLabel*>(
                        ClassicStatsGrid::labelName(prefix, ClassicStatsGrid::Column(column), c));
                    QCOMPARE(spoken(label), u"%1, classe %2: %3"_s.arg(
                                                classic[column], classText(c), label->text()));
                }
        for (const QString& prefix : {QString(), u"Z"_s})
            for (int column = 0; column < LengthStatsGrid::ColumnCount; ++column)
                for (const int l : kLengths) {
                    auto* label = pro.findChild<QLabel*>(
                        LengthStatsGrid::labelName(prefix, LengthStatsGrid::Column(column), l));
                    QCOMPARE(spoken(label), u"%1, lunghezza %2%3: %4"_s.arg(
                                                lengths[column], l > 0 ? u"+"_s : QString(),
                                                QString::number(l), label->text()));
                }
        // Each launch of a list, and the Analisi page's figures with their series.
        auto* view = driver.control<QAbstractItemView>("List1");
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view);
        QCOMPARE(list->childCount(), 5);
        for (int row = 0; row < list->childCount(); ++row) {
            QCOMPARE(list->child(row)->role(), QAccessible::ListItem);
            QCOMPARE(list->child(row)->text(QAccessible::Name),
                     u"Lancio %1: classe %2"_s.arg(row + 1).arg(
                         view->model()->index(row, 0).data().toString()));
            QCOMPARE(list->indexOfChild(list->child(row)), row);
        }
        for (const auto& [name, caption, series] : {std::tuple{"X2E", u"Evidenza"_s, u"orari"_s},
                                                    {"AHIT", u"Vinti"_s, u"antiorari"_s},
                                                    {"X2PARC", u"p"_s, u"orari"_s}}) {
            auto* figure = driver.control<QLabel>(name);
            QCOMPARE(spoken(figure), u"%1, serie %2: %3"_s.arg(caption, series, figure->text()));
        }
    }

    void noticesAfterRegister_areAlertsWithTheirText() {
        TPRO pro;
        pro.show();
        WindowDriver driver(pro);
        QAccessibleInterface* line =
            QAccessible::queryAccessibleInterface(driver.control<QLabel>("AVVISO"));
        QCOMPARE(line->role(), QAccessible::AlertMessage);
        driver.type("Combo1", u"17"_s);
        driver.click("Button11"); // no direction chosen yet
        QVERIFY(!line->state().invisible);
        QCOMPARE(line->text(QAccessible::Name), EntryNotice::directionMissingText());
        driver.type("Combo1", u"40"_s);
        driver.click("Button11");
        QCOMPARE(line->text(QAccessible::Name), EntryNotice::foreignNumberText(u"40"_s));
    }

    void signsBesideColours_followTheLaunchersOption_andAreRemembered() {
        QTemporaryDir data;
        Windows windows(data.filePath(u"archive.sqlite"_s));
        auto* option = windows.intro().findChild<QCheckBox*>(u"SEGNI"_s);
        QVERIFY(!option->isChecked()); // off by default: the look as drawn
        WindowDriver pro(windows.pro());
        for (const int c : {3, 3, 3, 2, 1, -1, -2, -3})
            pro.registerClass(c, Direction::Clockwise);
        const QString index = pro.text("IC3"); // 3 × 5 ÷ 8
        QVERIFY2(pro.background("IC3") == palette::kRed && pro.background("IC2") == palette::kLime,
                 qPrintable(index));
        for (const bool on : {true, false, true}) {
            option->setChecked(on);
            QCOMPARE(showsSign(pro.control("IC3")), on);
            QVERIFY(!showsSign(pro.control("IC2")));
            // Colours and figures stay as they were.
            QCOMPARE(pro.background("IC3"), palette::kRed);
            QCOMPARE(pro.text("IC3"), index);
        }
        TINTRO nextRun;
        QVERIFY(nextRun.findChild<QCheckBox*>(u"SEGNI"_s)->isChecked());
        QVERIFY(ColourSigns::on());
        option->setChecked(false);
    }

    void signsChosenInTheOldSettingsFile_areCarriedOverOnce() {
        const QString key = u"aspetto/segniOltreAiColori"_s;
        QSettings old(QSettings::NativeFormat, QSettings::UserScope, u"Rotamind"_s,
                      u"Rotamind Pro"_s);
        QSettings current(QSettings::IniFormat, QSettings::UserScope, u"Rotamind"_s,
                          u"Rotamind Pro"_s);
        current.remove(key);
        current.sync();
        old.setValue(key, true);
        old.sync();
        QVERIFY(options::colourSigns());
        // From then on the one file decides, and only it is written.
        old.setValue(key, false);
        old.sync();
        QVERIFY(options::colourSigns());
        options::setColourSigns(false);
        QVERIFY(!options::colourSigns());
        QCOMPARE(old.value(key), QVariant(false));
        current.sync();
        QCOMPARE(current.value(key), QVariant(false));
        old.remove(key);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
