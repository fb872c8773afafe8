#include "wheel/Wheel.h"

#include <algorithm>

namespace rotamind {
namespace {

constexpr std::array<int, 37> makePositions() {
    std::array<int, 37> positions{};
    for (int i = 0; i < 37; ++i)
        positions[static_cast<std::size_t>(kWheelOrder[static_cast<std::size_t>(i)])] = i;
    return positions;
}
constexpr std::array<int, 37> kPositionOfPocket = makePositions();

// Class of each place 1..36 for a clockwise launch; place 0 has none.
constexpr int clockwiseClassOfPlace(int place) {
    constexpr std::array<int, 6> byBlock{1, 2, 3, -1, -2, -3};
    return byBlock[static_cast<std::size_t>((place - 1) / 6)];
}

// A counter-clockwise launch counts against the wheel order: place k has the
// class that place 37 - k has clockwise.
constexpr int classOfPlace(Direction direction, int place) {
    return direction == Direction::Clockwise ? clockwiseClassOfPlace(place)
                                             : clockwiseClassOfPlace(37 - place);
}

const std::array<QString, 6>& classTexts() {
    static const std::array<QString, 6> texts{QStringLiteral("3"),  QStringLiteral("2"),
                                              QStringLiteral("1"),  QStringLiteral("-1"),
                                              QStringLiteral("-2"), QStringLiteral("-3")};
    return texts;
}

} // namespace

int wheelPosition(int pocket) {
    return kPositionOfPocket[static_cast<std::size_t>(pocket)];
}

int place(int from, int to) {
    return (wheelPosition(to) - wheelPosition(from) + 37) % 37;
}

std::optional<int> pocketFromText(QStringView text) {
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (text.size() == 1 && digit(text[0]))
        return text[0].unicode() - u'0';
    if (text.size() == 2 && digit(text[0]) && digit(text[1]) && text[0] != u'0') {
        const int value = (text[0].unicode() - u'0') * 10 + (text[1].unicode() - u'0');
        if (value <= 36)
            return value;
    }
    return std::nullopt;
}

std::optional<int> classFromText(QStringView text) {
    if (text.size() == 1 && text[0] >= u'1' && text[0] <= u'3')
        return text[0].unicode() - u'0';
    if (text.size() == 2 && text[0] == u'-' && text[1] >= u'1' && text[1] <= u'3')
        return -(text[1].unicode() - u'0');
    return std::nullopt;
}

const QString& classText(int distanceClass) {
    const int row = classRow(distanceClass);
    Q_ASSERT(row < 6);
    return classTexts()[static_cast<std::size_t>(std::min(row, 5))];
}

int classBlock(Direction direction, int distanceClass) {
    for (int first = 1; first <= 31; first += 6)
        if (classOfPlace(direction, first) == distanceClass)
            return first;
    return 0;
}

std::optional<int> classifyPair(Direction direction, QStringView previous, QStringView current) {
    const auto from = pocketFromText(previous);
    const auto to = pocketFromText(current);
    if (!from || !to || *from == *to)
        return std::nullopt;
    return classOfPlace(direction, place(*from, *to));
}

std::array<int, 6> windowAt(int startPocket) {
    std::array<int, 6> window{};
    const int start = wheelPosition(startPocket);
    for (int i = 0; i < 6; ++i)
        window[static_cast<std::size_t>(i)] =
            kWheelOrder[static_cast<std::size_t>((start + i) % 37)];
    return window;
}

QString windowLabel(const std::array<int, 6>& window) {
    std::array<int, 6> sorted = window;
    std::sort(sorted.begin(), sorted.end());
    QString label;
    label.reserve(17);
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (i > 0)
            label += u'-';
        label += QChar(u'0' + sorted[i] / 10);
        label += QChar(u'0' + sorted[i] % 10);
    }
    return label;
}

} // namespace rotamind
