#include "ui/ProAutoSaveSource.h"

#include "ui/DistanceChart.h"
#include "ui/SeriesBlock.h"
#include "ui/TPRO.h"

#include <QLineEdit>

namespace rotamind {

namespace {
QStringList itemsOf(const SeriesBlock& series) {
    const std::span<const QString> items = series.items();
    return QStringList(items.begin(), items.end());
}
} // namespace

QStringList ProAutoSaveSource::clockwiseItems() const {
    return itemsOf(m_window.series(Direction::Clockwise));
}

QStringList ProAutoSaveSource::counterClockwiseItems() const {
    return itemsOf(m_window.series(Direction::CounterClockwise));
}

QImage ProAutoSaveSource::clockwiseChart() const {
    return m_window.series(Direction::Clockwise).chart()->renderPage();
}

QImage ProAutoSaveSource::counterClockwiseChart() const {
    return m_window.series(Direction::CounterClockwise).chart()->renderPage();
}

QString ProAutoSaveSource::site() const {
    return m_window.siteField()->text();
}

QString ProAutoSaveSource::croupier() const {
    return m_window.croupierField()->text();
}

} // namespace rotamind
