#include "ui/SpinRecording.h"

#include "ui/BettingAidPanel.h"
#include "ui/EntryArea.h"
#include "ui/SeriesBlock.h"

namespace rotamind::recording {

namespace {
const QString& noNumber() {
    static const QString text = QStringLiteral("??");
    return text;
}
} // namespace

void pressRegister(EntryArea& entry, BettingAidPanel& aid,
                   const std::function<void(Direction)>& registerLaunch) {
    const QString number = entry.entryText();
    const auto direction = entry.direction();
    const bool hasNumber = number != noNumber();
    if (hasNumber && direction)
        registerLaunch(*direction);
    // Registering never changes the selector, so this reads what the user chose.
    const bool wasClockwise = hasNumber && direction == Direction::Clockwise;
    entry.select(wasClockwise ? Direction::CounterClockwise : Direction::Clockwise);
    aid.setLastNumberByProgram(number);
    entry.setEntryText(noNumber());
}

bool registerLaunch(EntryArea& entry, SeriesBlock& series, Direction direction, PageTurn turn) {
    entry.setLastTwo(entry.entryText(), entry.n1Text());
    if (const auto distanceClass = classifyPair(direction, entry.n2Text(), entry.n1Text()))
        series.append(classText(*distanceClass));
    if (turn == PageTurn::LastPage)
        series.chart()->showLastPage();
    series.showCount();
    return series.count() > 0;
}

bool deleteLast(EntryArea& entry, SeriesBlock& series, Direction listDirection) {
    // The last remaining entry of a list cannot be deleted this way.
    if (series.count() >= 2) {
        series.deleteLast();
        entry.setLastTwo(entry.n2Text(), noNumber());
    }
    entry.select(listDirection);
    series.showCount();
    return series.count() > 0;
}

bool deleteSelected(SeriesBlock& series) {
    if (series.count() >= 2) {
        if (const auto row = series.selectedRow())
            series.deleteAt(*row);
    }
    series.selectFirst();
    series.showCount();
    return series.count() > 0;
}

} // namespace rotamind::recording
