#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QPersistentModelIndex>
#include <vector>

namespace platform {

// The rows the list view shows: the rows of its filter of the items
// (ShownItems) and after them the rows of other flat models (offers while
// typing), one column. Roles, flags, edits and drags are each row's own
// model's. Counts are read live, never kept: a filter that changes how many
// rows it has within a layout change (as QSortFilterProxyModel does) is
// followed, its rows' persistent indexes with it.
class ShownRows : public QAbstractListModel {
public:
    // `first` is the model whose drags and drops the list takes (the items).
    ShownRows(QAbstractItemModel &first, QObject *parent = nullptr);

    // Appends the rows of `model` after those there; takes them out again.
    void addSourceModel(QAbstractItemModel *model);
    void removeSourceModel(QAbstractItemModel *model);
    bool hasSourceModel(const QAbstractItemModel *model) const;

    // The row of a source model a row here shows, and back.
    QModelIndex mapToSource(const QModelIndex &index) const;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;

private:
    // How many rows the sources before `model` have.
    int offsetOf(const QAbstractItemModel *model) const;
    void layoutComing();
    void layoutDone();

    QAbstractItemModel &m_first;
    std::vector<QAbstractItemModel *> m_sources;
    // Through a layout change: the persistent indexes here and the source
    // rows they showed.
    QModelIndexList m_layoutBefore;
    QList<QPersistentModelIndex> m_layoutSources;
};

} // namespace platform
