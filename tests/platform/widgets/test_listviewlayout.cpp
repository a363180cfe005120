// Views and icon positions: what a change of view moves, and what it keeps.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/widgets/ListView.h"
#include "platform/widgets/Twips.h"
#include "support/ListViewFixture.h"

using platform::ListView;
using testing_support::ListViewTest;

namespace {

class ViewChangeTest : public ListViewTest {
protected:
    // Nine small icons placed by hand in tight rows, some a few pixels off
    // the grid, one half a row lower than its neighbours, two a cell apart.
    void placeTightSmallRows()
    {
        const double tpp = platform::twipsPerPixel(view);
        const QPoint at[] = {{1, 0},  {161, 0},  {321, 0},  // row 1
                             {3, 23}, {161, 22}, {320, 24}, // row 2, off by a few pixels
                             {480, 33},                     // half a row lower, beside row 2
                             {1, 66}, {330, 66}};           // row 4, a cell left empty
        for (int n = 0; n < 9; ++n) {
            add(QStringLiteral("item %1").arg(n + 1), n + 1);
            place(n, at[n].x() * tpp, at[n].y() * tpp);
        }
        ASSERT_TRUE(apart(view));
    }
    // No two items' rectangles intersect.
    ::testing::AssertionResult apart(ListView &v)
    {
        QApplication::processEvents();
        const int n = v.count();
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j) {
                const QRect a = v.visualRect(v.model()->index(i, 0)), b = v.visualRect(v.model()->index(j, 0));
                if (a.intersects(b))
                    return ::testing::AssertionFailure() << "items " << i + 1 << " and " << j + 1 << " overlap";
            }
        return ::testing::AssertionSuccess();
    }
};

TEST_F(ViewChangeTest, HandPlacedItemsNeverPileUpAfterAViewChangeAndReadBackTheSame)
{
    for (int from = 0; from < 4; ++from)
        for (int to = 0; to < 4; ++to) {
            if (from == to)
                continue;
            SCOPED_TRACE(testing::Message() << from << " -> " << to);
            QStandardItemModel model;
            ListView v;
            v.setItems(&model);
            v.resize(400, 300);
            v.show();
            v.setView(from);
            for (int n = 1; n <= 30; ++n)
                addTo(model, QStringLiteral("item %1").arg(n), pictures[size_t(n % 8)]);
            ASSERT_TRUE(apart(v));
            v.setView(to);
            ASSERT_TRUE(apart(v));
            // As the profile would bring them back.
            QStandardItemModel stored;
            ListView again;
            again.setItems(&stored);
            again.resize(400, 300);
            again.show();
            again.setView(to);
            for (int row = 0; row < 30; ++row) {
                addTo(stored, model.index(row, 0).data().toString(), pictures[0]);
                place(stored, row, v.placeOf(row).x(), v.placeOf(row).y());
            }
            QApplication::processEvents();
            for (int row = 0; row < 30; ++row) {
                EXPECT_EQ(again.placeOf(row), v.placeOf(row)) << row;
                EXPECT_EQ(again.visualRect(again.indexOf(row)), v.visualRect(v.indexOf(row)));
            }
        }
}

TEST_F(ViewChangeTest, ATightSmallLayoutKeepsItsRowsAndOrderInLargeIconsAndIsSavedAsShown)
{
    view.show();
    view.setView(1);
    placeTightSmallRows();
    const double tpp = platform::twipsPerPixel(view);
    view.setView(0);
    ASSERT_TRUE(apart(view));
    // Rows as placed by hand: 0-2, 3-5 (a few pixels off), 6 (half a row lower), 7-8.
    for (const std::vector<int> &row : std::vector<std::vector<int>>{{0, 1, 2}, {3, 4, 5}, {6}, {7, 8}}) {
        for (size_t k = 1; k < row.size(); ++k) {
            EXPECT_EQ(itemRect(row[k]).top(), itemRect(row[0]).top()) << row[k];
            EXPECT_LT(itemRect(row[k - 1]).left(), itemRect(row[k]).left()) << row[k];
        }
    }
    EXPECT_LT(itemRect(0).top(), itemRect(3).top());
    EXPECT_LT(itemRect(3).top(), itemRect(6).top());
    EXPECT_LT(itemRect(6).top(), itemRect(7).top());
    // The columns shrink with the cells: the first three stand in the first
    // three large cells.
    EXPECT_EQ(itemRect(0).topLeft(), QPoint(1, 0));
    EXPECT_EQ(itemRect(1).topLeft(), QPoint(81, 0));
    EXPECT_EQ(itemRect(2).topLeft(), QPoint(161, 0));
    // What a save writes is what is shown, so it never overlaps either.
    for (int row = 0; row < view.count(); ++row)
        EXPECT_EQ(view.placeOf(row), QPointF(itemRect(row).topLeft()) * tpp) << row;
}

TEST_F(ViewChangeTest, SmallToLargeToSmallGivesBackTheHandMadePlacesExactly)
{
    const double tpp = platform::twipsPerPixel(view);
    view.show();
    view.setView(1);
    placeTightSmallRows();
    // One a twip off its pixel: given back to the twip.
    place(8, 330 * tpp + 1, 66 * tpp);
    QApplication::processEvents();
    std::vector<std::pair<QRect, QPointF>> small;
    for (int row = 0; row < view.count(); ++row)
        small.emplace_back(itemRect(row), view.placeOf(row));
    for (int round = 0; round < 2; ++round) {
        view.setView(0);
        QApplication::processEvents();
        view.setView(1);
        QApplication::processEvents();
        for (int row = 0; row < view.count(); ++row) {
            EXPECT_EQ(itemRect(row), small[size_t(row)].first) << row;
            EXPECT_EQ(view.placeOf(row), small[size_t(row)].second) << row;
        }
    }

    // Moved in large icons, an icon goes where its new place scales to; the
    // others still come back exactly.
    view.setView(0);
    QApplication::processEvents();
    place(4, 300 * tpp, 280 * tpp);
    QApplication::processEvents();
    view.setView(1);
    ASSERT_TRUE(apart(view));
    for (int row = 0; row < view.count(); ++row)
        if (row != 4)
            EXPECT_EQ(view.placeOf(row), small[size_t(row)].second) << row;
    EXPECT_EQ(itemRect(4).topLeft(), QPoint(599, 88));
    EXPECT_EQ(view.placeOf(4), QPointF(599, 88) * tpp);
}

TEST_F(ViewChangeTest, OverlapsMadeByHandStayThroughARelayout)
{
    view.show();
    for (int n = 1; n <= 2; ++n)
        add(QStringLiteral("item %1").arg(n), n);
    QApplication::processEvents();
    // Laid on top of each other by hand, they stay so, also through a relayout.
    place(1, 0, 0);
    add(QStringLiteral("new"), 4);
    QApplication::processEvents();
    EXPECT_EQ(itemRect(1).topLeft(), QPoint(0, 0));
    EXPECT_EQ(view.placeOf(1).y(), 0);
    EXPECT_FALSE(itemRect(2).intersects(itemRect(1)));
}

TEST_F(ViewChangeTest, IconsStoredOnOneSpotKeepThePlacesTheyAreShownAtWhateverTheWidth)
{
    // A hand-written profile with every place 0|0: the first layout spreads
    // them over the list's width, and those places are theirs from then on.
    view.show();
    for (int n = 1; n <= 8; ++n) {
        add(QStringLiteral("item %1").arg(n), n);
        place(n - 1, 0, 0);
    }
    ASSERT_TRUE(apart(view));
    const double tpp = platform::twipsPerPixel(view);
    std::vector<QPointF> saved;
    for (int row = 0; row < 8; ++row) {
        saved.push_back(view.placeOf(row));
        EXPECT_EQ(saved.back(), QPointF(itemRect(row).topLeft()) * tpp) << row;
    }
    EXPECT_GE(itemRect(2).left(), 80); // beside the first: the list's width counted

    // Narrower, and laid out again, they stay; so do they read back into a
    // narrow list, as the next start would.
    view.resize(170, 300);
    add(QStringLiteral("new"), 1);
    QApplication::processEvents();
    QStandardItemModel stored;
    ListView again;
    again.setItems(&stored);
    again.resize(170, 300);
    again.show();
    for (int row = 0; row < 8; ++row) {
        EXPECT_EQ(view.placeOf(row), saved[size_t(row)]) << row;
        addTo(stored, text(row), pictures[0]);
        place(stored, row, saved[size_t(row)].x(), saved[size_t(row)].y());
    }
    for (int row = 0; row < 8; ++row)
        EXPECT_EQ(again.placeOf(row), saved[size_t(row)]) << row;
}

TEST_F(ViewChangeTest, ARoundTripOfViewsGivesBackEveryPositionToTheTwip)
{
    const double tpp = platform::twipsPerPixel(view);
    for (const auto &[from, via] : {std::pair{0, 1}, {0, 2}, {1, 0}, {0, 3}}) {
        SCOPED_TRACE(testing::Message() << from << " -> " << via);
        QStandardItemModel model;
        ListView v;
        v.setItems(&model);
        v.resize(500, 400);
        v.show();
        v.setView(from);
        // A clean grid of 24 in the first view's cells, one twip off the pixels.
        const QSize cell = from == 0 ? QSize(80, 70) : QSize(160, 22);
        for (int n = 0; n < 24; ++n) {
            addTo(model, QStringLiteral("item %1").arg(n), pictures[size_t(n % 8)]);
            place(model, n, (n % (500 / cell.width()) * cell.width() + 1) * tpp + 1,
                  n / (500 / cell.width()) * cell.height() * tpp + 1);
        }
        ASSERT_TRUE(apart(v));
        auto layout = [&v] {
            QList<std::pair<QRect, QPointF>> out; // as shown, and as a save writes it
            for (int row = 0; row < 24; ++row)
                out.append({v.visualRect(v.indexOf(row)), v.placeOf(row)});
            return out;
        };
        const auto before = layout();
        v.setView(via);
        EXPECT_TRUE(apart(v));
        const auto there = layout();
        for (int n = 0; n < 24; ++n) {
            // Through list or report the places are kept; in the other icon
            // view they are what it shows, on its own grid.
            if (via >= 2)
                EXPECT_EQ(there[n].second, before[n].second) << n;
            else
                EXPECT_EQ(there[n].second, QPointF(there[n].first.topLeft()) * tpp) << n;
        }
        v.setView(from);
        QApplication::processEvents();
        EXPECT_EQ(layout(), before);
    }
}

} // namespace
