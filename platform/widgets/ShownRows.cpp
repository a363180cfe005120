#include "platform/widgets/ShownRows.h"

#include <QMimeData>
#include <algorithm>

namespace platform {

ShownRows::ShownRows(QAbstractItemModel &first, QObject *parent) : QAbstractListModel(parent), m_first(first)
{
    addSourceModel(&first);
}

void ShownRows::addSourceModel(QAbstractItemModel *model)
{
    if (!model || hasSourceModel(model))
        return;
    const int at = rowCount(), rows = model->rowCount();
    if (rows > 0)
        beginInsertRows({}, at, at + rows - 1);
    m_sources.push_back(model);
    if (rows > 0)
        endInsertRows();
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) {
                emit dataChanged(mapFromSource(topLeft), mapFromSource(bottomRight.siblingAtColumn(0)), roles);
            });
    connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this, [this, model](const QModelIndex &, int first, int last) {
        const int offset = offsetOf(model);
        beginInsertRows({}, offset + first, offset + last);
    });
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { endInsertRows(); });
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this, model](const QModelIndex &, int first, int last) {
        const int offset = offsetOf(model);
        beginRemoveRows({}, offset + first, offset + last);
    });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { endRemoveRows(); });
    // A move is a new order, as a sort is.
    connect(model, &QAbstractItemModel::rowsAboutToBeMoved, this, &ShownRows::layoutComing);
    connect(model, &QAbstractItemModel::rowsMoved, this, &ShownRows::layoutDone);
    connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, &ShownRows::layoutComing);
    connect(model, &QAbstractItemModel::layoutChanged, this, &ShownRows::layoutDone);
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { endResetModel(); });
}

void ShownRows::removeSourceModel(QAbstractItemModel *model)
{
    if (!hasSourceModel(model))
        return;
    model->disconnect(this);
    const int at = offsetOf(model), rows = model->rowCount();
    if (rows > 0)
        beginRemoveRows({}, at, at + rows - 1);
    std::erase(m_sources, model);
    if (rows > 0)
        endRemoveRows();
}

bool ShownRows::hasSourceModel(const QAbstractItemModel *model) const
{
    return std::find(m_sources.begin(), m_sources.end(), model) != m_sources.end();
}

int ShownRows::offsetOf(const QAbstractItemModel *model) const
{
    int offset = 0;
    for (const QAbstractItemModel *source : m_sources) {
        if (source == model)
            break;
        offset += source->rowCount();
    }
    return offset;
}

int ShownRows::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    int rows = 0;
    for (const QAbstractItemModel *source : m_sources)
        rows += source->rowCount();
    return rows;
}

QModelIndex ShownRows::mapToSource(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this)
        return {};
    int row = index.row();
    for (const QAbstractItemModel *source : m_sources) {
        const int rows = source->rowCount();
        if (row < rows)
            return source->index(row, 0);
        row -= rows;
    }
    return {};
}

QModelIndex ShownRows::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid() || !hasSourceModel(sourceIndex.model()))
        return {};
    return index(offsetOf(sourceIndex.model()) + sourceIndex.row(), 0);
}

void ShownRows::layoutComing()
{
    emit layoutAboutToBeChanged();
    m_layoutBefore = persistentIndexList();
    m_layoutSources.clear();
    for (const QModelIndex &index : std::as_const(m_layoutBefore))
        m_layoutSources << QPersistentModelIndex(mapToSource(index));
}

void ShownRows::layoutDone()
{
    QModelIndexList after;
    for (const QPersistentModelIndex &source : std::as_const(m_layoutSources))
        after << mapFromSource(source);
    changePersistentIndexList(m_layoutBefore, after);
    m_layoutBefore.clear();
    m_layoutSources.clear();
    emit layoutChanged();
}

QVariant ShownRows::data(const QModelIndex &index, int role) const { return mapToSource(index).data(role); }

bool ShownRows::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const QModelIndex source = mapToSource(index);
    return source.isValid() && const_cast<QAbstractItemModel *>(source.model())->setData(source, value, role);
}

Qt::ItemFlags ShownRows::flags(const QModelIndex &index) const
{
    const QModelIndex source = mapToSource(index);
    return source.isValid() ? source.model()->flags(source) : Qt::NoItemFlags;
}

QStringList ShownRows::mimeTypes() const { return m_first.mimeTypes(); }

QMimeData *ShownRows::mimeData(const QModelIndexList &indexes) const
{
    // Only the items carry something.
    QModelIndexList items;
    for (const QModelIndex &index : indexes)
        if (const QModelIndex source = mapToSource(index); source.model() == &m_first)
            items << source;
    return items.isEmpty() ? nullptr : m_first.mimeData(items);
}

Qt::DropActions ShownRows::supportedDragActions() const { return m_first.supportedDragActions(); }

Qt::DropActions ShownRows::supportedDropActions() const { return m_first.supportedDropActions(); }

} // namespace platform
