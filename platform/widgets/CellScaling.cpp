#include "platform/widgets/CellScaling.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace platform {

namespace {

int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// A coordinate measured from the cell's inset, in new cells instead of old;
// halves round up on both sides of the inset, so a spot just left of it does
// not land a pixel further left than one on it.
int scaled(int value, int fromCell, int toCell, int inset)
{
    return inset + int(std::floor(double(value - inset) * toCell / fromCell + 0.5));
}

// Signed numbers as unsigned ones in the same order.
uint64_t ordered(int value) { return uint64_t(uint32_t(value) ^ 0x80000000u); }

// The indices 0..n-1 ordered by key, equal keys in index order: least
// significant byte first, each pass stable; a byte that is the same in every
// key costs one counting pass and no move.
std::vector<size_t> radixOrder(const std::vector<uint64_t> &keys)
{
    const size_t n = keys.size();
    std::vector<size_t> order(n), next(n);
    for (size_t i = 0; i < n; ++i)
        order[i] = i;
    for (int shift = 0; shift < 64; shift += 8) {
        std::array<size_t, 257> start{};
        for (uint64_t key : keys)
            ++start[((key >> shift) & 0xff) + 1];
        if (std::any_of(start.begin(), start.end(), [n](size_t c) { return c == n; }))
            continue;
        for (size_t b = 1; b < start.size(); ++b)
            start[b] += start[b - 1];
        for (size_t i : order)
            next[start[(keys[i] >> shift) & 0xff]++] = i;
        order.swap(next);
    }
    return order;
}

} // namespace

std::vector<QPoint> scaleToCells(const std::vector<QPoint> &from, QSize fromCell, QSize toCell, QPoint inset)
{
    const size_t n = from.size();
    std::vector<QPoint> to(n);
    if (n == 0 || fromCell.isEmpty() || toCell.isEmpty())
        return from;
    const int oldHeight = fromCell.height();
    // The old cell row an icon's top is nearest to: a hand-placed row may be
    // off the grid by a few pixels, or by up to half a row.
    std::vector<int> band(n);
    std::vector<uint64_t> keys(n);
    for (size_t i = 0; i < n; ++i) {
        band[i] = floorDiv(from[i].y() - inset.y() + oldHeight / 2, oldHeight);
        keys[i] = (ordered(band[i]) << 32) | ordered(from[i].x());
    }
    const std::vector<size_t> order = radixOrder(keys);

    bool firstRow = true;
    int rowTop = 0;
    for (size_t first = 0; first < n;) {
        size_t end = first;
        int highest = from[order[first]].y();
        while (end < n && band[order[end]] == band[order[first]])
            highest = std::min(highest, from[order[end++]].y());
        const int top = scaled(highest, oldHeight, toCell.height(), inset.y());
        rowTop = firstRow ? top : std::max(top, rowTop + toCell.height());
        firstRow = false;
        int left = 0;
        for (size_t k = first; k < end; ++k) {
            const int x = scaled(from[order[k]].x(), fromCell.width(), toCell.width(), inset.x());
            left = k == first ? x : std::max(x, left + toCell.width());
            to[order[k]] = QPoint(left, rowTop);
        }
        first = end;
    }
    return to;
}

} // namespace platform
