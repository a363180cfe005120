#pragma once

#include <vector>

#include "shortcuts/ShortcutList.h"

namespace shortcuts {

// New orders of the `count` shortcuts a list view shows (its rows): the old
// row of each new position. Rows that are out of range or
// named twice are left out of the move. Empty when nothing would move.

// The shortcuts `rows` dragged onto `target`'s place, together and in their
// order: after the target when it lies behind the first of them, else before
// it; `target` == count puts them at the end.
std::vector<int> orderMovedOnto(int count, std::vector<int> rows, int target);

// Each of `rows` one step towards the start (`step` < 0) or the end, past
// the neighbour that is not moving; one that already stands at that end (or
// behind others standing there) stays.
std::vector<int> orderStepped(int count, std::vector<int> rows, int step);

// Puts the shortcuts the view shows in `order` (of its rows), the other
// groups' shortcuts staying where they are in the list. Where icons are placed by hand, the places
// stay where they were and the shortcuts that moved go through them in
// their new order, so that the move shows; `keepPlaces` false leaves each
// shortcut its own place (the view has placed them already). False when
// nothing moved.
bool Reorder(ShortcutList &list, const std::vector<int> &order, bool keepPlaces);

} // namespace shortcuts
