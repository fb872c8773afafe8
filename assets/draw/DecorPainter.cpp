#include "DecorPainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <memory>

namespace rotamind::artwork {
namespace {

const QColor kLime(0, 255, 0);
const QColor kOutline(30, 30, 30);

// A lime canvas and a painter on it; the painter must end before the image
// is returned, hence the pair.
struct Canvas {
    QImage image;
    std::unique_ptr<QPainter> painter;

    Canvas(int width, int height) : image(width, height, QImage::Format_RGB32) {
        image.fill(kLime);
        painter = std::make_unique<QPainter>(&image);
        painter->setRenderHint(QPainter::Antialiasing);
    }

    QImage finish() {
        painter.reset();
        return image;
    }
};

} // namespace

QImage horseshoeImage() {
    Canvas canvas(101, 106);
    QPainter& p = *canvas.painter;
    // Open end up, as a horseshoe that keeps the luck in.
    const QRectF bend(16, 14, 69, 80);
    QPainterPath arc;
    arc.arcMoveTo(bend, 62);
    arc.arcTo(bend, 62, -304);
    p.setPen(QPen(kOutline, 24, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    QLinearGradient steel(0, 0, 101, 106);
    steel.setColorAt(0.0, QColor(235, 235, 240));
    steel.setColorAt(0.5, QColor(160, 165, 175));
    steel.setColorAt(1.0, QColor(95, 100, 110));
    p.setPen(QPen(QBrush(steel), 20, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    // Nail holes along the middle of the iron.
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    for (double angle : {35.0, 5.0, -25.0, -55.0, 145.0, 175.0, 205.0, 235.0}) {
        QPainterPath spot;
        spot.arcMoveTo(bend, angle);
        // Each hole runs along the iron.
        p.save();
        p.translate(spot.currentPosition());
        p.rotate(90.0 - angle);
        p.drawRoundedRect(QRectF(-2.5, -1.2, 5, 2.4), 1, 1);
        p.restore();
    }
    return canvas.finish();
}

QImage cloverImage() {
    Canvas canvas(61, 61);
    QPainter& p = *canvas.painter;
    const QPointF centre(30.5, 28.5);
    // Stem first, so that the leaves cover its root.
    p.setPen(QPen(QColor(20, 90, 20), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath stem(centre);
    stem.quadTo(QPointF(33, 48), QPointF(44, 58));
    p.drawPath(stem);
    // One heart-shaped leaf pointing up with its tip at the origin.
    QPainterPath lobeLeft, lobeRight, wedge;
    lobeLeft.addEllipse(QPointF(-6, -16), 7.5, 7.5);
    lobeRight.addEllipse(QPointF(6, -16), 7.5, 7.5);
    wedge.moveTo(0, 0);
    wedge.lineTo(-12.5, -13);
    wedge.lineTo(12.5, -13);
    wedge.closeSubpath();
    const QPainterPath leaf = lobeLeft.united(lobeRight).united(wedge);
    for (int k = 0; k < 4; ++k) {
        p.save();
        p.translate(centre);
        p.rotate(45.0 + 90.0 * k);
        QLinearGradient shade(0, 0, 0, -24);
        shade.setColorAt(0.0, QColor(10, 100, 20));
        shade.setColorAt(1.0, QColor(40, 160, 50));
        p.setPen(QPen(QColor(5, 60, 10), 1.2));
        p.setBrush(shade);
        p.drawPath(leaf);
        p.setPen(QPen(QColor(170, 230, 160), 1.0));
        p.drawLine(QPointF(0, -2), QPointF(0, -17));
        p.restore();
    }
    return canvas.finish();
}

QImage moneyBagImage() {
    Canvas canvas(55, 80);
    QPainter& p = *canvas.painter;
    // The sack hangs from the fist.
    QPainterPath sack;
    sack.moveTo(21, 30);
    sack.cubicTo(4, 40, 2, 60, 8, 70);
    sack.cubicTo(14, 79, 41, 79, 47, 70);
    sack.cubicTo(53, 60, 51, 40, 34, 30);
    sack.closeSubpath();
    QRadialGradient cloth(QPointF(22, 52), 30);
    cloth.setColorAt(0.0, QColor(226, 190, 120));
    cloth.setColorAt(1.0, QColor(150, 106, 50));
    p.setPen(QPen(QColor(80, 50, 20), 1.5));
    p.setBrush(cloth);
    p.drawPath(sack);
    // Neck above the fist and the rope round it.
    QPainterPath neck;
    neck.moveTo(21, 30);
    neck.lineTo(17, 16);
    neck.lineTo(38, 16);
    neck.lineTo(34, 30);
    neck.closeSubpath();
    p.drawPath(neck);
    p.setPen(QPen(QColor(110, 60, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 30), QPointF(36, 30));
    // The euro sign on the sack.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(24);
    p.setFont(font);
    p.setPen(QColor(90, 60, 10));
    p.drawText(QRectF(5, 42, 45, 30), Qt::AlignCenter, QStringLiteral("\u20AC"));
    // Fist closed round the neck, the sleeve leaving the picture at the top.
    p.setPen(QPen(QColor(20, 30, 70), 1.2));
    p.setBrush(QColor(40, 60, 140));
    p.drawRect(QRectF(15, -2, 25, 9));
    p.setPen(QPen(QColor(120, 70, 40), 1.2));
    p.setBrush(QColor(240, 196, 160));
    p.drawRoundedRect(QRectF(13, 6, 29, 16), 7, 7);
    for (int finger = 1; finger < 4; ++finger)
        p.drawLine(QPointF(13 + 29.0 * finger / 4, 13), QPointF(13 + 29.0 * finger / 4, 21));
    // The thumb lies across the front of the fist.
    p.drawRoundedRect(QRectF(10, 8, 16, 7), 3.5, 3.5);
    return canvas.finish();
}

QImage ladybirdImage() {
    Canvas canvas(94, 137);
    QPainter& p = *canvas.painter;
    // Legs and antennae under the shell.
    p.setPen(QPen(kOutline, 3, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        for (int leg = 0; leg < 3; ++leg) {
            const double y = 58 + leg * 24;
            p.drawLine(QPointF(47, y), QPointF(47 + side * 45, y - 8 + leg * 8));
        }
        p.drawLine(QPointF(47 + side * 6, 28), QPointF(47 + side * 16, 6));
        p.setBrush(kOutline);
        p.drawEllipse(QPointF(47 + side * 16, 6), 3.5, 3.5);
    }
    // Head.
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(47, 36), 17, 14);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(40, 32), 3.5, 3);
    p.drawEllipse(QPointF(54, 32), 3.5, 3);
    // Shell, split down the middle, with its spots.
    const QRectF shell(8, 42, 78, 90);
    QRadialGradient red(QPointF(34, 70), 60);
    red.setColorAt(0.0, QColor(255, 80, 60));
    red.setColorAt(1.0, QColor(170, 10, 10));
    p.setPen(QPen(kOutline, 2));
    p.setBrush(red);
    p.drawEllipse(shell);
    p.drawLine(QPointF(47, 42), QPointF(47, 132));
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    const QPointF spots[] = {{30, 62},  {64, 62},  {22, 88}, {72, 88},
                             {33, 112}, {61, 112}, {47, 52}};
    for (const QPointF& spot : spots)
        p.drawEllipse(spot, 7, 7);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(26, 58), 5, 3);
    return canvas.finish();
}

} // namespace rotamind::artwork
