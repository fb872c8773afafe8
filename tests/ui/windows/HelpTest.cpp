// The help of both working windows: a tooltip on every statistics figure and
// column heading, and the guide opened by F1 and by the "?" button.
#include "../WindowDriver.h"

#include "ui/toolkit/KeyTable.h"
#include "ui/windows/TEASY.h"
#include "ui/windows/TGUIDA.h"
#include "ui/windows/TPRO.h"

#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <memory>

using namespace rotamind;
using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<WorkingWindow> makeWindow(bool pro) {
    if (pro)
        return std::make_unique<TPRO>();
    return std::make_unique<TEASY>();
}

// The heads of the statistics columns, as the grids write them.
const QStringList kHeads{u"D"_s, u"Frequenza e %"_s, u"RIT"_s, u"RMAX"_s, u"I.C."_s,
                         u"L"_s, u"Fr."_s,           u"Rit."_s};

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void everyFigureAndHead_hasATooltip_data() {
        QTest::addColumn<bool>("pro");
        QTest::newRow("PRO") << true;
        QTest::newRow("EASY") << false;
    }

    void everyFigureAndHead_hasATooltip() {
        QFETCH(bool, pro);
        const std::unique_ptr<WorkingWindow> window = makeWindow(pro);
        testing::makeEveryPage(*window);
        auto* tabs = window->findChild<QTabWidget*>(u"PageControl1"_s);
        int figures = 0;
        // Every page but the last, the contact page.
        for (int page = 0; page + 1 < tabs->count(); ++page)
            for (QLabel* label : tabs->widget(page)->findChildren<QLabel*>()) {
                const bool figure = !label->objectName().isEmpty();
                if (!figure && !kHeads.contains(label->text()))
                    continue;
                figures += figure ? 1 : 0;
                QVERIFY2(!label->toolTip().isEmpty(),
                         qPrintable(label->objectName() + u' ' + label->text()));
            }
        // 2 x 30 classic figures, 2 x 33 lengths in PRO, on "Analisi" 2 x 21
        // with the page's verdict, evidence and launches needed, and the
        // archive's 23 a column (two in PRO, one in EASY) under its note, with
        // its own verdict and evidence.
        QCOMPARE(figures, pro ? 60 + 66 + 45 + 1 + 48 : 60 + 45 + 1 + 25);
    }

    void f1AndTheButton_openTheGuide_withEveryTopicLoaded_data() {
        everyFigureAndHead_hasATooltip_data();
    }

    void f1AndTheButton_openTheGuide_withEveryTopicLoaded() {
        QFETCH(bool, pro);
        const std::unique_ptr<WorkingWindow> window = makeWindow(pro);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(!window->findChild<TGUIDA*>());
        QTest::keyClick(window.get(), Qt::Key_F1);
        auto* guide = window->findChild<TGUIDA*>(u"TGUIDA"_s);
        QVERIFY(guide);
        QVERIFY(guide->isVisible());
        guide->close();
        testing::WindowDriver(*window).click("GUIDA");
        QVERIFY(guide->isVisible());
        QCOMPARE(window->findChildren<TGUIDA*>().size(), 1);

        auto* topics = guide->findChild<QListWidget*>(u"Argomenti"_s);
        auto* text = guide->findChild<QTextBrowser*>(u"Testo"_s);
        for (int row = 0; row < topics->count(); ++row) {
            topics->setCurrentRow(row);
            // Each page opens with the title of its topic.
            QVERIFY2(text->toPlainText().startsWith(topics->item(row)->text().left(8)),
                     qPrintable(topics->item(row)->text()));
        }
        // The keyboard page is the key table: every key of the window, in Italian.
        topics->setCurrentRow(topics->count() - 1);
        for (const keys::KeyRow& row : keys::table())
            if (const char* control = keys::controlIn(row, window->objectName())) {
                const QString key = keys::italianText(
                    QKeySequence(QString::fromLatin1(row.keys), QKeySequence::PortableText));
                QVERIFY2(text->toPlainText().contains(key), control);
            }
        QVERIFY(!text->toPlainText().contains(u"Shift"_s));
    }
};

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
