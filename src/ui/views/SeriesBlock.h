#pragma once

#include "ui/chart/DistanceChart.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <optional>

class QLabel;
class QToolButton;
class QWidget;

namespace rotamind {

class Series;
class SpinListView;

// One series of a working window: its spin list, distance chart, launch count,
// delete-last button and the two paging buttons, placed in a column at `top`.
// Where the chart turns after a registration and after a load is the window's choice.
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
    bool lastPageAfterLaunch = false; // PRO follows its launches, EASY keeps the page
    bool lastPageAfterLoad = false;   // PRO shows the latest launches, EASY the first ones
};

// The views of one Series: the list and the chart both show the series
// itself, and the count follows it. After every change of its statistics the
// list's first item is the selected one.
class SeriesBlock final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SeriesBlock)

public:
    SeriesBlock(QWidget* window, Series& series, const SeriesBlockSetup& setup);

    const Series& series() const { return m_series; }
    std::optional<qsizetype> selectedRow() const;

    // The window's handlers of the block's buttons: delete, page back, page on.
    template <typename Window>
    void connectButtons(Window* window, void (Window::*remove)(), void (Window::*previousPage)(),
                        void (Window::*nextPage)()) {
        connect(this, &SeriesBlock::deleteClicked, window, remove);
        connect(this, &SeriesBlock::previousPageClicked, window, previousPage);
        connect(this, &SeriesBlock::nextPageClicked, window, nextPage);
    }

    DistanceChart* chart() const { return m_chart; }

signals:
    void itemDoubleClicked();
    // The block's buttons: its window decides what each does (connectButtons).
    void deleteClicked();
    void previousPageClicked();
    void nextPageClicked();

private:
    void statisticsChanged();

    const Series& m_series;
    SpinListView* m_list = nullptr;
    DistanceChart* m_chart = nullptr;
    QLabel* m_count = nullptr;
};

} // namespace rotamind
