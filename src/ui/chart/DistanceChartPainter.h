#pragma once

#include "ui/chart/DistanceChart.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include <cstdint>
#include <optional>
#include <span>

namespace rotamind {

// Everything one drawing of a chart page needs; the painter keeps no data.
struct DistanceChartFrame {
    QSize size;      // pixels of the whole chart
    double xMin = 0; // horizontal range shown, x units (panning included)
    double xMax = 1;
    qsizetype firstIndex = 0; // x of values[0]
    // The points with x in the range, and the one just beyond each edge.
    std::span<const std::int8_t> values;
};

// Draws a distance chart with QPainter: title, the fixed -4..4 grid, the x
// labels that fit, and the page's line and markers. Pure drawing, so the widget
// on screen and the picture written to a file come from the same code.
class DistanceChartPainter final {
public:
    static constexpr int kYMin = -4;
    static constexpr int kYMax = 4;

    explicit DistanceChartPainter(const DistanceChart::Style& style);

    void paint(QPainter& painter, const DistanceChartFrame& frame) const;

    // Rectangle of the plot inside a chart of the given size, pixels.
    QRectF plotRect(QSize size) const;
    // Pixel position of chart coordinate (x, y) for the frame's range.
    QPointF map(const DistanceChartFrame& frame, double x, double y) const;
    // Distance between two labelled x values, whole x units >= 1.
    int labelStep(const DistanceChartFrame& frame) const;

private:
    // Sizes that depend on the fonts, measured at the first drawing: measuring
    // loads the fonts, which the charts of windows not yet shown do not need.
    struct Metrics {
        int titleHeight = 0;
        int labelHeight = 0;
        int yLabelWidth = 0;
        int rightMargin = 0;
    };
    const Metrics& metrics() const;

    void paintBackground(QPainter& painter, QSize size) const;
    void paintHorizontalGrid(QPainter& painter, const QRectF& plot) const;
    void paintVerticalGrid(QPainter& painter, const DistanceChartFrame& frame,
                           const QRectF& plot) const;
    void paintSeries(QPainter& painter, const DistanceChartFrame& frame, const QRectF& plot) const;

    DistanceChart::Style m_style;
    QColor m_shadowColor;
    QFont m_titleFont;
    QFont m_labelFont;
    mutable std::optional<Metrics> m_metrics;
    mutable QImage m_background; // cache of what does not depend on the page
};

} // namespace rotamind
