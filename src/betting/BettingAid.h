#pragma once

#include "wheel/Wheel.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace rotamind {

struct BetWindows {
    QString toBet;    // label of the six pockets to bet
    QString opposite; // label of the six pockets across the wheel
};

// The window on which a launch in `direction` after `lastNumber` would get
// class `distanceClass`, and the window of the opposite class. None when no
// direction is chosen or a text is not exactly a pocket / class text.
std::optional<BetWindows> numbersToBet(std::optional<Direction> direction, QStringView lastNumber,
                                       QStringView distanceClass);

// Name of the wheel picture for a caption of the label N: "BASE" for the
// no-window caption, "Image<K>" for the window starting at pocket K, none for
// any other text.
std::optional<QString> pictureForWindow(QStringView caption);

} // namespace rotamind
