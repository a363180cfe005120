#include "shortcuts/OtherGroupMatches.h"

#include <algorithm>

#include "shortcuts/ShortcutList.h"
#include "shortcuts/ShortcutModel.h"

namespace shortcuts {

OtherGroupMatches::OtherGroupMatches(ShortcutModel &model, QObject *parent)
    : QAbstractListModel(parent), m_model(model)
{
    // A shortcut deleted (or the list reloaded) while shown here leaves at once.
    auto prune = [this] {
        if (std::none_of(m_rows.begin(), m_rows.end(), [](const QPersistentModelIndex &i) { return !i.isValid(); }))
            return;
        beginResetModel();
        std::erase_if(m_rows, [](const QPersistentModelIndex &i) { return !i.isValid(); });
        endResetModel();
    };
    connect(&model, &QAbstractItemModel::rowsRemoved, this, prune);
    connect(&model, &QAbstractItemModel::modelReset, this, prune);
    connect(&model, &QAbstractItemModel::dataChanged, this, [this] {
        if (!m_rows.empty())
            emit dataChanged(index(0), index(rowCount() - 1));
    });
}

void OtherGroupMatches::setMatches(const std::vector<int> &rows)
{
    if (rows.empty() && m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (int row : rows)
        m_rows.emplace_back(m_model.index(row));
    endResetModel();
}

int OtherGroupMatches::shortcutRow(int row) const
{
    if (row < 0 || row >= rowCount() || !m_rows[size_t(row)].isValid())
        return -1;
    return m_rows[size_t(row)].row();
}

int OtherGroupMatches::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant OtherGroupMatches::data(const QModelIndex &index, int role) const
{
    const int row = shortcutRow(index.row());
    if (!index.isValid() || row < 0)
        return {};
    const Shortcut &shortcut = m_model.at(row);
    //: Under a shortcut of another group that typing finds; %1 is that group's name.
    const QString where = tr("In \u201C%1\u201D").arg(groupTitle(shortcut.group));
    switch (role) {
    case Qt::DisplayRole:
        return shortcut.caption + u'\n' + where;
    case Qt::AccessibleTextRole:
        return shortcut.caption;
    case Qt::AccessibleDescriptionRole:
        //: What screen readers say of a shortcut of another group that typing finds:
        //: %1 is that group's name, %2 what the shortcut opens.
        return tr("In \u201C%1\u201D: %2").arg(groupTitle(shortcut.group), shortcut.target);
    case Qt::ToolTipRole:
        return shortcut.caption + u'\n' + where + u'\n' + targetDetail(shortcut.target);
    case Qt::DecorationRole:
        return shortcut.icon;
    default:
        return {};
    }
}

Qt::ItemFlags OtherGroupMatches::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

} // namespace shortcuts
