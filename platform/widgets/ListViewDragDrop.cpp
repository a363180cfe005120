#include "platform/widgets/ListView.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>

#include "platform/session/DroppedLinks.h"
#include "platform/widgets/IconGrid.h"

// Drags into and out of the list: what is dropped from other programs becomes
// shortcuts, what is dragged out carries the targets, and inside the list
// dragged shortcuts take another's place in the list's order (where icons are
// placed by hand, they also stay where they are dropped).
namespace platform {

namespace {
// What a drag out of the list offers. Never a move: the program it is
// dropped on (a file manager) would move the user's file away.
constexpr Qt::DropActions kDragOutActions = Qt::CopyAction | Qt::LinkAction;
} // namespace

void ListView::startDrag(Qt::DropActions supportedActions)
{
    QListView::startDrag(dragsOut() ? kDragOutActions : supportedActions);
    if (m_dropTarget >= 0) {
        m_dropTarget = -1;
        viewport()->update();
    }
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
    if (event->source() != this) {
        if (m_dropUsable)
            event->acceptProposedAction();
        else
            event->ignore();
        return;
    }
    if (freePlacement() && !filtered()) {
        QListView::dragMoveEvent(event);
        // Landing on another icon is allowed too: the two change places.
        if (indexAt(event->position().toPoint()).isValid())
            event->accept();
        return;
    }
    // Scrolls near the edges; whether the drop is taken is decided here.
    QAbstractItemView::dragMoveEvent(event);
    const std::vector<int> dragged = selectedRows();
    const int target = filtered() ? -1 : dropTarget(event->position().toPoint());
    const bool usable = target >= 0 && !std::binary_search(dragged.begin(), dragged.end(), target);
    if (usable)
        event->acceptProposedAction();
    else
        event->ignore();
    if (std::exchange(m_dropTarget, usable ? target : -1) != m_dropTarget)
        viewport()->update();
}

void ListView::dragLeaveEvent(QDragLeaveEvent *event)
{
    QListView::dragLeaveEvent(event);
    if (std::exchange(m_dropTarget, -1) >= 0)
        viewport()->update();
}

void ListView::dropEvent(QDropEvent *event)
{
    if (event->source() == this) {
        dropInside(event);
        return;
    }
    const DroppedLinks dropped = droppedLinks(*event->mimeData());
    if (dropped.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit linksDropped(dropped.urls, dropped.titles);
}

int ListView::dropTarget(const QPoint &pos) const
{
    if (const QModelIndex index = indexAt(pos); index.isValid())
        return rowOf(index);
    if (count() == 0 || m_shown->hidesOthers())
        return -1;
    // Past the last item, in the direction the list flows: the end.
    const QRect last = visualRect(indexOf(count() - 1));
    const bool past = flow() == QListView::LeftToRight
                          ? pos.y() > last.bottom() || (pos.y() >= last.top() && pos.x() > last.right())
                          : pos.x() > last.right() || (pos.x() >= last.left() && pos.y() > last.bottom());
    return past ? count() : -1;
}

void ListView::dropInside(QDropEvent *event)
{
    const std::vector<int> dragged = selectedRows();
    m_dropTarget = -1;
    viewport()->update();
    if (filtered() || dragged.empty()) {
        // While typing finds shortcuts the list is in the matches' order.
        event->ignore();
        return;
    }
    if (!freePlacement()) {
        const int target = dropTarget(event->position().toPoint());
        if (target < 0 || std::binary_search(dragged.begin(), dragged.end(), target)) {
            event->ignore();
            return;
        }
        // Accepted as a copy: the drag itself must never remove the rows.
        event->setDropAction(Qt::CopyAction);
        event->accept();
        emit itemsDroppedOnto(dragged, target);
        return;
    }
    const QModelIndex under = indexAt(event->position().toPoint());
    const int covered = under.isValid() && !std::binary_search(dragged.begin(), dragged.end(), rowOf(under))
                            ? rowOf(under)
                            : -1;
    std::vector<QPoint> before;
    for (int row : dragged)
        before.push_back(rectForIndex(indexOf(row)).topLeft());
    emit handMoveStarting();
    QListView::dropEvent(event);
    // An icon moved by hand keeps its new place.
    keepHandMoves();
    if (covered < 0) {
        emit movedByHand(dragged);
        return;
    }
    makeRoom(dragged, covered, before);
    emit itemsDroppedOnto(dragged, covered);
}

void ListView::makeRoom(const std::vector<int> &dragged, int covered, const std::vector<QPoint> &before)
{
    auto putAt = [this](int row, QPoint at) {
        const QModelIndex index = indexOf(row);
        setPositionForIndex(at, index);
        setShownAt(index.row(), at);
        setPlace(index.row(), twipsOf(at));
    };
    if (dragged.size() == 1) {
        // One icon changes places with the one it landed on.
        const QPoint there = rectForIndex(indexOf(covered)).topLeft();
        putAt(dragged.front(), there);
        putAt(covered, before.front());
        return;
    }
    // Several push every icon they now cover to the nearest free cell.
    const QSize cell = cellSize();
    const int columns = std::max(1, viewport()->width() / cell.width());
    IconGrid moved(cell, columns);
    for (int row : dragged)
        moved.place(rectForIndex(indexOf(row)));
    IconGrid taken(cell, columns);
    std::vector<int> pushed;
    std::vector<char> isDragged(size_t(count()), 0);
    for (int row : dragged)
        isDragged[size_t(row)] = 1;
    for (int row = 0; row < count(); ++row) {
        const QRect rect = rectForIndex(indexOf(row));
        if (!isDragged[size_t(row)] && moved.overlaps(rect))
            pushed.push_back(row);
        else
            taken.place(rect);
    }
    for (int row : pushed) {
        const QModelIndex index = indexOf(row);
        const QRect rect = rectForIndex(index);
        const QPoint at = taken.cellOrigin(taken.nearestFreeCell(rect.topLeft()), rect.size());
        taken.place(QRect(at, rect.size()));
        putAt(row, at);
    }
}

void ListView::drawDropMark(QPainter &painter) const
{
    const std::vector<int> dragged = selectedRows();
    if (dragged.empty())
        return;
    const bool atEnd = m_dropTarget >= count();
    const int shownAt = atEnd ? count() - 1 : m_dropTarget;
    const QRect item = visualRect(indexOf(shownAt));
    if (!item.isValid())
        return;
    // Behind the target when it lies behind the first dragged item.
    const bool after = atEnd || m_dropTarget > dragged.front();
    QRect bar = flow() == QListView::LeftToRight
                    ? QRect(after ? item.right() + 1 : item.left() - 2, item.top(), 2, item.height())
                    : QRect(item.left(), after ? item.bottom() + 1 : item.top() - 2, item.width(), 2);
    painter.fillRect(bar, palette().brush(QPalette::Highlight));
}

} // namespace platform
