// Moving shortcuts in the list's order: dragged onto another's place, or one
// step with the keyboard; the selection follows them, and where icons are
// placed by hand the places stay and the shortcuts go through them.
#include "shortcuts/Reordering.h"
#include "platform/widgets/ItemRoles.h"
#include "support/ShortcutFixture.h"

using namespace testing_support;
using Order = std::vector<int>;

TEST(ReorderingOrders, DraggedOntoAnotherTheyTakeItsPlace)
{
    struct Case {
        int count;
        Order rows;
        int target;
        Order expected;
    };
    const Case cases[] = {
        {4, {3}, 0, {3, 0, 1, 2}},       // back to the start: before the target
        {4, {0}, 2, {1, 2, 0, 3}},       // forward: behind the target
        {4, {0}, 4, {1, 2, 3, 0}},       // past the last item
        {5, {1, 3}, 0, {1, 3, 0, 2, 4}}, // several together, in their order
        {5, {0, 2}, 4, {1, 3, 4, 0, 2}},
        {5, {3, 1, 3}, 4, {0, 2, 4, 1, 3}}, // unsorted and repeated
        {5, {0, 4}, 2, {1, 2, 0, 4, 3}},    // around the target: behind it, as the first lies before it
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.rows) + " onto " + std::to_string(c.target));
        EXPECT_EQ(shortcuts::orderMovedOnto(c.count, c.rows, c.target), c.expected);
    }
    // Nothing to do: onto one of the dragged, onto nothing, no rows, already there.
    EXPECT_TRUE(shortcuts::orderMovedOnto(4, {1, 2}, 2).empty());
    EXPECT_TRUE(shortcuts::orderMovedOnto(4, {1}, -1).empty());
    EXPECT_TRUE(shortcuts::orderMovedOnto(4, {1}, 5).empty());
    EXPECT_TRUE(shortcuts::orderMovedOnto(4, {}, 0).empty());
    EXPECT_TRUE(shortcuts::orderMovedOnto(4, {3}, 4).empty());
    EXPECT_TRUE(shortcuts::orderMovedOnto(4, {9, -1}, 0).empty());
}

TEST(ReorderingOrders, OneStepPassesTheNeighbourThatStays)
{
    EXPECT_EQ(shortcuts::orderStepped(4, {2}, -1), (Order{0, 2, 1, 3}));
    EXPECT_EQ(shortcuts::orderStepped(4, {2}, 1), (Order{0, 1, 3, 2}));
    // A run passes its neighbour as a whole.
    EXPECT_EQ(shortcuts::orderStepped(4, {1, 2}, -1), (Order{1, 2, 0, 3}));
    EXPECT_EQ(shortcuts::orderStepped(4, {1, 2}, 1), (Order{0, 3, 1, 2}));
    // Apart from each other, each moves.
    EXPECT_EQ(shortcuts::orderStepped(5, {1, 3}, -1), (Order{1, 0, 3, 2, 4}));
    // At the end already: stays, and those behind it that reached it too.
    EXPECT_TRUE(shortcuts::orderStepped(4, {0}, -1).empty());
    EXPECT_TRUE(shortcuts::orderStepped(4, {3}, 1).empty());
    EXPECT_EQ(shortcuts::orderStepped(4, {0, 2}, -1), (Order{0, 2, 1, 3}));
    EXPECT_EQ(shortcuts::orderStepped(4, {1, 3}, 1), (Order{0, 2, 1, 3}));
}

namespace {

class ReorderingTest : public ShortcutFixture {
protected:
    void addFour()
    {
        for (const char *name : {"a", "b", "c", "d"})
            add(QStringLiteral("http://x.org/") + QLatin1String(name), QLatin1String(name));
    }
};

} // namespace

TEST_F(ReorderingTest, TheModelTakesOnlyANewOrderOfEveryRowAndTheSelectionFollows)
{
    addFour();
    view.selectRow(1); // b
    EXPECT_FALSE(model.reorder({0, 1, 2}));       // not every row
    EXPECT_FALSE(model.reorder({0, 1, 1, 3}));    // one twice
    EXPECT_FALSE(model.reorder({0, 1, 2, 7}));    // one that is not there
    EXPECT_EQ(captions(), (QStringList{"a", "b", "c", "d"}));
    EXPECT_TRUE(model.reorder({3, 1, 0, 2}));
    EXPECT_EQ(captions(), (QStringList{"d", "b", "a", "c"}));
    view.selectRow(2);
    ASSERT_TRUE(model.reorder({2, 0, 1, 3}));
    EXPECT_EQ(captions(), (QStringList{"a", "d", "b", "c"}));
    EXPECT_EQ(view.selectedRow(), 0); // "a" is still the one selected
    EXPECT_EQ(view.shownRow(1), 0);   // Alt+1 follows the new order
}

TEST_F(ReorderingTest, PlacedByHandTheKeysMoveShortcutsThroughThePlaces)
{
    addFour();
    view.setView(1);
    view.setArrange(0);
    std::vector<QPointF> places;
    for (int row = 0; row < 4; ++row)
        places.push_back(view.placeOf(row));
    view.selectRow(2); // c, one step back: it takes b's place and b takes its own
    ASSERT_TRUE(shortcuts::Reorder(list, shortcuts::orderStepped(4, view.selectedRows(), -1), true));
    EXPECT_EQ(captions(), (QStringList{"a", "c", "b", "d"}));
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(view.placeOf(row), places[size_t(row)]) << "row " << row;
    // A drop has placed them itself: each keeps its own place.
    ASSERT_TRUE(shortcuts::Reorder(list, shortcuts::orderMovedOnto(4, {0}, 3), false));
    EXPECT_EQ(captions(), (QStringList{"c", "b", "d", "a"}));
    EXPECT_EQ(view.placeOf(3), places[0]);
    EXPECT_EQ(view.placeOf(0), places[1]);
    // Nothing to move, nothing changed.
    EXPECT_FALSE(shortcuts::Reorder(list, {}, true));
}

TEST_F(ReorderingTest, RemovingSeveralRowsAtOnceKeepsTheOthersInOrder)
{
    addFour();
    add(QStringLiteral("http://x.org/e"), QStringLiteral("e"));
    EXPECT_EQ(model.remove(std::vector<int>{3, 1, 1, 9}), 2); // apart, repeated, one not there
    EXPECT_EQ(captions(), (QStringList{"a", "c", "e"}));
    EXPECT_EQ(model.remove(std::vector<int>{1, 2}), 2); // side by side
    EXPECT_EQ(captions(), (QStringList{"a"}));
    EXPECT_EQ(model.remove(std::vector<int>{}), 0);
}
