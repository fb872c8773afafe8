#include "stats/Fixed4.h"

// Not built yet.
