#include "session/SeriesStatistics.h"

#include "wheel/Wheel.h"

#include <algorithm>
#include <array>

namespace rotamind {

namespace {

// Row of a step length in kLengths: 0, +1..+5 -> 0..5, -1..-5 -> 6..10.
int lengthRow(int length) {
    return length >= 0 ? length : 5 - length;
}

// Place of a class on the ordered scale -3 .. 3, 0..5.
int scalePosition(int distanceClass) {
    return 5 - classRow(distanceClass);
}

// One more launch for a table of occurrences: row `hit` occurred, every
// other row's absence grows by one.
template <std::size_t N>
void occur(std::array<std::int64_t, N>& frequency, std::array<std::int64_t, N>& absence,
           std::size_t hit) {
    for (std::size_t i = 0; i < N; ++i)
        absence[i] = i == hit ? 0 : absence[i] + 1;
    ++frequency[hit];
}

} // namespace

void SeriesStatistics::add(int distanceClass) {
    occur(m_classic.frequency, m_classic.absence,
          static_cast<std::size_t>(classRow(distanceClass)));
    for (std::size_t i = 0; i < 6; ++i)
        m_classic.maxAbsence[i] = std::max(m_classic.maxAbsence[i], m_classic.absence[i]);
    if (m_lastClass)
        occur(m_lengths.frequency, m_lengths.absence,
              static_cast<std::size_t>(
                  lengthRow(scalePosition(distanceClass) - scalePosition(*m_lastClass))));
    m_lastClass = distanceClass;
    ++m_launches;
}

void SeriesStatistics::recompute(std::span<const std::int8_t> classes) {
    // One pass that touches only the class (and step length) of each launch:
    // a load of millions of launches must not pay for all six runs per item.
    // Runs are measured between occurrences, from index -1 before the first.
    clear();
    const auto n = static_cast<std::int64_t>(classes.size());
    std::array<std::int64_t, 6> lastClass;
    lastClass.fill(-1);
    std::array<std::int64_t, 11> lastStep;
    lastStep.fill(0); // step j joins launches j-1 and j, so steps count from 1
    for (std::int64_t i = 0; i < n; ++i) {
        const int distanceClass = classes[static_cast<std::size_t>(i)];
        const auto row = static_cast<std::size_t>(classRow(distanceClass));
        ++m_classic.frequency[row];
        m_classic.maxAbsence[row] = std::max(m_classic.maxAbsence[row], i - lastClass[row] - 1);
        lastClass[row] = i;
        if (i > 0) {
            const int previous = classes[static_cast<std::size_t>(i - 1)];
            const auto step = static_cast<std::size_t>(
                lengthRow(scalePosition(distanceClass) - scalePosition(previous)));
            ++m_lengths.frequency[step];
            lastStep[step] = i;
        }
    }
    for (std::size_t row = 0; row < 6; ++row) {
        m_classic.absence[row] = n - 1 - lastClass[row];
        m_classic.maxAbsence[row] = std::max(m_classic.maxAbsence[row], m_classic.absence[row]);
    }
    for (std::size_t step = 0; step < 11; ++step)
        m_lengths.absence[step] = n > 0 ? n - 1 - lastStep[step] : 0;
    m_launches = n;
    if (n > 0)
        m_lastClass = classes.back();
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
