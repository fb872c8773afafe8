#pragma once

#include <cstdint>

namespace rotamind::analysis {

// The shares of a class still compatible with a series, 0..1.
struct ShareInterval {
    double low = 0;
    double high = 1;
};

// A 95 % confidence sequence for the share of one class from `count` of its
// launches among `launches` (0 <= count <= launches): true at every launch at
// once with probability at least 95 %, so it may be read after each one. It
// holds the shares p for which a bettor on "the share is not p", mixing over
// every other share by the prior Beta(1, 5) (one class of a flat prior over
// six), has not yet multiplied the stake by 20.
ShareInterval shareInterval(std::int64_t count, std::int64_t launches);

// Launches with a class a series needs, on a typical path, before its class
// bias test alone carries `evidence` (> 1), when one class comes with
// `share` (0..1, not 1/6) and the other five share the rest evenly.
std::int64_t launchesToDetect(double share, double evidence);

} // namespace rotamind::analysis
