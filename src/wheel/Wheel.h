#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The fixed model of a single-zero wheel: pocket order, places, the six
// distance classes of each launch direction and the 37 six-pocket windows.
namespace rotamind {

enum class Direction { Clockwise, CounterClockwise };

// The 37 pockets in their order round the wheel, clockwise from 0; 26 wraps to 0.
inline constexpr std::array<int, 37> kWheelOrder{
    0,  32, 15, 19, 4,  21, 2,  25, 17, 34, // positions 0..9
    6,  27, 13, 36, 11, 30, 8,  23, 10, 5,  // 10..19
    24, 16, 33, 1,  20, 14, 31, 9,  22, 18, // 20..29
    29, 7,  28, 12, 35, 3,  26};            // 30..36

// The six distance classes in the order the statistics use: 3, 2, 1, -1, -2, -3.
inline constexpr std::array<int, 6> kClasses{3, 2, 1, -1, -2, -3};

// Text shown where there is no window: the initial caption of the betting labels.
inline constexpr char16_t kNoWindowLabel[] = u"??-??-??-??-??-??";

// Index of a pocket (0..36) in kWheelOrder, 0..36.
int wheelPosition(int pocket);

// Steps along kWheelOrder from pocket `from` to pocket `to`, 0..36.
int place(int from, int to);

// The pocket a text names: exactly "0".."36", no blanks, no leading zero.
std::optional<int> pocketFromText(QStringView text);

// The class a text names: exactly "3", "2", "1", "-1", "-2" or "-3".
std::optional<int> classFromText(QStringView text);

// Row of a class in kClasses (3 -> 0 ... -3 -> 5); 6 for anything else.
constexpr int classRow(int distanceClass) {
    if (distanceClass >= 1 && distanceClass <= 3)
        return 3 - distanceClass;
    if (distanceClass >= -3 && distanceClass <= -1)
        return 2 - distanceClass;
    return 6;
}

// Text form of a class (3, 2, 1, -1, -2, -3); the strings are shared, never copied.
const QString& classText(int distanceClass);

// First place (1, 7, 13, 19, 25 or 31) of the six-place block of a class.
int classBlock(Direction direction, int distanceClass);

// Class of the launch from `previous` to `current` in `direction`; none when a
// text names no pocket or both name the same pocket.
std::optional<int> classifyPair(Direction direction, QStringView previous, QStringView current);

// The six pockets of the window starting at `startPocket`, in wheel order.
std::array<int, 6> windowAt(int startPocket);

// The window's numbers ascending, two digits each, joined by "-" (17 characters).
QString windowLabel(const std::array<int, 6>& window);

} // namespace rotamind
