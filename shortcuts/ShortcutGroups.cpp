#include <QCoreApplication>
#include <algorithm>
#include <QSet>

#include "platform/widgets/ItemRoles.h"
#include "shortcuts/ShortcutModel.h"

namespace shortcuts {

QString groupTitle(const QString &name)
{
    //: The first group of shortcuts, until the user renames it.
    return name.isEmpty() ? QCoreApplication::translate("ShortcutModel", "Shortcuts") : name;
}

void ShortcutModel::setGroups(QStringList groups)
{
    QStringList kept;
    QSet<QString> seen;
    auto keep = [&](const QString &name) {
        if (seen.contains(name))
            return;
        seen.insert(name);
        kept << name;
    };
    for (const QString &name : groups)
        keep(name);
    for (const Shortcut &shortcut : m_shortcuts)
        keep(shortcut.group);
    if (kept.isEmpty())
        kept << QString();
    m_groups = std::move(kept);
    if (!m_groups.contains(m_addingGroup))
        m_addingGroup = m_groups.first();
    emit groupsChanged();
}

bool sameStored(const Shortcut &a, const Shortcut &b)
{
    return a.target == b.target && a.caption == b.caption && a.left == b.left && a.top == b.top
           && a.arguments == b.arguments && a.workingDirectory == b.workingDirectory && a.terminal == b.terminal
           && a.iconName == b.iconName && a.comment == b.comment && a.group == b.group
           && a.otherFields == b.otherFields;
}

void ShortcutModel::replace(ListState state)
{
    beginResetModel();
    m_shortcuts = std::move(state.shortcuts);
    for (Shortcut &shortcut : m_shortcuts)
        giveIcon(shortcut);
    endResetModel();
    setGroups(std::move(state.groups));
}

void ShortcutModel::addStored(std::vector<Shortcut> shortcuts)
{
    insert(std::move(shortcuts));
    // A group only the shortcuts name is a group.
    QSet<QString> known(m_groups.begin(), m_groups.end());
    bool added = false;
    for (const Shortcut &shortcut : m_shortcuts)
        if (!known.contains(shortcut.group)) {
            known.insert(shortcut.group);
            m_groups << shortcut.group;
            added = true;
        }
    if (added)
        emit groupsChanged();
}

QString ShortcutModel::groupNameProblem(const QString &name, const std::optional<QString> &renaming) const
{
    const QString wanted = name.trimmed();
    if (wanted.isEmpty())
        return QCoreApplication::translate("ShortcutModel", "A group needs a name.");
    for (const QString &group : m_groups)
        if ((!renaming || group != *renaming) && groupTitle(group).compare(wanted, Qt::CaseInsensitive) == 0)
            //: %1 is the name asked for.
            return QCoreApplication::translate("ShortcutModel", "There is already a group called \u201C%1\u201D.")
                .arg(groupTitle(group));
    return {};
}

bool ShortcutModel::addGroup(const QString &name)
{
    if (!groupNameProblem(name).isEmpty())
        return false;
    m_groups << name.trimmed();
    emit groupsChanged();
    return true;
}

bool ShortcutModel::renameGroup(const QString &from, const QString &to)
{
    const QString name = to.trimmed();
    const qsizetype at = m_groups.indexOf(from);
    if (at < 0 || !groupNameProblem(name, from).isEmpty())
        return false;
    if (name == from)
        return true;
    emit groupRenaming(from, name);
    m_groups[at] = name;
    int first = -1, last = -1;
    for (int row = 0; row < count(); ++row)
        if (m_shortcuts[size_t(row)].group == from) {
            m_shortcuts[size_t(row)].group = name;
            first = first < 0 ? row : first;
            last = row;
        }
    if (m_addingGroup == from)
        m_addingGroup = name;
    if (first >= 0)
        emit dataChanged(index(first), index(last), {GroupRole});
    emit groupsChanged();
    return true;
}

bool ShortcutModel::removeGroup(const QString &name, const QString &heir)
{
    if (m_groups.size() < 2 || name == heir || !hasGroup(name) || !hasGroup(heir))
        return false;
    std::vector<int> rows;
    for (int row = 0; row < count(); ++row)
        if (m_shortcuts[size_t(row)].group == name)
            rows.push_back(row);
    moveToGroup(rows, heir);
    m_groups.removeOne(name);
    if (m_addingGroup == name)
        m_addingGroup = heir;
    emit groupsChanged();
    return true;
}

bool ShortcutModel::moveGroup(int from, int to)
{
    if (from < 0 || to < 0 || from >= m_groups.size() || to >= m_groups.size())
        return false;
    if (from != to) {
        m_groups.move(from, to);
        emit groupsChanged();
    }
    return true;
}

int ShortcutModel::moveToGroup(const std::vector<int> &rows, const QString &name)
{
    if (!hasGroup(name))
        return 0;
    int moved = 0, first = count(), last = -1;
    for (int row : rows) {
        if (row < 0 || row >= count() || m_shortcuts[size_t(row)].group == name)
            continue;
        Shortcut &shortcut = m_shortcuts[size_t(row)];
        shortcut.group = name;
        // Its place was one among the other group's icons.
        shortcut.left.reset();
        shortcut.top.reset();
        shortcut.shown.reset();
        ++moved;
        first = std::min(first, row);
        last = std::max(last, row);
    }
    // One announcement for all: a group's views take the rows that came and
    // went in one pass, not one pass per shortcut.
    if (moved)
        emit dataChanged(index(first), index(last), {GroupRole, platform::ItemRole::Left, platform::ItemRole::Top});
    return moved;
}

} // namespace shortcuts
