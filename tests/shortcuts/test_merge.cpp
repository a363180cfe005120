// The three-way merge of the shortcuts: what another program stored against
// what this window shows, both grown from the version last read or written.
#include <gtest/gtest.h>

#include "shortcuts/Merge.h"

using shortcuts::ListState;
using shortcuts::Shortcut;

namespace {

Shortcut sc(const QString &target, const QString &caption, const QString &group = {})
{
    Shortcut s;
    s.target = target;
    s.caption = caption;
    s.group = group;
    return s;
}

ListState list(std::vector<Shortcut> shortcuts, QStringList groups = {QString()})
{
    return {std::move(shortcuts), std::move(groups)};
}

// "target:caption" of each, in order: what a failure shows.
QStringList named(const ListState &state)
{
    QStringList out;
    for (const Shortcut &s : state.shortcuts)
        out << s.target + u':' + s.caption;
    return out;
}

const Shortcut a = sc(QStringLiteral("/a"), QStringLiteral("A"));
const Shortcut b = sc(QStringLiteral("/b"), QStringLiteral("B"));
const Shortcut c = sc(QStringLiteral("/c"), QStringLiteral("C"));
const Shortcut d = sc(QStringLiteral("/d"), QStringLiteral("D"));

struct Case {
    const char *what;
    ListState base, theirs, ours;
    QStringList expected;
    int conflicts;
    bool removedThere;
    bool changedHere;
};

TEST(MergeTest, Table)
{
    const Shortcut a2 = sc(QStringLiteral("/a"), QStringLiteral("A there"));
    const Shortcut a3 = sc(QStringLiteral("/a"), QStringLiteral("A here"));
    const Shortcut b2 = sc(QStringLiteral("/b"), QStringLiteral("B there"));
    const Shortcut dup = sc(QStringLiteral("/a"), QStringLiteral("A again"));
    const Shortcut dup2 = sc(QStringLiteral("/a"), QStringLiteral("A again, renamed"));
    const std::vector<Case> cases = {
        {"nothing changed", list({a, b}), list({a, b}), list({a, b}), {"/a:A", "/b:B"}, 0, false, false},
        {"added there", list({a}), list({a, b}), list({a}), {"/a:A", "/b:B"}, 0, false, false},
        {"added on both sides", list({a}), list({a, b}), list({a, c}), {"/a:A", "/c:C", "/b:B"}, 0, false, true},
        {"removed there", list({a, b}), list({b}), list({a, b}), {"/b:B"}, 0, true, false},
        {"removed there, changed here: kept", list({a, b}), list({b}), list({a3, b}), {"/a:A here", "/b:B"}, 0,
         false, true},
        {"removed here, unchanged there: stays gone", list({a, b}), list({a, b}), list({b}), {"/b:B"}, 0, false,
         true},
        {"removed here, changed there: theirs comes back", list({a, b}), list({a2, b}), list({b}),
         {"/b:B", "/a:A there"}, 0, false, true},
        {"changed there", list({a, b}), list({a2, b}), list({a, b}), {"/a:A there", "/b:B"}, 0, false, false},
        {"changed here", list({a, b}), list({a, b}), list({a3, b}), {"/a:A here", "/b:B"}, 0, false, true},
        {"changed alike on both sides", list({a}), list({a2}), list({a2}), {"/a:A there"}, 0, false, false},
        {"changed on both sides: both kept, ours first", list({a, b}), list({a2, b2}), list({a3, b}),
         {"/a:A here", "/a:A there", "/b:B there"}, 1, false, true},
        {"added on both sides with one target, unlike", list({}), list({sc("/x", "X there")}),
         list({sc("/x", "X here")}), {"/x:X here", "/x:X there"}, 1, false, true},
        {"second of two equal targets changed there", list({a, dup}), list({a, dup2}), list({a, dup}),
         {"/a:A", "/a:A again, renamed"}, 0, false, false},
        {"second of two equal targets removed there", list({a, b, dup}), list({a, b}), list({a, b, dup}),
         {"/a:A", "/b:B"}, 0, true, false},
        {"a third occurrence added there", list({a, dup}), list({a, dup, a2}), list({a, dup}),
         {"/a:A", "/a:A again", "/a:A there"}, 0, false, false},
        {"reordered here, added there", list({a, b, c}), list({a, b, c, d}), list({c, a, b}),
         {"/c:C", "/a:A", "/b:B", "/d:D"}, 0, false, true},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.what);
        const shortcuts::Merged merged = shortcuts::merge(test.base, test.theirs, test.ours);
        EXPECT_EQ(named(merged.state), test.expected);
        EXPECT_EQ(merged.conflicts, test.conflicts);
        EXPECT_EQ(merged.removedThere, test.removedThere);
        EXPECT_EQ(merged.changedHere, test.changedHere);
    }
}

TEST(MergeTest, AnOlderCopyRemovesNothingButAddsAndChanges)
{
    const Shortcut a2 = sc(QStringLiteral("/a"), QStringLiteral("A there"));
    // Lacks b and c (never seen there, or removed: it cannot tell).
    const shortcuts::Merged merged =
        shortcuts::merge(list({a, b, c}), list({a2, d}), list({a, b, c}), shortcuts::Removals::Ignored);
    EXPECT_EQ(named(merged.state), (QStringList{"/a:A there", "/b:B", "/c:C", "/d:D"}));
    EXPECT_FALSE(merged.removedThere);
    EXPECT_TRUE(merged.changedHere);
}

TEST(MergeTest, GroupsAreOursInOrderWithTheirNewOnesAfter)
{
    const QStringList ourGroups{QString(), QStringLiteral("Work"), QStringLiteral("Home")};
    const QStringList theirGroups{QString(), QStringLiteral("Games"), QStringLiteral("Home"), QStringLiteral("Work")};
    const Shortcut game = sc(QStringLiteral("/g"), QStringLiteral("G"), QStringLiteral("Games"));
    const shortcuts::Merged merged = shortcuts::merge(list({a}), list({a, game}, theirGroups), list({a}, ourGroups));
    EXPECT_EQ(merged.state.groups,
              (QStringList{QString(), QStringLiteral("Work"), QStringLiteral("Home"), QStringLiteral("Games")}));
    ASSERT_EQ(merged.state.shortcuts.size(), 2u);
    EXPECT_EQ(merged.state.shortcuts[1].group, QStringLiteral("Games"));
    // Ours' order of the groups is not theirs': the file must be written.
    EXPECT_TRUE(merged.changedHere);

    // A group only a shortcut of theirs names still becomes one.
    const Shortcut lone = sc(QStringLiteral("/l"), QStringLiteral("L"), QStringLiteral("Lone"));
    const shortcuts::Merged named = shortcuts::merge(list({}), list({lone}), list({}));
    EXPECT_EQ(named.state.groups, (QStringList{QString(), QStringLiteral("Lone")}));

    // Moved to another group there: a change like any other.
    Shortcut moved = a;
    moved.group = QStringLiteral("Work");
    const shortcuts::Merged regrouped =
        shortcuts::merge(list({a}, ourGroups), list({moved}, ourGroups), list({a}, ourGroups));
    EXPECT_EQ(regrouped.state.shortcuts.at(0).group, QStringLiteral("Work"));
    EXPECT_FALSE(regrouped.changedHere);
}

TEST(MergeTest, PlacesAreOursUnlessMovedThereAndNeverAChangeOfTheirOwn)
{
    Shortcut here = a, there = a, was = a;
    was.left = 10;
    was.top = 20;
    here.left = 300;
    here.top = 20;
    there.left = 10;
    there.top = 20;
    there.caption = QStringLiteral("A there");
    // Renamed there, moved here: the new name where ours stands.
    shortcuts::Merged merged = shortcuts::merge(list({was}), list({there}), list({here}));
    EXPECT_EQ(merged.conflicts, 0);
    EXPECT_EQ(merged.state.shortcuts.at(0).caption, QStringLiteral("A there"));
    EXPECT_EQ(merged.state.shortcuts.at(0).left, 300.0);
    // Only the places differ from theirs: nothing to write.
    EXPECT_FALSE(merged.changedHere);

    // Moved there, untouched here: theirs' place.
    there.left = 900;
    merged = shortcuts::merge(list({was}), list({there}), list({was}));
    EXPECT_EQ(merged.state.shortcuts.at(0).left, 900.0);
}

} // namespace
