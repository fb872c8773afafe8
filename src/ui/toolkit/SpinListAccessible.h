#pragma once

#include <QAccessibleWidget>

#include <map>

namespace rotamind {

class SpinListView;

// What a screen reader finds in a spin list: a list whose items are its rows,
// each named as the view names it ("Lancio 12: classe -3"). The items are made
// only for the rows a reader asks about, so a list of millions of launches
// costs nothing until then.
class SpinListAccessible final : public QAccessibleWidget {
public:
    explicit SpinListAccessible(SpinListView* view);
    ~SpinListAccessible() override;
    Q_DISABLE_COPY_MOVE(SpinListAccessible)

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // Makes every SpinListView answer with this interface; once is enough.
    static void install();

private:
    SpinListView* view() const;

    mutable std::map<int, QAccessible::Id> m_items; // row → registered item
};

} // namespace rotamind
