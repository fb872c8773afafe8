#pragma once

#include <QColor>
#include <QImage>

class QPainter;

// Drawing of the single-zero wheel seen from above, 0 at the top.
namespace rotamind::artwork {

// Paints the whole wheel on a `side` x `side` square filled with `background`;
// below about 150 pixels the numbers would be unreadable and are left out.
void paintWheel(QPainter& painter, double side, const QColor& background);

// Paints six balls over the pockets at wheel positions start..start+5 (mod 37).
void paintBalls(QPainter& painter, double side, int startPosition);

// The colour of the balls of the window starting at wheel position 0..36.
QColor ballColour(int startPosition);

// A finished wheel picture; startPosition < 0 gives the plain wheel.
QImage wheelImage(int side, int startPosition, const QColor& background);

} // namespace rotamind::artwork
