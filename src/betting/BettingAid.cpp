#include "betting/BettingAid.h"

// Not built yet.
