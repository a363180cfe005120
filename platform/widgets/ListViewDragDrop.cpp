#include "platform/widgets/ListView.h"

#include <QDragEnterEvent>
#include <QMimeData>

#include "platform/session/DroppedLinks.h"

// Drags into and out of the list: what is dropped from other programs becomes
// shortcuts, what is dragged out carries the targets, and inside the list an
// icon moves only where icons are placed by hand.
namespace platform {

namespace {
// What a drag out of the list offers. Never a move: the program it is
// dropped on (a file manager) would move the user's file away.
constexpr Qt::DropActions kDragOutActions = Qt::CopyAction | Qt::LinkAction;
} // namespace

void ListView::startDrag(Qt::DropActions supportedActions)
{
    QListView::startDrag(dragsOut() ? kDragOutActions : supportedActions);
}

void ListView::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->source() != this) {
        // Refused while it hovers when nothing in it could become a shortcut.
        m_dropUsable = !droppedLinks(*event->mimeData()).isEmpty();
        if (m_dropUsable)
            event->acceptProposedAction();
        else
            event->ignore();
        return;
    }
    QListView::dragEnterEvent(event);
}

void ListView::dragMoveEvent(QDragMoveEvent *event)
{
    // An item dragged within the list moves only where icons are placed by hand.
    if (event->source() == this && !freePlacement()) {
        event->ignore();
        return;
    }
    if (event->source() != this) {
        if (m_dropUsable)
            event->acceptProposedAction();
        else
            event->ignore();
        return;
    }
    QListView::dragMoveEvent(event);
}

void ListView::dropEvent(QDropEvent *event)
{
    if (event->source() != this) {
        const DroppedLinks dropped = droppedLinks(*event->mimeData());
        if (dropped.isEmpty()) {
            event->ignore();
            return;
        }
        event->acceptProposedAction();
        emit linksDropped(dropped.urls, dropped.titles);
        return;
    }
    // Dropped on itself the item only moves, and only where icons are placed
    // by hand: nothing is ever added.
    if (!freePlacement()) {
        event->ignore();
        return;
    }
    QListView::dropEvent(event);
    // An icon moved by hand keeps its new place.
    if (freePlacement())
        keepHandMoves();
}

} // namespace platform
