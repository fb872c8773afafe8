#pragma once

#include "analysis/EvidenceTrace.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <vector>

namespace rotamind {

// The evidence of each series over its launches, on a log scale, with the
// page's lines at ×20 and ×100. Each series hands over its trace of a few
// hundred points, so a launch costs the same to draw at any length.
class EvidenceChart final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EvidenceChart)

public:
    explicit EvidenceChart(QWidget* parent = nullptr);

    // Series `index` (0 or 1): its trace, its launches so far and its evidence
    // now (log10), drawn in `colour`.
    void setSeries(std::size_t index, const analysis::EvidenceTrace& trace, std::int64_t spins,
                   double log10Evidence, const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Line {
        std::vector<analysis::EvidenceTrace::Point> points;
        QColor colour;
    };
    std::array<Line, 2> m_lines;
};

} // namespace rotamind
