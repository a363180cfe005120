#include "shortcuts/Merge.h"

#include <QHash>
#include <map>

namespace shortcuts {

namespace {

// A shortcut's identity in one list: its target and which occurrence of it.
using Key = std::pair<QString, int>;

std::vector<Key> keysOf(const std::vector<Shortcut> &list)
{
    QHash<QString, int> seen;
    std::vector<Key> keys;
    keys.reserve(list.size());
    for (const Shortcut &shortcut : list)
        keys.emplace_back(shortcut.target, seen[shortcut.target]++);
    return keys;
}

std::map<Key, const Shortcut *> indexOf(const std::vector<Shortcut> &list)
{
    std::map<Key, const Shortcut *> index;
    const std::vector<Key> keys = keysOf(list);
    for (size_t i = 0; i < list.size(); ++i)
        index.emplace(keys[i], &list[i]);
    return index;
}

const Shortcut *find(const std::map<Key, const Shortcut *> &index, const Key &key)
{
    const auto it = index.find(key);
    return it == index.end() ? nullptr : it->second;
}

// The same shortcut as the user made it, wherever its icon stands.
bool sameApartFromPlace(Shortcut a, const Shortcut &b)
{
    a.left = b.left;
    a.top = b.top;
    return sameStored(a, b);
}

// Theirs, where theirs moved it on the desk, else in our place.
Shortcut theirsPlaced(Shortcut theirs, const Shortcut &base, const Shortcut &ours)
{
    if (theirs.left == base.left && theirs.top == base.top) {
        theirs.left = ours.left;
        theirs.top = ours.top;
    }
    theirs.shown = ours.shown;
    return theirs;
}

} // namespace

bool sameContent(const ListState &a, const ListState &b)
{
    if (a.groups != b.groups || a.shortcuts.size() != b.shortcuts.size())
        return false;
    for (size_t i = 0; i < a.shortcuts.size(); ++i)
        if (!sameApartFromPlace(a.shortcuts[i], b.shortcuts[i]))
            return false;
    return true;
}

Merged merge(const ListState &base, const ListState &theirs, const ListState &ours, Removals removals)
{
    const auto baseIndex = indexOf(base.shortcuts);
    const auto theirIndex = indexOf(theirs.shortcuts);
    const auto ourIndex = indexOf(ours.shortcuts);
    const std::vector<Key> ourKeys = keysOf(ours.shortcuts);
    Merged merged;
    auto &out = merged.state.shortcuts;

    for (size_t i = 0; i < ours.shortcuts.size(); ++i) {
        const Shortcut &our = ours.shortcuts[i];
        const Shortcut *was = find(baseIndex, ourKeys[i]);
        const Shortcut *their = find(theirIndex, ourKeys[i]);
        if (!their) {
            // Removed there: it goes too, unless it was changed (or added) here.
            if (was && removals == Removals::Taken && sameApartFromPlace(our, *was)) {
                merged.removedThere = true;
                continue;
            }
            out.push_back(our);
        } else if (!was) {
            // Added on both sides: once when alike, else both.
            out.push_back(our);
            if (!sameApartFromPlace(our, *their)) {
                out.push_back(*their);
                ++merged.conflicts;
            }
        } else if (sameApartFromPlace(our, *was)) {
            out.push_back(theirsPlaced(*their, *was, our));
        } else if (sameApartFromPlace(*their, *was) || sameApartFromPlace(*their, our)) {
            out.push_back(our);
        } else {
            out.push_back(our);
            out.push_back(theirsPlaced(*their, *was, our));
            ++merged.conflicts;
        }
    }
    // Added there, or removed here but changed there: theirs, at the end.
    const std::vector<Key> theirKeys = keysOf(theirs.shortcuts);
    for (size_t i = 0; i < theirs.shortcuts.size(); ++i) {
        if (find(ourIndex, theirKeys[i]))
            continue;
        const Shortcut *was = find(baseIndex, theirKeys[i]);
        if (!was || !sameApartFromPlace(theirs.shortcuts[i], *was))
            out.push_back(theirs.shortcuts[i]);
    }

    merged.state.groups = ours.groups;
    for (const QString &group : theirs.groups)
        if (!merged.state.groups.contains(group))
            merged.state.groups << group;
    // A shortcut of theirs may name a group theirs' list left out.
    for (const Shortcut &shortcut : out)
        if (!merged.state.groups.contains(shortcut.group))
            merged.state.groups << shortcut.group;
    merged.changedHere = !sameContent(merged.state, theirs);
    return merged;
}

} // namespace shortcuts
