#pragma once

#include <QAbstractListModel>
#include <vector>

#include "shortcuts/Icons.h"
#include "shortcuts/Shortcut.h"

namespace shortcuts {

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
    // Appends shortcuts, one batch announced at once; each without an icon
    // gets the icon of its kind of target.
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

private:
    void giveIcon(Shortcut &shortcut);

    Icons &m_icons;
    std::vector<Shortcut> m_shortcuts;
};

} // namespace shortcuts
