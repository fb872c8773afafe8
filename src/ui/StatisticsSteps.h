#pragma once

namespace rotamind {

class ClassicStatsGrid;
class LengthStatsGrid;
class SeriesBlock;

// The steps of a window's statistics chain (classic, index, lengths, length
// index), each from one series into one grid. A step never runs on an empty
// series and then answers false, so the window stops its chain there.
namespace statistics {

// Selects the first item and shows the classic statistics of the series.
bool showClassic(SeriesBlock& series, ClassicStatsGrid& grid);
// The index column of the classic statistics, for the series' launch count.
bool showClassicIndex(const SeriesBlock& series, ClassicStatsGrid& grid);
// Selects the first item and shows the length statistics of the series.
bool showLengths(SeriesBlock& series, LengthStatsGrid& grid);
// The index column of the length statistics, for the series' launch count.
bool showLengthIndex(const SeriesBlock& series, LengthStatsGrid& grid);

} // namespace statistics
} // namespace rotamind
