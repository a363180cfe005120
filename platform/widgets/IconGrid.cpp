#include "platform/widgets/IconGrid.h"

#include <algorithm>
#include <limits>

namespace platform {

namespace {
int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
} // namespace

QRect IconGrid::cellsTouched(const QRect &rect) const
{
    return QRect(QPoint(floorDiv(rect.left(), m_cell.width()), floorDiv(rect.top(), m_cell.height())),
                 QPoint(floorDiv(rect.right(), m_cell.width()), floorDiv(rect.bottom(), m_cell.height())));
}

bool IconGrid::overlaps(const QRect &rect) const
{
    const QRect cells = cellsTouched(rect);
    for (int x = cells.left(); x <= cells.right(); ++x)
        for (int y = cells.top(); y <= cells.bottom(); ++y) {
            const auto it = m_cells.constFind(key(x, y));
            if (it == m_cells.cend())
                continue;
            for (const QRect &placed : *it)
                if (placed.intersects(rect))
                    return true;
        }
    return false;
}

void IconGrid::place(const QRect &rect)
{
    const QRect cells = cellsTouched(rect);
    for (int x = cells.left(); x <= cells.right(); ++x)
        for (int y = cells.top(); y <= cells.bottom(); ++y)
            m_cells[key(x, y)].append(rect);
}

QPoint IconGrid::cellOrigin(QPoint cell, QSize size) const
{
    return QPoint(cell.x() * m_cell.width() + std::max(0, (m_cell.width() - size.width()) / 2),
                  cell.y() * m_cell.height());
}

QPoint IconGrid::nearestFreeCell(QPoint from)
{
    const int w = m_cell.width(), h = m_cell.height();
    const QPoint start(std::min(std::max(0, floorDiv(from.x() + w / 2, w)), m_columns - 1),
                       std::max(0, floorDiv(from.y() + h / 2, h)));
    int &firstOpen = m_firstOpenRing[key(start.x(), start.y())];
    const qint64 step = std::min(w, h);
    QPoint best;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    constexpr int kFarthestRing = 6;
    for (int ring = firstOpen;; ++ring) {
        if (ring > kFarthestRing)
            return bestDistance == std::numeric_limits<qint64>::max() ? firstFreeCell() : best;
        // No cell of this ring or beyond can be nearer than the best so far.
        const qint64 nearest = std::max<qint64>(0, ring - 1) * step;
        if (bestDistance != std::numeric_limits<qint64>::max() && nearest * nearest > bestDistance)
            break;
        bool anyFree = false;
        auto consider = [&](int x, int y) {
            if (x < 0 || y < 0 || x >= m_columns || !cellFree(x, y))
                return;
            anyFree = true;
            const qint64 dx = qint64(x) * w - from.x(), dy = qint64(y) * h - from.y();
            const qint64 distance = dx * dx + dy * dy;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = QPoint(x, y);
            }
        };
        if (ring == 0) {
            consider(start.x(), start.y());
        } else {
            for (int d = -ring; d <= ring; ++d) {
                consider(start.x() + d, start.y() - ring);
                consider(start.x() + d, start.y() + ring);
            }
            for (int d = -ring + 1; d <= ring - 1; ++d) {
                consider(start.x() - ring, start.y() + d);
                consider(start.x() + ring, start.y() + d);
            }
        }
        if (!anyFree && ring == firstOpen)
            firstOpen = ring + 1;
    }
    return best;
}

QPoint IconGrid::firstFreeCell()
{
    for (;; ++m_next) {
        const QPoint cell(int(m_next % m_columns), int(m_next / m_columns));
        if (cellFree(cell.x(), cell.y()))
            return cell;
    }
}

} // namespace platform
