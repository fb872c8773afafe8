#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include <span>

namespace rotamind {

// The items of one spin list, oldest first. The texts are the shared strings
// of classText(), so a long session costs one pointer per launch.
class SpinListModel final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpinListModel)

public:
    explicit SpinListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void append(const QString& text);
    void removeAt(qsizetype row); // out of range: nothing happens
    void clear();
    void replaceAll(const QStringList& texts);

    qsizetype count() const { return m_items.size(); }
    const QString& at(qsizetype row) const { return m_items.at(row); }
    std::span<const QString> items() const { return {m_items.constData(), size_t(m_items.size())}; }

private:
    QStringList m_items;
};

} // namespace rotamind
