#pragma once

#include "wheel/Wheel.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace rotamind {

// One class of a series with the launch that brought it, when one did.
struct ArchiveItem {
    std::int8_t distanceClass = 0;        // 3..-3
    QString number{};                     // "0".."36", empty for a loaded class
    std::optional<Direction> direction{}; // none for a loaded class
};

} // namespace rotamind
