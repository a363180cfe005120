#pragma once

#include <QHash>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <algorithm>

namespace platform {

// The icons already placed on a free-placement view, looked up through the
// grid cells they touch, so asking about one spot costs the same however many
// icons there are. Items are never larger than a cell.
class IconGrid {
public:
    // Icons put in cells stay within `columns` cells from the left (the width
    // the list shows), so none is pushed out of sight.
    IconGrid(QSize cell, int columns) : m_cell(cell), m_columns(std::max(1, columns)) {}

    // Whether any placed icon's rectangle intersects `rect`.
    bool overlaps(const QRect &rect) const;
    // Whether no placed icon touches cell (x, y).
    bool cellFree(int x, int y) const { return !m_cells.contains(key(x, y)); }
    void place(const QRect &rect);

    // The free cell nearest to `from` (an item's top left, in pixels), as the
    // cell's column and row. Searched only a few cells around: where all of
    // them are taken (a tall pile), the first free cell row by row instead,
    // so a pile of any height costs the same per icon.
    QPoint nearestFreeCell(QPoint from);
    // The first free cell, row by row.
    QPoint firstFreeCell();
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
    // Every cell before this one, row by row, is taken.
    qint64 m_next = 0;
};

} // namespace platform
