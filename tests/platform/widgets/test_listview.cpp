// The list view's items, views, arrangements and positions.
#include <QApplication>
#include <QMimeData>
#include <QPainter>
#include <QProxyStyle>
#include <QSet>
#include <QStyledItemDelegate>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/widgets/ItemDelegate.h"
#include "platform/widgets/ListView.h"
#include "platform/widgets/Twips.h"
#include "support/ListViewFixture.h"

using platform::ListView;
using testing_support::ListViewTest;

namespace {

TEST_F(ListViewTest, ItemsAreTheModelsRowsAndTheSelectionFollowsItsItem)
{
    view.show();
    add(QStringLiteral("zeta"), 1);
    add(QStringLiteral("alpha"), 2);
    add(QStringLiteral("mid"), 3);
    ASSERT_EQ(view.count(), 3);
    EXPECT_EQ(view.indexOf(1).data(Qt::DisplayRole).toString(), QStringLiteral("alpha"));
    view.selectRow(2);
    EXPECT_EQ(view.selectedRow(), 2);

    // An earlier row goes: the selection stays on "mid", now row 1.
    items.removeRow(0);
    EXPECT_EQ(view.count(), 2);
    EXPECT_EQ(view.selectedRow(), 1);
    EXPECT_EQ(view.indexOf(view.selectedRow()).data(Qt::DisplayRole).toString(), QStringLiteral("mid"));
    EXPECT_FALSE(view.indexOf(2).isValid());
    view.selectRow(5); // no such item: nothing selected
    EXPECT_EQ(view.selectedRow(), -1);
}

TEST_F(ListViewTest, TheSameItemsSetAgainAreStillFollowedAndTheFilterEnds)
{
    // Another group shown is the same model of items set again.
    add(QStringLiteral("one"), 1);
    view.showMatches({0});
    view.setItems(&items);
    EXPECT_FALSE(view.filtered());
    view.setItems(&items);
    add(QStringLiteral("two"), 2);
    items.removeRow(0);
    add(QStringLiteral("three"), 3);
    ASSERT_EQ(view.model()->rowCount(), 2);
    EXPECT_EQ(view.indexOf(0).data(Qt::DisplayRole).toString(), QStringLiteral("two"));
    EXPECT_EQ(view.indexOf(1).data(Qt::DisplayRole).toString(), QStringLiteral("three"));
}

TEST_F(ListViewTest, AVeryLongCaptionIsShownShortenedButKeptWhole)
{
    const QString huge(2'000'000, u'w');
    add(huge, 1);
    const QString shown = view.model()->index(0, 0).data(Qt::DisplayRole).toString();
    EXPECT_LE(shown.size(), 1100);
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
    EXPECT_EQ(text(0), huge);
    view.setView(1);
    EXPECT_LE(view.model()->index(0, 0).data(Qt::DisplayRole).toString().size(), 1024);
}

TEST_F(ListViewTest, OneIconServesEveryViewDrawnAtItsSize)
{
    add(QStringLiteral("a"), 5);
    const QModelIndex index = view.model()->index(0, 0);
    auto shown = [&] { return index.data(Qt::DecorationRole).value<QIcon>().cacheKey(); };
    EXPECT_EQ(shown(), pictures[4].cacheKey());
    EXPECT_EQ(view.iconSize(), QSize(32, 32));
    for (int v : {1, 2, 3}) {
        ASSERT_TRUE(view.setView(v));
        EXPECT_EQ(shown(), pictures[4].cacheKey()) << v;
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
    EXPECT_EQ(itemRect(0).left(), itemRect(1).left());
    EXPECT_LT(itemRect(0).top(), itemRect(1).top());
    ASSERT_TRUE(view.setArrange(2)); // from the top: across first
    QApplication::processEvents();
    EXPECT_EQ(itemRect(0).top(), itemRect(1).top());
    EXPECT_LT(itemRect(0).left(), itemRect(1).left());
    EXPECT_FALSE(view.setArrange(3));
    EXPECT_EQ(view.Arrange(), 2);
}

TEST_F(ListViewTest, HandPlacedPositionsSurviveInsertsRemovalsAndViewChanges)
{
    view.show();
    add(QStringLiteral("a"), 1);
    add(QStringLiteral("b"), 2);
    const double tpp = platform::twipsPerPixel(view);
    place(0, 150 * tpp, std::nullopt);
    place(0, std::nullopt, 90 * tpp);
    QApplication::processEvents();
    EXPECT_EQ(itemRect(0).topLeft(), QPoint(150, 90));

    add(QStringLiteral("c"), 3);
    items.removeRow(1);
    ASSERT_TRUE(view.setView(1));
    ASSERT_TRUE(view.setView(0));
    QApplication::processEvents();
    EXPECT_EQ(view.placeOf(0), QPointF(150 * tpp, 90 * tpp));
    EXPECT_EQ(itemRect(0).topLeft(), QPoint(150, 90));
    // The new item found a free place instead of lying on top of another,
    // and that is its own place from then on, kept with the item.
    EXPECT_FALSE(itemRect(1).intersects(itemRect(0)));
    EXPECT_EQ(view.placeOf(1).x(), items.index(1, 0).data(platform::ItemRole::Left).toDouble());
    EXPECT_EQ(platform::toPixels(view.placeOf(1).y(), view), itemRect(1).top());
}

TEST_F(ListViewTest, BackToManualKeepsIconsWhereAutomaticArrangementPutThem)
{
    view.show();
    for (int n = 1; n <= 4; ++n)
        add(QStringLiteral("item %1").arg(n), n);
    view.setArrange(1);
    QApplication::processEvents();
    const QRect before = itemRect(2);
    view.setArrange(0);
    add(QStringLiteral("new"), 5);
    QApplication::processEvents();
    EXPECT_EQ(itemRect(2), before);
    EXPECT_EQ(view.placeOf(2).y(), platform::toTwips(before.top(), view));
}

TEST_F(ListViewTest, SelectionClicksAndDrops)
{
    view.show();
    add(QStringLiteral("a"), 1);
    add(QStringLiteral("b"), 2);
    QApplication::processEvents();
    EXPECT_EQ(view.selectedRow(), -1);

    QSignalSpy downs(&view, &ListView::buttonPressed);
    QSignalSpy doubles(&view, &ListView::doubleClickedAnywhere);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, itemRect(1).center());
    EXPECT_EQ(view.selectedRow(), 1);
    QTest::mouseClick(view.viewport(), Qt::RightButton, {}, QPoint(390, 290));
    QTest::mouseClick(view.viewport(), Qt::MiddleButton, {}, QPoint(390, 290));
    ASSERT_EQ(downs.count(), 3);
    EXPECT_EQ(downs.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(downs.at(1).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(downs.at(2).at(0).value<Qt::MouseButton>(), Qt::MiddleButton);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, QPoint(390, 290));
    EXPECT_EQ(doubles.count(), 1); // anywhere in the list

    // Files dragged in from outside are accepted and handed on in order.
    QSignalSpy drops(&view, &ListView::linksDropped);
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

    // Every view and arrangement takes drops from other programs.
    for (int arrange : {0, 1, 2})
        for (int v : {0, 1, 2, 3}) {
            view.setArrange(arrange);
            view.setView(v);
            EXPECT_TRUE(view.viewport()->acceptDrops()) << arrange << "/" << v;
        }

    // A drag with nothing that could become a shortcut is refused as it enters.
    QMimeData text;
    text.setText(QStringLiteral("words"));
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

} // namespace

namespace {

TEST_F(ListViewTest, IconsSitOnOneGridAndRenamingMovesNothing)
{
    view.show();
    for (int n = 1; n <= 6; ++n)
        add(n % 2 ? QStringLiteral("a") : QStringLiteral("a longer caption"), n);
    for (int arrange : {1, 2, 0}) {
        view.setArrange(arrange);
        QApplication::processEvents();
        QSet<int> lefts, tops;
        for (int row = 0; row < 6; ++row) {
            lefts << itemRect(row).left() % 80;
            tops << itemRect(row).top() % 70;
            EXPECT_EQ(itemRect(row).size(), itemRect(0).size()) << arrange;
        }
        EXPECT_EQ(lefts.size(), 1) << arrange;
        EXPECT_EQ(tops.size(), 1) << arrange;
    }
    const QRect before = itemRect(1);
    items.setData(items.index(1, 0), QStringLiteral("b"));
    QApplication::processEvents();
    EXPECT_EQ(itemRect(1), before);
}

TEST_F(ListViewTest, ArrowKeysSelectAndTheFocusFrameWaitsForThem)
{
    view.show();
    for (int n = 1; n <= 3; ++n)
        add(QStringLiteral("item %1").arg(n), n);
    view.setFocus();
    QApplication::processEvents();
    // Whether item 1 is drawn with a focus frame while the list has focus.
    struct FocusSpy : QProxyStyle {
        mutable bool seen = false;
        void drawPrimitive(PrimitiveElement pe, const QStyleOption *o, QPainter *p, const QWidget *w) const override
        {
            seen = seen || pe == PE_FrameFocusRect;
            QProxyStyle::drawPrimitive(pe, o, p, w);
        }
    };
    auto framed = [&] {
        FocusSpy spy;
        QStyleOptionViewItem option;
        option.initFrom(&view);
        option.state |= QStyle::State_HasFocus;
        option.rect = itemRect(0);
        option.widget = &view;
        view.setStyle(&spy);
        QImage image(view.viewport()->size(), QImage::Format_ARGB32);
        QPainter painter(&image);
        view.itemDelegate()->paint(&painter, option, view.model()->index(0, 0));
        view.setStyle(nullptr);
        return spy.seen;
    };
    EXPECT_FALSE(framed());
    EXPECT_EQ(view.selectedRow(), -1);
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(view.selectedRow(), 1);
    QTest::keyClick(&view, Qt::Key_Left);
    EXPECT_EQ(view.selectedRow(), 0);
    view.clearSelection();
    EXPECT_TRUE(framed());
}

TEST_F(ListViewTest, ItemTooltipShowsCaptionAndTarget)
{
    add(QStringLiteral("a caption"), 1);
    add(QStringLiteral("another"), 2);
    items.setData(items.index(0, 0), QStringLiteral("/target/1"), platform::ItemRole::Detail);
    // The first nine say which Alt+digit opens them.
    EXPECT_EQ(view.model()->index(0, 0).data(Qt::ToolTipRole).toString(),
              QStringLiteral("a caption\n/target/1\nAlt+1 opens it"));
    // Without a detail, the caption alone.
    EXPECT_EQ(view.model()->index(1, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("another\nAlt+2 opens it"));
    EXPECT_EQ(view.model()->index(0, 0).data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("/target/1"));
}

} // namespace

namespace {

TEST_F(ListViewTest, TypingMatchesCaptionsAsShownWithoutTheirWrappingBreaks)
{
    view.show();
    add(QStringLiteral("bravo-note-001"), 1);
    add(QStringLiteral("bravo-note-101"), 2);
    EXPECT_EQ(view.model()->index(1, 0).data(Qt::DisplayRole).toString(), QStringLiteral("bravo-note-101"));
    // Typing no longer selects by a caption's start: the text goes to the finder.
    QString typed;
    QObject::connect(&view, &platform::ListView::TextTyped, [&](const QString &text) { typed += text; });
    view.setFocus();
    QTest::keyClicks(&view, QStringLiteral("bravo-note-1"));
    EXPECT_EQ(typed, QStringLiteral("bravo-note-1"));
    EXPECT_EQ(view.selectedRow(), -1);
}

TEST(FittedLines, WholeLinesOnlyTheLastEndingInAnEllipsis)
{
    QFont font;
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("wwwwwwww"));
    const int twoAndAHalf = metrics.height() * 5 / 2;
    for (const QString &text : {QStringLiteral("a caption of many words that goes on and on and on"),
                                QStringLiteral("averyveryverylongfilenamewithoutanybreakatallinit.txt")}) {
        const QStringList lines = platform::fittedLines(text, font, width, twoAndAHalf).split(QChar::LineSeparator);
        ASSERT_EQ(lines.size(), 2) << text.toStdString();
        EXPECT_TRUE(lines[1].endsWith(QChar(0x2026)));
        for (const QString &line : lines)
            EXPECT_LE(metrics.horizontalAdvance(line), width);
    }
    EXPECT_EQ(platform::fittedLines(QStringLiteral("short"), font, width, twoAndAHalf), QStringLiteral("short"));
}

TEST_F(ListViewTest, ASelectedLargeIconShowsItsWholeCaptionBelowItsCell)
{
    view.show();
    add(QStringLiteral("a long caption that takes more lines than the cell has room for"), 1);
    auto highlighted = [&] {
        QApplication::processEvents();
        const QImage image = view.viewport()->grab().toImage();
        int n = 0;
        for (int x = 0; x < 80; ++x)
            n += image.pixelColor(x, 84) == view.palette().color(QPalette::Active, QPalette::Highlight);
        return n > 20;
    };
    EXPECT_FALSE(highlighted());
    view.selectRow(0);
    EXPECT_TRUE(highlighted());
}

} // namespace

namespace {

TEST_F(ListViewTest, TheCountIsWorkedOutOnceForAWholeBatchOfItems)
{
    int asked = 0;
    view.setPlaceholderText(QStringLiteral("Drop files here"));
    view.setCountText([&](int count) {
        ++asked;
        return QStringLiteral("%1 items").arg(count);
    });
    EXPECT_EQ(view.accessibleDescription(), QStringLiteral("0 items. Drop files here"));
    asked = 0;
    for (int n = 0; n < 1000; ++n)
        add(QStringLiteral("item %1").arg(n), n);
    EXPECT_EQ(asked, 0) << "worked out for every item added";
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.accessibleDescription() == QStringLiteral("1000 items"); }, 2000))
        << view.accessibleDescription().toStdString();
    EXPECT_EQ(asked, 1);

    // Removals too; the last batch's count is what is told.
    items.removeRows(0, 10);
    items.removeRows(0, 990);
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.accessibleDescription() == QStringLiteral("0 items. Drop files here"); },
                                2000));
    EXPECT_EQ(asked, 2);
}

} // namespace
