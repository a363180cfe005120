// At twice the pixel density (run with QT_SCALE_FACTOR=2): the window keeps its
// size in twips, stored positions come back, and icons are drawn for the
// density rather than scaled up.
#include <QApplication>
#include <QTest>

#include "support/WindowFixture.h"

using namespace testing_support;

namespace {

class HiDpiTest : public WindowFixture {
protected:
    void SetUp() override
    {
        if (qApp->devicePixelRatio() < 2)
            GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    }
};

TEST_F(HiDpiTest, GeometryAndPositionsRoundTripInTwips)
{
    // Fits the 400 x 300 logical pixels of an 800 x 600 screen.
    writeProfile("[Tessaflow]\nTop=750\nLeft=900\nHeight=3000\nWidth=4500\nArrange=0\nSView=0\n"
                 "0=http://example.com|Example|1500|750\n");
    auto window = open();
    EXPECT_EQ(window->frameGeometry().size(), QSize(300, 200)); // logical pixels, 15 twips each
    QApplication::processEvents();
    platform::ListView &list = window->lstButtons();
    EXPECT_EQ(list.visualRect(list.model()->index(0, 0)).topLeft(), QPoint(100, 50));
    window->close();
    EXPECT_TRUE(readProfile().startsWith("[Tessaflow]\nTop=750\nLeft=900\nHeight=3000\nWidth=4500\n"
                                         "Arrange=0\nSView=0\n0=http://example.com|Example|1500|750\n"));
}

TEST_F(HiDpiTest, IconsAreDrawnForThePixelDensity)
{
    auto window = open();
    shortcuts::addShortcut(window->model(), QStringLiteral("/nowhere/a.pdf"));
    const QIcon icon = window->model().at(0).icon;
    const QPixmap sharp = icon.pixmap(QSize(32, 32), 2.0);
    EXPECT_EQ(sharp.size(), QSize(64, 64));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    // Not the 32-pixel picture blown up.
    const QImage blownUp = icon.pixmap(QSize(32, 32), 1.0).toImage().scaled(64, 64);
    EXPECT_NE(sharp.toImage().convertToFormat(blownUp.format()), blownUp);
}

} // namespace
