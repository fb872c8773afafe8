// The EASY window's session files: saving the current session and its chart,
// loading into either session, refused and cancelled loads.
#include "../WindowDriver.h"

#include "ui/views/SessionCommands.h"
#include "ui/windows/TEASY.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace rotamind;
using rotamind::testing::WindowDriver;

namespace {
constexpr auto O = Direction::Clockwise;
constexpr auto A = Direction::CounterClockwise;

// Everything a load must leave alone whatever it loads.
const QStringList kUntouched{u"Combo1"_s, u"n1"_s, u"n2"_s,    u"P"_s,
                             u"D"_s,      u"N"_s,  u"Edit1"_s, u"Edit2"_s};

QStringList sessionLabels(const QString& prefix, const char* count) {
    QStringList names{QString::fromLatin1(count)};
    for (const char* column : {"F", "R", "RX", "IC"})
        for (const char* suffix : {"3", "2", "1", "M1", "M2", "M3"})
            names << prefix + QString::fromLatin1(column) + QString::fromLatin1(suffix);
    return names;
}
} // namespace

class EasyFilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QStringList m_dialogs;  // objectName and title of every dialog shown
    QStringList m_messages; // every message box shown

    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the test file");
        return path;
    }

    // Every dialog of the window answers `path` (none: cancelled).
    void answerDialogs(TEASY& window, std::optional<QString> path) {
        window.sessionCommands().setDialogRunner([this, path](QFileDialog& dialog) {
            m_dialogs << dialog.objectName() + u'|' + dialog.windowTitle();
            return path;
        });
        window.sessionCommands().setMessageSink(
            [this](QWidget*, const QString& text, const QString&) { m_messages << text; });
    }

    // A current session of -1, 2 and a saved one of 3, 3 with their statistics.
    void fillBoth(TEASY& window, WindowDriver& easy) {
        answerDialogs(window, writeFile(QStringLiteral("saved.txt"), "3\r\n3\r\n"));
        easy.click("Button8");
        for (const int c : {-1, 2})
            easy.registerClass(c, O);
        m_dialogs.clear();
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_dialogs.clear();
        m_messages.clear();
    }

    void loadIntoTheSavedSession_fillsListChartCountAndStatistics_throughOpen2() {
        TEASY window;
        WindowDriver easy(window);
        easy.registerClass(1, A);
        const QStringList currentBefore = easy.texts(sessionLabels({}, "boules"));
        const QStringList keptBefore = easy.texts(kUntouched);
        answerDialogs(window, writeFile(QStringLiteral("s.txt"), "3\r\n-1\r\n2\r\n3\r\n"));

        easy.click("Button8");

        QCOMPARE(m_dialogs.size(), 1);
        QVERIFY(m_dialogs.first().startsWith(QLatin1String("Open2|")));
        QCOMPARE(easy.items("List2"), (QStringList{u"3"_s, u"-1"_s, u"2"_s, u"3"_s}));
        QCOMPARE(easy.points("Chart2"), (QList<int>{3, -1, 2, 3}));
        QCOMPARE(easy.text("boules2"), QStringLiteral("4"));
        QCOMPARE(easy.text("AF3"), QStringLiteral("2"));
        QCOMPARE(easy.text("AP3"), QStringLiteral("50"));
        QCOMPARE(easy.text("AFM1"), QStringLiteral("1"));
        QCOMPARE(easy.text("AR3"), QStringLiteral("0"));
        QCOMPARE(easy.text("AR2"), QStringLiteral("1"));
        QCOMPARE(easy.texts(sessionLabels({}, "boules")), currentBefore);
        QCOMPARE(easy.items("List1"), QStringList{u"1"_s});
        QCOMPARE(easy.texts(kUntouched), keptBefore);
        QVERIFY(m_messages.isEmpty());
    }

    void loadIntoTheCurrentSession_replacesIt_throughOpen1_andRegistrationGoesOn() {
        TEASY window;
        WindowDriver easy(window);
        fillBoth(window, easy);
        const QStringList savedBefore = easy.texts(sessionLabels(QStringLiteral("A"), "boules2"));
        const QStringList keptBefore = easy.texts(kUntouched);
        answerDialogs(window, writeFile(QStringLiteral("c.txt"), "-2\n-2\n1"));

        easy.click("Button4");

        QVERIFY(m_dialogs.first().startsWith(QLatin1String("Open1|")));
        QCOMPARE(easy.items("List1"), (QStringList{u"-2"_s, u"-2"_s, u"1"_s}));
        QCOMPARE(easy.points("Chart1"), (QList<int>{-2, -2, 1}));
        QCOMPARE(easy.text("boules"), QStringLiteral("3"));
        QCOMPARE(easy.text("FM2"), QStringLiteral("2"));
        QCOMPARE(easy.text("FM1"), QStringLiteral("0")); // the -1 registered before is gone
        QCOMPARE(easy.text("F2"), QStringLiteral("0"));
        QCOMPARE(easy.texts(sessionLabels(QStringLiteral("A"), "boules2")), savedBefore);
        QCOMPARE(easy.texts(kUntouched), keptBefore);
        // The next launch continues the loaded session.
        easy.registerClass(3, O);
        QCOMPARE(easy.items("List1"), (QStringList{u"-2"_s, u"-2"_s, u"1"_s, u"3"_s}));
    }

    void refusedOrCancelledLoad_leavesBothSessionsAsTheyWere() {
        TEASY window;
        WindowDriver easy(window);
        fillBoth(window, easy);
        const QStringList labels =
            sessionLabels({}, "boules") + sessionLabels(QStringLiteral("A"), "boules2");
        const QStringList before = easy.texts(labels + kUntouched);

        const QString refused = writeFile(QStringLiteral("bad.txt"), "3\r\n7\r\n");
        answerDialogs(window, refused);
        easy.click("Button4");
        easy.click("Button8");
        QCOMPARE(m_messages.size(), 2);
        QVERIFY(m_messages.first().contains(QLatin1String("bad.txt")));
        answerDialogs(window, m_dir.filePath(QStringLiteral("missing.txt")));
        easy.click("Button8");
        QCOMPARE(m_messages.size(), 3);
        answerDialogs(window, std::nullopt);
        easy.click("Button4");
        easy.click("Button8");
        QCOMPARE(m_messages.size(), 3);

        QCOMPARE(easy.texts(labels + kUntouched), before);
        QCOMPARE(easy.items("List1"), (QStringList{u"-1"_s, u"2"_s}));
        QCOMPARE(easy.points("Chart1"), (QList<int>{-1, 2}));
        QCOMPARE(easy.items("List2"), (QStringList{u"3"_s, u"3"_s}));
        QCOMPARE(easy.points("Chart2"), (QList<int>{3, 3}));
    }

    void loadingAnEmptyFile_emptiesTheSession_andItsStatistics() {
        TEASY window;
        WindowDriver easy(window);
        fillBoth(window, easy);
        answerDialogs(window, writeFile(QStringLiteral("empty.txt"), {}));
        easy.click("Button8");
        QVERIFY(easy.items("List2").isEmpty());
        QVERIFY(easy.points("Chart2").isEmpty());
        for (const QString& name : sessionLabels(QStringLiteral("A"), "boules2"))
            QCOMPARE(easy.text(name.toLatin1()), QStringLiteral("0"));
        QCOMPARE(easy.background("AIC3"), QColor(0, 255, 0));
        QCOMPARE(easy.items("List1").size(), 2);
    }

    void aLongLoadedSession_showsItsFirstPage() {
        TEASY window;
        WindowDriver easy(window);
        answerDialogs(window,
                      writeFile(QStringLiteral("long.txt"), QByteArray("1\r\n").repeated(60)));
        auto* chart = easy.control<DistanceChart>("Chart2");
        easy.click("Button8");
        easy.click("SpeedButton4");
        easy.click("SpeedButton4");
        QCOMPARE(chart->currentPage(), 3);
        easy.click("Button8");
        QCOMPARE(chart->currentPage(), 1);
        QCOMPARE(easy.text("boules2"), QStringLiteral("60"));
    }

    void saveSession_writesOnlyTheCurrentSession_underItsTitleAndName() {
        TEASY window;
        WindowDriver easy(window);
        fillBoth(window, easy);
        window.sessionCommands().setClock(
            [] { return QDateTime(QDate(2024, 12, 8), QTime(14, 5, 33)); });
        window.sessionCommands().setLocale(QLocale(QLocale::Italian, QLocale::Italy));
        const QString path = m_dir.filePath(QStringLiteral("current.txt"));
        QString proposed;
        window.sessionCommands().setDialogRunner([&](QFileDialog& dialog) {
            m_dialogs << dialog.objectName() + u'|' + dialog.windowTitle();
            proposed = QFileInfo(dialog.selectedFiles().value(0)).fileName();
            return std::optional<QString>(path);
        });

        easy.click("Button5");

        QCOMPARE(m_dialogs, QStringList{u"Save2|Rotamind Easy - Salva sessione"_s});
        // The dialog shows the proposed name with its default extension.
        QCOMPARE(proposed,
                 QStringLiteral("08-12-2024 ore 14-05-33 William Hill - Tavors - Spin TOTALI.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("-1\r\n2\r\n"));
        QCOMPARE(easy.items("List1"), (QStringList{u"-1"_s, u"2"_s}));
    }

    void saveChart_writesChart1sCurrentPageAsABitmap() {
        TEASY window;
        WindowDriver easy(window);
        fillBoth(window, easy);
        const QString path = m_dir.filePath(QStringLiteral("chart.bmp"));
        answerDialogs(window, path);
        easy.click("Button3");
        QCOMPARE(m_dialogs, QStringList{u"Save1|Rotamind Easy - Salva grafico"_s});
        QImage written(path, "BMP");
        QCOMPARE(written.size(), QSize(360, 240));
        const QImage expected = easy.control<DistanceChart>("Chart1")->renderPage();
        QCOMPARE(written.convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));
        QVERIFY(written.convertToFormat(QImage::Format_RGB32) !=
                easy.control<DistanceChart>("Chart2")->renderPage().convertToFormat(
                    QImage::Format_RGB32));
    }
};

QTEST_MAIN(EasyFilesTest)
#include "EasyFilesTest.moc"
