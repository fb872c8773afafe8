#include "analysis/EvidenceTrace.h"

namespace rotamind::analysis {

void EvidenceTrace::record(std::int64_t launch, double log10Evidence) {
    if (!wants(launch))
        return;
    if (m_points.size() == kCapacity) {
        // Keep the launches that are multiples of the doubled spacing.
        std::size_t kept = 0;
        for (std::size_t i = 1; i < m_points.size(); i += 2)
            m_points[kept++] = m_points[i];
        m_points.resize(kept);
        m_spacing *= 2;
        if (!wants(launch))
            return;
    }
    m_points.push_back({launch, log10Evidence});
}

void EvidenceTrace::reserveFor(std::int64_t launches) {
    clear();
    // The trace thins when a point past kCapacity is wanted, so it ends with
    // the least spacing that leaves at most kCapacity multiples.
    while (launches / m_spacing > static_cast<std::int64_t>(kCapacity))
        m_spacing *= 2;
}

} // namespace rotamind::analysis
