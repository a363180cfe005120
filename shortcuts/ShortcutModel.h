#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <optional>
#include <vector>

#include "shortcuts/Icons.h"
#include "shortcuts/Shortcut.h"

namespace shortcuts {

// Everything the user made of the shortcuts, as one value: the shortcuts in
// their order and the groups in theirs. What an undo step, an earlier
// version or a merge hands back.
struct ListState {
    std::vector<Shortcut> shortcuts;
    QStringList groups{QString()};
};

// Whether two shortcuts are the same as the user made them (what is stored
// of them); icons and the view's notes do not count.
bool sameStored(const Shortcut &a, const Shortcut &b);

// The shortcuts, in the order they were added (never sorted), behind Qt's
// model interface: one row per shortcut, from 0. Views read them through the
// roles of platform/widgets/ItemRoles.h: the caption (Qt::DisplayRole,
// Qt::EditRole, renamed in place through Qt::EditRole), the icon
// (Qt::DecorationRole), the target as the tooltip and screen readers say it
// (Detail), the user's comment (Comment), the icon's own place (Left, Top) and the view's note of where it
// shows it (ShownAt). Dragged out, shortcuts carry their targets.
class ShortcutModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ShortcutModel(Icons &icons, QObject *parent = nullptr);

    int count() const { return static_cast<int>(m_shortcuts.size()); }
    const Shortcut &at(int row) const { return m_shortcuts[size_t(row)]; }
    const std::vector<Shortcut> &shortcuts() const { return m_shortcuts; }
    // Appends shortcuts to the adding group, one batch announced at once;
    // each without an icon gets the icon of its kind of target.
    void add(Shortcut shortcut);
    void add(std::vector<Shortcut> shortcuts);
    // False when there is no such row.
    bool remove(int row);
    // Removes the shortcuts of `rows` (any order; rows that are not there
    // are left out); how many went.
    int remove(std::vector<int> rows);
    // Replaces a shortcut by its edited self (target, caption, properties),
    // its place kept and its icon looked up again when its target or own
    // icon changed; announced as one change of every role it shows. False
    // when there is no such row or the caption is blank (as in place).
    bool edit(int row, Shortcut edited);
    // Puts the shortcuts in `order`, the old row of each new position; views
    // keep what they had selected. False when `order` is not a new order of
    // every row.
    bool reorder(const std::vector<int> &order);
    // Every target looked at again, so that those that went missing (or came
    // back) show it; only the rows whose icon changed are announced.
    void refreshIcons() { refreshIcons(0, count()); }
    // The same for rows `first` up to (not including) `end`.
    void refreshIcons(int first, int end);

    // --- groups (ShortcutGroups.cpp): named sets of shortcuts, in the
    // user's order, one at least. A shortcut names its group (Shortcut::group);
    // "" is the first group while it keeps the name it came with.
    const QStringList &groups() const { return m_groups; }
    // The groups as stored: a name given twice counts once, and a group a
    // shortcut names but the list does not is added at the end. None: the
    // one unnamed group.
    void setGroups(QStringList groups);
    // False when `name` is no group's own.
    bool hasGroup(const QString &name) const { return m_groups.contains(name); }
    // Adds a group at the end; false (nothing added) when groupNameProblem()
    // has an objection.
    bool addGroup(const QString &name);
    // Renames a group, its shortcuts with it; false as for addGroup.
    bool renameGroup(const QString &from, const QString &to);
    // Deletes a group, its shortcuts moving to `heir`; false when either is
    // no group, they are the same, or it is the last group.
    bool removeGroup(const QString &name, const QString &heir);
    // Puts group `from` (an index) at index `to`; false when out of range.
    bool moveGroup(int from, int to);
    // Moves shortcuts `rows` into group `name`, each to be placed anew there
    // (its own place forgotten); how many moved.
    int moveToGroup(const std::vector<int> &rows, const QString &name);
    // Why `name` cannot name a new group (or `renaming` renamed): blank, or
    // another group's name as shown, in any case; empty when it can.
    QString groupNameProblem(const QString &name, const std::optional<QString> &renaming = std::nullopt) const;
    // Where shortcuts added with add() go: the group shown.
    void setAddingGroup(const QString &name) { m_addingGroup = name; }
    // Appends shortcuts as they were stored, each staying in its own group.
    void addStored(std::vector<Shortcut> shortcuts);
    // The shortcuts and groups as they are, and all of them replaced (one
    // reset); a replaced list keeps the adding group when it still exists.
    ListState state() const { return {m_shortcuts, m_groups}; }
    void replace(ListState state);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A caption edited in place (an empty one is refused and the old one
    // kept), and the places a view writes.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;

    // Tells (for rows of the model) which group a shortcut belongs to.
    static constexpr int GroupRole = Qt::UserRole + 64;

signals:
    // The groups, their names or their order changed.
    void groupsChanged();
    // Group `from` is being renamed `to`, before its shortcuts are.
    void groupRenaming(const QString &from, const QString &to);
    // Row `row`'s caption was edited in place; `was` is the one it had.
    void captionEdited(int row, const QString &was);

private:
    void giveIcon(Shortcut &shortcut);
    void insert(std::vector<Shortcut> shortcuts);

    Icons &m_icons;
    std::vector<Shortcut> m_shortcuts;
    QStringList m_groups{QString()};
    QString m_addingGroup;
};

// A group's name as tabs and menus show it: the first group's own until the
// user renames it.
QString groupTitle(const QString &name);

} // namespace shortcuts
