#pragma once

#include <QColor>
#include <QFont>

#include <optional>

class QWidget;

// The sixteen standard colours of the layouts plus money green, and the fonts
// every window uses. Backgrounds go through the widget's QPalette with
// autoFillBackground, so they can be read back from palette().color(Window).
namespace rotamind::palette {

inline const QColor kBlack{0, 0, 0};
inline const QColor kMaroon{128, 0, 0};
inline const QColor kGreen{0, 128, 0};
inline const QColor kNavy{0, 0, 128};
inline const QColor kPurple{128, 0, 128};
inline const QColor kGray{128, 128, 128};
inline const QColor kSilver{192, 192, 192};
inline const QColor kRed{255, 0, 0};
inline const QColor kLime{0, 255, 0};
inline const QColor kYellow{255, 255, 0};
inline const QColor kBlue{0, 0, 255};
inline const QColor kFuchsia{255, 0, 255};
inline const QColor kAqua{0, 255, 255};
inline const QColor kWhite{255, 255, 255};
inline const QColor kMoneyGreen{0xC0, 0xDC, 0xC0};

// Background of a label, panel, field or list (Window, Base and Button roles).
void setBackground(QWidget* widget, const QColor& colour);
// Background of a window, panel or page only: the fields and buttons on it
// keep their own colours.
void setWindowColour(QWidget* widget, const QColor& colour);
// Text colour (WindowText, Text and ButtonText roles).
void setForeground(QWidget* widget, const QColor& colour);
// Text colour of labels and frame titles only (WindowText): the fields and
// boxes inside a frame keep their own.
void setWindowText(QWidget* widget, const QColor& colour);
// setBackground (unless there is none: transparent) and setForeground in one
// palette change, half the cost; the windows make some three hundred labels.
void setColours(QWidget* widget, const std::optional<QColor>& background, const QColor& foreground);
// Index labels: red from 1 upwards, lime below; only touches the palette on a change.
void setIndexColour(QWidget* label, bool oneOrMore);

// The windows' default font: a sans serif of 11 pixels.
QFont windowFont();
// The same family at another pixel size, bold.
QFont boldFont(int pixelSize = 11);
// The narrow face used by the launcher's question mark, bold.
QFont narrowBoldFont(int pixelSize);

} // namespace rotamind::palette
