#pragma once

#include <QAbstractItemView>

namespace rotamind {

// A one-column list of rows of one fixed height. Every geometry is a
// multiplication, so appending to a list of millions of launches costs what
// it costs on a short one, and nothing per row is kept: a QTableView keeps a
// header section per row and walks them all after each insertion.
class SpinListView final : public QAbstractItemView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpinListView)

public:
    explicit SpinListView(int rowHeight, QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    int rowHeight() const { return m_rowHeight; }

    // What a screen reader hears of a row: `format` with %1 the row's number
    // from 1 and %2 its text, "Lancio %1: classe %2"; the text alone without one.
    void setSpokenRow(const QString& format) { m_spokenRow = format; }
    QString spokenRow(int row) const;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void paintEvent(QPaintEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void rowsInserted(const QModelIndex& parent, int first, int last) override;
    void reset() override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    int rowCount() const;
    int rowAt(int y) const; // viewport y to row, not clamped

    int m_rowHeight;
    QString m_spokenRow;
};

} // namespace rotamind
