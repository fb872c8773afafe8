#include "storage/SaveName.h"

// Not built yet.
