#include "platform/widgets/ListView.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/widgets/IconGrid.h"
#include "platform/widgets/ItemRoles.h"
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

std::optional<double> ListView::placeRole(int viewRow, int role) const
{
    const QVariant value = m_shown->index(viewRow, 0).data(role);
    return value.isValid() ? std::optional<double>(value.toDouble()) : std::nullopt;
}

std::optional<QPoint> ListView::shownAt(int viewRow) const
{
    const QVariant value = m_shown->index(viewRow, 0).data(ItemRole::ShownAt);
    return value.isValid() ? std::optional<QPoint>(value.toPoint()) : std::nullopt;
}

void ListView::setPlace(int viewRow, const QPointF &twips)
{
    const QModelIndex index = m_shown->index(viewRow, 0);
    const bool writing = std::exchange(m_writingPlaces, true);
    m_shown->setData(index, twips.x(), ItemRole::Left);
    m_shown->setData(index, twips.y(), ItemRole::Top);
    m_writingPlaces = writing;
}

void ListView::setShownAt(int viewRow, const QPoint &pixels)
{
    const bool writing = std::exchange(m_writingPlaces, true);
    m_shown->setData(m_shown->index(viewRow, 0), pixels, ItemRole::ShownAt);
    m_writingPlaces = writing;
}

QPointF ListView::placeOf(int row) const
{
    if (!validRow(row))
        return {};
    if (m_arrange == 0) {
        // What the profile stores is what the view shows: a view change or
        // the first layout after loading may still have to move icons.
        if (m_separateOverlaps && freePlacement())
            const_cast<ListView *>(this)->executeDelayedItemsLayout();
        const QModelIndex item = items()->index(row, 0);
        auto known = [&] { return std::pair(item.data(ItemRole::Left), item.data(ItemRole::Top)); };
        auto [left, top] = known();
        // An item not laid out yet gets its own place with the next layout.
        if (left.isValid() != top.isValid() || (!left.isValid() && freePlacement())) {
            const_cast<ListView *>(this)->executeDelayedItemsLayout();
            std::tie(left, top) = known();
        }
        if (left.isValid() && top.isValid())
            return QPointF(left.toDouble(), top.toDouble());
    }
    // Where the list has put the item itself: without a filter, which shows
    // some items only and in another order.
    if (m_shown->hidesOthers())
        return twipsOf(unfilteredPlace(row));
    const_cast<ListView *>(this)->executeDelayedItemsLayout();
    return twipsOf(rectForIndex(indexOf(row)).topLeft());
}

bool ListView::setView(int view)
{
    if (view < 0 || view > 3)
        return false;
    if (view == m_view)
        return true;
    endFilterForLayout();
    // The next layout in an icon view takes the own places over into its
    // cells (see applyPositions), moving those that would cover another.
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
    // Places remembered from before an arrangement are not the user's any more.
    forgetOtherView();
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
    for (int row = 0; row < m_shown->rowCount(); ++row) {
        const QPoint at = rectForIndex(viewIndex(row)).topLeft();
        setShownAt(row, at);
        setPlace(row, twipsOf(at));
    }
    if (m_shown->rowCount() > 0)
        m_placesView = m_view;
}

void ListView::keepHandMoves()
{
    // Only the icons the user moved take their new place as their own; the
    // others keep theirs, even where this view shows them elsewhere.
    for (int row = 0; row < m_shown->rowCount(); ++row) {
        const QPoint now = rectForIndex(viewIndex(row)).topLeft();
        if (shownAt(row) != now) {
            setShownAt(row, now);
            setPlace(row, twipsOf(now));
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
    m_shown->fixedSize = iconView ? cellSize() - QSize(2, 2) : QSize();
    m_shown->movable = freePlacement();
    // Movement switches dragging off where icons are arranged; dragging out stays.
    if (dragsOut())
        setDragEnabled(true);
    if (m_shown->rowCount() > 0)
        emit m_shown->dataChanged(m_shown->index(0, 0), m_shown->index(m_shown->rowCount() - 1, 0));
    placeOffers();
    scheduleDelayedItemsLayout();
}

void ListView::doItemsLayout()
{
    QListView::doItemsLayout();
    if (freePlacement())
        applyPositions();
}

bool ListView::dragsOut() const
{
    return items() && items()->mimeTypes().contains(QStringLiteral("text/uri-list"));
}

QSize ListView::cellOf(int view) { return view == 0 ? kLargeCell : kSmallCell; }

void ListView::applyPositions()
{
    const QSize cell = cellSize();
    const int columns = std::max(1, viewport()->width() / cell.width());
    IconGrid grid(cell, columns);
    const int rows = m_shown->rowCount();
    // After loading and after a view change every icon is laid out from its
    // own place, taken over into this view's cells when it comes from the
    // other icon view: one that would cover an earlier one shows in the
    // nearest free cell instead, and that becomes its own place, so the
    // profile holds what is shown. Otherwise each stays where it is shown,
    // overlaps the user made by hand included.
    const bool separate = rows > 0 && std::exchange(m_separateOverlaps, false);
    const bool changed = separate && m_placesView != m_view && (m_placesView == 0 || m_placesView == 1);
    // Places given back exactly claim their spots before the scaled ones.
    const std::vector<bool> givenBack = changed ? placesForView() : std::vector<bool>(size_t(rows));
    std::vector<int> unplaced, displaced;
    std::vector<QPointF> places(static_cast<size_t>(rows));
    auto layOut = [&](int row) {
        const QModelIndex index = viewIndex(row);
        auto left = placeRole(row, ItemRole::Left);
        auto top = placeRole(row, ItemRole::Top);
        if (bool(left) != bool(top)) {
            // One coordinate known: the other is where the list put the item.
            const QPointF now = twipsOf(rectForIndex(index).topLeft());
            left = left.value_or(now.x());
            top = top.value_or(now.y());
            setPlace(row, QPointF(*left, *top));
        }
        if (!left) {
            unplaced.push_back(row);
            return;
        }
        places[size_t(row)] = QPointF(*left, *top);
        const auto shown = shownAt(row);
        const QPoint at = shown && !separate ? *shown : pixelsOf(places[size_t(row)]);
        const QRect rect(at, itemSize(index));
        if (separate && grid.overlaps(rect)) {
            displaced.push_back(row);
            return;
        }
        setPositionForIndex(at, index);
        grid.place(rect);
        if (shown != at)
            setShownAt(row, at);
    };
    for (int pass : {1, 0})
        for (int row = 0; row < rows; ++row)
            if (givenBack[size_t(row)] == bool(pass))
                layOut(row);
    auto putInCell = [&](int row, QPoint cellAt) {
        const QModelIndex index = viewIndex(row);
        const QSize size = itemSize(index);
        const QPoint p = grid.cellOrigin(cellAt, size);
        setPositionForIndex(p, index);
        grid.place(QRect(p, size));
        setShownAt(row, p);
        setPlace(row, twipsOf(p));
    };
    for (int row : displaced)
        putInCell(row, grid.nearestFreeCell(pixelsOf(places[size_t(row)])));
    // New items go to the first free cell, row by row as far as the list is
    // wide, centred in it as the automatic arrangement does; that is their
    // own place from then on.
    for (int row : unplaced)
        putInCell(row, grid.firstFreeCell());
    if (changed)
        rememberPlaces();
    if (rows > 0)
        m_placesView = m_view;
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
