#include "../TestSupport.h"

#include "session/Series.h"
#include "ui/chart/DistanceChart.h"
#include "ui/toolkit/Translations.h"
#include "ui/views/SessionCommands.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

using namespace rotamind;
using rotamind::testing::whenModal;
using rotamind::testing::writeBytes;
using Outcome = SessionCommands::SaveOutcome;

namespace {

struct SeenInDialog {
    QString objectName;
    QString title;
    QString proposedName;
};

// Answers the next file dialog: notes what it showed, then chooses fileName in
// folder (the proposed name when fileName is empty) or cancels when folder is
// empty. beforeAccept runs just before the choice is confirmed.
void answerFileDialog(SeenInDialog* seen, const QString& folder, const QString& fileName = {},
                      std::function<void()> beforeAccept = {}) {
    whenModal<QFileDialog>([=](QFileDialog* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (seen)
            *seen = {dialog->objectName(), dialog->windowTitle(), edit ? edit->text() : QString()};
        if (folder.isEmpty() || !edit) {
            dialog->reject();
            return;
        }
        dialog->setDirectory(folder);
        if (!fileName.isEmpty())
            edit->setText(fileName);
        if (beforeAccept)
            beforeAccept();
        QMetaObject::invokeMethod(dialog, "accept");
        // A refused overwrite leaves the dialog open: the user then cancels.
        if (dialog->isVisible())
            dialog->reject();
    });
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class SessionCommandsTest final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QWidget m_window;
    SessionCommands m_commands;
    QStringList m_messages;
    const SessionCommands::SaveRequest m_clockwise{
        QStringLiteral("Rotamind Pro - Salva sessione SPIN ORARI"), QStringLiteral(" - Spin ORARI"),
        QStringLiteral("Bet365"), QStringLiteral("Ormilda")};
    const QString m_clockwiseName =
        QStringLiteral("08-12-2024 ore 14-05-33 Bet365 - Ormilda - Spin ORARI");

    QString path(const QString& name) const { return m_dir.filePath(name); }
    LazyFileDialog* sessionDialog() {
        return createSaveDialog(&m_window, QStringLiteral("Save2"), QStringLiteral("File di testo"),
                                QStringLiteral("*.txt"), QStringLiteral("txt"));
    }
    // Saves through a runner that picks target without a dialog.
    Outcome saveDirectly(const QString& target, std::span<const QString> items) {
        m_commands.setDialogRunner(
            [target](QFileDialog&) { return std::optional<QString>(target); });
        QFileDialog dialog;
        const Outcome outcome = m_commands.saveSession(&m_window, dialog, m_clockwise, items);
        m_commands.setDialogRunner([](QFileDialog& shown) -> std::optional<QString> {
            if (shown.exec() != QDialog::Accepted)
                return std::nullopt;
            return shown.selectedFiles().value(0);
        });
        return outcome;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_commands.setClock([] { return QDateTime(QDate(2024, 12, 8), QTime(14, 5, 33)); });
        m_commands.setLocale(QLocale(QLocale::Italian, QLocale::Italy));
        m_commands.setMessageSink(
            [this](QWidget*, const QString& text, const QString&) { m_messages.append(text); });
    }
    void init() { m_messages.clear(); }

    // Made on first use and kept; one made late still opens where one made at
    // start would have, not where Qt left the last dialog used.
    void dialogs_areMadeOnFirstUse_inTheFolderOfStart() {
        std::unique_ptr<LazyFileDialog> first(createOpenDialog(&m_window, QStringLiteral("Open1")));
        std::unique_ptr<LazyFileDialog> second(sessionDialog());
        QVERIFY(m_window.findChildren<QFileDialog*>().isEmpty());
        QFileDialog& made = first->dialog();
        QCOMPARE(&first->dialog(), &made);
        QCOMPARE(m_window.findChildren<QFileDialog*>(), QList<QFileDialog*>{&made});
        const QUrl start = made.directoryUrl();
        made.setDirectory(m_dir.path());
        QCOMPARE(second->dialog().objectName(), QStringLiteral("Save2"));
        QCOMPARE(second->dialog().directoryUrl(), start);
    }

    void saveThenLoad_roundTripThroughTheDialogs() {
        const QStringList items{QStringLiteral("1"), QStringLiteral("-2"), QStringLiteral("3")};
        std::unique_ptr<LazyFileDialog> save(sessionDialog());
        SeenInDialog seen;
        answerFileDialog(&seen, m_dir.path());
        QCOMPARE(m_commands.saveSession(&m_window, *save, m_clockwise, items), Outcome::Written);
        QCOMPARE(seen.objectName, QStringLiteral("Save2"));
        QCOMPARE(seen.title, m_clockwise.title);
        QCOMPARE(seen.proposedName, m_clockwiseName);
        const QString written = path(m_clockwiseName + QStringLiteral(".txt"));
        QCOMPARE(contentOf(written), QByteArray("1\r\n-2\r\n3\r\n"));

        std::unique_ptr<LazyFileDialog> open(createOpenDialog(&m_window, QStringLiteral("Open1")));
        QCOMPARE(open->dialog().nameFilters(),
                 QStringList{QStringLiteral("File di testo (*.txt)")});
        answerFileDialog(&seen, m_dir.path(), m_clockwiseName + QStringLiteral(".txt"));
        const std::optional<QStringList> loaded = m_commands.loadSession(&m_window, *open);
        QCOMPARE(seen.objectName, QStringLiteral("Open1"));
        QVERIFY(loaded);
        QCOMPARE(*loaded, items);
        QVERIFY(m_messages.isEmpty());
    }

    void saveThenLoad_roundTripWithoutDialogs() {
        QStringList items;
        for (int i = 0; i < 40; ++i)
            items.append(QString::number(i % 2 ? -(1 + i % 3) : 1 + i % 3));
        const QString target = path(QStringLiteral("forty.txt"));
        QCOMPARE(saveDirectly(target, items), Outcome::Written);
        const QByteArray bytes = contentOf(target);
        QCOMPARE(bytes.count("\r\n"), 40);
        QVERIFY(bytes.startsWith("1\r\n-2\r\n3\r\n-1\r\n"));
        QCOMPARE(m_commands.loadSessionFrom(&m_window, target).value_or(QStringList()), items);

        // An empty series is a file of no bytes, and loads back as an empty series.
        QCOMPARE(saveDirectly(target, {}), Outcome::Written);
        QCOMPARE(QFileInfo(target).size(), 0);
        const auto empty = m_commands.loadSessionFrom(&m_window, target);
        QVERIFY(empty && empty->isEmpty());
    }

    void proposedName_keepsBlankSiteAndDots() {
        SessionCommands::SaveRequest request = m_clockwise;
        request.site.clear();
        QCOMPARE(m_commands.proposedName(request),
                 QStringLiteral("08-12-2024 ore 14-05-33  - Ormilda - Spin ORARI"));

        // A dot in the site is no extension: the file still gets ".txt".
        request.site = QStringLiteral("Bet.365");
        std::unique_ptr<LazyFileDialog> save(sessionDialog());
        SeenInDialog seen;
        answerFileDialog(&seen, m_dir.path());
        QCOMPARE(m_commands.saveSession(&m_window, *save, request, std::span<const QString>()),
                 Outcome::Written);
        QCOMPARE(seen.proposedName,
                 QStringLiteral("08-12-2024 ore 14-05-33 Bet.365 - Ormilda - Spin ORARI"));
        QVERIFY2(QFileInfo::exists(path(seen.proposedName + QStringLiteral(".txt"))),
                 qPrintable(QDir(m_dir.path()).entryList().join(u'|')));
        QVERIFY(!QFileInfo::exists(path(seen.proposedName)));

        // A name the user gives a real extension keeps it.
        answerFileDialog(nullptr, m_dir.path(), QStringLiteral("appunti.log"));
        QCOMPARE(m_commands.saveSession(&m_window, *save, request, std::span<const QString>()),
                 Outcome::Written);
        QVERIFY(QFileInfo::exists(path(QStringLiteral("appunti.log"))));
    }

    void existingFile_isReplacedOnlyAfterConfirmation() {
        const QString target = path(m_clockwiseName + QStringLiteral(".txt"));
        writeBytes(target, "-3\r\n");
        const QStringList items{QStringLiteral("2")};
        std::unique_ptr<LazyFileDialog> save(sessionDialog());

        for (const bool replace : {false, true}) {
            QString question;
            answerFileDialog(nullptr, m_dir.path(), {}, [&question, replace] {
                whenModal<QMessageBox>([&question, replace](QMessageBox* box) {
                    question = box->text();
                    box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
                });
            });
            const Outcome outcome = m_commands.saveSession(&m_window, *save, m_clockwise, items);
            QVERIFY2(question.contains(m_clockwiseName), qPrintable(question));
            QCOMPARE(outcome, replace ? Outcome::Written : Outcome::Cancelled);
            QCOMPARE(contentOf(target), replace ? QByteArray("2\r\n") : QByteArray("-3\r\n"));
        }
    }

    void cancel_writesAndShowsNothing() {
        QTemporaryDir empty;
        std::unique_ptr<LazyFileDialog> save(sessionDialog());
        save->dialog().setDirectory(empty.path());
        answerFileDialog(nullptr, {});
        int drawn = 0;
        QCOMPARE(m_commands.saveChart(&m_window, *save, m_clockwise,
                                      [&drawn] {
                                          ++drawn;
                                          return QImage(360, 240, QImage::Format_RGB32);
                                      }),
                 Outcome::Cancelled);
        QCOMPARE(drawn, 0);
        QVERIFY(QDir(empty.path()).isEmpty());
        QVERIFY(m_messages.isEmpty());

        answerFileDialog(nullptr, {});
        std::unique_ptr<LazyFileDialog> open(createOpenDialog(&m_window, QStringLiteral("Open2")));
        QVERIFY(!m_commands.loadSession(&m_window, *open));
        QVERIFY(m_messages.isEmpty());
    }

    void unwritableTargets_reportCannotCreateAndLoseNothing() {
        const QString missingFolder = path(QStringLiteral("assente/sessione.txt"));
        const QString folder = path(QStringLiteral("cartella.txt"));
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("cartella.txt")));
        writeBytes(folder + QStringLiteral("/dentro.txt"), "1\r\n");
        const QStringList items{QStringLiteral("1")};

        for (const QString& target : {missingFolder, folder, QStringLiteral("/dev/full")}) {
            m_messages.clear();
            QCOMPARE(saveDirectly(target, items), Outcome::Failed);
            QCOMPARE(m_messages, QStringList{QStringLiteral("Cannot create file ") + target});
        }
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("assente"))));
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(contentOf(folder + QStringLiteral("/dentro.txt")), QByteArray("1\r\n"));
    }

    void refusedFile_returnsNothingAndNamesTheLine() {
        const QString target = path(QStringLiteral("rovinato.txt"));
        writeBytes(target, "1\r\n-2\r\n\r\n4\r\n3\r\n");
        QStringList series{QStringLiteral("-1"), QStringLiteral("2")};
        if (auto loaded = m_commands.loadSessionFrom(&m_window, target))
            series = *loaded;
        QCOMPARE(series, (QStringList{QStringLiteral("-1"), QStringLiteral("2")}));
        QCOMPARE(m_messages,
                 QStringList{QStringLiteral("Impossibile caricare la sessione ") + target +
                             QStringLiteral(": la riga 4 non è una distanza valida.")});

        m_messages.clear();
        const QString missing = path(QStringLiteral("mai-salvato.txt"));
        QVERIFY(!m_commands.loadSessionFrom(&m_window, missing));
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(
            m_messages.first().startsWith(QStringLiteral("Impossibile aprire il file ") + missing),
            qPrintable(m_messages.first()));

        // Line ends of other systems and a last line without one are accepted.
        writeBytes(target, "3\n-1\r\n-3");
        QCOMPARE(m_commands.loadSessionFrom(&m_window, target).value_or(QStringList()),
                 (QStringList{QStringLiteral("3"), QStringLiteral("-1"), QStringLiteral("-3")}));
    }

    void chart_savesItsOnScreenSizeAsBitmap() {
        DistanceChart chart({QStringLiteral("Rotamind Graph - spin in senso ANTIORARIO"), Qt::red,
                             Qt::yellow, QStringLiteral("Series2")});
        chart.resize(360, 240);
        Series series;
        series.replaceAll({1, -2, 3, -1});
        chart.setSeries(&series);
        std::unique_ptr<LazyFileDialog> save(
            createSaveDialog(&m_window, QStringLiteral("Save4"), QStringLiteral("Immagine bitmap"),
                             QStringLiteral("*.bmp"), QStringLiteral("bmp")));
        // This command's name carries no "GRAFICO" and no extension: the
        // dialog's default suffix still makes the file a bitmap.
        const SessionCommands::SaveRequest request{
            QStringLiteral("Rotamind Pro - Salva GRAFICO SPIN ANTIORARI"),
            QStringLiteral(" - Spin ANTIORARI"), QStringLiteral("Bet365"),
            QStringLiteral("Ormilda")};
        SeenInDialog seen;
        answerFileDialog(&seen, m_dir.path());
        QCOMPARE(m_commands.saveChart(&m_window, *save, request, chart), Outcome::Written);
        const QString target = path(seen.proposedName + QStringLiteral(".bmp"));
        const QByteArray bytes = contentOf(target);
        QVERIFY(bytes.startsWith("BM"));
        const QImage picture = QImage::fromData(bytes, "bmp");
        QCOMPARE(picture.size(), QSize(360, 240));
        QCOMPARE(picture, chart.renderPage().convertToFormat(picture.format()));
        QVERIFY(chartBitmapBytes(QImage()).isEmpty());
    }

    // Last: the Italian texts stay installed for the rest of the program.
    void italianTranslations_reachQtsOwnQuestions() {
        QVERIFY(installItalianTranslations(*qApp));
        const QString target = path(QStringLiteral("doppio.txt"));
        writeBytes(target, "1\r\n");
        std::unique_ptr<LazyFileDialog> save(sessionDialog());
        QString question;
        answerFileDialog(nullptr, m_dir.path(), QStringLiteral("doppio.txt"), [&question] {
            whenModal<QMessageBox>([&question](QMessageBox* box) {
                question = box->text();
                box->button(QMessageBox::No)->click();
            });
        });
        m_commands.saveSession(&m_window, *save, m_clockwise, std::span<const QString>());
        QVERIFY2(question.contains(QStringLiteral("esiste")), qPrintable(question));
    }
};

QTEST_MAIN(SessionCommandsTest)
#include "SessionCommandsTest.moc"
