#include "ui/toolkit/WindowParts.h"

#include "ui/toolkit/ContactPage.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/Palette.h"

#include <QCoreApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace rotamind::parts {

namespace {
void makeColumnHeading(QWidget* window, const SessionColumn& column, const QRect& rect) {
    controls::makeLabel(window, {.name = column.name,
                                 .text = column.text,
                                 .rect = rect,
                                 .background = column.background,
                                 .bold = true,
                                 .align = Qt::AlignCenter});
}
} // namespace

void makeSessionHeadings(QWidget* window, const SessionColumn& left, const SessionColumn& right) {
    makeColumnHeading(window,
                      {.name = QStringLiteral("Label60"),
                       .text = QCoreApplication::translate("WindowParts", "GESTIONE SESSIONI"),
                       .background = palette::kLime},
                      {413, 6, 245, 13});
    makeColumnHeading(window, left, {416, 25, 95, 13});
    makeColumnHeading(window, right, {560, 25, 95, 13});
}

QTabWidget* makeStatisticsTabs(QWidget* window) {
    auto* tabs = new QTabWidget(window);
    tabs->setObjectName(QStringLiteral("PageControl1"));
    tabs->setFont(palette::boldFont());
    tabs->setGeometry(405, 184, 260, 377);
    // The bold captions of PRO's four pages must fit the 260 pixels without
    // scroll arrows: 3 pixels a side leaves 8 to spare.
    tabs->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 3px; }"));
    return tabs;
}

QWidget* makeStatisticsPage(const QString& name, const QColor& background) {
    auto* page = new QWidget;
    page->setObjectName(name);
    palette::setWindowColour(page, background);
    return page;
}

QToolButton* addContactPage(QTabWidget* tabs) {
    auto* contact = new ContactPage;
    tabs->addTab(contact, QStringLiteral(" ???"));
    tabs->setCurrentIndex(0);
    return contact->messageButton();
}

} // namespace rotamind::parts
