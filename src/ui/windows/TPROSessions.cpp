// The session area of the PRO window: saving and loading each series, and the
// automatic-save dialog.
#include "ui/chart/DistanceChart.h"
#include "ui/parts/ClassicStatsGrid.h"
#include "ui/parts/LengthStatsGrid.h"
#include "ui/parts/SeriesBlock.h"
#include "ui/parts/SessionCommands.h"
#include "ui/parts/SiteFields.h"
#include "ui/parts/WindowActions.h"
#include "ui/windows/ProAutoSaveSource.h"
#include "ui/windows/TPRO.h"
#include "ui/windows/TSALVA.h"

#include <QFileDialog>
#include <QLineEdit>

namespace rotamind {

void TPRO::buildSessionDialogs() {
    m_autoSaveSource = std::make_unique<ProAutoSaveSource>(*this);
    m_saveClockwiseChart = createChartSaveDialog(this, QStringLiteral("Save1"));
    m_saveClockwiseSession = createSessionSaveDialog(this, QStringLiteral("Save2"));
    m_saveCounterSession = createSessionSaveDialog(this, QStringLiteral("Save3"));
    m_saveCounterChart = createChartSaveDialog(this, QStringLiteral("Save4"));
    m_loadClockwise = createOpenDialog(this, QStringLiteral("Open1"));
    m_loadCounter = createOpenDialog(this, QStringLiteral("Open2"));
}

void TPRO::setAutoSaveDialog(TSALVA* dialog) {
    m_autoSave = dialog;
}

const AutoSaveSource& TPRO::autoSaveSource() const {
    return *m_autoSaveSource;
}

void TPRO::Button5Click() {
    saveSeries(*m_saveClockwiseSession, QStringLiteral("Rotamind Pro - Salva sessione SPIN ORARI"),
               QStringLiteral(" - Spin ORARI"), m_session.seriesFor(Direction::Clockwise));
}

void TPRO::Button9Click() {
    saveSeries(
        *m_saveCounterSession, QStringLiteral("Rotamind Pro - Salva sessione SPIN ANTIORARI"),
        QStringLiteral(" - Spin ANTIORARI"), m_session.seriesFor(Direction::CounterClockwise));
}

void TPRO::Button3Click() {
    saveChart(*m_saveClockwiseChart, QStringLiteral("Rotamind Pro - Salva GRAFICO SPIN ORARI"),
              QStringLiteral(" - GRAFICO Spin ORARI"), *m_clockwise);
}

void TPRO::Button10Click() {
    // The counter-clockwise chart has always proposed its session's suffix,
    // without "GRAFICO"; the dialog's default extension still makes it a .bmp.
    saveChart(*m_saveCounterChart, QStringLiteral("Rotamind Pro - Salva GRAFICO SPIN ANTIORARI"),
              QStringLiteral(" - Spin ANTIORARI"), *m_counterClockwise);
}

void TPRO::Button8Click() {
    actions::loadSeries(*m_commands, this, *m_loadClockwise, history(),
                        m_session.seriesFor(Direction::Clockwise));
}

void TPRO::Button1Click() {
    actions::loadSeries(*m_commands, this, *m_loadCounter, history(),
                        m_session.seriesFor(Direction::CounterClockwise));
}

void TPRO::SpeedButton10Click() {
    if (!m_autoSave)
        return;
    m_autoSave->show();
    m_autoSave->raise();
    m_autoSave->activateWindow();
}

} // namespace rotamind
