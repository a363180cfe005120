// Where a window summoned onto another monitor goes: the same place between
// that monitor's edges, kept inside it, for several desks.
#include <QCursor>
#include <gtest/gtest.h>

#include "platform/widgets/Monitors.h"
#include "support/QtPrinters.h"

inline void PrintTo(const QRect &r, std::ostream *os)
{
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ')';
}

using platform::carriedOver;
using platform::frameOnMonitorAt;
using platform::Monitor;

namespace {

// A laptop (with a panel along its bottom) and a smaller monitor to its right.
const Monitor kLaptop{{0, 0, 1280, 800}, {0, 0, 1280, 770}};
const Monitor kRight{{1280, 0, 1024, 768}, {1280, 0, 1024, 768}};

TEST(CarriedOver, KeepsTheShareOfTheRoomBesideTheWindowOnEachAxis)
{
    // 100 of 880 pixels of room on the left, 50 of 470 above.
    EXPECT_EQ(carriedOver({100, 50, 400, 300}, kLaptop.available, kRight.available), QRect(1280 + 71, 50, 400, 300));
    // Against the edges and centred, it stays so.
    EXPECT_EQ(carriedOver({880, 470, 400, 300}, kLaptop.available, kRight.available),
              QRect(1280 + 624, 468, 400, 300));
    EXPECT_EQ(carriedOver({0, 0, 400, 300}, kLaptop.available, kRight.available), QRect(1280, 0, 400, 300));
    EXPECT_EQ(carriedOver({440, 235, 400, 300}, kLaptop.available, kRight.available),
              QRect(1280 + 312, 234, 400, 300));
    // And back: the same share again.
    EXPECT_EQ(carriedOver({1280 + 624, 468, 400, 300}, kRight.available, kLaptop.available),
              QRect(880, 470, 400, 300));
}

TEST(CarriedOver, StacksAndNegativeCoordinates)
{
    // A monitor above the primary one and one to its left reach into negative coordinates.
    const QRect above(-200, -1080, 1920, 1080);
    const QRect left(-1024, 100, 1024, 768);
    const QRect primary(0, 0, 1280, 800);
    EXPECT_EQ(carriedOver({440, 250, 400, 300}, primary, above), QRect(-200 + 760, -1080 + 390, 400, 300));
    EXPECT_EQ(carriedOver({-200 + 760, -1080 + 390, 400, 300}, above, primary), QRect(440, 250, 400, 300));
    EXPECT_EQ(carriedOver({880, 0, 400, 300}, primary, left), QRect(-400, 100, 400, 300));
}

TEST(CarriedOver, AlwaysEndsInsideTheNewMonitor)
{
    const QRect small(1280, 0, 640, 480);
    // Larger than the monitor: shrunk to it, at its corner.
    EXPECT_EQ(carriedOver({100, 100, 800, 600}, kLaptop.available, small), small);
    EXPECT_EQ(carriedOver({100, 100, 800, 300}, kLaptop.available, small), QRect(1280, 38, 640, 300));
    // Partly off its own monitor: the share is taken as all the way to that edge.
    EXPECT_EQ(carriedOver({-150, 600, 400, 300}, kLaptop.available, kRight.available), QRect(1280, 468, 400, 300));
    // As wide as its own monitor: its start is kept where the new one has room.
    EXPECT_EQ(carriedOver({0, 0, 1280, 300}, kLaptop.available, QRect(2304, 0, 1920, 1080)).left(), 2304);
    // An unknown old monitor: fitted in as it is; an unknown new one: unchanged.
    EXPECT_EQ(carriedOver({2000, 10, 400, 300}, QRect(), kRight.available), QRect(1904, 10, 400, 300));
    EXPECT_EQ(carriedOver({100, 50, 400, 300}, kLaptop.available, QRect()), QRect(100, 50, 400, 300));
}

TEST(FrameOnMonitorAt, MovesOnlyToAnotherMonitorThatHoldsThePoint)
{
    const QList<Monitor> desk{kLaptop, kRight};
    const QRect frame(100, 50, 400, 300);
    // On its own monitor already: exactly where it is, even poking out of it.
    EXPECT_EQ(frameOnMonitorAt(frame, desk, {10, 790}), frame);
    const QRect pokingOut(1000, 50, 400, 300);
    EXPECT_EQ(frameOnMonitorAt(pokingOut, desk, {10, 10}), pokingOut);
    // The monitor that holds most of the frame is its own.
    EXPECT_EQ(frameOnMonitorAt(pokingOut, desk, {2000, 700}), QRect(1904, 50, 400, 300));
    EXPECT_EQ(frameOnMonitorAt(frame, desk, {1280, 0}), QRect(1280 + 71, 50, 400, 300));
    // A point between monitors (a desk that is not a rectangle) or past them: nowhere to go.
    EXPECT_EQ(frameOnMonitorAt(frame, desk, {2000, 780}), std::nullopt);
    EXPECT_EQ(frameOnMonitorAt(frame, {}, {10, 10}), std::nullopt);
    // Left on a monitor that is gone: brought in whole.
    EXPECT_EQ(frameOnMonitorAt({5000, 50, 400, 300}, desk, {1500, 10}), QRect(1904, 50, 400, 300));
}

} // namespace

namespace {

// Qt's own screens and pointer, on the offscreen desk of two monitors this
// test runs on (support/two-monitors.json).
TEST(DeskMonitors, ReadsQtsScreensAndPointer)
{
    const platform::DeskMonitors desk;
    const QList<Monitor> monitors = desk.all();
    ASSERT_EQ(monitors.size(), 2);
    EXPECT_EQ(monitors[0].geometry, kLaptop.geometry);
    EXPECT_EQ(monitors[1].geometry, kRight.geometry);
    EXPECT_TRUE(monitors[1].geometry.contains(monitors[1].available));
    QCursor::setPos(1500, 300);
    EXPECT_EQ(desk.pointer(), QPoint(1500, 300));
    // No panels offscreen: 50 of 500 pixels of room above it becomes 47 of 468.
    EXPECT_EQ(frameOnMonitorAt({100, 50, 400, 300}, monitors, *desk.pointer()), QRect(1280 + 71, 47, 400, 300));
}

} // namespace
