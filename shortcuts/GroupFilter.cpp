#include "shortcuts/GroupFilter.h"

#include <numeric>

#include "shortcuts/ShortcutModel.h"

namespace shortcuts {

GroupFilter::GroupFilter(ShortcutModel &model, QObject *parent) : QSortFilterProxyModel(parent), m_model(model)
{
    // A shortcut moved to another group leaves (or joins) the rows at once.
    setDynamicSortFilter(true);
    // Only a change of this role can move a row in or out.
    setFilterRole(ShortcutModel::GroupRole);
    setSourceModel(&model);
    // A renamed group is still the one shown: its name follows before its
    // shortcuts take the new one, so none of them leaves for a moment.
    connect(&model, &ShortcutModel::groupRenaming, this, [this](const QString &from, const QString &to) {
        if (m_group == from)
            m_group = to;
    });
}

void GroupFilter::setGroup(const QString &name)
{
    if (name == m_group)
        return;
    beginResetModel();
    m_group = name;
    endResetModel();
}

bool GroupFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    return sourceRow < m_model.count() && m_model.at(sourceRow).group == m_group;
}

int GroupFilter::toModel(int row) const
{
    if (row < 0 || row >= rowCount())
        return -1;
    return mapToSource(index(row, 0)).row();
}

int GroupFilter::fromModel(int modelRow) const
{
    if (modelRow < 0 || modelRow >= m_model.count())
        return -1;
    const QModelIndex shown = mapFromSource(m_model.index(modelRow));
    return shown.isValid() ? shown.row() : -1;
}

std::vector<int> GroupFilter::toModel(const std::vector<int> &rows) const
{
    std::vector<int> out;
    out.reserve(rows.size());
    for (int row : rows)
        if (const int modelRow = toModel(row); modelRow >= 0)
            out.push_back(modelRow);
    return out;
}

std::vector<int> GroupFilter::modelOrder(const std::vector<int> &order) const
{
    if (order.empty() || int(order.size()) != rowCount())
        return {};
    std::vector<int> result(size_t(m_model.count()));
    std::iota(result.begin(), result.end(), 0);
    // The slots the group's shortcuts hold in the list, in order.
    for (size_t at = 0; at < order.size(); ++at)
        result[size_t(toModel(int(at)))] = toModel(order[at]);
    return result;
}

} // namespace shortcuts
