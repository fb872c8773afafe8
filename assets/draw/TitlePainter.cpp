#include "TitlePainter.h"

#include "WheelPainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <utility>

namespace rotamind::artwork {
namespace {

const QColor kFeltLight(0, 110, 50);
const QColor kFeltDark(0, 40, 18);

QFont boldFont(int pixels, bool italic = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setItalic(italic);
    font.setPixelSize(pixels);
    return font;
}

QLinearGradient goldGradient(double top, double bottom) {
    QLinearGradient gold(0, top, 0, bottom);
    gold.setColorAt(0.0, QColor(255, 240, 170));
    gold.setColorAt(0.5, QColor(236, 180, 50));
    gold.setColorAt(1.0, QColor(170, 110, 20));
    return gold;
}

// Gold letters with a dark edge, centred on `centreX` with their baseline at `baseline`.
void paintGoldText(QPainter& p, const QString& text, const QFont& font, double centreX,
                   double baseline, double outline) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centreX - box.center().x(), baseline);
    p.setPen(QPen(QColor(40, 20, 0), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(goldGradient(baseline + box.top(), baseline + box.bottom()));
    p.drawPath(path);
}

// A wheel of `side` pixels on a transparent square, to lay over other artwork.
QImage looseWheel(int side) {
    QImage wheel(side, side, QImage::Format_ARGB32_Premultiplied);
    wheel.fill(Qt::transparent);
    QPainter p(&wheel);
    paintWheel(p, side, Qt::transparent);
    return wheel;
}

void paintFelt(QPainter& p, const QRectF& area) {
    QRadialGradient felt(area.center(), area.width() * 0.75);
    felt.setColorAt(0.0, kFeltLight);
    felt.setColorAt(1.0, kFeltDark);
    p.fillRect(area, felt);
}

} // namespace

QImage titleImage() {
    QImage image(400, 400, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintFelt(p, QRectF(0, 0, 400, 400));
    // The wheel rises from the bottom edge; its hub is centred under the buttons.
    const QPointF hub(214.5, 282);
    const int side = 336;
    p.drawImage(QPointF(hub.x() - side / 2.0, hub.y() - side / 2.0), looseWheel(side));
    QRadialGradient cream(hub - QPointF(20, 25), 95);
    cream.setColorAt(0.0, QColor(255, 250, 225));
    cream.setColorAt(1.0, QColor(225, 195, 120));
    p.setPen(QPen(QColor(150, 105, 30), 3));
    p.setBrush(cream);
    p.drawEllipse(hub, 84, 84);
    paintGoldText(p, QStringLiteral("Rotamind"), boldFont(76), 200, 92, 3);
    return image;
}

QImage crossedWheelImage() {
    QImage image(90, 90, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(QPointF(3, 3), looseWheel(84));
    for (const auto& [width, colour] :
         {std::pair{13.0, QColor(110, 0, 0)}, std::pair{9.0, QColor(230, 10, 10)}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(78, 78));
        p.drawLine(QPointF(78, 12), QPointF(12, 78));
    }
    return image;
}

QImage bannerImage(const QString& motto) {
    QImage image(241, 44, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintFelt(p, QRectF(0, 0, 241, 44));
    p.setPen(QPen(QColor(214, 172, 72), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 239, 42));
    p.drawImage(QPointF(5, 4), looseWheel(36));
    paintGoldText(p, QStringLiteral("Rotamind"), boldFont(22), 141, 22, 1.2);
    p.setFont(boldFont(11, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(44, 25, 194, 16), Qt::AlignCenter, motto);
    return image;
}

QImage contactImage() {
    QImage image(220, 177, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintFelt(p, QRectF(0, 0, 220, 177));
    // An envelope, tilted a little, sealed with a wheel stamp.
    p.save();
    p.translate(110, 84);
    p.rotate(-6);
    const QRectF letter(-80, -50, 160, 100);
    p.setPen(QPen(QColor(120, 110, 90), 1.5));
    p.setBrush(QColor(250, 246, 232));
    p.drawRect(letter);
    p.drawLine(letter.topLeft(), QPointF(0, 8));
    p.drawLine(letter.topRight(), QPointF(0, 8));
    p.drawLine(letter.bottomLeft(), QPointF(-28, -6));
    p.drawLine(letter.bottomRight(), QPointF(28, -6));
    p.setPen(QPen(QColor(200, 60, 40), 1, Qt::DashLine));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(42, -44, 32, 36));
    p.drawImage(QPointF(44, -40), looseWheel(28));
    p.restore();
    // Two chips at the front.
    for (const auto& [centre, colour] : {std::pair{QPointF(34, 150), QColor(200, 20, 30)},
                                         std::pair{QPointF(62, 158), QColor(30, 60, 200)}}) {
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(colour);
        p.drawEllipse(centre, 15, 15);
        p.setPen(QPen(Qt::white, 3, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 11, 11);
    }
    p.setFont(boldFont(15, true));
    p.setPen(QColor(255, 236, 160));
    p.drawText(QRectF(80, 145, 134, 26), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Scrivici!"));
    return image;
}

} // namespace rotamind::artwork
