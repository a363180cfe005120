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

TEST_F(ViewChangeTest, OnlyCollidingItemsMoveAndOverlapsMadeByHandStay)
{
    const double tpp = platform::twipsPerPixel(view);
    view.show();
    view.setView(1);
    for (int n = 1; n <= 3; ++n)
        add(QStringLiteral("item %1").arg(n), n);
    // Small icons one above the other, 22 px apart, and one far away.
    place(0, 0, 0);
    place(1, 0, 22 * tpp);
    place(2, 240 * tpp, 200 * tpp);
    QApplication::processEvents();
    const QRect third = itemRect(2);
    view.setView(0);
    EXPECT_TRUE(apart(view));
    EXPECT_EQ(itemRect(0).topLeft(), QPoint(0, 0));
    EXPECT_EQ(itemRect(2).topLeft(), third.topLeft());
    // The nearest free cell: the one below (70 px) is nearer than the one beside (80 px).
    EXPECT_EQ(itemRect(1).topLeft(), QPoint(1, 70));
    // Its own place is kept for a view where it is free again.
    EXPECT_EQ(view.placeOf(1), QPointF(0, 22 * tpp));

    // Laid on top of each other by hand, they stay so, also through a relayout.
    place(1, 0, 0);
    add(QStringLiteral("new"), 4);
    QApplication::processEvents();
    EXPECT_EQ(itemRect(1).topLeft(), QPoint(0, 0));
    EXPECT_EQ(view.placeOf(1).y(), 0);
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
        for (int n = 0; n < 24; ++n)
            EXPECT_EQ(there[n].second, before[n].second) << n;
        v.setView(from);
        QApplication::processEvents();
        EXPECT_EQ(layout(), before);
    }
}

} // namespace
