#include "shortcuts/Reordering.h"

#include <QPointF>
#include <algorithm>

#include "platform/widgets/ItemRoles.h"

namespace shortcuts {

namespace {

// `rows` sorted, without repeats or rows outside the list, and a mark per row.
std::vector<char> marked(int count, std::vector<int> &rows)
{
    std::vector<char> moving(size_t(std::max(count, 0)), 0);
    std::vector<int> kept;
    for (int row : rows)
        if (row >= 0 && row < count && !moving[size_t(row)]) {
            moving[size_t(row)] = 1;
            kept.push_back(row);
        }
    std::sort(kept.begin(), kept.end());
    rows = std::move(kept);
    return moving;
}

bool identity(const std::vector<int> &order)
{
    for (size_t i = 0; i < order.size(); ++i)
        if (order[i] != int(i))
            return false;
    return true;
}

} // namespace

std::vector<int> orderMovedOnto(int count, std::vector<int> rows, int target)
{
    const std::vector<char> moving = marked(count, rows);
    if (rows.empty() || target < 0 || target > count || (target < count && moving[size_t(target)]))
        return {};
    const bool behind = target < count && target > rows.front();
    std::vector<int> order;
    order.reserve(size_t(count));
    for (int row = 0; row < count; ++row) {
        if (row == target && !behind)
            order.insert(order.end(), rows.begin(), rows.end());
        if (!moving[size_t(row)])
            order.push_back(row);
        if (row == target && behind)
            order.insert(order.end(), rows.begin(), rows.end());
    }
    if (target == count)
        order.insert(order.end(), rows.begin(), rows.end());
    return identity(order) ? std::vector<int>() : order;
}

std::vector<int> orderStepped(int count, std::vector<int> rows, int step)
{
    const std::vector<char> moving = marked(count, rows);
    std::vector<int> order(size_t(std::max(count, 0)));
    for (int row = 0; row < count; ++row)
        order[size_t(row)] = row;
    if (rows.empty() || step == 0)
        return {};
    // Walking from the end they move towards, each moving row swaps with the
    // neighbour before it when that one stays: a run of moving rows passes
    // it as a whole, and a run that reached the end stays.
    if (step < 0) {
        for (int at = 1; at < count; ++at)
            if (moving[size_t(order[size_t(at)])] && !moving[size_t(order[size_t(at - 1)])])
                std::swap(order[size_t(at)], order[size_t(at - 1)]);
    } else {
        for (int at = count - 2; at >= 0; --at)
            if (moving[size_t(order[size_t(at)])] && !moving[size_t(order[size_t(at + 1)])])
                std::swap(order[size_t(at)], order[size_t(at + 1)]);
    }
    return identity(order) ? std::vector<int>() : order;
}

bool Reorder(ShortcutList &list, const std::vector<int> &order, bool keepPlaces)
{
    using platform::ItemRole::Left;
    using platform::ItemRole::Top;
    if (order.empty())
        return false;
    // The places of the rows whose shortcut changes, in the old order.
    std::vector<std::pair<int, QPointF>> places;
    if (keepPlaces && list.view.placedByHand())
        for (size_t at = 0; at < order.size(); ++at)
            if (order[at] != int(at))
                places.emplace_back(int(at), list.view.placeOf(int(at)));
    if (!list.model.reorder(list.shown.modelOrder(order)))
        return false;
    for (const auto &[row, place] : places) {
        const QModelIndex index = list.shown.index(row, 0);
        list.shown.setData(index, place.x(), Left);
        list.shown.setData(index, place.y(), Top);
    }
    return true;
}

} // namespace shortcuts
