// The session area of the PRO window: saving and loading each series, and the
// automatic-save dialog.
#include "ui/ClassicStatsGrid.h"
#include "ui/DistanceChart.h"
#include "ui/LengthStatsGrid.h"
#include "ui/ProAutoSaveSource.h"
#include "ui/SeriesBlock.h"
#include "ui/SessionCommands.h"
#include "ui/SiteFields.h"
#include "ui/TPRO.h"
#include "ui/TSALVA.h"
#include "ui/WindowActions.h"

#include <QFileDialog>
#include <QLineEdit>

namespace rotamind {

namespace {

LazyFileDialog* makeSessionDialog(QWidget* window, const QString& name) {
    return createSaveDialog(window, name, QStringLiteral("File di testo"), QStringLiteral("*.txt"),
                            QStringLiteral("txt"));
}

LazyFileDialog* makeChartDialog(QWidget* window, const QString& name) {
    return createSaveDialog(window, name, QStringLiteral("Immagine bitmap"),
                            QStringLiteral("*.bmp"), QStringLiteral("bmp"));
}

} // namespace

void TPRO::buildSessionDialogs() {
    m_commands = std::make_unique<SessionCommands>();
    m_autoSaveSource = std::make_unique<ProAutoSaveSource>(*this);
    m_save1 = makeChartDialog(this, QStringLiteral("Save1"));
    m_save2 = makeSessionDialog(this, QStringLiteral("Save2"));
    m_save3 = makeSessionDialog(this, QStringLiteral("Save3"));
    m_save4 = makeChartDialog(this, QStringLiteral("Save4"));
    m_open1 = createOpenDialog(this, QStringLiteral("Open1"));
    m_open2 = createOpenDialog(this, QStringLiteral("Open2"));
}

void TPRO::setAutoSaveDialog(TSALVA* dialog) {
    m_autoSave = dialog;
}

const AutoSaveSource& TPRO::autoSaveSource() const {
    return *m_autoSaveSource;
}

void TPRO::Button5Click() {
    m_commands->saveSession(
        this, *m_save2,
        m_site->saveRequest(QStringLiteral("Rotamind Pro - Salva sessione SPIN ORARI"),
                            QStringLiteral(" - Spin ORARI")),
        m_clockwise->items());
}

void TPRO::Button9Click() {
    m_commands->saveSession(
        this, *m_save3,
        m_site->saveRequest(QStringLiteral("Rotamind Pro - Salva sessione SPIN ANTIORARI"),
                            QStringLiteral(" - Spin ANTIORARI")),
        m_counterClockwise->items());
}

void TPRO::Button3Click() {
    m_commands->saveChart(
        this, *m_save1,
        m_site->saveRequest(QStringLiteral("Rotamind Pro - Salva GRAFICO SPIN ORARI"),
                            QStringLiteral(" - GRAFICO Spin ORARI")),
        *m_clockwise->chart());
}

void TPRO::Button10Click() {
    // The counter-clockwise chart has always proposed its session's suffix,
    // without "GRAFICO"; the dialog's default extension still makes it a .bmp.
    m_commands->saveChart(
        this, *m_save4,
        m_site->saveRequest(QStringLiteral("Rotamind Pro - Salva GRAFICO SPIN ANTIORARI"),
                            QStringLiteral(" - Spin ANTIORARI")),
        *m_counterClockwise->chart());
}

void TPRO::Button8Click() {
    loadSeries(Direction::Clockwise, *m_open1);
}

void TPRO::Button1Click() {
    loadSeries(Direction::CounterClockwise, *m_open2);
}

void TPRO::loadSeries(Direction direction, QFileDialog& dialog) {
    const bool clockwise = direction == Direction::Clockwise;
    // As after a registration, the chart shows the latest launches.
    switch (actions::loadSeries(*m_commands, this, dialog, series(direction),
                                actions::PageAfterLoad::Last)) {
    case actions::LoadOutcome::Filled:
        clockwise ? STATSClick() : stats2Click();
        break;
    case actions::LoadOutcome::Empty:
        // The chain never runs on an empty list; without this the labels would
        // go on describing the series the file replaced.
        (clockwise ? m_classicClockwise : m_classicCounter)->reset();
        (clockwise ? m_lengthsClockwise : m_lengthsCounter)->reset();
        break;
    case actions::LoadOutcome::NothingLoaded:
        break;
    }
}

void TPRO::SpeedButton10Click() {
    if (!m_autoSave)
        return;
    m_autoSave->show();
    m_autoSave->raise();
    m_autoSave->activateWindow();
}

} // namespace rotamind
