#include "ui/chart/DistanceChartPainter.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace rotamind {

namespace {

const QColor kSilver(192, 192, 192);
constexpr int kFontPixels = 11; // about 8 points at 96 dpi
constexpr double kMarkerRadius = 3.5;
constexpr int kLabelGap = 3;               // between an x label and the plot
constexpr int kYLabelGap = 6;              // clear of the markers on the plot's left edge
constexpr QPointF kDepthOffset(3.0, -2.0); // the depth shadow sits behind and above

QFont makeFont(const QStringList& families, bool underline) {
    QFont font;
    // The Liberation faces share Arial's metrics; naming them keeps the look
    // where no alias for the Windows names is configured.
    font.setFamilies(families);
    font.setPixelSize(kFontPixels);
    font.setBold(true);
    font.setUnderline(underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

DistanceChartPainter::DistanceChartPainter(const DistanceChart::Style& style)
    : m_style(style),
      m_titleFont(makeFont({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, true)),
      m_labelFont(makeFont(
          {QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow")}, false)) {
    const QColor& end = style.gradientEnd;
    m_shadowColor =
        QColor((255 + end.red()) * 3 / 8, (255 + end.green()) * 3 / 8, (255 + end.blue()) * 3 / 8);
}

const DistanceChartPainter::Metrics& DistanceChartPainter::metrics() const {
    if (!m_metrics) {
        const QFontMetrics titleMetrics(m_titleFont);
        const QFontMetrics labelMetrics(m_labelFont);
        Metrics& measured = m_metrics.emplace();
        measured.titleHeight = titleMetrics.height() + 4;
        measured.labelHeight = labelMetrics.height();
        for (int y = kYMin; y <= kYMax; ++y)
            measured.yLabelWidth =
                std::max(measured.yLabelWidth, labelMetrics.horizontalAdvance(QString::number(y)));
        // Narrow, yet wide enough for a two-digit label centred on the last grid line.
        measured.rightMargin = (labelMetrics.horizontalAdvance(QStringLiteral("00")) + 1) / 2 + 2;
    }
    return *m_metrics;
}

QRectF DistanceChartPainter::plotRect(QSize size) const {
    const Metrics& m = metrics();
    const double left = 2 + m.yLabelWidth + kYLabelGap;
    const double top = m.titleHeight + m.labelHeight / 2.0;
    const double right = size.width() - m.rightMargin;
    const double bottom = size.height() - m.labelHeight - kLabelGap - 1;
    return QRectF(QPointF(left, top),
                  QPointF(std::max(left + 1, right), std::max(top + 1, bottom)));
}

QPointF DistanceChartPainter::map(const DistanceChartFrame& frame, double x, double y) const {
    const QRectF plot = plotRect(frame.size);
    const double span = std::max(frame.xMax - frame.xMin, 1e-9);
    return QPointF(plot.left() + (x - frame.xMin) / span * plot.width(),
                   plot.bottom() - (y - kYMin) / double(kYMax - kYMin) * plot.height());
}

int DistanceChartPainter::labelStep(const DistanceChartFrame& frame) const {
    const double span = std::max(frame.xMax - frame.xMin, 1e-9);
    const double pixelsPerUnit = plotRect(frame.size).width() / span;
    const QFontMetrics labelMetrics(m_labelFont);
    const int widest = labelMetrics.horizontalAdvance(
        QString::number(static_cast<long long>(std::max(0.0, std::floor(frame.xMax)))));
    // Round steps keep the labels on memorable values as the pages grow wider numbers.
    static constexpr std::array<int, 9> kSteps{1, 2, 5, 10, 20, 50, 100, 200, 500};
    for (int step : kSteps) {
        if (step * pixelsPerUnit >= widest + 4)
            return step;
    }
    return kSteps.back();
}

void DistanceChartPainter::paint(QPainter& painter, const DistanceChartFrame& frame) const {
    painter.save();
    const QRectF plot = plotRect(frame.size);
    // Gradient, title and the fixed vertical axis never change with the data:
    // drawn once, then copied, they cost a launch almost nothing.
    if (m_background.size() != frame.size) {
        m_background = QImage(frame.size, QImage::Format_RGB32);
        QPainter backgroundPainter(&m_background);
        paintBackground(backgroundPainter, frame.size);
        paintHorizontalGrid(backgroundPainter, plot);
    }
    painter.drawImage(QPoint(0, 0), m_background);
    paintVerticalGrid(painter, frame, plot);
    paintSeries(painter, frame, plot);
    painter.restore();
}

void DistanceChartPainter::paintBackground(QPainter& painter, QSize size) const {
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, m_style.gradientEnd);
    painter.fillRect(QRect(QPoint(0, 0), size), gradient);

    painter.setFont(m_titleFont);
    painter.setPen(Qt::black);
    const QRect titleBox(0, 2, size.width(), metrics().titleHeight - 2);
    const QString title =
        QFontMetrics(m_titleFont).elidedText(m_style.title, Qt::ElideRight, size.width() - 4);
    painter.drawText(titleBox, Qt::AlignHCenter | Qt::AlignTop, title);
}

void DistanceChartPainter::paintHorizontalGrid(QPainter& painter, const QRectF& plot) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(m_labelFont);
    const int labelHeight = metrics().labelHeight;
    for (int y = kYMin; y <= kYMax; ++y) {
        const double py = std::round(plot.bottom() - (y - kYMin) * plot.height() / (kYMax - kYMin));
        painter.setPen(QPen(kSilver, 1, Qt::DashDotDotLine));
        painter.drawLine(QPointF(plot.left(), py), QPointF(plot.right(), py));
        painter.setPen(Qt::black);
        const QRectF box(0, py - labelHeight / 2.0, plot.left() - kYLabelGap, labelHeight);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::number(y));
    }
}

void DistanceChartPainter::paintVerticalGrid(QPainter& painter, const DistanceChartFrame& frame,
                                             const QRectF& plot) const {
    const int step = labelStep(frame);
    const QFontMetrics labelMetrics(m_labelFont);
    const int labelHeight = metrics().labelHeight;
    const double span = std::max(frame.xMax - frame.xMin, 1e-9);
    // Launches are counted from 0, so a panned view shows no labels left of it.
    long long x = std::max(0LL, static_cast<long long>(std::ceil(frame.xMin / step)) * step);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(m_labelFont);
    for (; x <= frame.xMax + 1e-9; x += step) {
        const double px = std::round(plot.left() + (x - frame.xMin) / span * plot.width());
        painter.setPen(QPen(kSilver, 1, Qt::DotLine));
        painter.drawLine(QPointF(px, plot.top()), QPointF(px, plot.bottom()));
        const QString text = QString::number(x);
        const int width = labelMetrics.horizontalAdvance(text);
        const QRectF box(px - width / 2.0 - 1, plot.bottom() + kLabelGap, width + 2, labelHeight);
        // Long numbers at the right edge would be cut by the border: better no label
        // than half of one.
        if (box.right() > frame.size.width())
            continue;
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignCenter, text);
    }
}

void DistanceChartPainter::paintSeries(QPainter& painter, const DistanceChartFrame& frame,
                                       const QRectF& plot) const {
    if (frame.values.empty())
        return;
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(frame.values.size()));
    for (std::size_t i = 0; i < frame.values.size(); ++i)
        line << map(frame, double(frame.firstIndex + qsizetype(i)), frame.values[i]);

    // Markers on the first and last x sit on the plot's edges; let them show whole.
    const double slack = kMarkerRadius + 1;
    painter.setClipRect(plot.adjusted(-slack, -slack, slack, slack));
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Segment by segment: a wide antialiased polyline with sharp turns makes the
    // raster engine fill big joins and costs ten times as much. Opaque colours
    // for the same reason; the shadow's is a darkened middle of the gradient.
    painter.setPen(QPen(m_shadowColor, 2));
    for (qsizetype i = 1; i < line.size(); ++i)
        painter.drawLine(line[i - 1] + kDepthOffset, line[i] + kDepthOffset);
    painter.setPen(QPen(Qt::black, 1.5));
    for (qsizetype i = 1; i < line.size(); ++i)
        painter.drawLine(line[i - 1], line[i]);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(m_style.pointColor);
    for (const QPointF& point : line)
        painter.drawEllipse(point, kMarkerRadius, kMarkerRadius);
    painter.setClipping(false);
}

} // namespace rotamind
