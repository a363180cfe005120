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
        const int n = v.Count();
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
            ListView v(large, small);
            v.resize(400, 300);
            v.show();
            v.setView(from);
            for (int n = 1; n <= 30; ++n)
                ASSERT_TRUE(v.Add(QString::number(n), QStringLiteral("item %1").arg(n), n % 8 + 1, n % 8 + 1));
            ASSERT_TRUE(apart(v));
            v.setView(to);
            ASSERT_TRUE(apart(v));
            // As the profile would bring them back.
            ListView again(large, small);
            again.resize(400, 300);
            again.show();
            again.setView(to);
            for (int n = 1; n <= 30; ++n) {
                again.Add(QString::number(n), v.Text(n), 1, 1);
                again.setLeft(n, v.Left(n));
                again.setTop(n, v.Top(n));
            }
            QApplication::processEvents();
            for (int n = 1; n <= 30; ++n) {
                EXPECT_EQ(again.Left(n), v.Left(n)) << n;
                EXPECT_EQ(again.Top(n), v.Top(n)) << n;
                EXPECT_EQ(again.visualRect(again.model()->index(n - 1, 0)), v.visualRect(v.model()->index(n - 1, 0)));
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
    view.setLeft(1, 0), view.setTop(1, 0);
    view.setLeft(2, 0), view.setTop(2, 22 * tpp);
    view.setLeft(3, 240 * tpp), view.setTop(3, 200 * tpp);
    QApplication::processEvents();
    const QRect third = itemRect(3);
    view.setView(0);
    EXPECT_TRUE(apart(view));
    EXPECT_EQ(itemRect(1).topLeft(), QPoint(0, 0));
    EXPECT_EQ(itemRect(3).topLeft(), third.topLeft());
    // The nearest free cell: the one below (70 px) is nearer than the one beside (80 px).
    EXPECT_EQ(itemRect(2).topLeft(), QPoint(1, 70));

    // Laid on top of each other by hand, they stay so, also through a relayout.
    view.setLeft(2, 0), view.setTop(2, 0);
    add(QStringLiteral("new"), 4);
    QApplication::processEvents();
    EXPECT_EQ(itemRect(2).topLeft(), QPoint(0, 0));
    EXPECT_EQ(view.Top(2), 0);
}

TEST_F(ViewChangeTest, ARoundTripOfViewsGivesBackEveryPositionToTheTwip)
{
    const double tpp = platform::twipsPerPixel(view);
    for (const auto &[from, via] : {std::pair{0, 1}, {0, 2}, {1, 0}, {0, 3}}) {
        SCOPED_TRACE(testing::Message() << from << " -> " << via);
        ListView v(large, small);
        v.resize(500, 400);
        v.show();
        v.setView(from);
        // A clean grid of 24 in the first view's cells, one twip off the pixels.
        const QSize cell = from == 0 ? QSize(80, 70) : QSize(160, 22);
        for (int n = 0; n < 24; ++n) {
            ASSERT_TRUE(v.Add(QString::number(n), QStringLiteral("item %1").arg(n), n % 8 + 1, n % 8 + 1));
            v.setLeft(n + 1, (n % (500 / cell.width()) * cell.width() + 1) * tpp + 1);
            v.setTop(n + 1, n / (500 / cell.width()) * cell.height() * tpp + 1);
        }
        ASSERT_TRUE(apart(v));
        auto layout = [&v] {
            QList<std::pair<QRect, QPointF>> out; // as shown, and as a save writes it
            for (int n = 1; n <= 24; ++n)
                out.append({v.visualRect(v.model()->index(n - 1, 0)), QPointF(v.Left(n), v.Top(n))});
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
