#pragma once

#include <QHash>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace platform {

// The icons already placed on a free-placement view, looked up through the
// grid cells they touch, so asking about one spot costs the same however many
// icons there are. Items are never larger than a cell.
class IconGrid {
public:
    // Moved icons stay within `columns` cells from the left when it is above
    // zero (the width the list shows), so none is pushed out of sight.
    explicit IconGrid(QSize cell, int columns = 0) : m_cell(cell), m_columns(columns) {}

    // Whether any placed icon's rectangle intersects `rect`.
    bool overlaps(const QRect &rect) const;
    // Whether no placed icon touches cell (x, y).
    bool cellFree(int x, int y) const { return !m_cells.contains(key(x, y)); }
    void place(const QRect &rect);

    // The free cell nearest to `from` (an item's top left, in pixels), as the
    // cell's column and row; never left of or above the first cell.
    QPoint nearestFreeCell(QPoint from);
    // Top left of an item of `size` centred in cell `cell`.
    QPoint cellOrigin(QPoint cell, QSize size) const;

private:
    static quint64 key(int x, int y) { return (quint64(quint32(x)) << 32) | quint32(y); }
    QRect cellsTouched(const QRect &rect) const;

    QSize m_cell;
    int m_columns;
    QHash<quint64, QList<QRect>> m_cells;
    // Per starting cell, the first ring around it that may still have room:
    // icons piled in one spot do not search the same full rings again.
    QHash<quint64, int> m_firstOpenRing;
};

} // namespace platform
