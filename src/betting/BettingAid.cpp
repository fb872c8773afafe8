#include "betting/BettingAid.h"

#include <QHash>

namespace rotamind {
namespace {

// The pocket `steps` places further along the wheel order from `pocket`.
int pocketAtPlace(int pocket, int steps) {
    return kWheelOrder[static_cast<std::size_t>((wheelPosition(pocket) + steps) % 37)];
}

QString labelOfWindowAt(int startPocket) {
    return windowLabel(windowAt(startPocket));
}

// Built once: the caption lookup runs at every click and every panel toggle.
const QHash<QString, QString>& picturesByCaption() {
    static const QHash<QString, QString> pictures = [] {
        QHash<QString, QString> byCaption;
        byCaption.insert(QString::fromUtf16(kNoWindowLabel), QStringLiteral("BASE"));
        for (const int start : kWheelOrder)
            byCaption.insert(labelOfWindowAt(start),
                             QStringLiteral("Image") + QString::number(start));
        return byCaption;
    }();
    return pictures;
}

} // namespace

std::optional<BetWindows> numbersToBet(std::optional<Direction> direction, QStringView lastNumber,
                                       QStringView distanceClass) {
    if (!direction)
        return std::nullopt;
    const std::optional<int> last = pocketFromText(lastNumber);
    const std::optional<int> wanted = classFromText(distanceClass);
    if (!last || !wanted)
        return std::nullopt;
    // The opposite class owns the block three blocks on, across the wheel.
    return BetWindows{labelOfWindowAt(pocketAtPlace(*last, classBlock(*direction, *wanted))),
                      labelOfWindowAt(pocketAtPlace(*last, classBlock(*direction, -*wanted)))};
}

std::optional<QString> pictureForWindow(QStringView caption) {
    const auto& pictures = picturesByCaption();
    const auto found = pictures.constFind(caption.toString());
    if (found == pictures.constEnd())
        return std::nullopt;
    return *found;
}

} // namespace rotamind
