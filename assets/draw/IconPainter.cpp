#include "IconPainter.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <functional>
#include <utility>

namespace rotamind::artwork {
namespace {

const QColor kInk(40, 40, 50);
const QColor kRed(215, 20, 20);
const QColor kBlue(30, 90, 200);
const QColor kGreen(20, 150, 40);

QPen pen(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void magnifier(QPainter& p) {
    p.setPen(pen(QColor(90, 60, 30), 3.0));
    p.drawLine(QPointF(10.5, 10.5), QPointF(14.2, 14.2));
    p.setPen(pen(kInk, 1.4));
    p.setBrush(QColor(225, 238, 255));
    p.drawEllipse(QPointF(6.5, 6.5), 5.0, 5.0);
    p.setPen(pen(kRed, 1.8));
    p.drawLine(QPointF(6.5, 3.8), QPointF(6.5, 9.2));
    p.drawLine(QPointF(3.8, 6.5), QPointF(9.2, 6.5));
}

// The same glyph washed out, as a disabled button shows it.
QImage greyed(const QImage& source) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int grey = 128 + qGray(c.rgb()) / 2;
            image.setPixelColor(x, y, QColor(grey, grey, grey, c.alpha() * 2 / 3));
        }
    }
    return image;
}

// Arrow bent round the centre, clockwise; a padlock in the middle says it is held.
void lockClockwise(QPainter& p) {
    QPainterPath arc;
    const QRectF ring(1.5, 1.5, 13, 13);
    arc.arcMoveTo(ring, 200);
    arc.arcTo(ring, 200, -250);
    p.setPen(pen(kBlue, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    const QPointF tip = arc.currentPosition();
    QPainterPath head;
    head.moveTo(tip + QPointF(1.5, 3.5));
    head.lineTo(tip + QPointF(-3.2, 0.8));
    head.lineTo(tip + QPointF(2.5, -2.0));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawPath(head);
    p.setPen(pen(kInk, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6.0, 4.5, 4.0, 5.0), 0, 180 * 16);
    p.setBrush(QColor(235, 180, 30));
    p.setPen(pen(QColor(110, 70, 0), 1.0));
    p.drawRect(QRectF(5.0, 7.5, 6.0, 4.5));
}

void statistics(QPainter& p) {
    p.setPen(Qt::NoPen);
    const std::array<std::pair<double, QColor>, 3> bars{
        {{7.0, kRed}, {12.0, kBlue}, {4.0, kGreen}}};
    for (std::size_t i = 0; i < bars.size(); ++i) {
        p.setBrush(bars[i].second);
        p.drawRect(QRectF(3.0 + 4.0 * i, 14.0 - bars[i].first, 3.0, bars[i].first));
    }
    p.setPen(pen(kInk, 1.2));
    p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, 14.5));
    p.drawLine(QPointF(1.5, 14.5), QPointF(15.0, 14.5));
}

// "Back to zero": a circular arrow round a bold 0.
void reset(QPainter& p) {
    QPainterPath arc;
    const QRectF ring(1.5, 1.5, 13, 13);
    arc.arcMoveTo(ring, 340);
    arc.arcTo(ring, -20, 270);
    p.setPen(pen(kRed, 1.7));
    p.drawPath(arc);
    const QPointF tip = arc.currentPosition();
    QPainterPath head;
    head.moveTo(tip + QPointF(3.5, -1.5));
    head.lineTo(tip + QPointF(0.8, 3.2));
    head.lineTo(tip + QPointF(-2.0, -2.5));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawPath(head);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(9);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("0"));
}

void deleteLast(QPainter& p) {
    QPainterPath key;
    key.moveTo(0.8, 8.0);
    key.lineTo(5.5, 3.0);
    key.lineTo(15.0, 3.0);
    key.lineTo(15.0, 13.0);
    key.lineTo(5.5, 13.0);
    key.closeSubpath();
    p.setPen(pen(QColor(120, 0, 0), 1.0));
    p.setBrush(kRed);
    p.drawPath(key);
    p.setPen(pen(Qt::white, 1.6));
    p.drawLine(QPointF(7.5, 5.5), QPointF(12.5, 10.5));
    p.drawLine(QPointF(12.5, 5.5), QPointF(7.5, 10.5));
}

void pageNext(QPainter& p) {
    QPainterPath arrow;
    arrow.moveTo(4.0, 2.0);
    arrow.lineTo(13.5, 8.0);
    arrow.lineTo(4.0, 14.0);
    arrow.closeSubpath();
    p.setPen(pen(QColor(10, 40, 110), 1.0));
    p.setBrush(kBlue);
    p.drawPath(arrow);
}

// A hooked arrow turning back to the left: the change before. Mirrored, the
// same arrow goes forward again for redo.
void undoArrow(QPainter& p) {
    QPainterPath hook;
    hook.moveTo(12.5, 14.0);
    hook.cubicTo(16.0, 8.0, 12.0, 4.5, 6.0, 5.5);
    p.setPen(pen(kBlue, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    QPainterPath head;
    head.moveTo(0.8, 5.8);
    head.lineTo(7.0, 1.0);
    head.lineTo(7.0, 10.5);
    head.closeSubpath();
    p.setPen(pen(QColor(10, 40, 110), 0.8));
    p.setBrush(kBlue);
    p.drawPath(head);
}

void autosave(QPainter& p) {
    p.setPen(pen(QColor(10, 30, 90), 1.0));
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(0.5, 0.5, 13, 13), 1.5, 1.5);
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(3.5, 0.5, 7, 4.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 7.5, 9, 6));
    // A small clock: saved on its own, every few minutes.
    p.setPen(pen(kInk, 1.0));
    p.setBrush(QColor(255, 240, 120));
    p.drawEllipse(QPointF(11.5, 11.5), 4.0, 4.0);
    p.drawLine(QPointF(11.5, 11.5), QPointF(11.5, 9.0));
    p.drawLine(QPointF(11.5, 11.5), QPointF(13.3, 11.5));
}

// A filing drawer pulled half out, with cards standing in it: every session kept.
void archive(QPainter& p) {
    p.setPen(pen(QColor(80, 45, 15), 1.0));
    p.setBrush(QColor(170, 110, 50));
    p.drawRect(QRectF(1.5, 6.5, 13, 8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 2.5, 4, 5));
    p.drawRect(QRectF(8.5, 1.5, 4, 6));
    p.setPen(pen(kInk, 1.6));
    p.drawLine(QPointF(6.0, 10.5), QPointF(10.0, 10.5));
}

void contact(QPainter& p) {
    const QRectF letter(0.5, 3.5, 15, 10);
    p.setPen(pen(kInk, 1.0));
    p.setBrush(QColor(255, 250, 235));
    p.drawRect(letter);
    p.drawLine(letter.topLeft(), QPointF(8.0, 9.5));
    p.drawLine(letter.topRight(), QPointF(8.0, 9.5));
}

void onOff(QPainter& p) {
    p.setPen(pen(kGreen, 2.0));
    p.drawArc(QRectF(2.0, 2.5, 12, 12), 120 * 16, -300 * 16);
    p.drawLine(QPointF(8.0, 1.0), QPointF(8.0, 7.5));
}

void exitDoor(QPainter& p) {
    p.setPen(pen(QColor(70, 40, 10), 1.0));
    p.setBrush(QColor(170, 110, 50));
    p.drawRect(QRectF(1.5, 1.5, 8, 13));
    p.setBrush(kInk);
    p.drawEllipse(QPointF(7.5, 8.5), 0.8, 0.8);
    p.setPen(pen(kRed, 1.8));
    p.drawLine(QPointF(7.5, 8.0), QPointF(14.0, 8.0));
    p.drawLine(QPointF(14.0, 8.0), QPointF(11.5, 5.5));
    p.drawLine(QPointF(14.0, 8.0), QPointF(11.5, 10.5));
}

// A wheel reduced to what survives at 16 pixels: a ring of red and black
// pockets, the green zero at the top and the gold hub. Drawn four times larger
// and shrunk, so that the thin pockets blend instead of flickering; any other
// size is the same drawing on a 16-unit grid.
QImage appIcon(int size) {
    constexpr int kScale = 4;
    constexpr int kSegments = 18;
    QImage big(size * kScale, size * kScale, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size * kScale / 16.0, size * kScale / 16.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 60, 25));
    p.drawEllipse(QPointF(8, 8), 7.8, 7.8);
    const QRectF ring(1.3, 1.3, 13.4, 13.4);
    for (int i = 0; i < kSegments; ++i) {
        const double start = 90.0 - 10.0 - i * 360.0 / kSegments;
        p.setBrush(i == 0 ? QColor(0, 150, 60)
                          : (i % 2 ? QColor(210, 20, 20) : QColor(20, 20, 20)));
        p.drawPie(ring, static_cast<int>(start * 16), static_cast<int>(360.0 / kSegments * 16));
    }
    p.setBrush(QColor(225, 180, 70));
    p.drawEllipse(QPointF(8, 8), 3.6, 3.6);
    p.end();
    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage drawn(const std::function<void(QPainter&)>& draw) {
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

} // namespace

QStringList iconNames() {
    return {QStringLiteral("magnifier"),      QStringLiteral("magnifier-disabled"),
            QStringLiteral("lock-clockwise"), QStringLiteral("lock-counter"),
            QStringLiteral("statistics"),     QStringLiteral("reset"),
            QStringLiteral("delete-last"),    QStringLiteral("page-previous"),
            QStringLiteral("page-next"),      QStringLiteral("autosave"),
            QStringLiteral("contact"),        QStringLiteral("on-off"),
            QStringLiteral("exit"),           QStringLiteral("app"),
            QStringLiteral("undo"),           QStringLiteral("redo"),
            QStringLiteral("archive")};
}

QImage iconImage(const QString& name) {
    static const QHash<QString, std::function<QImage()>> makers{
        {QStringLiteral("magnifier"), [] { return drawn(magnifier); }},
        {QStringLiteral("magnifier-disabled"), [] { return greyed(drawn(magnifier)); }},
        {QStringLiteral("lock-clockwise"), [] { return drawn(lockClockwise); }},
        {QStringLiteral("lock-counter"), [] { return drawn(lockClockwise).mirrored(true, false); }},
        {QStringLiteral("statistics"), [] { return drawn(statistics); }},
        {QStringLiteral("reset"), [] { return drawn(reset); }},
        {QStringLiteral("delete-last"), [] { return drawn(deleteLast); }},
        {QStringLiteral("page-previous"), [] { return drawn(pageNext).mirrored(true, false); }},
        {QStringLiteral("page-next"), [] { return drawn(pageNext); }},
        {QStringLiteral("autosave"), [] { return drawn(autosave); }},
        {QStringLiteral("contact"), [] { return drawn(contact); }},
        {QStringLiteral("on-off"), [] { return drawn(onOff); }},
        {QStringLiteral("exit"), [] { return drawn(exitDoor); }},
        {QStringLiteral("app"), [] { return appIcon(16); }},
        {QStringLiteral("undo"), [] { return drawn(undoArrow); }},
        {QStringLiteral("redo"), [] { return drawn(undoArrow).mirrored(true, false); }},
        {QStringLiteral("archive"), [] { return drawn(archive); }},
    };
    const auto it = makers.find(name);
    return it == makers.end() ? QImage() : it.value()();
}

QImage appIconImage(int size) {
    return size > 0 ? appIcon(size) : QImage();
}

} // namespace rotamind::artwork
