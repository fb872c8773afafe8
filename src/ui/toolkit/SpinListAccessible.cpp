#include "ui/toolkit/SpinListAccessible.h"

#include "ui/toolkit/SpinListView.h"

#include <QItemSelectionModel>
#include <QPointer>
#include <QWindow>

namespace rotamind {

namespace {

// One row of the list. It holds the row, not the launch: after a delete the
// row reads what now stands there, as the list shows it.
class SpinListItem final : public QAccessibleInterface {
public:
    SpinListItem(SpinListView* view, int row) : m_view(view), m_row(row) {}

    int row() const { return m_row; }

    bool isValid() const override {
        return m_view && m_view->model() && m_row < m_view->model()->rowCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_view.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && isValid() ? m_view->spokenRow(m_row) : QString();
    }

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect shown = m_view->visualRect(index());
        return {m_view->viewport()->mapToGlobal(shown.topLeft()), shown.size()};
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.selectable = true;
        state.focusable = true;
        const QModelIndex at = index();
        state.selected = m_view->selectionModel() && m_view->selectionModel()->isSelected(at);
        state.focused = m_view->hasFocus() && m_view->currentIndex() == at;
        state.invisible = !m_view->visualRect(at).intersects(m_view->viewport()->rect());
        return state;
    }

private:
    QModelIndex index() const { return m_view->model()->index(m_row, 0, m_view->rootIndex()); }

    QPointer<SpinListView> m_view;
    int m_row;
};

QAccessibleInterface* spinListFactory(const QString& className, QObject* object) {
    auto* view = qobject_cast<SpinListView*>(object);
    if (view && className == QLatin1String(view->metaObject()->className()))
        return new SpinListAccessible(view);
    return nullptr;
}

} // namespace

SpinListAccessible::SpinListAccessible(SpinListView* view)
    : QAccessibleWidget(view, QAccessible::List) {}

SpinListAccessible::~SpinListAccessible() {
    for (const auto& [row, id] : m_items)
        QAccessible::deleteAccessibleInterface(id);
}

void SpinListAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(spinListFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

SpinListView* SpinListAccessible::view() const {
    return static_cast<SpinListView*>(widget());
}

int SpinListAccessible::childCount() const {
    return view()->model() ? view()->model()->rowCount(view()->rootIndex()) : 0;
}

QAccessibleInterface* SpinListAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto found = m_items.find(index); found != m_items.end())
        if (QAccessibleInterface* made = QAccessible::accessibleInterface(found->second))
            return made;
    auto* item = new SpinListItem(view(), index);
    m_items[index] = QAccessible::registerAccessibleInterface(item);
    return item;
}

int SpinListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const SpinListItem*>(child);
    return item && item->parent() == this ? item->row() : -1;
}

QAccessibleInterface* SpinListAccessible::childAt(int x, int y) const {
    const QModelIndex at = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return at.isValid() ? child(at.row()) : nullptr;
}

} // namespace rotamind
