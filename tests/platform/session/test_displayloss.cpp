// The display gone: noticed before anything the event loop runs next (Qt's
// X11 plugin ends the process from a queued call), told once, and never
// while the connection is sound.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/session/DisplayLoss.h"

namespace {

struct Watched {
    bool broken = false;
    int told = 0;
    platform::DisplayLoss loss{[this] { return broken; }};
    Watched()
    {
        QObject::connect(&loss, &platform::DisplayLoss::lost, &loss, [this] { ++told; });
    }
};

TEST(DisplayLoss, IsToldBeforeTheNextQueuedCallRuns)
{
    Watched watched;
    QObject plugin;
    int toldWhenCalled = -1;
    // What the plugin's reading thread queues once the connection broke.
    QMetaObject::invokeMethod(&plugin, [&] { toldWhenCalled = watched.told; }, Qt::QueuedConnection);
    watched.broken = true;
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(toldWhenCalled, 1);
    EXPECT_TRUE(watched.loss.isLost());

    // Once only, whatever runs after.
    QMetaObject::invokeMethod(&plugin, [] {}, Qt::QueuedConnection);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(watched.told, 1);
}

TEST(DisplayLoss, IsToldAtTheLoopsNextTurnWithoutAnyEvent)
{
    Watched watched;
    watched.broken = true;
    QCoreApplication::processEvents();
    EXPECT_EQ(watched.told, 1);
}

TEST(DisplayLoss, TheSocketsEndIsSeenBeforeTheConnectionSaysSo)
{
    int ends[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
    int told = 0;
    platform::DisplayLoss loss([] { return false; }, ends[0]);
    QObject::connect(&loss, &platform::DisplayLoss::lost, &loss, [&] { ++told; });
    // Events waiting to be read are no end.
    ASSERT_EQ(::write(ends[1], "e", 1), 1);
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(told, 0);
    char byte;
    ASSERT_EQ(::read(ends[0], &byte, 1), 1); // as the reading thread takes them
    ::close(ends[1]);
    // A loop that waits, as the program's does.
    QEventLoop loop;
    QObject::connect(&loss, &platform::DisplayLoss::lost, &loop, &QEventLoop::quit);
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(told, 1);
    ::close(ends[0]);
}

TEST(DisplayLoss, NothingWhileTheConnectionIsSoundOrAbsent)
{
    Watched watched;
    // The application's own connection: offscreen there is none.
    platform::DisplayLoss none;
    int noneTold = 0;
    QObject::connect(&none, &platform::DisplayLoss::lost, &none, [&] { ++noneTold; });
    bool ran = false;
    QTimer::singleShot(0, &watched.loss, [&] { ran = true; });
    QObject plugin;
    QMetaObject::invokeMethod(&plugin, [] {}, Qt::QueuedConnection);
    for (int i = 0; i < 5 && !ran; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(ran);
    EXPECT_EQ(watched.told, 0);
    EXPECT_EQ(noneTold, 0);
    EXPECT_FALSE(none.isLost());
}

} // namespace
