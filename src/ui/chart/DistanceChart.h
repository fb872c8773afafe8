#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include <memory>

namespace rotamind {

class Series;

// Line chart of one series: one point per launch (x = index, y = class), 25
// launches a page, a fixed vertical range of -4..4. The points are the
// series' own classes, read where they are; the drawing only ever touches the
// points in view, so a long session costs no more per launch than a short one.
class DistanceChart : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DistanceChart)

public:
    static constexpr int kPointsPerPage = 25;

    struct Style {
        QString title;      // e.g. "Rotamind Graph - spin in senso ORARIO"
        QColor gradientEnd; // bottom colour of the white-to-colour background
        QColor pointColor;  // fill of the point markers
        QString seriesName; // objectName of the series ("Series1", "Series2")
    };

    explicit DistanceChart(const Style& style, QWidget* parent = nullptr);
    ~DistanceChart() override;

    // The series drawn; not owned, it must outlive the chart. None draws no point.
    void setSeries(const Series* series);
    qsizetype pointCount() const;
    int pointAt(qsizetype index) const; // out-of-range index: 0

    int currentPage() const;       // 1-based
    void setCurrentPage(int page); // clamped to 1..pageCount()
    int pageCount() const;         // ceil(points / 25), 1 when empty
    void previousPage() { setCurrentPage(currentPage() - 1); }
    void nextPage() { setCurrentPage(currentPage() + 1); }
    void showLastPage() { setCurrentPage(pageCount()); }
    // The page drawn: the current page, or the last page while deletes have
    // left the current page beyond the page count. 1-based.
    int displayedPage() const;

    // Horizontal range drawn, in x units (launch indexes), panning included.
    struct XRange {
        double min = 0;
        double max = 0;
    };
    XRange visibleXRange() const;
    // Pixel centre of chart coordinate (x, y) in the widget and in renderPage().
    QPointF mapToPixel(double x, double y) const;

    QSize sizeHint() const override;

    // The current page drawn as on screen, at the chart's on-screen size over
    // white; works while the chart's window is hidden.
    QImage renderPage() const;

signals:
    void currentPageChanged(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pointsInserted(int first, int last);
    void pointsRemoved(int first);
    void viewChanged();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace rotamind
