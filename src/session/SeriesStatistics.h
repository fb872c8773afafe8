#pragma once

#include "stats/Fixed4.h"
#include "stats/SeriesStats.h"

#include <cstdint>
#include <optional>
#include <span>

namespace rotamind {

// The statistics of one series of classes, kept up to date launch by launch:
// an append costs the same whatever the length of the series, since every
// figure follows from the previous ones and the new class.
class SeriesStatistics final {
public:
    // Brings the figures up to date after `distanceClass` (3..-3) was appended.
    void add(int distanceClass);
    // Figures of exactly these classes, oldest first; after a delete or a load.
    void recompute(std::span<const std::int8_t> classes);
    void clear() { *this = SeriesStatistics(); }

    std::int64_t launches() const { return m_launches; }
    const ClassicStats& classic() const { return m_classic; }
    const LengthStats& lengths() const { return m_lengths; }

    // The derived figures of a class row (0..5, the order of kClasses) and of a
    // length row (0..10, the order of kLengths); 0 while the series is empty.
    Fixed4 percentage(int classRow) const;
    Fixed4 classicIndex(int classRow) const;
    Fixed4 lengthIndex(int lengthRow) const;

private:
    ClassicStats m_classic{};
    LengthStats m_lengths{};
    std::int64_t m_launches = 0;
    std::optional<int> m_lastClass;
};

} // namespace rotamind
