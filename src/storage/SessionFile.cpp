#include "storage/SessionFile.h"

// Not built yet.
