#pragma once

#include <QPoint>
#include <QSize>
#include <vector>

namespace platform {

// Where icons placed by hand in cells of one size go in cells of another (a
// change between large and small icons), so that the layout the user made
// keeps its shape: rows and columns grow or shrink with the cells.
//
// `from` holds each icon's top left in the old view, in pixels; `inset` is
// where an icon stands within its cell in both views (centred: a pixel in
// from the left). Icons whose tops are nearest to the same old cell row form
// one row; each row gets one top, its highest icon's top scaled, and lies at
// least a new cell below the row above it. In a row, left to right, each
// icon's left is scaled, and pushed right only as far as it takes to stand a
// whole new cell right of its left neighbour. So rows keep their order top to
// bottom, icons keep theirs in a row, and no two icons (each at most a cell)
// cover each other; a layout on the old cells' grid lands on the new grid
// exactly. Icons at the same spot are taken in the order of `from`.
//
// Linear in the number of icons: they are sorted by radix, not compared.
std::vector<QPoint> scaleToCells(const std::vector<QPoint> &from, QSize fromCell, QSize toCell, QPoint inset);

} // namespace platform
