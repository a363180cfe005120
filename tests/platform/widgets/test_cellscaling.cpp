// Taking a layout placed by hand from one cell size to another.
#include <QRect>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

#include "platform/widgets/CellScaling.h"

using platform::scaleToCells;

namespace {

constexpr QSize kSmall(160, 22), kLarge(80, 70);
constexpr QPoint kInset(1, 0);

// Icons that fill all but a pixel around their cell, as the list draws them.
::testing::AssertionResult apart(const std::vector<QPoint> &at, QSize cell)
{
    for (size_t i = 0; i < at.size(); ++i)
        for (size_t j = i + 1; j < at.size(); ++j)
            if (QRect(at[i], cell - QSize(2, 2)).intersects(QRect(at[j], cell - QSize(2, 2))))
                return ::testing::AssertionFailure() << "icons " << i << " and " << j << " overlap at " << at[i].x()
                                                     << "," << at[i].y() << " and " << at[j].x() << "," << at[j].y();
    return ::testing::AssertionSuccess();
}

TEST(CellScaling, AGridOfOneViewIsTheSameGridInTheOtherBothWays)
{
    std::vector<QPoint> small, large;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column) {
            small.emplace_back(column * 160 + 1, row * 22);
            large.emplace_back(column * 80 + 1, row * 70);
        }
    // In an order the grid does not have, so the sort is what puts rows together.
    std::reverse(small.begin(), small.end());
    std::reverse(large.begin(), large.end());
    EXPECT_EQ(scaleToCells(small, kSmall, kLarge, kInset), large);
    EXPECT_EQ(scaleToCells(large, kLarge, kSmall, kInset), small);
    // Icons a pixel left of their cell's inset land on the grid too.
    EXPECT_EQ(scaleToCells({{0, 0}, {160, 0}}, kSmall, kLarge, kInset), (std::vector<QPoint>{{1, 0}, {81, 0}}));
}

TEST(CellScaling, TightHandMadeRowsKeepRowsAndOrderAndNothingCoversAnother)
{
    // Small icons by hand: rows a few pixels off the grid, one a half row
    // down, icons nearer than a cell where they do not overlap vertically.
    const std::vector<QPoint> small{
        {0, 0},   {162, 3},  {320, 1},   // row 1, off by a few pixels
        {5, 22},  {150, 24}, {300, 20},  // row 2: the middle one 150, close to the first
        {90, 33},                        // half a row down from row 2: a row of its own
        {0, 66},  {0, 66},               // two on one spot
        {-40, 88}, {700, 300},           // left of the list; far away
    };
    const std::vector<QPoint> large = scaleToCells(small, kSmall, kLarge, kInset);
    ASSERT_EQ(large.size(), small.size());
    EXPECT_TRUE(apart(large, kLarge));
    // Each old row is one row, in the same order top to bottom.
    auto rowOf = [](const QPoint &p) { return (p.y() + 11) / 22; };
    std::map<int, std::vector<size_t>> rows;
    for (size_t i = 0; i < small.size(); ++i)
        rows[rowOf(small[i])].push_back(i);
    std::optional<int> above;
    for (const auto &[row, members] : rows) {
        SCOPED_TRACE(row);
        const int top = large[members.front()].y();
        for (size_t i : members)
            EXPECT_EQ(large[i].y(), top);
        if (above)
            EXPECT_GE(top, *above + 70);
        above = top;
        // Left to right as before; those on one spot in the order given.
        for (size_t k = 1; k < members.size(); ++k)
            EXPECT_LT(large[members[k - 1]].x(), large[members[k]].x());
    }
    // Rows and columns shrink or grow with the cells: nothing is pushed
    // further than the icon beside it needs.
    EXPECT_EQ(large[0], QPoint(1, 0));
    EXPECT_EQ(large[1], QPoint(82, 0));
    EXPECT_EQ(large[3], QPoint(3, 70));
    EXPECT_EQ(large[4], QPoint(83, 70)); // 76 scaled: a cell right of its neighbour instead
    EXPECT_EQ(large[6], QPoint(46, 140));
    EXPECT_EQ(large[9], QPoint(-19, 280));
    EXPECT_EQ(large[10], QPoint(351, 955));
}

TEST(CellScaling, RowsOfTheLargeViewStayRowsInTheSmallOne)
{
    // Large icons a third of a row apart vertically, side by side: in small
    // icons the cells are much flatter, so the lower one could sit in the
    // same row or the next; it keeps being the lower one, a whole row down.
    const std::vector<QPoint> large{{1, 0}, {81, 24}, {161, 40}, {1, 70}};
    const std::vector<QPoint> small = scaleToCells(large, kLarge, kSmall, kInset);
    EXPECT_TRUE(apart(small, kSmall));
    EXPECT_EQ(small[0].y(), small[1].y()); // 24 is nearest to row 0
    EXPECT_EQ(small[2].y(), small[3].y()); // 40 is nearest to row 1
    EXPECT_EQ(small[2].y(), 22);
    EXPECT_EQ(small[0].y(), 0);
    EXPECT_EQ(small[1].x(), 161);
    EXPECT_EQ(small[2].x(), 321);
    EXPECT_EQ(small[3].x(), 1);
}

TEST(CellScaling, NothingToScaleGivesNothing)
{
    EXPECT_TRUE(scaleToCells({}, kSmall, kLarge, kInset).empty());
    EXPECT_EQ(scaleToCells({{5, 5}}, kSmall, kLarge, kInset), (std::vector<QPoint>{{3, 16}}));
}

} // namespace
