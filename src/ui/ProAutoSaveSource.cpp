#include "ui/ProAutoSaveSource.h"

#include "ui/DistanceChart.h"
#include "ui/SeriesBlock.h"
#include "ui/TPRO.h"

namespace rotamind {

QStringList ProAutoSaveSource::clockwiseItems() const {
    return m_window.session().seriesFor(Direction::Clockwise).texts();
}

QStringList ProAutoSaveSource::counterClockwiseItems() const {
    return m_window.session().seriesFor(Direction::CounterClockwise).texts();
}

QImage ProAutoSaveSource::clockwiseChart() const {
    return m_window.seriesBlock(Direction::Clockwise).chart()->renderPage();
}

QImage ProAutoSaveSource::counterClockwiseChart() const {
    return m_window.seriesBlock(Direction::CounterClockwise).chart()->renderPage();
}

QString ProAutoSaveSource::site() const {
    return m_window.session().entry().site;
}

QString ProAutoSaveSource::croupier() const {
    return m_window.session().entry().croupier;
}

} // namespace rotamind
