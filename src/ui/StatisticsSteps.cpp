#include "ui/StatisticsSteps.h"

#include "stats/SeriesStats.h"
#include "ui/ClassicStatsGrid.h"
#include "ui/LengthStatsGrid.h"
#include "ui/SeriesBlock.h"

namespace rotamind::statistics {

bool showClassic(SeriesBlock& series, ClassicStatsGrid& grid) {
    const qsizetype launches = series.count();
    if (launches == 0)
        return false;
    series.selectFirst();
    grid.showClassic(computeClassicStats(series.items()), launches);
    return true;
}

bool showClassicIndex(const SeriesBlock& series, ClassicStatsGrid& grid) {
    if (series.count() == 0)
        return false;
    grid.showIndex(series.count());
    return true;
}

bool showLengths(SeriesBlock& series, LengthStatsGrid& grid) {
    if (series.count() == 0)
        return false;
    series.selectFirst();
    grid.showLengths(computeLengthStats(series.items()));
    return true;
}

bool showLengthIndex(const SeriesBlock& series, LengthStatsGrid& grid) {
    if (series.count() == 0)
        return false;
    grid.showIndex(series.count());
    return true;
}

} // namespace rotamind::statistics
