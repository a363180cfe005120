#include "platform/widgets/ListItemsModel.h"

#include <QCoreApplication>
#include <QMimeData>
#include <algorithm>

namespace platform {

namespace {
// A caption is shown at most this long: laying out megabytes of a hand-edited
// caption would hold up start-up for seconds. The whole text stays stored.
constexpr qsizetype kMaxShownCaption = 1024;

// What a tooltip adds for the first nine shortcuts shown.
QString openingKeyLine(int shownNumber)
{
    if (shownNumber < 1 || shownNumber > 9)
        return {};
    //: A line of a shortcut's tooltip: %1 is a digit from 1 to 9; the key opens the shortcut.
    return u'\n' + QCoreApplication::translate("ListItemsModel", "Alt+%1 opens it").arg(shownNumber);
}
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
    if (parent.isValid())
        return 0;
    return static_cast<int>(hidesOthers() ? m_matches.size() : items.size());
}

QVariant ListItemsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = itemRow(index.row());
    const Item &item = items[row];
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
        return (detail ? item.text + QLatin1Char('\n') + detail(row + 1) : item.text) + openingKeyLine(shownNumber(row));
    default:
        return {};
    }
}

Qt::ItemFlags ListItemsModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractListModel::flags(index);
    // What a filter fades is out of reach until it ends.
    if (index.isValid() && filtering() && !hidesOthers() && !m_matchNumber[index.row()])
        return f & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
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
    const int row = itemRow(index.row());
    if (text == items[row].text)
        return true;
    items[row].text = text;
    emit dataChanged(index, index);
    if (onEdited)
        onEdited(row + 1);
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
        rows << itemRow(index.row()) + 1;
    std::sort(rows.begin(), rows.end());
    return dragData(rows);
}

void ListItemsModel::append(Item item)
{
    // A filter does not show what was added after it began.
    if (hidesOthers()) {
        keys.insert(item.key);
        items.push_back(std::move(item));
        m_matchNumber.push_back(0);
        return;
    }
    const int row = rowCount();
    beginInsertRows({}, row, row);
    keys.insert(item.key);
    items.push_back(std::move(item));
    if (filtering())
        m_matchNumber.push_back(0);
    endInsertRows();
}

void ListItemsModel::remove(int row)
{
    const int shown = viewRow(row);
    if (shown >= 0)
        beginRemoveRows({}, shown, shown);
    keys.remove(items[row].key);
    // A number freed for a caption may be the lowest free one again.
    nextNumber.clear();
    items.erase(items.begin() + row);
    if (filtering()) {
        // The matches after it move up one place, and every item after it one row.
        m_matchNumber.erase(m_matchNumber.begin() + row);
        std::erase(m_matches, row);
        for (int &match : m_matches)
            match -= match > row ? 1 : 0;
        for (size_t i = 0; i < m_matches.size(); ++i)
            m_matchNumber[m_matches[i]] = int(i) + 1;
    }
    if (shown >= 0)
        endRemoveRows();
}

void ListItemsModel::changed(int row)
{
    const int shown = viewRow(row);
    if (shown >= 0)
        emit dataChanged(index(shown), index(shown));
}

int ListItemsModel::viewRow(int itemRow) const
{
    if (!hidesOthers())
        return itemRow;
    return m_matchNumber[itemRow] - 1;
}

int ListItemsModel::shownNumber(int itemRow) const
{
    return filtering() ? m_matchNumber[itemRow] : itemRow + 1;
}

void ListItemsModel::setFilter(bool filtering, const std::vector<int> &matches, bool hideOthers)
{
    // Showing fewer items or another order is a new layout; fading only
    // changes how each looks, so the icons placed by hand stay put.
    const bool reset = hideOthers || hidesOthers();
    if (reset)
        beginResetModel();
    m_matches = filtering ? matches : std::vector<int>();
    m_matchNumber.assign(filtering ? items.size() : 0, 0);
    for (size_t i = 0; i < m_matches.size(); ++i)
        m_matchNumber[m_matches[i]] = int(i) + 1;
    m_hideOthers = filtering && hideOthers;
    if (reset)
        endResetModel();
    else
        changedAll();
}

void ListItemsModel::changedAll()
{
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1));
}

} // namespace platform
