#include "ui/views/SeriesBlock.h"

#include "session/Series.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/Palette.h"
#include "ui/toolkit/SpinListView.h"

#include <QCoreApplication>
#include <QLabel>
#include <QToolButton>

namespace rotamind {

SeriesBlock::SeriesBlock(QWidget* window, Series& series, const SeriesBlockSetup& setup)
    : QObject(window), m_series(series) {
    const int top = setup.top;
    m_chart = new DistanceChart(setup.chartStyle, window);
    m_chart->setObjectName(setup.chartName);
    m_chart->setGeometry(5, top, 360, 240);
    m_chart->setSeries(&series);

    // Rows of the spin lists are 13 pixels high.
    m_list = new SpinListView(13, window);
    m_list->setObjectName(setup.listName);
    m_list->setModel(&series);
    m_list->setSpokenRow(QCoreApplication::translate("SeriesBlock", "Lancio %1: classe %2"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setFont(palette::windowFont());
    palette::setBackground(m_list, setup.listBackground);
    palette::setBackground(m_list->viewport(), setup.listBackground);
    m_list->setGeometry(368, top, 33, 161);
    connect(m_list, &SpinListView::doubleClicked, this, &SeriesBlock::itemDoubleClicked);
    m_count = controls::makeLabel(window, {.name = setup.countName,
                                           .text = QStringLiteral("0"),
                                           .rect = {368, top + 166, 33, 13},
                                           .background = setup.countBackground,
                                           .foreground = setup.countForeground,
                                           .bold = true,
                                           .align = Qt::AlignCenter});

    connect(controls::makeIconButton(window, setup.deleteName, setup.deleteIcon,
                                     {368, top + 186, 33, 25}, setup.deleteHint),
            &QToolButton::clicked, this, &SeriesBlock::deleteClicked);
    connect(controls::makeIconButton(
                window, setup.previousName, QStringLiteral("page-previous"),
                {368, top + 216, 16, 25},
                QCoreApplication::translate("SeriesBlock", "Pagina del grafico precedente")),
            &QToolButton::clicked, this, &SeriesBlock::previousPageClicked);
    connect(controls::makeIconButton(
                window, setup.nextName, QStringLiteral("page-next"), {385, top + 216, 16, 25},
                QCoreApplication::translate("SeriesBlock", "Pagina del grafico successiva")),
            &QToolButton::clicked, this, &SeriesBlock::nextPageClicked);

    connect(&series, &Series::statisticsChanged, this, &SeriesBlock::statisticsChanged);
    if (setup.lastPageAfterLaunch)
        connect(&series, &Series::launchRegistered, m_chart, &DistanceChart::showLastPage);
    connect(&series, &Series::loaded, m_chart, [chart = m_chart, last = setup.lastPageAfterLoad] {
        last ? chart->showLastPage() : chart->setCurrentPage(1);
    });
    // The player checks the launch just typed: the list shows its end.
    for (const auto signal : {&Series::launchRegistered, &Series::loaded})
        connect(&series, signal, m_list, [this] {
            if (!m_series.isEmpty())
                m_list->scrollTo(m_series.index(int(m_series.count() - 1)));
        });
}

std::optional<qsizetype> SeriesBlock::selectedRow() const {
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first().row();
}

void SeriesBlock::statisticsChanged() {
    m_count->setText(QString::number(m_series.count()));
    if (m_series.isEmpty())
        return;
    // The first item is selected after every computation; the list stays
    // where it is, at the newest launch after a registration or a load.
    const QModelIndex first = m_series.index(0);
    QItemSelectionModel* selection = m_list->selectionModel();
    if (selection->currentIndex() == first && selection->isSelected(first))
        return;
    selection->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
}

} // namespace rotamind
