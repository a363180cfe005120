// The list while a filter is on: what it says when nothing matches, where
// the filter line stands, and how a selected icon is drawn.
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/widgets/ListView.h"
#include "platform/widgets/Twips.h"
#include "support/ListViewFixture.h"

using testing_support::ListViewTest;

namespace {

// Pixels in the middle of the viewport that are not its background.
int markedInTheMiddle(platform::ListView &view)
{
    QApplication::processEvents();
    const QImage image = view.viewport()->grab().toImage();
    const QColor base = view.palette().color(QPalette::Base);
    const QRect middle = view.viewport()->rect().adjusted(40, 100, -40, -100);
    int n = 0;
    for (int y = middle.top(); y <= middle.bottom(); ++y)
        for (int x = middle.left(); x <= middle.right(); ++x)
            n += image.pixel(x, y) != base.rgb();
    return n;
}

TEST_F(ListViewTest, AFilterWithoutAMatchSaysSoInTheList)
{
    view.show();
    view.setView(2); // matches alone are shown, best first
    add(QStringLiteral("alpha"), 1);
    add(QStringLiteral("beta"), 2);
    view.setNoMatchText(QStringLiteral("nothing like that here"));
    EXPECT_FALSE(view.showsNoMatch());
    EXPECT_EQ(markedInTheMiddle(view), 0);

    view.showMatches({});
    EXPECT_TRUE(view.showsNoMatch());
    EXPECT_GT(markedInTheMiddle(view), 20);

    view.showMatches({1});
    EXPECT_FALSE(view.showsNoMatch());
    EXPECT_EQ(markedInTheMiddle(view), 0);
    view.showMatches({});
    view.showAll();
    EXPECT_FALSE(view.showsNoMatch());
}

TEST_F(ListViewTest, TheFilterLineNeverCoversTheSelectedMatch)
{
    view.show();
    const double tpp = platform::twipsPerPixel(view);
    const QRect room = view.viewport()->rect();
    // Icons placed by hand stay where they are while filtered: one in each
    // corner the line could take (cells are 80 x 70), and one in the middle.
    ASSERT_GE(room.width(), 320);
    ASSERT_GE(room.height(), 280);
    const QPoint corners[] = {{240, 210}, {240, 0}, {0, 210}, {0, 0}, {160, 140}};
    for (int n = 0; n < 5; ++n) {
        add(QStringLiteral("item %1").arg(n), n + 1);
        place(n, corners[n].x() * tpp, corners[n].y() * tpp);
    }
    QApplication::processEvents();
    view.setFilterText(QStringLiteral("item"));
    view.showMatches({0, 1, 2, 3, 4});
    auto *line = view.findChild<QLabel *>(QStringLiteral("filterLine"));
    ASSERT_NE(line, nullptr);
    ASSERT_TRUE(line->isVisible());
    for (int step = 0; step < 5; ++step) {
        SCOPED_TRACE(step);
        const int selected = view.selectedRow();
        ASSERT_EQ(selected, step);
        const QRect item = itemRect(selected).translated(view.viewport()->geometry().topLeft());
        EXPECT_FALSE(line->geometry().intersects(item))
            << "line " << line->geometry().x() << "," << line->geometry().y() << " item " << item.x() << ","
            << item.y();
        EXPECT_TRUE(view.rect().contains(line->geometry()));
        QTest::keyClick(&view, Qt::Key_Down);
    }
    // Nothing selected to keep clear of: along the bottom right, as always.
    view.showMatches({});
    EXPECT_GT(line->geometry().top(), room.height() / 2);
    EXPECT_GT(line->geometry().left(), room.width() / 3);
}

TEST_F(ListViewTest, ASelectedIconIsDrawnAsItIs)
{
    view.show();
    for (int v : {2, 1, 0}) {
        SCOPED_TRACE(v);
        view.setView(v);
        while (items.rowCount())
            items.removeRow(0);
        add(QStringLiteral("red"), 1); // a plain red picture
        view.selectRow(0);
        QApplication::processEvents();
        // The picture, wherever the view puts it in the item.
        const QImage image = view.viewport()->grab().toImage();
        const QRect item = itemRect(0);
        const QRgb red = QColor::fromHsv(0, 255, 255).rgb();
        int exact = 0;
        for (int y = item.top(); y <= item.bottom(); ++y)
            for (int x = item.left(); x <= item.right(); ++x)
                exact += image.pixel(x, y) == red;
        // Most of the 32 x 32 (or smaller) picture shows its own colour.
        EXPECT_GT(exact, 100);
    }
}

} // namespace
