#pragma once

#include <QSortFilterProxyModel>
#include <QString>
#include <vector>

namespace shortcuts {

class ShortcutModel;

// The shortcuts of one group, in the list's order: what the list view shows
// as its items. Rows here are the view's; the model's own rows are mapped to
// and from them. Shortcuts moved into or out of the group come and go as
// they change.
class GroupFilter : public QSortFilterProxyModel {
public:
    explicit GroupFilter(ShortcutModel &model, QObject *parent = nullptr);

    const QString &group() const { return m_group; }
    // Shows group `name` (announced as a reset of every row).
    void setGroup(const QString &name);

    // The model's row of a row here, -1 for none; and back (-1 for a
    // shortcut of another group).
    int toModel(int row) const;
    int fromModel(int modelRow) const;
    std::vector<int> toModel(const std::vector<int> &rows) const;
    // A new order of the rows here (the old row of each new position) as a
    // new order of the model's rows: the group's shortcuts go through the
    // places they held in the list, the others stay. Empty for an empty order.
    std::vector<int> modelOrder(const std::vector<int> &order) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    ShortcutModel &m_model;
    QString m_group;
};

} // namespace shortcuts
