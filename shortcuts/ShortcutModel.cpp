#include "shortcuts/ShortcutModel.h"

#include <QMimeData>
#include <algorithm>
#include <utility>

#include "platform/widgets/ItemRoles.h"
#include "shortcuts/Paste.h"
#include "shortcuts/ShortcutList.h"

namespace shortcuts {

using platform::ItemRole::Left;
using platform::ItemRole::ShownAt;
using platform::ItemRole::Top;

ShortcutModel::ShortcutModel(Icons &icons, QObject *parent) : QAbstractListModel(parent), m_icons(icons) {}

void ShortcutModel::giveIcon(Shortcut &shortcut)
{
    if (!shortcut.icon.isNull())
        return;
    // Icons by what the target is, one lookup per kind.
    shortcut.iconKey = m_icons.keyFor(shortcut.target, shortcut.iconName);
    shortcut.icon = m_icons.iconForKey(shortcut.iconKey);
}

void ShortcutModel::add(Shortcut shortcut)
{
    shortcut.group = m_addingGroup;
    giveIcon(shortcut);
    beginInsertRows({}, count(), count());
    m_shortcuts.push_back(std::move(shortcut));
    endInsertRows();
}

void ShortcutModel::add(std::vector<Shortcut> shortcuts)
{
    for (Shortcut &shortcut : shortcuts)
        shortcut.group = m_addingGroup;
    insert(std::move(shortcuts));
}

void ShortcutModel::insert(std::vector<Shortcut> shortcuts)
{
    if (shortcuts.empty())
        return;
    for (Shortcut &shortcut : shortcuts)
        giveIcon(shortcut);
    beginInsertRows({}, count(), count() + int(shortcuts.size()) - 1);
    m_shortcuts.insert(m_shortcuts.end(), std::make_move_iterator(shortcuts.begin()),
                       std::make_move_iterator(shortcuts.end()));
    endInsertRows();
}

bool ShortcutModel::remove(int row)
{
    if (row < 0 || row >= count())
        return false;
    beginRemoveRows({}, row, row);
    m_shortcuts.erase(m_shortcuts.begin() + row);
    endRemoveRows();
    return true;
}

int ShortcutModel::remove(std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int row) { return row < 0 || row >= count(); }),
               rows.end());
    if (rows.empty())
        return 0;
    const int removed = int(rows.size());
    if (rows.back() - rows.front() + 1 == removed) {
        beginRemoveRows({}, rows.front(), rows.back());
        m_shortcuts.erase(m_shortcuts.begin() + rows.front(), m_shortcuts.begin() + rows.back() + 1);
        endRemoveRows();
        return removed;
    }
    // Rows apart from each other: one pass and one reset rather than a
    // removal (and every view's work on it) per row.
    beginResetModel();
    size_t next = 0, kept = 0;
    for (size_t row = 0; row < m_shortcuts.size(); ++row) {
        if (next < rows.size() && rows[next] == int(row)) {
            ++next;
            continue;
        }
        if (kept != row)
            m_shortcuts[kept] = std::move(m_shortcuts[row]);
        ++kept;
    }
    m_shortcuts.resize(kept);
    endResetModel();
    return removed;
}

bool ShortcutModel::reorder(const std::vector<int> &order)
{
    if (int(order.size()) != count())
        return false;
    // Where each old row goes; a row named twice or not at all is refused.
    std::vector<int> newRow(order.size(), -1);
    for (size_t at = 0; at < order.size(); ++at) {
        const int old = order[at];
        if (old < 0 || old >= count() || newRow[size_t(old)] >= 0)
            return false;
        newRow[size_t(old)] = int(at);
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<Shortcut> reordered;
    reordered.reserve(m_shortcuts.size());
    for (int old : order)
        reordered.push_back(std::move(m_shortcuts[size_t(old)]));
    m_shortcuts = std::move(reordered);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &old : before)
        after << index(newRow[size_t(old.row())]);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    return true;
}

bool ShortcutModel::edit(int row, Shortcut edited)
{
    if (row < 0 || row >= count() || edited.caption.trimmed().isEmpty())
        return false;
    Shortcut &shortcut = m_shortcuts[size_t(row)];
    // Where it stands (and in which group) is the view's and the user's, not the edit's.
    edited.left = shortcut.left;
    edited.top = shortcut.top;
    edited.shown = shortcut.shown;
    edited.group = shortcut.group;
    const bool sameIcon = edited.target == shortcut.target && edited.iconName == shortcut.iconName;
    edited.iconKey = sameIcon ? shortcut.iconKey : QString();
    edited.icon = sameIcon ? shortcut.icon : QIcon();
    if (!sameIcon)
        giveIcon(edited);
    shortcut = std::move(edited);
    emit dataChanged(index(row), index(row),
                     {Qt::DisplayRole, Qt::EditRole, Qt::DecorationRole, platform::ItemRole::Detail,
                      platform::ItemRole::Comment});
    return true;
}

void ShortcutModel::refreshIcons(int first, int end)
{
    first = std::max(first, 0);
    end = std::min(end, count());
    // Only the rows whose kind of target changed (gone missing, come back,
    // turned into something else) are redrawn, each run of them announced
    // once: a summon that finds everything as it was repaints nothing.
    int runStart = -1;
    auto endRun = [&](int end) {
        if (runStart >= 0)
            emit dataChanged(index(runStart), index(end - 1), {Qt::DecorationRole});
        runStart = -1;
    };
    for (int row = first; row < end; ++row) {
        Shortcut &shortcut = m_shortcuts[size_t(row)];
        QString key = m_icons.keyFor(shortcut.target, shortcut.iconName);
        if (key == shortcut.iconKey && !shortcut.icon.isNull()) {
            endRun(row);
            continue;
        }
        shortcut.iconKey = std::move(key);
        shortcut.icon = m_icons.iconForKey(shortcut.iconKey);
        if (runStart < 0)
            runStart = row;
    }
    endRun(end);
}

int ShortcutModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : count(); }

QVariant ShortcutModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const Shortcut &shortcut = at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return shortcut.caption;
    case Qt::DecorationRole:
        return shortcut.icon;
    case platform::ItemRole::Detail:
        return targetDetail(shortcut.target);
    case platform::ItemRole::Comment:
        return shortcut.comment.isEmpty() ? QVariant() : QVariant(shortcut.comment);
    case Left:
        return shortcut.left ? QVariant(*shortcut.left) : QVariant();
    case Top:
        return shortcut.top ? QVariant(*shortcut.top) : QVariant();
    case ShownAt:
        return shortcut.shown ? QVariant(*shortcut.shown) : QVariant();
    case GroupRole:
        return shortcut.group;
    default:
        return {};
    }
}

Qt::ItemFlags ShortcutModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractListModel::flags(index);
    // Every shortcut can be dragged out and renamed.
    if (index.isValid())
        f |= Qt::ItemIsDragEnabled | Qt::ItemIsEditable;
    return f;
}

bool ShortcutModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= count())
        return false;
    Shortcut &shortcut = m_shortcuts[size_t(index.row())];
    switch (role) {
    case Qt::EditRole: {
        const QString text = value.toString();
        if (text.trimmed().isEmpty())
            return false;
        if (text != shortcut.caption) {
            const QString was = std::exchange(shortcut.caption, text);
            emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
            emit captionEdited(index.row(), was);
        }
        return true;
    }
    case Left:
    case Top: {
        auto &coordinate = role == Left ? shortcut.left : shortcut.top;
        coordinate = value.isValid() ? std::optional<double>(value.toDouble()) : std::nullopt;
        emit dataChanged(index, index, {role});
        return true;
    }
    case ShownAt:
        // The view's own note: nobody else needs to hear of it.
        shortcut.shown = value.isValid() ? std::optional<QPoint>(value.toPoint()) : std::nullopt;
        return true;
    default:
        return false;
    }
}

Qt::DropActions ShortcutModel::supportedDropActions() const
{
    return Qt::MoveAction | Qt::CopyAction | Qt::LinkAction;
}

QStringList ShortcutModel::mimeTypes() const { return {QStringLiteral("text/uri-list")}; }

QMimeData *ShortcutModel::mimeData(const QModelIndexList &indexes) const
{
    std::vector<int> rows;
    for (const QModelIndex &index : indexes)
        if (index.isValid() && index.row() < count())
            rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QStringList targets;
    for (int row : rows)
        targets << at(row).target;
    return exportedData(targets);
}

} // namespace shortcuts
