#pragma once

#include "session/WorkingSession.h"

namespace rotamind {

// The entry as a launch left it, to put back: site and croupier are no part
// of a launch, so what the player has typed there since stays; and a
// selector that had no choice yet cannot be emptied on screen, so it keeps
// the one it has.
inline LaunchEntry launchFields(LaunchEntry saved, const LaunchEntry& current) {
    saved.site = current.site;
    saved.croupier = current.croupier;
    if (!saved.direction)
        saved.direction = current.direction;
    return saved;
}

} // namespace rotamind
