// Called by the key on a desk of two monitors, the window comes onto the one
// that holds the pointer; the profile keeps its own place on its own monitor.
// Runs on an offscreen desk of the same two monitors (support/two-monitors.json).
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "platform/widgets/Twips.h"
#include "support/WindowFixture.h"

using namespace testing_support;

namespace {

const platform::Monitor kLeft{{0, 0, 1280, 800}, {0, 0, 1280, 800}};
const platform::Monitor kRight{{1280, 0, 1024, 768}, {1280, 0, 1024, 768}};
const QPoint kOnLeft(640, 400);
const QPoint kOnRight(1800, 300);

class PointerMonitorTest : public WindowFixture {
protected:
    std::unique_ptr<ui::MainWindow> window;
    QRect home;

    void SetUp() override
    {
        monitors.monitors = {kLeft, kRight};
        window = open();
        window->move(100, 50);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->frameGeometry().topLeft() == QPoint(100, 50); }));
        home = window->frameGeometry();
    }
    // Sent away as the key does from the active window. (Offscreen, a window
    // hidden and shown again never becomes Qt's active window again, so the
    // key itself would bring it instead.)
    void keyAway()
    {
        window->showHide().hideAway();
        ASSERT_TRUE(window->isHidden());
    }
    void keyBack(std::optional<QPoint> pointer)
    {
        monitors.at = pointer;
        globalKey.press();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::processEvents();
    }
    bool placedAt(const QRect &frame)
    {
        return QTest::qWaitFor([&] { return window->frameGeometry() == frame; }, 2000);
    }
    // The frame the profile would store, in pixels.
    QRect stored() const
    {
        const ui::MainFrame &f = window->frame();
        auto px = [&](double twips) { return platform::toPixels(twips, *window); };
        return {px(f.frameLeft()), px(f.frameTop()), px(f.frameWidth()), px(f.frameHeight())};
    }
};

TEST_F(PointerMonitorTest, TheKeyBringsItToThePointersMonitorAndTheProfileKeepsItsOwnPlace)
{
    keyAway();
    keyBack(kOnRight);
    const QRect visit = platform::carriedOver(home, kLeft.available, kRight.available);
    ASSERT_TRUE(placedAt(visit)) << window->frameGeometry().x() << ',' << window->frameGeometry().y();
    EXPECT_GE(visit.left(), kRight.geometry.left());
    EXPECT_EQ(window->screen()->geometry(), kRight.geometry);
    EXPECT_TRUE(window->windowHandle()->isActive());
    EXPECT_EQ(stored(), home);
    window->controller().save();
    EXPECT_TRUE(readProfile().startsWith(QStringLiteral("[Tessaflow]\nTop=%1\nLeft=%2\nHeight=%3\nWidth=%4\n")
                                             .arg(home.top() * 15)
                                             .arg(home.left() * 15)
                                             .arg(home.height() * 15)
                                             .arg(home.width() * 15)
                                             .toUtf8()))
        << readProfile().left(80).constData();
    // Called again on its own monitor: back at its own place.
    keyAway();
    keyBack(kOnLeft);
    EXPECT_TRUE(placedAt(home));
    // Where the pointer is not told (Wayland) it stays where it is.
    keyAway();
    keyBack(std::nullopt);
    EXPECT_TRUE(placedAt(home));
    // Brought back from the tray, or by another start, it does not follow the pointer.
    monitors.at = kOnRight;
    window->showHide().hideAway();
    ASSERT_TRUE(window->isHidden());
    tray.click(platform::TrayClick::Activate);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_TRUE(placedAt(home));
    window->showFromAnotherStart({});
    EXPECT_TRUE(placedAt(home));
}

TEST_F(PointerMonitorTest, OnASmallerMonitorItShrinksThereButKeepsItsOwnSize)
{
    window->resize(1200, 700);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->frameGeometry().width() > 1024; }));
    home = window->frameGeometry();
    keyAway();
    keyBack(kOnRight);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->frameGeometry().left() >= kRight.geometry.left(); }, 2000));
    EXPECT_TRUE(kRight.available.contains(window->frameGeometry()));
    EXPECT_EQ(window->frameGeometry().width(), kRight.available.width());
    EXPECT_EQ(stored(), home);
    // Hidden there and brought back from the tray: its own place and size.
    window->showHide().hideAway();
    tray.click(platform::TrayClick::Activate);
    EXPECT_TRUE(placedAt(home));
}

TEST_F(PointerMonitorTest, MovedByTheUserOnTheOtherMonitorThatPlaceBecomesItsOwn)
{
    keyAway();
    keyBack(kOnRight);
    ASSERT_TRUE(placedAt(platform::carriedOver(home, kLeft.available, kRight.available)));
    // Still visiting while it is shown by the key, and after the window system settled it.
    QTest::qWait(600);
    EXPECT_EQ(stored(), home);
    window->move(1500, 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->frameGeometry().topLeft() == QPoint(1500, 200); }));
    const QRect moved = window->frameGeometry();
    EXPECT_EQ(stored(), moved);
    // Now the right monitor is its own: called on it, it stays; on the left, it visits there.
    keyAway();
    keyBack(kOnRight);
    EXPECT_TRUE(placedAt(moved));
    keyAway();
    keyBack(kOnLeft);
    EXPECT_TRUE(placedAt(platform::carriedOver(moved, kRight.available, kLeft.available)));
    EXPECT_EQ(stored(), moved);
}

} // namespace
