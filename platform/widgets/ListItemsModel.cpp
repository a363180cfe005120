#include "platform/widgets/ListItemsModel.h"

#include <QMimeData>
#include <algorithm>

namespace platform {

namespace {
// A caption is shown at most this long: laying out megabytes of a hand-edited
// caption would hold up start-up for seconds. The whole text stays stored.
constexpr qsizetype kMaxShownCaption = 1024;
} // namespace

QString shownCaption(const QString &text)
{
    if (text.size() <= kMaxShownCaption)
        return text;
    qsizetype cut = kMaxShownCaption - 1;
    if (text[cut - 1].isHighSurrogate())
        --cut;
    return text.left(cut) + QChar(0x2026);
}

ListItemsModel::ListItemsModel(const ImageList &large, const ImageList &small, QObject *parent)
    : QAbstractListModel(parent), m_large(large), m_small(small)
{
}

int ListItemsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(items.size());
}

QVariant ListItemsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Item &item = items[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        // As shown: never the breaks the large-icon view draws into it.
        return shownCaption(item.text);
    case Qt::AccessibleDescriptionRole:
        return detail ? detail(index.row() + 1) : QString();
    case Qt::EditRole:
        return item.text;
    case Qt::DecorationRole:
        return largeImages ? m_large.image(item.icon) : m_small.image(item.smallIcon);
    case Qt::SizeHintRole:
        // Icons line up on one grid: every item takes its whole cell, so
        // the icon sits at the same place in each (centred above its
        // caption, or left of it), and a new caption never moves it.
        return fixedSize.isValid() ? QVariant(fixedSize) : QVariant();
    case Qt::ToolTipRole:
        // The whole caption and target, which the cell may cut short.
        return detail ? item.text + QLatin1Char('\n') + detail(index.row() + 1) : item.text;
    default:
        return {};
    }
}

Qt::ItemFlags ListItemsModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractListModel::flags(index);
    // Every item can be dragged out; moved inside only when placed by hand.
    if (index.isValid() && (movable || dragData))
        f |= Qt::ItemIsDragEnabled;
    if (index.isValid())
        f |= Qt::ItemIsEditable;
    return f;
}

bool ListItemsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= rowCount())
        return false;
    const QString text = value.toString();
    if (text.trimmed().isEmpty())
        return false;
    if (text == items[index.row()].text)
        return true;
    items[index.row()].text = text;
    emit dataChanged(index, index);
    if (onEdited)
        onEdited(index.row() + 1);
    return true;
}

QStringList ListItemsModel::mimeTypes() const
{
    return dragData ? QStringList{QStringLiteral("text/uri-list")} : QAbstractListModel::mimeTypes();
}

QMimeData *ListItemsModel::mimeData(const QModelIndexList &indexes) const
{
    if (!dragData)
        return QAbstractListModel::mimeData(indexes);
    QList<int> rows;
    for (const QModelIndex &index : indexes)
        rows << index.row() + 1;
    std::sort(rows.begin(), rows.end());
    return dragData(rows);
}

void ListItemsModel::append(Item item)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    keys.insert(item.key);
    items.push_back(std::move(item));
    endInsertRows();
}

void ListItemsModel::remove(int row)
{
    beginRemoveRows({}, row, row);
    keys.remove(items[row].key);
    // A number freed for a caption may be the lowest free one again.
    nextNumber.clear();
    items.erase(items.begin() + row);
    endRemoveRows();
}

void ListItemsModel::changedAll()
{
    if (!items.empty())
        emit dataChanged(index(0), index(rowCount() - 1));
}

} // namespace platform
