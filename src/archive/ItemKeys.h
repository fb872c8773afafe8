#pragma once

#include <QtGlobal>

#include <cstddef>
#include <span>
#include <vector>

namespace rotamind::item_keys {

// A series' items are ordered by their key (item.position), not numbered:
// keys ascend with gaps between them, so that a row put between two others
// takes a key in their gap and no later row is touched. A gap that has run
// out is widened by moving the fewest rows after it, never the whole series.

// The gap left between keys written in a row (a load, a registration at the end).
inline constexpr qint64 kGap = 4096;

// Where `added` rows go in front of row `at` of a series whose keys are `keys`
// (ascending, 0 and up; `at` from 0 to keys.size()).
struct Placement {
    // Rows at..end-1 move with the added ones: their keys change.
    std::size_t end = 0;
    // The keys of the added rows, then those of the moved ones: ascending,
    // above keys[at - 1] and below keys[end].
    std::vector<qint64> keys;
};
Placement place(std::span<const qint64> keys, std::size_t at, std::size_t added);

} // namespace rotamind::item_keys
