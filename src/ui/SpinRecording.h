#pragma once

#include "wheel/Wheel.h"

#include <functional>

namespace rotamind {

class BettingAidPanel;
class EntryArea;
class SeriesBlock;

// The recording operations shared by the working windows. Which series a
// direction feeds, and which statistics chain follows, is the window's choice.
namespace recording {

// "REGISTRA": registers the entry in the selected direction through
// `registerLaunch` (unless the entry is "??" or no direction is selected),
// flips the selector (to "A" after a clockwise launch, to "O" in every other
// case), copies the entry into P and empties the entry to "??".
void pressRegister(EntryArea& entry, BettingAidPanel& aid,
                   const std::function<void(Direction)>& registerLaunch);

enum class PageTurn { LastPage, Keep };

// One launch in `direction` into `series`: shift n1 into n2 and the entry into
// n1, append the class of the pair (if any), turn the chart when asked, show
// the count. True when the list is not empty, so its statistics chain must run.
bool registerLaunch(EntryArea& entry, SeriesBlock& series, Direction direction, PageTurn turn);

// Delete the last entry: only a list of two or more loses its last item (and
// n1 steps back to n2, n2 becomes "??"); then the direction of the list is
// selected and the count shown. True when the statistics must run again.
bool deleteLast(EntryArea& entry, SeriesBlock& series, Direction listDirection);

// Delete the selected entry of a list of two or more and rebuild the chart;
// the count is shown. True when the statistics must run again.
bool deleteSelected(SeriesBlock& series);

} // namespace recording
} // namespace rotamind
