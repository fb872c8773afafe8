#pragma once

#include <cstdint>
#include <vector>

namespace rotamind::analysis {

// The evidence of a series over its launches, for a picture: at most
// kCapacity points, evenly spaced. When it fills, every other point goes and
// the spacing doubles, so a launch costs constant time on average and a
// picture of a million launches draws as fast as one of a hundred.
class EvidenceTrace final {
public:
    static constexpr std::size_t kCapacity = 512;

    struct Point {
        std::int64_t launch; // 1-based, in launches of the series
        double log10Evidence;
    };

    // The evidence after launch `launch` (1, 2, 3, ... in turn).
    void record(std::int64_t launch, double log10Evidence);
    void clear() { *this = EvidenceTrace(); }

    const std::vector<Point>& points() const { return m_points; }
    // The last evidence recorded, whether or not it was kept as a point.
    std::int64_t lastLaunch() const { return m_lastLaunch; }
    double lastLog10Evidence() const { return m_lastLog10Evidence; }

private:
    std::vector<Point> m_points;
    std::int64_t m_spacing = 1;
    std::int64_t m_lastLaunch = 0;
    double m_lastLog10Evidence = 0;
};

} // namespace rotamind::analysis
