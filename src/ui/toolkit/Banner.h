#pragma once

class QWidget;

namespace rotamind {

class ClickableLabel;

// The banner picture (Image1, 415, 564, 241 x 44) under the statistics tabs,
// with its caption line at `captionTop`. A click on it is the window's Image1Click.
ClickableLabel* makeBanner(QWidget* window, int captionTop);

} // namespace rotamind
