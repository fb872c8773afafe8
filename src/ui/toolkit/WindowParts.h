#pragma once

#include <QColor>
#include <QString>

class QTabWidget;
class QToolButton;
class QWidget;

// Layout pieces the PRO and EASY windows place alike; the texts and colours
// that tell the windows apart are the callers'.
namespace rotamind::parts {

// One column heading of the session area ("ORARIO", "ATTUALE", ...).
struct SessionColumn {
    QString name{};
    QString text{};
    QColor background{};
};

// "GESTIONE SESSIONI" (Label60) over the session area, with the heading of
// its left column (Label62) and of its right one.
void makeSessionHeadings(QWidget* window, const SessionColumn& left, const SessionColumn& right);

// The statistics tabs (PageControl1), empty, in the wide part of the window.
QTabWidget* makeStatisticsTabs(QWidget* window);

// A page of the statistics tabs, coloured as its window wants it.
QWidget* makeStatisticsPage(const QString& name, const QColor& background);

// Adds the " ???" page as the last tab and turns to the first; the page's
// "Messaggio" button is returned for the window to connect.
QToolButton* addContactPage(QTabWidget* tabs);

} // namespace rotamind::parts
