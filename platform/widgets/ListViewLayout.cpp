#include "platform/widgets/ListView.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/widgets/IconGrid.h"
#include "platform/widgets/ListItemsModel.h"
#include "platform/widgets/Twips.h"

// Views, arrangements and icon positions: which view shows what, and where
// each icon stands while icons are placed by hand.
namespace platform {

namespace {
// Cells of the icon views, in pixels: room for the icon and two caption lines
// below it (large), or the icon and a caption beside it (small).
constexpr QSize kLargeCell(80, 70);
constexpr QSize kSmallCell(160, 22);
} // namespace

double ListView::Left(int i) const { return position(i, true); }
double ListView::Top(int i) const { return position(i, false); }

double ListView::position(int i, bool left) const
{
    if (!validItem(i))
        return 0;
    const auto &item = m_model->items[i - 1];
    if (m_arrange == 0) {
        // An item not laid out yet gets its own place with the next layout.
        if (item.pendingLeft || item.pendingTop || (!item.position && freePlacement()))
            const_cast<ListView *>(this)->executeDelayedItemsLayout();
        if (item.position)
            return left ? item.position->x() : item.position->y();
    }
    // Where the list has put the item itself: without a filter, which shows
    // some items only and in another order.
    if (m_model->hidesOthers()) {
        const QPointF twips = twipsOf(unfilteredPlace(i));
        return left ? twips.x() : twips.y();
    }
    const_cast<ListView *>(this)->executeDelayedItemsLayout();
    const QPointF twips = twipsOf(rectForIndex(indexOf(i)).topLeft());
    return left ? twips.x() : twips.y();
}

bool ListView::setLeft(int i, double twips) { return setPosition(i, twips, std::nullopt); }
bool ListView::setTop(int i, double twips) { return setPosition(i, std::nullopt, twips); }

bool ListView::setPosition(int i, std::optional<double> left, std::optional<double> top)
{
    if (!validItem(i))
        return false;
    auto &item = m_model->items[i - 1];
    if (item.position) {
        if (left)
            item.position->setX(*left);
        if (top)
            item.position->setY(*top);
    } else {
        // Asking the list where the item stands now would lay out the whole
        // list for every stored shortcut at start-up: complete it later.
        if (left)
            item.pendingLeft = left;
        if (top)
            item.pendingTop = top;
        if (item.pendingLeft && item.pendingTop) {
            item.position = QPointF(*item.pendingLeft, *item.pendingTop);
            item.pendingLeft.reset();
            item.pendingTop.reset();
        }
    }
    // Shown exactly there from the next layout on, even on top of another.
    item.shown.reset();
    if (item.position)
        item.shown = pixelsOf(*item.position);
    // Put back with the next layout, once for a whole batch of changes.
    scheduleDelayedItemsLayout();
    return true;
}

bool ListView::setView(int view)
{
    if (view < 0 || view > 3)
        return false;
    if (view == m_view)
        return true;
    endFilterForLayout();
    // The icons' own places stay as they are; the new view lays out from
    // them, moving only those that would now cover another.
    m_separateOverlaps = m_arrange == 0 && (view == 0 || view == 1);
    m_view = view;
    applySettings();
    return true;
}

bool ListView::setArrange(int arrange)
{
    if (arrange < 0 || arrange > 2)
        return false;
    if (arrange == m_arrange)
        return true;
    endFilterForLayout();
    // Icons that were arranged automatically stay where they stand when the
    // user takes over the placing: that becomes their own place.
    if (arrange == 0 && (m_view == 0 || m_view == 1))
        capturePositions();
    m_arrange = arrange;
    applySettings();
    return true;
}

bool ListView::freePlacement() const { return m_arrange == 0 && (m_view == 0 || m_view == 1); }

void ListView::capturePositions()
{
    executeDelayedItemsLayout();
    for (int row = 0; row < Count(); ++row) {
        auto &item = m_model->items[row];
        item.shown = rectForIndex(m_model->index(row)).topLeft();
        item.position = twipsOf(*item.shown);
    }
}

void ListView::keepHandMoves()
{
    // Only the icons the user moved take their new place as their own; the
    // others keep theirs, even where this view shows them elsewhere.
    for (int row = 0; row < Count(); ++row) {
        auto &item = m_model->items[row];
        const QPoint now = rectForIndex(m_model->index(row)).topLeft();
        if (item.shown != now) {
            item.shown = now;
            item.position = twipsOf(now);
        }
    }
}

void ListView::applySettings()
{
    const bool iconView = m_view == 0 || m_view == 1;
    // Every setting is made at every switch: setViewMode only resets flow,
    // wrapping and movement that were never set.
    setViewMode(iconView ? QListView::IconMode : QListView::ListMode);
    setIconSize(m_view == 0 ? QSize(32, 32) : QSize(16, 16));
    setGridSize(m_view == 0 ? kLargeCell : m_view == 1 ? kSmallCell : QSize());
    setWordWrap(m_view == 0);
    setSpacing(m_view == 0 ? 2 : 1);
    if (iconView) {
        setFlow(m_arrange == 1 ? QListView::TopToBottom : QListView::LeftToRight);
        setWrapping(true);
        setMovement(m_arrange == 0 ? QListView::Free : QListView::Static);
        setResizeMode(m_arrange == 0 ? QListView::Fixed : QListView::Adjust);
    } else {
        setFlow(QListView::TopToBottom);
        setWrapping(m_view == 2);
        setMovement(QListView::Static);
        setResizeMode(QListView::Adjust);
    }
    // A static movement also turns off drops from other programs: every view
    // and arrangement takes them.
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    m_model->largeImages = m_view == 0;
    m_model->fixedSize = iconView ? cellSize() - QSize(2, 2) : QSize();
    m_model->movable = freePlacement();
    // Movement switches dragging off where icons are arranged; dragging out stays.
    if (m_model->dragData)
        setDragEnabled(true);
    m_model->changedAll();
    scheduleDelayedItemsLayout();
}

void ListView::doItemsLayout()
{
    QListView::doItemsLayout();
    if (freePlacement())
        applyPositions();
}

QSize ListView::cellSize() const { return m_view == 0 ? kLargeCell : kSmallCell; }

void ListView::applyPositions()
{
    const QSize cell = cellSize();
    const int columns = std::max(1, viewport()->width() / cell.width());
    IconGrid grid(cell, columns);
    // After loading and after a view change every icon is laid out from its
    // own place: one that would cover an earlier one shows in the nearest
    // free cell instead, its own place kept. Otherwise each stays where it
    // is shown, overlaps the user made by hand included.
    const bool separate = Count() > 0 && std::exchange(m_separateOverlaps, false);
    std::vector<int> unplaced, displaced;
    for (int row = 0; row < Count(); ++row) {
        auto &item = m_model->items[row];
        if (!item.position && (item.pendingLeft || item.pendingTop)) {
            const QPointF now = twipsOf(rectForIndex(m_model->index(row)).topLeft());
            item.position = QPointF(item.pendingLeft.value_or(now.x()), item.pendingTop.value_or(now.y()));
            item.pendingLeft.reset();
            item.pendingTop.reset();
        }
        if (!item.position) {
            unplaced.push_back(row);
            continue;
        }
        const QModelIndex index = m_model->index(row);
        const QPoint at = item.shown && !separate ? *item.shown : pixelsOf(*item.position);
        const QRect rect(at, itemSize(index));
        if (separate && grid.overlaps(rect)) {
            displaced.push_back(row);
            continue;
        }
        setPositionForIndex(at, index);
        grid.place(rect);
        item.shown = at;
    }
    auto putInCell = [&](int row, QPoint cellAt) {
        const QModelIndex index = m_model->index(row);
        const QSize size = itemSize(index);
        const QPoint p = grid.cellOrigin(cellAt, size);
        setPositionForIndex(p, index);
        grid.place(QRect(p, size));
        m_model->items[row].shown = p;
    };
    for (int row : displaced)
        putInCell(row, grid.nearestFreeCell(pixelsOf(*m_model->items[row].position)));
    // New items go to the first free cell, row by row as far as the list is
    // wide, centred in it as the automatic arrangement does; that is their
    // own place from then on.
    for (int row : unplaced) {
        putInCell(row, grid.firstFreeCell());
        m_model->items[row].position = twipsOf(*m_model->items[row].shown);
    }
}

QSize ListView::itemSize(const QModelIndex &index) const
{
    // A long caption is cut to its cell, so an item never takes more room.
    // The layout that has just run sized every item: asking the delegate
    // again would lay out every caption's text a second time.
    return rectForIndex(index).size().boundedTo(cellSize());
}

QPoint ListView::pixelsOf(const QPointF &twips) const
{
    return QPoint(toPixels(twips.x(), *this), toPixels(twips.y(), *this));
}

QPointF ListView::twipsOf(const QPoint &pixels) const
{
    return QPointF(toTwips(pixels.x(), *this), toTwips(pixels.y(), *this));
}

} // namespace platform
