#pragma once

#include <Qt>

namespace platform {

// The roles the list view reads from (and writes to) the model of its items,
// beyond Qt's own: Qt::DisplayRole and Qt::EditRole (the caption; an edit in
// place writes Qt::EditRole), Qt::DecorationRole (a QIcon, drawn at the
// view's icon size), drags out through the model's mimeData().
namespace ItemRole {
enum : int {
    // The item's own place while icons are placed by hand, in twips, one
    // coordinate each: a double, or no value while unknown. The view writes
    // them when it places a new item, the user moves one, one is moved off
    // another after loading, or the icon view changes; anyone else writing
    // them moves the item there with the next layout.
    Left = Qt::UserRole + 1,
    Top,
    // Where the current view shows the item, in pixels (a QPoint), or no
    // value. The view's own note, written and read by it alone: a model keeps
    // it with the item (so it follows the item through inserts and removals),
    // takes no value as "none", and announces no change for it.
    ShownAt,
    // What the tooltip says under the caption and screen readers after it
    // (a QString; the target of a shortcut).
    Detail,
    // Given by the view's filter, never by the model: the item is faded and
    // out of reach (a bool); its number among the items shown, from 1, or 0
    // for one the filter does not match (an int).
    Faded,
    ShownNumber,
    // The user's note on the item (a QString, or no value): the tooltip's
    // first line, and what screen readers say first in its description.
    Comment,
};
} // namespace ItemRole

} // namespace platform
