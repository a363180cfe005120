// The undo history: each step kept as the rows that changed, and undo and
// redo giving back exactly the states recorded, wherever the change was.
#include <gtest/gtest.h>

#include "shortcuts/UndoHistory.h"
#include "support/QtPrinters.h"

using shortcuts::ListState;
using shortcuts::Shortcut;
using shortcuts::UndoHistory;

namespace {

Shortcut shortcut(const QString &caption, const QString &group = QString())
{
    Shortcut s;
    s.target = QStringLiteral("http://") + caption + QStringLiteral(".org");
    s.caption = caption;
    s.group = group;
    return s;
}

ListState listOf(const QStringList &captions, QStringList groups = {QString()})
{
    ListState state;
    for (const QString &caption : captions)
        state.shortcuts.push_back(shortcut(caption));
    state.groups = std::move(groups);
    return state;
}

bool same(const ListState &a, const ListState &b)
{
    if (a.groups != b.groups || a.shortcuts.size() != b.shortcuts.size())
        return false;
    for (size_t n = 0; n < a.shortcuts.size(); ++n)
        if (!shortcuts::sameStored(a.shortcuts[n], b.shortcuts[n]))
            return false;
    return true;
}

QStringList captions(const ListState &state)
{
    QStringList out;
    for (const Shortcut &s : state.shortcuts)
        out << s.caption;
    return out;
}

ListState edited(ListState state, const std::function<void(ListState &)> &change)
{
    change(state);
    return state;
}

TEST(UndoHistory, EveryKindOfChangeGoesBackAndForthExactly)
{
    const ListState start = listOf({"a", "b", "c", "d", "e"}, {QString(), QStringLiteral("Work")});
    struct Case {
        const char *what;
        ListState after;
    };
    const std::vector<Case> cases = {
        {"added at the end", edited(start, [](ListState &s) { s.shortcuts.push_back(shortcut("f")); })},
        {"added at the start", edited(start, [](ListState &s) { s.shortcuts.insert(s.shortcuts.begin(), shortcut("z")); })},
        {"deleted in the middle", edited(start, [](ListState &s) { s.shortcuts.erase(s.shortcuts.begin() + 2); })},
        {"two apart deleted", edited(start, [](ListState &s) {
             s.shortcuts.erase(s.shortcuts.begin() + 3);
             s.shortcuts.erase(s.shortcuts.begin() + 1);
         })},
        {"reordered", edited(start, [](ListState &s) { std::swap(s.shortcuts[1], s.shortcuts[3]); })},
        {"renamed", edited(start, [](ListState &s) { s.shortcuts[4].caption = QStringLiteral("E"); })},
        {"moved by hand", edited(start, [](ListState &s) { s.shortcuts[0].left = 1215; s.shortcuts[0].top = 330; })},
        {"everything deleted", edited(start, [](ListState &s) { s.shortcuts.clear(); })},
        {"group renamed with its shortcut", edited(start, [](ListState &s) {
             s.groups[1] = QStringLiteral("Play");
             s.shortcuts[2].group = QStringLiteral("Play");
         })},
        {"groups only reordered", edited(start, [](ListState &s) { s.groups.move(0, 1); })},
    };
    for (const Case &c : cases) {
        UndoHistory history;
        ASSERT_TRUE(history.record(QStringLiteral("step"), start, c.after)) << c.what;
        const auto undone = history.undo(c.after);
        ASSERT_TRUE(undone) << c.what;
        EXPECT_TRUE(same(*undone, start)) << c.what << ": " << captions(*undone).join(',').toStdString();
        EXPECT_FALSE(history.canUndo());
        const auto redone = history.redo(*undone);
        ASSERT_TRUE(redone) << c.what;
        EXPECT_TRUE(same(*redone, c.after)) << c.what << ": " << captions(*redone).join(',').toStdString();
        EXPECT_FALSE(history.canRedo());
    }
}

TEST(UndoHistory, KeepsOnlyTheRowsThatChangedAndPutsThemBackAtTheirPlace)
{
    // A long list: a step that deletes one in the middle must not hold the rest.
    QStringList many;
    for (int n = 0; n < 1000; ++n)
        many << QString::number(n);
    const ListState before = listOf(many);
    const ListState after = edited(before, [](ListState &s) { s.shortcuts.erase(s.shortcuts.begin() + 500); });
    UndoHistory history;
    ASSERT_TRUE(history.record(QStringLiteral("Delete"), before, after));
    // Later, the view placed an icon the step did not touch: that stays.
    ListState now = after;
    now.shortcuts[10].left = 90;
    const auto undone = history.undo(now);
    ASSERT_TRUE(undone);
    EXPECT_EQ(undone->shortcuts.size(), 1000u);
    EXPECT_EQ(undone->shortcuts[500].caption, QStringLiteral("500"));
    EXPECT_EQ(undone->shortcuts[501].caption, QStringLiteral("501"));
    EXPECT_EQ(undone->shortcuts[10].left, std::optional<double>(90));
    EXPECT_EQ(history.changedRow(), 500);
}

TEST(UndoHistory, NamesBoundsAndANewChangeDroppingTheRedoSteps)
{
    UndoHistory history(3);
    EXPECT_FALSE(history.undo(listOf({})));
    EXPECT_EQ(history.undoName(), QString());
    // The same state is no step.
    EXPECT_FALSE(history.record(QStringLiteral("nothing"), listOf({"a"}), listOf({"a"})));
    ListState state = listOf({});
    for (int n = 1; n <= 5; ++n) {
        ListState next = state;
        next.shortcuts.push_back(shortcut(QString::number(n)));
        ASSERT_TRUE(history.record(QStringLiteral("Add %1").arg(n), state, next));
        state = next;
    }
    // Only the last three are kept.
    EXPECT_EQ(history.count(), 3);
    EXPECT_EQ(history.undoName(), QStringLiteral("Add 5"));
    for (const char *expected : {"1,2,3,4", "1,2,3", "1,2"}) {
        const auto undone = history.undo(state);
        ASSERT_TRUE(undone);
        state = *undone;
        EXPECT_EQ(captions(state).join(','), QLatin1String(expected));
    }
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.redoName(), QStringLiteral("Add 3"));
    state = *history.redo(state);
    EXPECT_EQ(captions(state).join(','), QStringLiteral("1,2,3"));

    // A new change: "Add 4" and "Add 5" can no longer be redone.
    ListState renamed = edited(state, [](ListState &s) { s.shortcuts[0].caption = QStringLiteral("one"); });
    ASSERT_TRUE(history.record(QStringLiteral("Rename"), state, renamed));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.redoName(), QString());
    EXPECT_EQ(history.undoName(), QStringLiteral("Rename"));

    // A list that is not what the last step left (changed behind its back):
    // nothing is put back, and the history that no longer fits is forgotten.
    EXPECT_FALSE(history.undo(listOf({"x"})));
    EXPECT_FALSE(history.canUndo());
}

} // namespace
