#include "ui/toolkit/SpinListView.h"

#include "ui/toolkit/SpinListAccessible.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace rotamind {

SpinListView::SpinListView(int rowHeight, QWidget* parent)
    : QAbstractItemView(parent), m_rowHeight(rowHeight) {
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(rowHeight);
    SpinListAccessible::install();
}

QString SpinListView::spokenRow(int row) const {
    const QString text = model()->index(row, 0, rootIndex()).data().toString();
    return m_spokenRow.isEmpty() ? text : m_spokenRow.arg(row + 1).arg(text);
}

void SpinListView::setModel(QAbstractItemModel* newModel) {
    if (model())
        disconnect(model(), &QAbstractItemModel::rowsRemoved, this, nullptr);
    QAbstractItemView::setModel(newModel);
    if (newModel)
        connect(newModel, &QAbstractItemModel::rowsRemoved, this, [this] {
            updateGeometries();
            viewport()->update();
        });
    updateGeometries();
}

int SpinListView::rowCount() const {
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int SpinListView::verticalOffset() const {
    return verticalScrollBar()->value();
}

int SpinListView::rowAt(int y) const {
    const int content = y + verticalOffset();
    return content < 0 ? -1 : content / m_rowHeight;
}

QRect SpinListView::visualRect(const QModelIndex& index) const {
    if (!index.isValid())
        return {};
    return {0, index.row() * m_rowHeight - verticalOffset(), viewport()->width(), m_rowHeight};
}

void SpinListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid())
        return;
    const int top = index.row() * m_rowHeight;
    const int page = viewport()->height();
    const int shown = verticalOffset();
    QScrollBar* bar = verticalScrollBar();
    switch (hint) {
    case PositionAtTop:
        bar->setValue(top);
        break;
    case PositionAtBottom:
        bar->setValue(top + m_rowHeight - page);
        break;
    case PositionAtCenter:
        bar->setValue(top - (page - m_rowHeight) / 2);
        break;
    case EnsureVisible:
        if (top < shown)
            bar->setValue(top);
        else if (top + m_rowHeight > shown + page)
            bar->setValue(top + m_rowHeight - page);
        break;
    }
}

QModelIndex SpinListView::indexAt(const QPoint& point) const {
    const int row = rowAt(point.y());
    if (row < 0 || row >= rowCount() || point.x() < 0 || point.x() >= viewport()->width())
        return {};
    return model()->index(row, 0, rootIndex());
}

QModelIndex SpinListView::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
    const int rows = rowCount();
    if (rows == 0)
        return {};
    const int current = currentIndex().isValid() ? currentIndex().row() : 0;
    const int perPage = std::max(1, viewport()->height() / m_rowHeight);
    int row = current;
    switch (action) {
    case MoveUp:
    case MovePrevious:
        row = current - 1;
        break;
    case MoveDown:
    case MoveNext:
        row = current + 1;
        break;
    case MovePageUp:
        row = current - perPage;
        break;
    case MovePageDown:
        row = current + perPage;
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = rows - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return model()->index(std::clamp(row, 0, rows - 1), 0, rootIndex());
}

void SpinListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) {
    const int rows = rowCount();
    if (rows == 0)
        return;
    const QRect area = rect.normalized();
    const int first = std::clamp(rowAt(area.top()), 0, rows - 1);
    const int last = std::clamp(rowAt(area.bottom()), 0, rows - 1);
    selectionModel()->select(
        QItemSelection(model()->index(first, 0, rootIndex()), model()->index(last, 0, rootIndex())),
        flags);
}

QRegion SpinListView::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    const QRect shown = viewport()->rect();
    for (const QItemSelectionRange& range : selection) {
        const QRect rows(0, range.top() * m_rowHeight - verticalOffset(), viewport()->width(),
                         (range.bottom() - range.top() + 1) * m_rowHeight);
        region += rows.intersected(shown);
    }
    return region;
}

void SpinListView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const int rows = rowCount();
    if (rows == 0)
        return;
    const QRect area = event->rect();
    const int first = std::max(0, rowAt(area.top()));
    const int last = std::min(rows - 1, rowAt(area.bottom()));
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex current = currentIndex();
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, 0, rootIndex());
        QStyleOptionViewItem rowOption = option;
        rowOption.rect = visualRect(index);
        if (selectionModel()->isSelected(index))
            rowOption.state |= QStyle::State_Selected;
        if (index == current && hasFocus())
            rowOption.state |= QStyle::State_HasFocus;
        itemDelegateForIndex(index)->paint(&painter, rowOption, index);
    }
}

void SpinListView::updateGeometries() {
    const int page = viewport()->height();
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(page);
    bar->setRange(0, std::max(0, rowCount() * m_rowHeight - page));
    QAbstractItemView::updateGeometries();
}

void SpinListView::scrollContentsBy(int, int dy) {
    viewport()->scroll(0, dy);
}

void SpinListView::rowsInserted(const QModelIndex& parent, int first, int last) {
    QAbstractItemView::rowsInserted(parent, first, last);
    updateGeometries();
    // Rows below the shown ones cost no drawing.
    const int shownLast = rowAt(viewport()->height() - 1);
    if (first <= shownLast)
        viewport()->update();
}

void SpinListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous);
    // The row a reader is on is the one it reads out, as in Qt's own lists.
    if (QAccessible::isActive() && current.isValid() && hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(current.row());
        QAccessible::updateAccessibility(&event);
    }
}

void SpinListView::reset() {
    QAbstractItemView::reset();
    updateGeometries();
    viewport()->update();
}

} // namespace rotamind
