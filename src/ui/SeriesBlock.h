#pragma once

#include "ui/DistanceChart.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

class QLabel;
class QTableView;
class QToolButton;
class QWidget;

namespace rotamind {

class SpinListModel;

// One series of a working window: its spin list, distance chart, launch count,
// delete-last button and the two paging buttons, placed in a column at `top`.
struct SeriesBlockSetup {
    QString listName{};     // "List1"
    QString chartName{};    // "Chart1"
    QString countName{};    // "boules"
    QString deleteName{};   // "SpeedButton1"
    QString deleteHint{};   // "Elimina ultimo inserimento"
    QString deleteIcon{};   // icon set name, e.g. "delete-last"
    QString previousName{}; // "SpeedButton12"
    QString nextName{};     // "SpeedButton13"
    int top = 128;          // client y of the chart and the list
    QColor listBackground{};
    QColor countForeground{};
    QColor countBackground{};
    DistanceChart::Style chartStyle{};
};

// The list and the chart always hold the same classes in the same order; every
// operation here keeps them so.
class SeriesBlock final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SeriesBlock)

public:
    SeriesBlock(QWidget* window, const SeriesBlockSetup& setup);

    void append(const QString& classText); // a point and an item
    void deleteLast();                     // empty list: nothing happens
    void deleteAt(qsizetype row);          // the chart is rebuilt from the list
    void clear();
    void replaceAll(const QStringList& items);

    std::span<const QString> items() const;
    qsizetype count() const;
    std::optional<qsizetype> selectedRow() const;
    // Makes the first item the selected one; scrolls only when that changes.
    void selectFirst();
    // Writes the item count into the count label.
    void showCount();

    QTableView* list() const { return m_list; }
    SpinListModel* model() const { return m_model; }
    DistanceChart* chart() const { return m_chart; }
    QLabel* countLabel() const { return m_count; }
    QToolButton* deleteButton() const { return m_delete; }
    QToolButton* previousButton() const { return m_previous; }
    QToolButton* nextButton() const { return m_next; }

signals:
    void itemDoubleClicked();

private:
    void rebuildChart();

    SpinListModel* m_model = nullptr;
    QTableView* m_list = nullptr;
    DistanceChart* m_chart = nullptr;
    QLabel* m_count = nullptr;
    QToolButton* m_delete = nullptr;
    QToolButton* m_previous = nullptr;
    QToolButton* m_next = nullptr;
};

} // namespace rotamind
