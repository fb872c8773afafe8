#include "stats/SeriesStats.h"

#include "wheel/Wheel.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rotamind {

// The index must round exactly as the program always has, in the x87 extended
// format; a platform where long double is plain double would show different
// digits at halfway values.
static_assert(std::numeric_limits<long double>::digits == 64,
              "the convenience index needs the 80-bit extended long double");
static_assert(std::numeric_limits<long double>::radix == 2);

namespace {

constexpr int kNoClass = -1;

// Position of a class in kClasses (3 -> 0 ... -3 -> 5), kNoClass for none.
int slotOfText(QStringView text) {
    const std::optional<int> distanceClass = classFromText(text);
    if (!distanceClass)
        return kNoClass;
    return *distanceClass > 0 ? 3 - *distanceClass : 2 - *distanceClass;
}

// classFromText's answer for every text of one or two ASCII characters, the
// only length a class text has. The classes of a series come in no
// predictable order, so branching on each text's shape mispredicts about every
// other item and costs three times the rest of the scan; a table lookup does
// not branch, and the rule itself stays in one place.
class ShortTextSlots final {
public:
    ShortTextSlots() {
        for (char16_t first = 0; first < kAscii; ++first) {
            m_slots[key(first, first, 1)] = slotOf({first});
            for (char16_t second = 0; second < kAscii; ++second)
                m_slots[key(first, second, 2)] = slotOf({first, second});
        }
    }

    int operator()(QStringView text) const {
        const qsizetype size = text.size();
        if (size < 1 || size > 2)
            return kNoClass;
        const char16_t first = text[0].unicode();
        const char16_t last = text[size - 1].unicode();
        if (first >= kAscii || last >= kAscii)
            return slotOfText(text);
        return m_slots[key(first, last, size)];
    }

private:
    static constexpr std::size_t kAscii = 128;

    // Texts of one character fill the first 128 entries, pairs the rest.
    static std::size_t key(std::size_t first, std::size_t last, qsizetype size) {
        const std::size_t pair = static_cast<std::size_t>(size - 1);
        return first + pair * (kAscii + first * (kAscii - 1) + last);
    }

    static std::int8_t slotOf(std::initializer_list<char16_t> text) {
        return static_cast<std::int8_t>(
            slotOfText(QStringView(text.begin(), static_cast<qsizetype>(text.size()))));
    }

    std::array<std::int8_t, kAscii + kAscii * kAscii> m_slots{};
};

int classSlot(QStringView text) {
    static const ShortTextSlots table;
    return table(text);
}

// Place of a class on the ordered scale -3 .. 3, 0..5.
int scalePosition(int slot) {
    return 5 - slot;
}

// Slot of a length (-5..+5) in kLengths.
int lengthSlot(int length) {
    return length >= 0 ? length : 5 - length;
}

} // namespace

ClassicStats computeClassicStats(std::span<const QString> items) {
    // One pass: each occurrence closes the run since the previous one, and the
    // runs before the first and after the last occurrence are closed at the end.
    const std::int64_t count = static_cast<std::int64_t>(items.size());
    std::array<std::int64_t, 6> last;
    last.fill(-1);
    ClassicStats stats;
    for (std::int64_t i = 0; i < count; ++i) {
        const int slot = classSlot(items[static_cast<std::size_t>(i)]);
        if (slot == kNoClass)
            continue;
        ++stats.frequency[slot];
        stats.maxAbsence[slot] = std::max(stats.maxAbsence[slot], i - last[slot] - 1);
        last[slot] = i;
    }
    for (std::size_t slot = 0; slot < 6; ++slot) {
        stats.absence[slot] = count - 1 - last[slot];
        stats.maxAbsence[slot] = std::max(stats.maxAbsence[slot], stats.absence[slot]);
    }
    return stats;
}

Fixed4 percentage(std::int64_t frequency, std::int64_t launches) {
    // The window writes "0" beside a class that never came up, never a share.
    if (frequency == 0 || launches <= 0)
        return Fixed4();
    return Fixed4::fromScaledQuotient(frequency, 100, launches);
}

Fixed4 convenienceIndex(std::int64_t frequency, std::int64_t absence, std::int64_t launches) {
    if (launches <= 0)
        return Fixed4();
    // Each step is rounded to the 64-bit significand; the absence is scaled in
    // long double so that a huge absence cannot overflow the integer product,
    // which is exact whenever the integer product would have fitted.
    const long double quotient =
        static_cast<long double>(frequency) / static_cast<long double>(launches);
    const long double scaled = quotient * (static_cast<long double>(absence) * 10000.0L);
    // nearbyint rounds in the current mode, which the program never changes
    // from nearest-even.
    const long double rounded = std::nearbyint(scaled);
    constexpr long double kLimit = 9223372036854775807.0L; // 2^63 - 1, exact in long double
    if (!(rounded < kLimit))
        return Fixed4::fromCount(std::numeric_limits<std::int64_t>::max());
    if (rounded < -kLimit)
        return Fixed4::fromCount(std::numeric_limits<std::int64_t>::min());
    return Fixed4::fromCount(static_cast<std::int64_t>(rounded));
}

std::optional<int> stepLength(QStringView from, QStringView to) {
    const int fromSlot = classSlot(from);
    const int toSlot = classSlot(to);
    if (fromSlot == kNoClass || toSlot == kNoClass)
        return std::nullopt;
    return scalePosition(toSlot) - scalePosition(fromSlot);
}

LengthStats computeLengthStats(std::span<const QString> items) {
    LengthStats stats;
    if (items.size() < 2)
        return stats;
    // Every item is classified once; each step reuses the slot of its earlier item.
    const std::int64_t steps = static_cast<std::int64_t>(items.size()) - 1;
    std::array<std::int64_t, 11> last;
    last.fill(-1);
    int previous = classSlot(items[0]);
    for (std::int64_t step = 0; step < steps; ++step) {
        const int next = classSlot(items[static_cast<std::size_t>(step + 1)]);
        if (previous != kNoClass && next != kNoClass) {
            const int slot = lengthSlot(scalePosition(next) - scalePosition(previous));
            ++stats.frequency[slot];
            last[slot] = step;
        }
        previous = next;
    }
    for (std::size_t slot = 0; slot < 11; ++slot)
        stats.absence[slot] = steps - 1 - last[slot];
    return stats;
}

} // namespace rotamind
