#include "ui/windows/ProAutoSaveSource.h"

#include "ui/chart/DistanceChart.h"
#include "ui/views/SeriesBlock.h"
#include "ui/views/SessionCommands.h"
#include "ui/windows/TPRO.h"

namespace rotamind {

QStringList ProAutoSaveSource::clockwiseItems() const {
    return m_window.session().seriesFor(Direction::Clockwise).texts();
}

QStringList ProAutoSaveSource::counterClockwiseItems() const {
    return m_window.session().seriesFor(Direction::CounterClockwise).texts();
}

QByteArray ProAutoSaveSource::clockwiseChart() const {
    return chartBitmapBytes(m_window.seriesBlock(Direction::Clockwise).chart()->renderPage());
}

QByteArray ProAutoSaveSource::counterClockwiseChart() const {
    return chartBitmapBytes(
        m_window.seriesBlock(Direction::CounterClockwise).chart()->renderPage());
}

QString ProAutoSaveSource::site() const {
    return m_window.session().entry().site;
}

QString ProAutoSaveSource::croupier() const {
    return m_window.session().entry().croupier;
}

} // namespace rotamind
