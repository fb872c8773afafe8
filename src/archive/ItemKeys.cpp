#include "archive/ItemKeys.h"

#include <algorithm>

namespace rotamind::item_keys {

namespace {
// A gap widened by moving rows is left at least this wide between each, so
// that the next inserts at the same place find room for a while.
constexpr qint64 kMinWidened = 16;
} // namespace

Placement place(std::span<const qint64> keys, std::size_t at, std::size_t added) {
    const qint64 below = at > 0 ? keys[at - 1] : -1;
    // The window of rows moved along doubles until the keys around it leave
    // room for all of them; past the last row there is always room.
    for (std::size_t window = 0;; window = window == 0 ? 8 : window * 2) {
        Placement placed;
        placed.end = std::min(keys.size(), at + window);
        const auto count = static_cast<qint64>(added + (placed.end - at));
        placed.keys.reserve(static_cast<std::size_t>(count));
        if (placed.end == keys.size()) {
            const qint64 start = at > 0 ? below + kGap : 0;
            for (qint64 i = 0; i < count; ++i)
                placed.keys.push_back(start + i * kGap);
            return placed;
        }
        const qint64 step = (keys[placed.end] - below) / (count + 1);
        if (step >= (window == 0 ? 1 : kMinWidened)) {
            for (qint64 i = 1; i <= count; ++i)
                placed.keys.push_back(below + i * step);
            return placed;
        }
    }
}

} // namespace rotamind::item_keys
