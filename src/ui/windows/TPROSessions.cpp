// The session area of the PRO window: saving and loading each series, and the
// automatic-save dialog.
#include "storage/SaveName.h"
#include "ui/chart/DistanceChart.h"
#include "ui/toolkit/ColourSigns.h"
#include "ui/toolkit/Palette.h"
#include "ui/views/ClassicStatsGrid.h"
#include "ui/views/LengthStatsGrid.h"
#include "ui/views/SeriesBlock.h"
#include "ui/views/SessionCommands.h"
#include "ui/views/SiteFields.h"
#include "ui/views/WindowActions.h"
#include "ui/windows/ProAutoSaveSource.h"
#include "ui/windows/TPRO.h"
#include "ui/windows/TSALVA.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
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
    if (m_autoSave)
        disconnect(m_autoSave, &TSALVA::sessionWritten, this, nullptr);
    m_autoSave = dialog;
    if (!dialog)
        return;
    // A series written by automatic saving is saved as it is now.
    connect(dialog, &TSALVA::sessionWritten, this,
            [this](int index) { m_session.noteSaved(m_session.seriesAt(index)); });
    dialog->setNoticeWindow(this);
    // The narrow window has room for a strip between the two series' columns
    // and no more: lime after a tick that saved, red after one that did not,
    // the time and the reason in its hint.
    auto* indicator = new QLabel(this);
    indicator->setObjectName(QStringLiteral("UltimoSalvataggio"));
    indicator->setGeometry(368, 370, 33, 5);
    indicator->setAutoFillBackground(true);
    indicator->hide();
    connect(dialog, &TSALVA::lastSaveReported, indicator,
            [indicator](const QString& status, bool saved) {
                palette::setWindowColour(indicator, saved ? palette::kLime : palette::kRed);
                setSign(indicator, !saved, SignStyle::Hatch);
                indicator->setToolTip(status);
                indicator->setAccessibleName(status);
                indicator->show();
            });
}

const AutoSaveSource& TPRO::autoSaveSource() const {
    return *m_autoSaveSource;
}

void TPRO::Button5Click() {
    saveSeries(*m_saveClockwiseSession,
               QCoreApplication::translate("TPRO", "Rotamind Pro - Salva sessione SPIN ORARI"),
               sessionSuffix(SeriesFile::ProClockwise), m_session.seriesFor(Direction::Clockwise));
}

void TPRO::Button9Click() {
    saveSeries(*m_saveCounterSession,
               QCoreApplication::translate("TPRO", "Rotamind Pro - Salva sessione SPIN ANTIORARI"),
               sessionSuffix(SeriesFile::ProCounterClockwise),
               m_session.seriesFor(Direction::CounterClockwise));
}

void TPRO::Button3Click() {
    saveChart(*m_saveClockwiseChart,
              QCoreApplication::translate("TPRO", "Rotamind Pro - Salva GRAFICO SPIN ORARI"),
              chartSuffix(SeriesFile::ProClockwise), *m_clockwise);
}

void TPRO::Button10Click() {
    // The counter-clockwise chart has always proposed its session's suffix,
    // without "GRAFICO"; the dialog's default extension still makes it a .bmp.
    saveChart(*m_saveCounterChart,
              QCoreApplication::translate("TPRO", "Rotamind Pro - Salva GRAFICO SPIN ANTIORARI"),
              sessionSuffix(SeriesFile::ProCounterClockwise), *m_counterClockwise);
}

void TPRO::Button8Click() {
    actions::loadSeries(*m_commands, this, *m_loadClockwise, m_session,
                        m_session.seriesFor(Direction::Clockwise));
}

void TPRO::Button1Click() {
    actions::loadSeries(*m_commands, this, *m_loadCounter, m_session,
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
