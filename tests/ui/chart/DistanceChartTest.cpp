#include "ui/chart/DistanceChart.h"
#include "session/Series.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <vector>

using rotamind::DistanceChart;
using rotamind::Series;

namespace {

// A chart over a series of its own, as a window gives it one.
class Chart final : public DistanceChart {
public:
    explicit Chart(const Style& style) : DistanceChart(style) { setSeries(&series); }
    void appendPoint(int value) { series.append(value); }
    void deletePointAt(qsizetype index) { series.removeAt(index); }
    void clearPoints() { series.clear(); }
    void setPoints(const std::vector<int>& values) {
        series.replaceAll({values.begin(), values.end()});
    }

    Series series;
};

DistanceChart::Style proClockwise() {
    return {QStringLiteral("Rotamind Graph - spin in senso ORARIO"), QColor(255, 255, 0),
            QColor(Qt::red), QStringLiteral("Series1")};
}

void appendClasses(Chart& chart, int count, int value = 1) {
    for (int i = 0; i < count; ++i)
        chart.appendPoint(value);
}

// Number of separate blobs of exactly the given colour: the inside of every
// marker is drawn in the plain point colour, which nothing else uses.
int countBlobs(const QImage& image, QColor colour) {
    const QRgb wanted = colour.rgb();
    std::vector<char> seen(std::size_t(image.width()) * std::size_t(image.height()), 0);
    auto index = [&](int x, int y) { return std::size_t(y) * std::size_t(image.width()) + x; };
    int blobs = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (seen[index(x, y)] || image.pixel(x, y) != wanted)
                continue;
            ++blobs;
            std::vector<QPoint> stack{QPoint(x, y)};
            seen[index(x, y)] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                for (const QPoint step :
                     {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = p + step;
                    if (n.x() < 0 || n.y() < 0 || n.x() >= image.width() || n.y() >= image.height())
                        continue;
                    if (!seen[index(n.x(), n.y())] && image.pixel(n) == wanted) {
                        seen[index(n.x(), n.y())] = 1;
                        stack.push_back(n);
                    }
                }
            }
        }
    }
    return blobs;
}

// Rows of the picture crossed by a horizontal grid line: many silver pixels in
// one row, far more than the dotted vertical lines put there.
std::vector<int> horizontalGridRows(const QImage& image) {
    std::vector<int> rows;
    const QRgb silver = QColor(192, 192, 192).rgb();
    for (int y = 0; y < image.height(); ++y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == silver ? 1 : 0;
        if (count > image.width() / 4)
            rows.push_back(y);
    }
    return rows;
}

void sendMouse(QWidget& widget, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(pos), widget.mapToGlobal(QPointF(pos)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

} // namespace

class DistanceChartTest final : public QObject {
    Q_OBJECT

private slots:
    void emptyChart_pagingStaysOnFirstPage() {
        Chart chart(proClockwise());
        QSignalSpy spy(&chart, &DistanceChart::currentPageChanged);
        QCOMPARE(chart.pageCount(), 1);
        chart.nextPage();
        QCOMPARE(chart.currentPage(), 1);
        chart.previousPage();
        QCOMPARE(chart.currentPage(), 1);
        QCOMPARE(spy.count(), 0);
        QVERIFY(chart.findChild<QObject*>(QStringLiteral("Series1")) != nullptr);
    }

    void pageCount_growsEveryTwentyFivePoints() {
        Chart chart(proClockwise());
        QSignalSpy spy(&chart, &DistanceChart::currentPageChanged);
        appendClasses(chart, 25);
        QCOMPARE(chart.pageCount(), 1);
        chart.nextPage();
        QCOMPARE(chart.currentPage(), 1);

        chart.appendPoint(-2);
        QCOMPARE(chart.pageCount(), 2);
        QCOMPARE(chart.currentPage(), 1); // appending never turns the page
        chart.nextPage();
        QCOMPARE(chart.currentPage(), 2);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 2);
        QCOMPARE(chart.visibleXRange().min, 25.0);
        QCOMPARE(countBlobs(chart.renderPage(), Qt::red), 1);
    }

    void shortLastPage_keepsTheSpacingOfAFullPage() {
        Chart chart(proClockwise());
        appendClasses(chart, 30);
        QCOMPARE(chart.visibleXRange().min, 0.0);
        QCOMPARE(chart.visibleXRange().max, 24.0);
        chart.showLastPage();
        QCOMPARE(chart.visibleXRange().min, 25.0);
        QCOMPARE(chart.visibleXRange().max, 45.0);

        // A page of one point has no spacing to keep; it still starts at the left.
        chart.setPoints(std::vector<int>(26, 3));
        QCOMPARE(chart.visibleXRange().min, 25.0);
        QVERIFY(chart.visibleXRange().max > 25.0);
        QVERIFY(chart.mapToPixel(25, 3).x() < chart.width() / 4);
    }

    void sixtyPoints_pagingClampsAtBothEnds() {
        Chart chart(proClockwise());
        appendClasses(chart, 60);
        chart.setCurrentPage(99);
        QCOMPARE(chart.currentPage(), 3);
        chart.nextPage();
        QCOMPARE(chart.currentPage(), 3);
        chart.previousPage();
        QCOMPARE(chart.currentPage(), 2);
        chart.setCurrentPage(-5);
        QCOMPARE(chart.currentPage(), 1);
    }

    void deleteAndClear_keepCurrentPageButShowLastPage() {
        Chart chart(proClockwise());
        for (int i = 0; i < 60; ++i)
            chart.appendPoint(i % 2 == 0 ? 3 : -3);
        chart.showLastPage();
        QSignalSpy spy(&chart, &DistanceChart::currentPageChanged);

        chart.deletePointAt(60); // out of range
        chart.deletePointAt(-1);
        QCOMPARE(chart.pointCount(), 60);
        chart.deletePointAt(1); // later points move one step left
        QCOMPARE(chart.pointAt(1), 3);
        QCOMPARE(chart.pointAt(2), -3);
        while (chart.pointCount() > 50)
            chart.deletePointAt(chart.pointCount() - 1);
        QCOMPARE(chart.pageCount(), 2);
        QCOMPARE(chart.currentPage(), 3);
        QCOMPARE(chart.displayedPage(), 2);

        Chart same(proClockwise());
        std::vector<int> values;
        for (qsizetype i = 0; i < chart.pointCount(); ++i)
            values.push_back(chart.pointAt(i));
        same.setPoints(values);
        same.showLastPage();
        QCOMPARE(chart.renderPage(), same.renderPage());

        chart.clearPoints();
        QCOMPARE(chart.pointCount(), 0);
        QCOMPARE(chart.pageCount(), 1);
        QCOMPARE(chart.currentPage(), 3);
        QCOMPARE(chart.displayedPage(), 1);
        QCOMPARE(spy.count(), 0);
        // The paging buttons' clamp brings the page back into range.
        chart.nextPage();
        QCOMPARE(chart.currentPage(), 1);
        QCOMPARE(spy.count(), 1);
    }

    void setPoints_replacesTheWholeSeries() {
        Chart chart(proClockwise());
        appendClasses(chart, 40, 2);
        const std::vector<int> values{3, -1, -2};
        chart.setPoints(values);
        QCOMPARE(chart.pointCount(), 3);
        QCOMPARE(chart.pointAt(0), 3);
        QCOMPARE(chart.pointAt(2), -2);
        QCOMPARE(chart.pointAt(3), 0);
        QCOMPARE(chart.pageCount(), 1);
    }

    void renderNeverShown_drawsPointsOnTheirGridLines() {
        Chart empty(proClockwise());
        Chart chart(proClockwise());
        QVERIFY(!chart.isVisible());
        chart.setPoints(std::vector<int>(25, -3));
        const QImage image = chart.renderPage();
        QCOMPARE(image.size(), QSize(360, 240));
        QVERIFY(image != empty.renderPage());

        const std::vector<int> grid = horizontalGridRows(empty.renderPage());
        QCOMPARE(grid.size(), std::size_t(9)); // -4 .. 4
        const QPoint low = chart.mapToPixel(12, -3).toPoint();
        QCOMPARE(image.pixelColor(low), QColor(Qt::red));
        QVERIFY(qAbs(low.y() - grid[7]) <= 1); // one line above the lowest

        chart.setPoints(std::vector<int>(25, 3));
        const QPoint high = chart.mapToPixel(12, 3).toPoint();
        QCOMPARE(chart.renderPage().pixelColor(high), QColor(Qt::red));
        QVERIFY(qAbs(high.y() - grid[1]) <= 1); // one line below the highest
    }

    void renderPage_matchesTheChartOnScreen() {
        Chart chart(proClockwise());
        for (int i = 0; i < 33; ++i)
            chart.appendPoint(i % 2 == 0 ? 2 : -1);
        chart.showLastPage();
        chart.setAttribute(Qt::WA_DontShowOnScreen);
        chart.show();
        const QImage onScreen = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(onScreen, chart.renderPage());
    }

    void renderOfSecondPage_drawsOnlyItsOwnPoints() {
        Chart chart(proClockwise());
        for (int i = 0; i < 40; ++i)
            chart.appendPoint(i % 3 - 1 == 0 ? 2 : i % 3 - 1);
        QCOMPARE(countBlobs(chart.renderPage(), Qt::red), 25);
        chart.nextPage();
        QCOMPARE(countBlobs(chart.renderPage(), Qt::red), 15);
    }

    void appendBeyondShownPage_leavesThePictureAlone() {
        Chart chart(proClockwise());
        appendClasses(chart, 25, -1);
        const QImage before = chart.renderPage();
        chart.appendPoint(3);
        QCOMPARE(chart.currentPage(), 1);
        QCOMPARE(chart.renderPage(), before);
    }

    void drag_pansSidewaysUntilThePageTurns() {
        Chart chart(proClockwise());
        appendClasses(chart, 60);
        const DistanceChart::XRange start = chart.visibleXRange();
        const QPoint from(200, 120);
        sendMouse(chart, QEvent::MouseButtonPress, from, Qt::LeftButton);
        sendMouse(chart, QEvent::MouseMove, from - QPoint(100, 30), Qt::LeftButton);
        const DistanceChart::XRange dragged = chart.visibleXRange();
        QVERIFY(dragged.min > start.min + 1); // dragging left shows later x values
        QCOMPARE(dragged.max - dragged.min, start.max - start.min); // no zoom
        sendMouse(chart, QEvent::MouseButtonRelease, from - QPoint(100, 30), Qt::NoButton);
        QCOMPARE(chart.visibleXRange().min, dragged.min);

        chart.nextPage();
        QCOMPARE(chart.visibleXRange().min, 25.0);
    }

    void drag_drawsEveryLaunchInView() {
        // Dragged either way from the middle page, the view reaches into a
        // neighbouring page, whose launches must show there too.
        for (const int dx : {120, -120}) {
            Chart chart(proClockwise());
            for (int i = 0; i < 75; ++i)
                chart.appendPoint(i % 2 == 0 ? 3 : -3);
            chart.setCurrentPage(2);
            const QPoint from(200, 120);
            sendMouse(chart, QEvent::MouseButtonPress, from, Qt::LeftButton);
            sendMouse(chart, QEvent::MouseMove, from + QPoint(dx, 0), Qt::LeftButton);
            const DistanceChart::XRange view = chart.visibleXRange();
            QVERIFY(view.min < 24 || view.max > 50);
            const QImage picture = chart.renderPage();
            for (int x = int(std::ceil(view.min)); x <= int(std::floor(view.max)); ++x) {
                const QPoint centre = chart.mapToPixel(x, chart.pointAt(x)).toPoint();
                QVERIFY2(picture.pixelColor(centre) == QColor(Qt::red),
                         qPrintable(QStringLiteral("launch %1 missing").arg(x)));
            }
        }
    }
};

QTEST_MAIN(DistanceChartTest)
#include "DistanceChartTest.moc"
