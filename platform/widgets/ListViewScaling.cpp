#include "platform/widgets/ListView.h"

#include "platform/widgets/CellScaling.h"
#include "platform/widgets/ItemRoles.h"

// A layout placed by hand through a change between large and small icons: the
// icons' own places are taken over into the new view's cells, keeping rows
// and order (CellScaling), so what the new view shows, and the profile then
// stores, never has one icon over another. For the session each item also
// keeps the place it had in the view it left: changing back, before it is
// moved, gives that place back exactly.
//
// An item moved by hand (or placed from outside) in the new view is scaled
// back from where it now stands; the others still get their exact places. A
// move says where the user wants that icon, not the others: their places in
// the other view are still the ones the user made there.
namespace platform {

std::vector<bool> ListView::placesForView()
{
    const int rows = m_shown->rowCount();
    std::vector<bool> givenBack(size_t(rows), false);
    // Each row's remembered place, if it was remembered for this view.
    std::vector<const RememberedPlace *> remembered(size_t(rows), nullptr);
    if (m_rememberedView == m_view)
        for (const RememberedPlace &r : m_remembered) {
            const int row = r.item.isValid() && r.item.model() == items() ? m_shown->mapFromSource(r.item).row() : -1;
            if (row >= 0 && row < rows)
                remembered[size_t(row)] = &r;
        }
    std::vector<RememberedPlace> leaving;
    leaving.reserve(size_t(rows));
    std::vector<int> scaledRows;
    std::vector<QPoint> from;
    for (int row = 0; row < rows; ++row) {
        const auto left = placeRole(row, ItemRole::Left);
        const auto top = placeRole(row, ItemRole::Top);
        if (!left || !top)
            continue; // placed in this view as one that has no place yet
        const QPointF here(*left, *top);
        leaving.push_back({QPersistentModelIndex(m_shown->mapToSource(m_shown->index(row, 0))), here, {}});
        if (const RememberedPlace *r = remembered[size_t(row)]; r && r->here == here) {
            setPlace(row, r->there);
            givenBack[size_t(row)] = true;
        } else {
            scaledRows.push_back(row);
            from.push_back(pixelsOf(here));
        }
    }
    // Icons stand centred in their cells, a pixel in from the left, in both
    // views (the cell less the item, halved).
    const QPoint inset((cellSize().width() - m_shown->fixedSize.width()) / 2, 0);
    const std::vector<QPoint> to = scaleToCells(from, cellOf(m_placesView), cellSize(), inset);
    for (size_t i = 0; i < scaledRows.size(); ++i)
        setPlace(scaledRows[i], twipsOf(to[i]));
    m_remembered = std::move(leaving);
    m_rememberedView = m_placesView;
    return givenBack;
}

void ListView::rememberPlaces()
{
    // Where each item ended up here, once overlaps with the places given
    // back are settled: moved from there, it is scaled next time.
    for (RememberedPlace &r : m_remembered) {
        const QVariant left = r.item.data(ItemRole::Left), top = r.item.data(ItemRole::Top);
        r.here = QPointF(left.toDouble(), top.toDouble());
    }
}

void ListView::forgetOtherView()
{
    m_remembered.clear();
    m_rememberedView = -1;
}

} // namespace platform
