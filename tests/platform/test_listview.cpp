// The list view's items, views, arrangements and positions.
#include <QApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/ListView.h"
#include "platform/Twips.h"

using platform::ImageList;
using platform::ListView;

namespace {

class ListViewTest : public ::testing::Test {
protected:
    ImageList large{32};
    ImageList small{16};
    ListView view{large, small};

    void SetUp() override
    {
        view.resize(400, 300);
        for (int n = 0; n < 8; ++n) {
            QPixmap pixmap(32, 32);
            pixmap.fill(QColor::fromHsv(n * 40, 255, 255));
            large.Add(QIcon(pixmap));
            small.Add(QIcon(pixmap.scaled(16, 16)));
        }
    }
    void add(const QString &caption, int image) { ASSERT_TRUE(view.Add(caption, caption, image, image)); }
    QRect itemRect(int i) { return view.visualRect(view.model()->index(i - 1, 0)); }
};

TEST_F(ListViewTest, ItemsKeepTheOrderOfAddingAndKeysStayUnique)
{
    add(QStringLiteral("zeta"), 1);
    add(QStringLiteral("alpha"), 2);
    add(QStringLiteral("mid"), 3);
    EXPECT_FALSE(view.Add(QStringLiteral("alpha"), QStringLiteral("again"), 4, 4));
    ASSERT_EQ(view.Count(), 3);
    EXPECT_EQ(view.Text(1), QStringLiteral("zeta"));
    EXPECT_EQ(view.Text(2), QStringLiteral("alpha"));

    ASSERT_TRUE(view.Remove(1));
    EXPECT_EQ(view.Text(1), QStringLiteral("alpha"));
    EXPECT_EQ(view.Icon(1), 2); // image numbers never shift
    EXPECT_EQ(view.Icon(2), 3);
    EXPECT_FALSE(view.Remove(3));
    EXPECT_TRUE(view.Add(QStringLiteral("zeta"), QStringLiteral("zeta"), 4, 4)); // its key is free again
}

TEST_F(ListViewTest, AVeryLongCaptionIsShownShortenedButKeptWhole)
{
    const QString huge(2'000'000, u'w');
    ASSERT_TRUE(view.Add("k", huge, 1, 1));
    const QString shown = view.model()->index(0, 0).data(Qt::DisplayRole).toString();
    EXPECT_LE(shown.size(), 1100);
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
    EXPECT_EQ(view.Text(1), huge);
    view.setView(1);
    EXPECT_LE(view.model()->index(0, 0).data(Qt::DisplayRole).toString().size(), 1024);
}

TEST_F(ListViewTest, TheViewDecidesWhichImageListIsShown)
{
    add(QStringLiteral("a"), 5);
    const QModelIndex index = view.model()->index(0, 0);
    auto shown = [&] { return index.data(Qt::DecorationRole).value<QIcon>().cacheKey(); };
    EXPECT_EQ(shown(), large.image(5).cacheKey());
    EXPECT_EQ(view.iconSize(), QSize(32, 32));
    for (int v : {1, 2, 3}) {
        ASSERT_TRUE(view.setView(v));
        EXPECT_EQ(shown(), small.image(5).cacheKey()) << v;
        EXPECT_EQ(view.iconSize(), QSize(16, 16));
    }
    EXPECT_EQ(view.viewMode(), QListView::ListMode);
    EXPECT_FALSE(view.isWrapping()); // report: one column
    EXPECT_FALSE(view.setView(4));
    EXPECT_FALSE(view.setView(-1));
    EXPECT_EQ(view.View(), 3);
}

TEST_F(ListViewTest, ArrangementsFillColumnsOrRows)
{
    for (int n = 1; n <= 8; ++n)
        add(QStringLiteral("item %1").arg(n), n);
    view.show();
    ASSERT_TRUE(view.setArrange(1)); // from the left: down first
    QApplication::processEvents();
    EXPECT_EQ(itemRect(1).left(), itemRect(2).left());
    EXPECT_LT(itemRect(1).top(), itemRect(2).top());
    ASSERT_TRUE(view.setArrange(2)); // from the top: across first
    QApplication::processEvents();
    EXPECT_EQ(itemRect(1).top(), itemRect(2).top());
    EXPECT_LT(itemRect(1).left(), itemRect(2).left());
    EXPECT_FALSE(view.setArrange(3));
    EXPECT_EQ(view.Arrange(), 2);
}

TEST_F(ListViewTest, HandPlacedPositionsSurviveInsertsRemovalsAndViewChanges)
{
    view.show();
    add(QStringLiteral("a"), 1);
    add(QStringLiteral("b"), 2);
    const double tpp = platform::twipsPerPixel(view);
    ASSERT_TRUE(view.setLeft(1, 150 * tpp));
    ASSERT_TRUE(view.setTop(1, 90 * tpp));
    QApplication::processEvents();
    EXPECT_EQ(itemRect(1).topLeft(), QPoint(150, 90));

    add(QStringLiteral("c"), 3);
    view.Remove(2);
    ASSERT_TRUE(view.setView(1));
    ASSERT_TRUE(view.setView(0));
    QApplication::processEvents();
    EXPECT_EQ(view.Left(1), 150 * tpp);
    EXPECT_EQ(view.Top(1), 90 * tpp);
    EXPECT_EQ(itemRect(1).topLeft(), QPoint(150, 90));
    // The new item found a free place instead of lying on top of another.
    EXPECT_FALSE(itemRect(2).intersects(itemRect(1)));
}

TEST_F(ListViewTest, BackToManualKeepsIconsWhereAutomaticArrangementPutThem)
{
    view.show();
    for (int n = 1; n <= 4; ++n)
        add(QStringLiteral("item %1").arg(n), n);
    view.setArrange(1);
    QApplication::processEvents();
    const QRect before = itemRect(3);
    view.setArrange(0);
    add(QStringLiteral("new"), 5);
    QApplication::processEvents();
    EXPECT_EQ(itemRect(3), before);
    EXPECT_EQ(view.Top(3), platform::toTwips(before.top(), view));
}

TEST_F(ListViewTest, SelectionClicksAndDrops)
{
    view.show();
    add(QStringLiteral("a"), 1);
    add(QStringLiteral("b"), 2);
    QApplication::processEvents();
    EXPECT_EQ(view.SelectedItem(), 0);

    QSignalSpy downs(&view, &ListView::MouseDown);
    QSignalSpy doubles(&view, &ListView::DblClick);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, itemRect(2).center());
    EXPECT_EQ(view.SelectedItem(), 2);
    QTest::mouseClick(view.viewport(), Qt::RightButton, {}, QPoint(390, 290));
    QTest::mouseClick(view.viewport(), Qt::MiddleButton, {}, QPoint(390, 290));
    ASSERT_EQ(downs.count(), 3);
    EXPECT_EQ(downs.at(0).at(0).toInt(), 1);
    EXPECT_EQ(downs.at(1).at(0).toInt(), 2);
    EXPECT_EQ(downs.at(2).at(0).toInt(), 4);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, QPoint(390, 290));
    EXPECT_EQ(doubles.count(), 1); // anywhere in the list

    // Files dragged in from outside are accepted and handed on in order.
    QSignalSpy drops(&view, &ListView::OLEDragDrop);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/one")), QUrl::fromLocalFile(QStringLiteral("/tmp/two"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &drop);
    ASSERT_EQ(drops.count(), 1);
    const auto urls = drops.at(0).at(0).value<QList<QUrl>>();
    ASSERT_EQ(urls.size(), 2);
    EXPECT_EQ(urls.at(1).toLocalFile(), QStringLiteral("/tmp/two"));
}

} // namespace
