#include "ui/views/EvidenceChart.h"

#include "analysis/PageVerdict.h"
#include "ui/toolkit/ColourSigns.h"
#include "ui/toolkit/Palette.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace rotamind {

using namespace Qt::StringLiterals;

namespace {

// The scale runs from ×0,01 to at least ×1000, further up as the evidence does.
constexpr double kBottom = -2;
constexpr double kLeast = 3;
constexpr int kMargin = 24; // room for the scale's texts at the left

} // namespace

EvidenceChart::EvidenceChart(QWidget* parent) : QWidget(parent) {
    setObjectName(u"GRAFICOEVIDENZA"_s);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&ColourSigns::instance(), &ColourSigns::toggled, this, qOverload<>(&QWidget::update));
}

void EvidenceChart::setSeries(std::size_t index, const analysis::EvidenceTrace& trace,
                              std::int64_t spins, double log10Evidence, const QColor& colour) {
    Line& line = m_lines.at(index);
    line.points = trace.points();
    if (spins > 0 && (line.points.empty() || line.points.back().launch != spins))
        line.points.push_back({spins, log10Evidence});
    line.colour = colour;
    update();
}

void EvidenceChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette::kBlack);
    std::int64_t launches = 10;
    double top = kLeast;
    for (const Line& line : m_lines)
        for (const analysis::EvidenceTrace::Point& point : line.points) {
            launches = std::max(launches, point.launch);
            top = std::max(top, std::ceil(point.log10Evidence));
        }
    const QRectF plot(kMargin, 6, width() - kMargin - 4, height() - 12);
    const auto x = [&](std::int64_t launch) {
        return plot.left() +
               plot.width() * static_cast<double>(launch) / static_cast<double>(launches);
    };
    const auto y = [&](double log10Evidence) {
        const double clamped = std::clamp(log10Evidence, kBottom, top);
        return plot.bottom() - plot.height() * (clamped - kBottom) / (top - kBottom);
    };

    QFont small = font();
    small.setPixelSize(9);
    painter.setFont(small);
    const std::pair<double, QString> marks[] = {
        {0.0, u"×1"_s},
        {std::log10(analysis::kWeakEvidence), u"×20"_s},
        {std::log10(analysis::kSignificantEvidence), u"×100"_s},
    };
    double lastText = 1e9;
    for (const auto& [level, text] : marks) {
        const bool threshold = level > 0;
        painter.setPen(QPen(threshold ? palette::kYellow : palette::kGray, 1,
                            threshold ? Qt::DashLine : Qt::DotLine));
        painter.drawLine(QPointF(plot.left(), y(level)), QPointF(plot.right(), y(level)));
        // On a tall scale the marks crowd: a text only where it has room.
        if (lastText - y(level) >= 9) {
            painter.drawText(QRectF(0, y(level) - 6, kMargin - 2, 12), Qt::AlignRight, text);
            lastText = y(level);
        }
    }

    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t index = 0; index < m_lines.size(); ++index) {
        const Line& line = m_lines[index];
        if (line.points.empty())
            continue;
        QPainterPath path(QPointF(x(0), y(0)));
        for (const analysis::EvidenceTrace::Point& point : line.points)
            path.lineTo(x(point.launch), y(point.log10Evidence));
        // Dashed, the second series is told from the first without its colour.
        painter.setPen(
            QPen(line.colour, 1.5, index == 1 && ColourSigns::on() ? Qt::DashLine : Qt::SolidLine));
        painter.drawPath(path);
    }
}

} // namespace rotamind
