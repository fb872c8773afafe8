#pragma once

#include "wheel/Wheel.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace rotamind {

// Everything a series holds: its classes, oldest first, and where the
// launches without a class because their number repeated the one before fell
// among them. The analysis counts those repeats as lost bets, so a rebuild
// after a change in the middle must know where they were.
struct SeriesContents {
    std::vector<std::int8_t> classes;
    // For each repeat, how many classes came before it; non-decreasing.
    std::vector<std::int64_t> repeatsBefore;
    bool operator==(const SeriesContents&) const = default;
};

// A launch as the player registered it: the number typed and the direction.
struct RegisteredLaunch {
    QString number;
    Direction direction = Direction::Clockwise;
};

// One change of a series, in the player's terms, told once by the series
// after its own state (classes, statistics, analysis) is up to date.
struct SeriesChange {
    enum class Kind {
        Inserted,               // a class at `row`; `launch` when a registration brought it
        Removed,                // the class at `row`; `launch` when a registration is taken back
        Replaced,               // every class at once; `previous` is what was there
        RegisteredWithoutClass, // a registration that brought no class (`why`)
        WithdrawnWithoutClass,  // such a registration taken back
    };
    // Why a whole series was replaced.
    enum class Cause { Load, Reset, Restore };
    // Why a registration brought no class.
    enum class NoClass { Repeat, NoPocketNumber };

    Kind kind = Kind::Inserted;
    qsizetype row = 0;
    int distanceClass = 0;
    // Inserted: how many of the repeats that stood just before `row` now follow
    // the new class; Removed: how many repeats followed the removed class (they
    // now stand before the next). An undo passes it back, so repeats return to
    // their places.
    qsizetype repeatsAfter = 0;
    std::optional<RegisteredLaunch> launch{};
    Cause cause = Cause::Load;
    NoClass why = NoClass::Repeat;
    std::shared_ptr<const SeriesContents> previous{};
};

// The change that takes `change` back: an insert for a removal and the other
// way round, a withdrawal for a registration without class and the other way
// round, and for a replacement a restore of what was there before.
inline SeriesChange inverse(SeriesChange change) {
    using Kind = SeriesChange::Kind;
    // In the order of Kind.
    constexpr Kind opposite[] = {Kind::Removed, Kind::Inserted, Kind::Replaced,
                                 Kind::WithdrawnWithoutClass, Kind::RegisteredWithoutClass};
    change.kind = opposite[static_cast<std::size_t>(change.kind)];
    if (change.kind == Kind::Replaced)
        change.cause = SeriesChange::Cause::Restore;
    return change;
}

} // namespace rotamind
