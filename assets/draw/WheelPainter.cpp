#include "WheelPainter.h"

#include "WheelGeometry.h"
#include "wheel/Wheel.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace rotamind::artwork {
namespace {

const QColor kRed(196, 22, 28);
const QColor kBlack(28, 28, 30);
const QColor kGreen(0, 128, 64);
const QColor kGold(214, 172, 72);
const QColor kWoodLight(150, 88, 42);
const QColor kWoodDark(74, 38, 16);

constexpr double kHalfPocket = 180.0 / kPocketCount;

bool isRed(int pocket) {
    constexpr std::array<int, 18> reds{1,  3,  5,  7,  9,  12, 14, 16, 18,
                                       19, 21, 23, 25, 27, 30, 32, 34, 36};
    return std::find(reds.begin(), reds.end(), pocket) != reds.end();
}

QColor pocketColour(int pocket) {
    if (pocket == 0)
        return kGreen;
    return isRed(pocket) ? kRed : kBlack;
}

// Ring sector between two radii and two angles (clockwise from the top),
// sampled finely enough to look round at any picture size.
QPainterPath ringSector(double side, double inner, double outer, double from, double to) {
    constexpr int kSteps = 12;
    QPainterPath path(polarPoint(side, outer, from));
    for (int i = 1; i <= kSteps; ++i)
        path.lineTo(polarPoint(side, outer, from + (to - from) * i / kSteps));
    for (int i = kSteps; i >= 0; --i)
        path.lineTo(polarPoint(side, inner, from + (to - from) * i / kSteps));
    path.closeSubpath();
    return path;
}

void paintDisc(QPainter& painter, double side, double radius, const QBrush& brush) {
    const QPointF centre(side / 2.0, side / 2.0);
    painter.setBrush(brush);
    painter.drawEllipse(centre, side * radius, side * radius);
}

QRadialGradient woodGradient(double side, double radius) {
    QRadialGradient gradient(QPointF(side * 0.42, side * 0.40), side * radius * 1.15);
    gradient.setColorAt(0.0, kWoodLight);
    gradient.setColorAt(1.0, kWoodDark);
    return gradient;
}

void paintPockets(QPainter& painter, double side) {
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < kPocketCount; ++i) {
        const QColor colour = pocketColour(kWheelOrder[static_cast<std::size_t>(i)]);
        const double a = pocketAngle(i);
        painter.setBrush(colour);
        painter.drawPath(
            ringSector(side, kNumberInner, kNumberOuter, a - kHalfPocket, a + kHalfPocket));
        painter.setBrush(colour.darker(150));
        painter.drawPath(
            ringSector(side, kPocketInner, kNumberInner, a - kHalfPocket, a + kHalfPocket));
    }
    // Frets between the pockets, then the gold rings that frame them.
    painter.setPen(QPen(kGold, std::max(1.0, side / 300.0)));
    for (int i = 0; i < kPocketCount; ++i) {
        const double a = pocketAngle(i) + kHalfPocket;
        painter.drawLine(polarPoint(side, kPocketInner, a), polarPoint(side, kNumberOuter, a));
    }
    painter.setBrush(Qt::NoBrush);
    const QPointF centre(side / 2.0, side / 2.0);
    for (double r : {kNumberOuter, kNumberInner, kPocketInner})
        painter.drawEllipse(centre, side * r, side * r);
}

void paintNumbers(QPainter& painter, double side) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(side * 0.043));
    painter.setFont(font);
    painter.setPen(Qt::white);
    const double box = side * 0.07;
    for (int i = 0; i < kPocketCount; ++i) {
        painter.save();
        painter.translate(side / 2.0, side / 2.0);
        // Numbers on the lower half are turned over so that none reads upside
        // down: a 6 standing on its head would pass for a 9.
        const double a = pocketAngle(i);
        const bool lower = a > 90.0 && a < 270.0;
        painter.rotate(lower ? a + 180.0 : a);
        const double y = lower ? side * kNumberText : -side * kNumberText;
        const QRectF cell(-box / 2.0, y - box / 2.0, box, box);
        painter.drawText(cell, Qt::AlignCenter,
                         QString::number(kWheelOrder[static_cast<std::size_t>(i)]));
        painter.restore();
    }
}

void paintTurret(QPainter& painter, double side) {
    const QPointF centre(side / 2.0, side / 2.0);
    QRadialGradient gold(QPointF(side * 0.47, side * 0.46), side * kConeInner);
    gold.setColorAt(0.0, QColor(255, 236, 160));
    gold.setColorAt(1.0, QColor(168, 124, 36));
    painter.setPen(QPen(QColor(110, 76, 20), std::max(1.0, side / 350.0)));
    paintDisc(painter, side, kConeInner, gold);
    // Four arms with knobs, as on a real turret.
    painter.setBrush(gold);
    for (int arm = 0; arm < 4; ++arm) {
        const double a = 45.0 + arm * 90.0;
        painter.setPen(QPen(QColor(150, 110, 30), side * 0.018, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre, polarPoint(side, kConeInner * 1.25, a));
        painter.setPen(QPen(QColor(110, 76, 20), std::max(1.0, side / 350.0)));
        painter.drawEllipse(polarPoint(side, kConeInner * 1.25, a), side * 0.016, side * 0.016);
    }
    painter.drawEllipse(centre, side * 0.035, side * 0.035);
}

} // namespace

void paintWheel(QPainter& painter, double side, const QColor& background) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, side, side), background);
    painter.setPen(QPen(QColor(50, 26, 10), std::max(1.0, side / 250.0)));
    paintDisc(painter, side, kWheelEdge, woodGradient(side, kWheelEdge));
    painter.setPen(Qt::NoPen);
    paintDisc(painter, side, kPocketInner, woodGradient(side, kPocketInner));
    paintPockets(painter, side);
    if (side >= 150.0)
        paintNumbers(painter, side);
    paintTurret(painter, side);
}

QColor ballColour(int startPosition) {
    static const std::array<QColor, 6> colours{QColor(255, 200, 30), QColor(40, 224, 208),
                                               QColor(255, 128, 0),  QColor(60, 210, 60),
                                               QColor(40, 110, 255), QColor(170, 70, 230)};
    const int region =
        ((startPosition % kPocketCount + kPocketCount) % kPocketCount) * 6 / kPocketCount;
    return colours[static_cast<std::size_t>(region)];
}

void paintBalls(QPainter& painter, double side, int startPosition) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = ballColour(startPosition);
    const double r = side * kBallRadius;
    for (int k = 0; k < 6; ++k) {
        const QPointF centre = ballCentre(side, (startPosition + k) % kPocketCount);
        QRadialGradient shade(centre - QPointF(r * 0.35, r * 0.35), r * 1.3);
        shade.setColorAt(0.0, colour.lighter(160));
        shade.setColorAt(0.6, colour);
        shade.setColorAt(1.0, colour.darker(170));
        painter.setPen(QPen(QColor(20, 12, 4), std::max(1.0, side / 350.0)));
        painter.setBrush(shade);
        painter.drawEllipse(centre, r, r);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawEllipse(centre - QPointF(r * 0.35, r * 0.35), r * 0.25, r * 0.25);
    }
}

QImage wheelImage(int side, int startPosition, const QColor& background) {
    QImage image(side, side, QImage::Format_RGB32);
    QPainter painter(&image);
    paintWheel(painter, side, background);
    if (startPosition >= 0)
        paintBalls(painter, side, startPosition);
    return image;
}

} // namespace rotamind::artwork
