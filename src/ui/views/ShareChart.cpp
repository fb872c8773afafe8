#include "ui/views/ShareChart.h"

#include "ui/toolkit/ColourSigns.h"
#include "ui/toolkit/Palette.h"
#include "wheel/Wheel.h"

#include <QPainter>

#include <algorithm>

namespace rotamind {

using namespace Qt::StringLiterals;

namespace {

constexpr double kTop = 0.5; // shares above a half are drawn at the top
constexpr int kMargin = 24;
constexpr int kFoot = 12; // room for the class texts below

} // namespace

ShareChart::ShareChart(QWidget* parent) : QWidget(parent) {
    setObjectName(u"GRAFICOQUOTE"_s);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&ColourSigns::instance(), &ColourSigns::toggled, this, qOverload<>(&QWidget::update));
}

void ShareChart::setSeries(std::size_t index, const std::array<double, 6>& shares,
                           const std::array<analysis::ShareInterval, 6>& bands, bool any,
                           const QColor& colour) {
    m_columns.at(index) = {shares, bands, any, colour};
    update();
}

void ShareChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette::kBlack);
    const QRectF plot(kMargin, 7, width() - kMargin - 4, height() - 10 - kFoot);
    const auto y = [&](double share) {
        return plot.bottom() - plot.height() * std::clamp(share, 0.0, kTop) / kTop;
    };
    QFont small = font();
    small.setPixelSize(9);
    painter.setFont(small);
    for (const auto& [share, text] :
         {std::pair{0.0, u"0"_s}, std::pair{0.25, u"25 %"_s}, std::pair{0.5, u"50 %"_s}}) {
        painter.setPen(palette::kGray);
        painter.drawText(QRectF(0, y(share) - 6, kMargin - 2, 12), Qt::AlignRight, text);
    }
    painter.setPen(QPen(palette::kYellow, 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), y(1.0 / 6)), QPointF(plot.right(), y(1.0 / 6)));

    const double group = plot.width() / 6;
    for (std::size_t row = 0; row < 6; ++row) {
        const double left = plot.left() + group * static_cast<double>(row);
        painter.setPen(palette::kSilver);
        painter.drawText(QRectF(left, plot.bottom() + 1, group, kFoot), Qt::AlignCenter,
                         classText(kClasses[row]));
        for (std::size_t c = 0; c < m_columns.size(); ++c) {
            const Column& column = m_columns[c];
            if (!column.any)
                continue;
            const double middle = left + group * (c == 0 ? 0.33 : 0.67);
            const QPointF low(middle, y(column.bands[row].low));
            const QPointF high(middle, y(column.bands[row].high));
            if (c == 1 && ColourSigns::on()) {
                // The second series as an open bar: the two colours of a page
                // may be a red and a green.
                painter.setPen(QPen(column.colour, 1));
                painter.drawRect(QRectF(low - QPointF(2, 0), high + QPointF(2, 0)));
            } else {
                painter.setPen(QPen(column.colour, 3));
                painter.drawLine(low, high);
            }
            painter.setPen(QPen(palette::kWhite, 1));
            painter.drawLine(QPointF(middle - 3, y(column.shares[row])),
                             QPointF(middle + 3, y(column.shares[row])));
        }
    }
}

} // namespace rotamind
