#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QPoint>
#include <QPointF>
#include <QSet>
#include <QSize>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "platform/icons/ImageList.h"

class QMimeData;

namespace platform {

// A caption as the list shows it, and so what typing in the list (and any
// filter over it) matches: a very long one is shortened to 1024 characters
// ending in an ellipsis. Breaks the large-icon view adds for wrapping are
// drawn only, never part of it.
QString shownCaption(const QString &text);

// The list view's items behind Qt's model interface: what each item shows
// (caption, picture, tooltip), what may be edited and dragged, and what a
// drag out of the list carries. Rows are the list's items, 0-based.
class ListItemsModel : public QAbstractListModel {
public:
    struct Item {
        QString key;
        QString text;
        int icon = 0;
        int smallIcon = 0;
        // The user's own place for the icon, in twips: where it was put by
        // hand, stored, or first placed. A change of view lays out from it
        // and never writes over it.
        std::optional<QPointF> position;
        // A position given one coordinate at a time; the other is taken from
        // where the list puts the item, at the next layout.
        std::optional<double> pendingLeft, pendingTop;
        // Where the current view shows the icon, in pixels: its own place,
        // or the nearest free cell when that would cover another icon.
        std::optional<QPoint> shown;
    };
    // What dragging items (1-based, in order) out of the list hands over.
    using DragData = std::function<QMimeData *(const QList<int> &items)>;

    // What a drag out of the list offers. Never a move: the program it is
    // dropped on (a file manager) would move the user's file away.
    static constexpr Qt::DropActions kDragOutActions = Qt::CopyAction | Qt::LinkAction;

    ListItemsModel(const ImageList &large, const ImageList &small, QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A caption edited in place; an empty one is refused and the old one kept.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction | kDragOutActions; }
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;

    void append(Item item);
    void remove(int row);
    void changed(int row);
    void changedAll();

    // A filter over the items: `matches` (item rows, best first) are shown;
    // with `hideOthers` only they, in that order, else every item in its
    // place with the others faded and out of reach. An empty `matches` with
    // `filtering` false ends it.
    void setFilter(bool filtering, const std::vector<int> &matches, bool hideOthers);
    bool filtering() const { return !m_matchNumber.empty(); }
    bool hidesOthers() const { return m_hideOthers && filtering(); }
    // The item row a view row shows, and the view row of an item row (-1
    // while a filter hides it).
    int itemRow(int viewRow) const { return hidesOthers() ? m_matches[viewRow] : viewRow; }
    int viewRow(int itemRow) const;
    // Where an item (row) stands among those shown, from 1; 0 for one a
    // filter does not match.
    int shownNumber(int itemRow) const;
    const std::vector<int> &matches() const { return m_matches; }

    std::vector<Item> items;
    // The items' keys, so that a key check does not walk the list; and per
    // base key the number below which every numbered key is taken.
    QSet<QString> keys;
    QHash<QString, int> nextNumber;
    std::function<void(int)> onEdited;
    DragData dragData;
    std::function<QString(int)> detail;
    QSize fixedSize;
    bool largeImages = true;
    bool movable = true;

private:
    const ImageList &m_large;
    // While filtering: per item row its number among the matches, or 0.
    std::vector<int> m_matchNumber;
    std::vector<int> m_matches;
    bool m_hideOthers = false;
    const ImageList &m_small;
};

} // namespace platform
