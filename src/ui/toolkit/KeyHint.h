#pragma once

#include <QKeySequence>

class QWidget;

namespace rotamind {

// Shows `key` after the control's hint when the hint pops up; the hint's own
// text (toolTip()) stays as it is. A second key adds to the first.
void showKeyInHint(QWidget* control, const QKeySequence& key);

} // namespace rotamind
