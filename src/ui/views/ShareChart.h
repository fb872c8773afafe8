#pragma once

#include "analysis/ShareBounds.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <cstdint>

namespace rotamind {

// The share of each of the six classes in each series, with the band its
// confidence sequence still allows, against the fair sixth.
class ShareChart final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShareChart)

public:
    explicit ShareChart(QWidget* parent = nullptr);

    // Series `index` (0 or 1): per row of kClasses its observed share and
    // band (0..1), none drawn before the first launch.
    void setSeries(std::size_t index, const std::array<double, 6>& shares,
                   const std::array<analysis::ShareInterval, 6>& bands, bool any,
                   const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Column {
        std::array<double, 6> shares{};
        std::array<analysis::ShareInterval, 6> bands{};
        bool any = false;
        QColor colour;
    };
    std::array<Column, 2> m_columns;
};

} // namespace rotamind
