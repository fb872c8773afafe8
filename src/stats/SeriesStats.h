#pragma once

#include "stats/Fixed4.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <span>

// Statistics of one spin list, recomputed from the whole list every time.
// Items are the list's texts, oldest first; a text that is no class counts for
// no class but is still a launch.
namespace rotamind {

// Per class, in the order of kClasses (3, 2, 1, -1, -2, -3).
struct ClassicStats {
    std::array<std::int64_t, 6> frequency{};  // items equal to the class
    std::array<std::int64_t, 6> absence{};    // items after its last occurrence (RIT)
    std::array<std::int64_t, 6> maxAbsence{}; // longest run without it (RMAX)
};

// F, RIT and RMAX of the six classes over any number of items (none gives zeros).
ClassicStats computeClassicStats(std::span<const QString> items);

// 100 * frequency / launches as Fixed4. A class that never came up gets 0.
// launches must be > 0.
Fixed4 percentage(std::int64_t frequency, std::int64_t launches);

// frequency * absence / launches, evaluated in 80-bit extended precision the
// way the program always has (q = f / n; p = q * (absence * 10000); p rounded
// half to even counts ten-thousandths). launches must be > 0.
Fixed4 convenienceIndex(std::int64_t frequency, std::int64_t absence, std::int64_t launches);

// The eleven step lengths in display order: 0, +1..+5, -1..-5.
inline constexpr std::array<int, 11> kLengths{0, 1, 2, 3, 4, 5, -1, -2, -3, -4, -5};

// Length of the step from class text a to class text b (-5..+5), none when
// either is no class.
std::optional<int> stepLength(QStringView from, QStringView to);

// Per length, in the order of kLengths.
struct LengthStats {
    std::array<std::int64_t, 11> frequency{}; // steps of that length
    std::array<std::int64_t, 11> absence{};   // steps after its last occurrence
};

// F and RIT of the eleven lengths over the items.size() - 1 steps; a step with
// a text that is no class has no length but counts. Under two items: zeros.
LengthStats computeLengthStats(std::span<const QString> items);

} // namespace rotamind
