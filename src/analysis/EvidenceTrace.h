#pragma once

#include <cstdint>
#include <vector>

namespace rotamind::analysis {

// The evidence of a series over its launches, for a picture a couple of
// hundred pixels wide: at most kCapacity points, evenly spaced. When it fills, every other point
// goes and the spacing doubles, so a launch costs constant time on average and a picture of a
// million launches draws as fast as one of a hundred.
class EvidenceTrace final {
public:
    static constexpr std::size_t kCapacity = 256;

    struct Point {
        std::int64_t launch; // 1-based, in launches of the series
        double log10Evidence;
    };

    // Whether the evidence after launch `launch` (1, 2, 3, ... in turn) is
    // to be kept; only then need it be worked out and recorded.
    bool wants(std::int64_t launch) const { return (launch & (m_spacing - 1)) == 0; }
    void record(std::int64_t launch, double log10Evidence);
    void clear() { *this = EvidenceTrace(); }
    // Begins an empty trace with the spacing it will have after `launches`
    // launches, so that a rebuild works out only the points that stay.
    void reserveFor(std::int64_t launches);

    const std::vector<Point>& points() const { return m_points; }

private:
    std::vector<Point> m_points;
    std::int64_t m_spacing = 1; // a power of two
};

} // namespace rotamind::analysis
