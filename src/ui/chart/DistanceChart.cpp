#include "ui/chart/DistanceChart.h"

#include "session/Series.h"
#include "ui/chart/DistanceChartPainter.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace rotamind {

namespace {

constexpr QSize kChartSize(360, 240);

int pageOfIndex(qsizetype index) {
    return static_cast<int>(index / DistanceChart::kPointsPerPage) + 1;
}

} // namespace

struct DistanceChart::Private {
    explicit Private(const Style& s) : painter(s) {}

    DistanceChartPainter painter;
    const Series* series = nullptr;
    int currentPage = 1;
    int shownBeforeRemoval = 1;
    double pan = 0; // x units added to the page's range while dragged
    bool dragging = false;
    double dragStartX = 0; // pixels
    double dragStartPan = 0;
};

DistanceChart::DistanceChart(const Style& style, QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>(style)) {
    // Other parts of the program find the series by name, as they find controls.
    auto* series = new QObject(this);
    series->setObjectName(style.seriesName);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // The background gradient covers every pixel; no need to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kChartSize);
}

DistanceChart::~DistanceChart() = default;

QSize DistanceChart::sizeHint() const {
    return kChartSize;
}

void DistanceChart::setSeries(const Series* series) {
    if (d->series)
        disconnect(d->series, nullptr, this, nullptr);
    d->series = series;
    if (series) {
        connect(series, &Series::rowsInserted, this,
                [this](const QModelIndex&, int first, int last) { pointsInserted(first, last); });
        connect(series, &Series::rowsAboutToBeRemoved, this,
                [this] { d->shownBeforeRemoval = displayedPage(); });
        connect(series, &Series::rowsRemoved, this,
                [this](const QModelIndex&, int first, int) { pointsRemoved(first); });
        connect(series, &Series::modelReset, this, &DistanceChart::viewChanged);
        connect(series, &QObject::destroyed, this, [this] { d->series = nullptr; });
    }
    viewChanged();
}

void DistanceChart::pointsInserted(int first, int last) {
    // A launch that lands on a page nobody looks at costs no drawing. A
    // dragged view may show a neighbouring page, so it is always redrawn.
    const int shown = displayedPage();
    if ((pageOfIndex(first) <= shown && pageOfIndex(last) >= shown) || d->pan != 0)
        viewChanged();
}

void DistanceChart::pointsRemoved(int first) {
    // Every point after the deleted one moves one step left, so pages from the
    // deleted point's page on change; earlier pages stay as drawn.
    if (pageOfIndex(first) <= d->shownBeforeRemoval || displayedPage() != d->shownBeforeRemoval ||
        d->pan != 0)
        viewChanged();
}

qsizetype DistanceChart::pointCount() const {
    return d->series ? d->series->count() : 0;
}

int DistanceChart::pointAt(qsizetype index) const {
    if (index < 0 || index >= pointCount())
        return 0;
    return d->series->classAt(index);
}

int DistanceChart::currentPage() const {
    return d->currentPage;
}

void DistanceChart::setCurrentPage(int page) {
    const int clamped = std::clamp(page, 1, pageCount());
    if (clamped == d->currentPage)
        return;
    const int shownBefore = displayedPage();
    d->currentPage = clamped;
    if (displayedPage() != shownBefore)
        viewChanged();
    emit currentPageChanged(clamped);
}

int DistanceChart::pageCount() const {
    return std::max(1, static_cast<int>((pointCount() + kPointsPerPage - 1) / kPointsPerPage));
}

int DistanceChart::displayedPage() const {
    return std::min(d->currentPage, pageCount());
}

DistanceChart::XRange DistanceChart::visibleXRange() const {
    const qsizetype first = qsizetype(displayedPage() - 1) * kPointsPerPage;
    const qsizetype onPage = std::clamp<qsizetype>(pointCount() - first, 0, kPointsPerPage);
    // A short last page keeps the spacing of a full one instead of stretching;
    // a page of one point (or none) gets a full page's width, drawn from the left.
    double width = kPointsPerPage - 1;
    if (onPage > 1 && onPage < kPointsPerPage)
        width = double(onPage - 1) * kPointsPerPage / double(onPage);
    return XRange{double(first) + d->pan, double(first) + width + d->pan};
}

namespace {

DistanceChartFrame makeFrame(const DistanceChart& chart, const Series* series) {
    const DistanceChart::XRange range = chart.visibleXRange();
    std::span<const std::int8_t> points;
    if (series)
        points = series->classes();
    // Whatever the range shows, not only the page: a view dragged sideways
    // shows the launches of the next page. The point just beyond each edge
    // comes too, so that the line runs on to the edge.
    const auto size = static_cast<qsizetype>(points.size());
    const qsizetype first = std::clamp<qsizetype>(qsizetype(std::floor(range.min)), 0, size);
    const qsizetype end = std::clamp<qsizetype>(qsizetype(std::ceil(range.max)) + 1, first, size);
    return DistanceChartFrame{chart.size(), range.min, range.max, first,
                              points.subspan(std::size_t(first), std::size_t(end - first))};
}

} // namespace

QPointF DistanceChart::mapToPixel(double x, double y) const {
    return d->painter.map(makeFrame(*this, d->series), x, y);
}

QImage DistanceChart::renderPage() const {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    d->painter.paint(painter, makeFrame(*this, d->series));
    return image;
}

void DistanceChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    d->painter.paint(painter, makeFrame(*this, d->series));
}

void DistanceChart::viewChanged() {
    // A pan belongs to the picture it was made on; new data or a new page starts unpanned.
    d->pan = 0;
    d->dragging = false;
    update();
}

void DistanceChart::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    d->dragging = true;
    d->dragStartX = event->position().x();
    d->dragStartPan = d->pan;
    event->accept();
}

void DistanceChart::mouseMoveEvent(QMouseEvent* event) {
    if (!d->dragging || !(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    const XRange range = visibleXRange();
    const double plotWidth = d->painter.plotRect(size()).width();
    const double unitsPerPixel = (range.max - range.min) / plotWidth;
    // Dragging right brings earlier x values into view, as if moving the paper.
    d->pan = d->dragStartPan - (event->position().x() - d->dragStartX) * unitsPerPixel;
    update();
    event->accept();
}

void DistanceChart::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    d->dragging = false; // the view stays where it was dragged to
    event->accept();
}

} // namespace rotamind
