#pragma once

#include "shortcuts/ShortcutModel.h"

namespace shortcuts {

// What a three-way merge of the shortcuts gives.
struct Merged {
    // The shortcuts and groups to show and store.
    ListState state;
    // Shortcuts changed both here and there in different ways: each is kept
    // twice, ours first, theirs right after it.
    int conflicts = 0;
    // Some shortcut of the base went there and, unchanged here, went here too.
    bool removedThere = false;
    // The result is not what `theirs` stores: it has to be written back.
    bool changedHere = false;
};

// Whether a shortcut of the base that `theirs` lacks was removed there.
enum class Removals { Taken, Ignored };

// Merges the shortcuts another program stored (`theirs`) with the ones shown
// here (`ours`), both grown from `base`, what this copy last read or wrote.
// A shortcut is known across the three by its target, and among equal
// targets by which occurrence it is. Added there: appended; removed there:
// gone, unless changed here; changed there: theirs, unless changed here too,
// then both. Groups: ours' in ours' order, theirs' new ones after them.
// Places on the desk are not a change of their own: ours are kept, theirs
// taken only for a shortcut whose place moved there. With Removals::Ignored
// (`theirs` may be older than `base`) what theirs lacks stays.
Merged merge(const ListState &base, const ListState &theirs, const ListState &ours,
             Removals removals = Removals::Taken);

// Whether two lists store the same shortcuts in the same order and the same
// groups, places left aside.
bool sameContent(const ListState &a, const ListState &b);

} // namespace shortcuts
