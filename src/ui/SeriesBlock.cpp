#include "ui/SeriesBlock.h"

#include "ui/Controls.h"
#include "ui/Palette.h"
#include "ui/SpinListModel.h"
#include "wheel/Wheel.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolButton>

#include <vector>

namespace rotamind {

namespace {
// The class a chart point stands for. Only a loaded file can bring an item
// that is no class; it is read as an integer like any other, 0 when it is none.
int pointValue(const QString& item) {
    if (const auto distanceClass = classFromText(item))
        return *distanceClass;
    return item.toInt();
}
} // namespace

SeriesBlock::SeriesBlock(QWidget* window, const SeriesBlockSetup& setup) : QObject(window) {
    const int top = setup.top;
    m_chart = new DistanceChart(setup.chartStyle, window);
    m_chart->setObjectName(setup.chartName);
    m_chart->setGeometry(5, top, 360, 240);

    m_model = new SpinListModel(this);
    // A one-column table rather than a QListView: a list view lays out every
    // row again after each append, a table's fixed-height rows cost nothing,
    // so a session of 100,000 launches registers as fast as a short one.
    m_list = new QTableView(window);
    m_list->setObjectName(setup.listName);
    m_list->setModel(m_model);
    m_list->horizontalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setMinimumSectionSize(1);
    m_list->verticalHeader()->setDefaultSectionSize(13);
    m_list->setShowGrid(false);
    m_list->setWordWrap(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setFont(palette::windowFont());
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    palette::setBackground(m_list, setup.listBackground);
    palette::setBackground(m_list->viewport(), setup.listBackground);
    m_list->setGeometry(368, top, 33, 161);
    connect(m_list, &QTableView::doubleClicked, this, &SeriesBlock::itemDoubleClicked);

    m_count = controls::makeLabel(window, {.name = setup.countName,
                                           .text = QStringLiteral("0"),
                                           .rect = {368, top + 166, 33, 13},
                                           .background = setup.countBackground,
                                           .foreground = setup.countForeground,
                                           .bold = true,
                                           .align = Qt::AlignCenter});

    m_delete = controls::makeIconButton(window, setup.deleteName, setup.deleteIcon,
                                        {368, top + 186, 33, 25}, setup.deleteHint);
    m_previous = controls::makeIconButton(window, setup.previousName,
                                          QStringLiteral("page-previous"), {368, top + 216, 16, 25},
                                          QStringLiteral("Pagina del grafico precedente"));
    m_next = controls::makeIconButton(window, setup.nextName, QStringLiteral("page-next"),
                                      {385, top + 216, 16, 25},
                                      QStringLiteral("Pagina del grafico successiva"));
}

void SeriesBlock::append(const QString& classText) {
    m_chart->appendPoint(pointValue(classText));
    m_model->append(classText);
}

void SeriesBlock::deleteLast() {
    const qsizetype last = m_model->count() - 1;
    if (last < 0)
        return;
    m_model->removeAt(last);
    m_chart->deletePointAt(last);
}

void SeriesBlock::deleteAt(qsizetype row) {
    m_model->removeAt(row);
    rebuildChart();
}

void SeriesBlock::clear() {
    m_chart->clearPoints();
    m_model->clear();
}

void SeriesBlock::replaceAll(const QStringList& items) {
    m_model->replaceAll(items);
    rebuildChart();
}

std::span<const QString> SeriesBlock::items() const {
    return m_model->items();
}

qsizetype SeriesBlock::count() const {
    return m_model->count();
}

std::optional<qsizetype> SeriesBlock::selectedRow() const {
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first().row();
}

void SeriesBlock::selectFirst() {
    if (m_model->count() == 0)
        return;
    const QModelIndex first = m_model->index(0);
    QItemSelectionModel* selection = m_list->selectionModel();
    if (selection->currentIndex() == first && selection->isSelected(first))
        return;
    selection->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
    m_list->scrollTo(first);
}

void SeriesBlock::showCount() {
    m_count->setText(QString::number(m_model->count()));
}

void SeriesBlock::rebuildChart() {
    std::vector<int> values;
    values.reserve(size_t(m_model->count()));
    for (const QString& item : m_model->items())
        values.push_back(pointValue(item));
    m_chart->setPoints(values);
}

} // namespace rotamind
