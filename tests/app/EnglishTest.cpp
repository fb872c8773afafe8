// English mode: every text a window shows is translated. The windows are made
// once in Italian and once with the English translation installed, and the
// texts of each control are compared; a text that reads the same in both is a
// text that escaped translation, unless it is one of the few that are the
// same in both languages.
#include "../ui/WindowDriver.h"

#include "app/Options.h"
#include "app/TINTRO.h"
#include "app/Windows.h"
#include "archive/ArchiveChecks.h"
#include "archive/CsvExchange.h"
#include "storage/SessionFile.h"
#include "storage/SystemReason.h"
#include "ui/toolkit/Translations.h"
#include "ui/windows/SessionImportDialog.h"
#include "ui/windows/TARCHIVIO.h"
#include "ui/windows/TAZZERAPRO.h"
#include "ui/windows/TEASY.h"
#include "ui/windows/TGUIDA.h"
#include "ui/windows/TPRO.h"
#include "ui/windows/TSALVA.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSqlError>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <cerrno>
#include <memory>

using namespace rotamind;
using namespace Qt::StringLiterals;

namespace {

// Texts that read the same in English: the modes' names, the directions'
// letters, the languages' own names, symbols and abbreviations shared by both.
const QStringList kSameInBoth =
    u"PRO|EASY|Pro|Easy|O|A|D|L|Fr.|p|X²|Croupier|Italiano|English|Rotamind PRO|Rotamind EASY|"
    "No|ON/OFF"_s.split(u'|');

bool needsTranslation(const QString& text) {
    static const QRegularExpression letters(u"\\p{L}{1}"_s);
    return text.contains(letters) && !kSameInBoth.contains(text.trimmed());
}

// The texts a control shows, with what it shows them by.
QStringList textsOf(QWidget* widget) {
    QStringList texts{widget->toolTip()};
    if (widget->isWindow())
        texts << widget->windowTitle();
    if (auto* label = qobject_cast<QLabel*>(widget))
        texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        texts << button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        texts << edit->placeholderText();
    if (auto* page = qobject_cast<QTextBrowser*>(widget)) // the guide's page
        texts << page->toPlainText();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        texts << edit->placeholderText();
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        texts << group->title();
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && !combo->isEditable())
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    if (auto* tabs = qobject_cast<QTabWidget*>(widget))
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i) << tabs->tabToolTip(i);
    if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model())
        for (int c = 0; c < view->model()->columnCount(); ++c)
            for (const int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole)})
                texts << view->model()->headerData(c, Qt::Horizontal, role).toString();
    return texts;
}

// Every control under `window`, keyed by its names (or places) from the window down.
void collect(QWidget* widget, const QString& key, QMap<QString, QStringList>& into) {
    into.insert(key, textsOf(widget));
    int place = 0;
    for (QObject* child : widget->children())
        if (auto* childWidget = qobject_cast<QWidget*>(child)) {
            const QString name = child->objectName();
            collect(childWidget,
                    key + u'/' + (name.isEmpty() ? u"#"_s + QString::number(place) : name), into);
            ++place;
        }
}

// Every window of the program, with the notices shown: the windows of
// Windows, the archive, the import dialog and the guide.
QMap<QString, QStringList> showEverything(const QString& folder) {
    Windows windows(folder + u"/archive.sqlite"_s);
    windows.start();
    windows.intro().offerRestore({TINTRO::restoreCaption(u"PRO"_s, {}, 3)});
    // The Analisi pages, made when first shown, made now so their texts count.
    windows.pro().analysisPage();
    windows.easy().analysisPage();
    testing::WindowDriver pro(windows.pro());
    pro.type("Combo1", u"17"_s); // no direction chosen yet: the notice under the entry
    pro.click("Button11");
    pro.click("Button2"); // numbers to bet asked for too early: the aid's hint
    auto import = std::make_unique<SessionImportDialog>(folder + u"/archive.sqlite"_s);
    auto guide = std::make_unique<TGUIDA>();
    QMap<QString, QStringList> texts;
    for (QWidget* window : std::initializer_list<QWidget*>{
             &windows.intro(), &windows.pro(), &windows.easy(), &windows.autoSave(),
             &windows.resetConfirmation(), &windows.archiveWindow(), import.get(), guide.get()})
        collect(window, QString::fromLatin1(window->metaObject()->className()), texts);
    return texts;
}

// The reasons the libraries below the windows give, which the windows show
// inside their own messages: one of each kind of source.
QStringList libraryReasons(const QString& folder) {
    const auto sqlite = [](const char* code) {
        return archive_checks::reasonOf(QSqlError(
            u"driver"_s, u"database"_s, QSqlError::StatementError, QString::fromLatin1(code)));
    };
    const auto csvFault = [&folder] {
        const auto exported = exportCsv(folder + u"/none.sqlite"_s, {});
        return std::holds_alternative<QString>(exported) ? std::get<QString>(exported) : QString();
    };
    const auto sessionFault = [](const QString& path) {
        const auto read = readSessionFile(path);
        return std::holds_alternative<SessionReadError>(read)
                   ? std::get<SessionReadError>(read).lineText
                   : QString();
    };
    return {sqlite("13"),    // the disk is full: a family of codes
            sqlite("266"),   // a read failed: one exact code
            sqlite("99999"), // a code the program does not know
            archive_checks::notAFile(folder),
            csvFault(),
            sessionFault(QString()), // no name at all
            sessionFault(folder),    // a folder
            systemReason(ENOSPC)};
}

} // namespace

class EnglishTest final : public QObject {
    Q_OBJECT

private slots:
    void english_translatesEveryTextOfEveryWindow() {
        QTemporaryDir italianFolder;
        const QMap<QString, QStringList> italian = showEverything(italianFolder.path());
        const QStringList italianReasons = libraryReasons(italianFolder.path());
        QVERIFY(installEnglishTranslations(*qApp));
        QTemporaryDir englishFolder;
        const QMap<QString, QStringList> english = showEverything(englishFolder.path());
        const QStringList englishReasons = libraryReasons(italianFolder.path());

        for (qsizetype i = 0; i < italianReasons.size(); ++i) {
            QVERIFY2(!italianReasons[i].isEmpty(), qPrintable(QString::number(i)));
            QVERIFY2(englishReasons[i] != italianReasons[i], qPrintable(italianReasons[i]));
        }

        QCOMPARE(english.keys(), italian.keys());
        QStringList untranslated;
        int compared = 0;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            const QStringList& before = italian[it.key()];
            QCOMPARE(it->size(), before.size());
            for (qsizetype i = 0; i < it->size(); ++i) {
                if (!needsTranslation(before[i]))
                    continue;
                ++compared;
                if (it->at(i) == before[i] || it->at(i).isEmpty()) // same, or lost
                    untranslated << it.key() + u": "_s + before[i];
            }
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));
        // The walk really met the windows' texts, not an empty tree.
        QVERIFY2(compared > 300, qPrintable(QString::number(compared)));
    }

    void languageChoice_isRememberedForTheNextStart() {
        options::setLanguage(options::Language::Italian);
        {
            TINTRO launcher;
            auto* choice = launcher.findChild<QComboBox*>(u"Lingua"_s);
            QVERIFY(choice);
            QCOMPARE(choice->currentIndex(), 0);
            choice->setCurrentIndex(1);
        }
        QCOMPARE(options::language(), options::Language::English);
        TINTRO next;
        QCOMPARE(next.findChild<QComboBox*>(u"Lingua"_s)->currentIndex(), 1);
        options::setLanguage(options::Language::Italian);
    }
};

QTEST_MAIN(EnglishTest)
#include "EnglishTest.moc"
