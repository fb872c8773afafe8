#include "ui/toolkit/ClickableLabel.h"

#include <QMouseEvent>

namespace rotamind {

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    // Taken here so the press does not fall through to the widget underneath.
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

} // namespace rotamind
