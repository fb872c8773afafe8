#include "stats/SeriesStats.h"

// Not built yet.
