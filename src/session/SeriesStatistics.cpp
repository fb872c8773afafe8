#include "session/SeriesStatistics.h"

#include "wheel/Wheel.h"

#include <algorithm>

namespace rotamind {

namespace {

// Row of a class in kClasses: 3 -> 0 ... -3 -> 5.
int classRow(int distanceClass) {
    return distanceClass > 0 ? 3 - distanceClass : 2 - distanceClass;
}

// Row of a step length in kLengths: 0, +1..+5 -> 0..5, -1..-5 -> 6..10.
int lengthRow(int length) {
    return length >= 0 ? length : 5 - length;
}

// Place of a class on the ordered scale -3 .. 3, 0..5.
int scalePosition(int distanceClass) {
    return 5 - classRow(distanceClass);
}

} // namespace

void SeriesStatistics::add(int distanceClass) {
    const int row = classRow(distanceClass);
    for (int r = 0; r < 6; ++r) {
        const auto i = static_cast<std::size_t>(r);
        if (r == row) {
            ++m_classic.frequency[i];
            m_classic.absence[i] = 0;
        } else {
            ++m_classic.absence[i];
            m_classic.maxAbsence[i] = std::max(m_classic.maxAbsence[i], m_classic.absence[i]);
        }
    }
    if (m_lastClass) {
        const int step = lengthRow(scalePosition(distanceClass) - scalePosition(*m_lastClass));
        for (int r = 0; r < 11; ++r) {
            const auto i = static_cast<std::size_t>(r);
            if (r == step) {
                ++m_lengths.frequency[i];
                m_lengths.absence[i] = 0;
            } else {
                ++m_lengths.absence[i];
            }
        }
    }
    m_lastClass = distanceClass;
    ++m_launches;
}

void SeriesStatistics::recompute(std::span<const std::int8_t> classes) {
    clear();
    for (const std::int8_t distanceClass : classes)
        add(distanceClass);
}

Fixed4 SeriesStatistics::percentage(int row) const {
    if (m_launches == 0)
        return {};
    return rotamind::percentage(m_classic.frequency[static_cast<std::size_t>(row)], m_launches);
}

Fixed4 SeriesStatistics::classicIndex(int row) const {
    if (m_launches == 0)
        return {};
    const auto i = static_cast<std::size_t>(row);
    return convenienceIndex(m_classic.frequency[i], m_classic.absence[i], m_launches);
}

Fixed4 SeriesStatistics::lengthIndex(int row) const {
    if (m_launches == 0)
        return {};
    const auto i = static_cast<std::size_t>(row);
    return convenienceIndex(m_lengths.frequency[i], m_lengths.absence[i], m_launches);
}

} // namespace rotamind
