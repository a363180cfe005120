// Whether a tray is there, as the desktop's StatusNotifierWatcher says, on a
// private session bus this test starts: a watcher that is slow to answer, or
// never does, must not hold the program up at each check.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/tray/Tray.h"

namespace {

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

// A watcher that takes every property question and answers it only when told.
class SilentWatcher : public QDBusVirtualObject {
public:
    QList<QDBusMessage> asked;
    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.member() == QLatin1String("Ping")) // a marker: everything sent before has arrived
            connection.send(message.createReply());
        else
            asked << message;
        return true;
    }
};

class SystemTrayTest : public ::testing::Test {
protected:
    QProcess daemon;
    SilentWatcher watcher;

    void SetUp() override
    {
        daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                     QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
        ASSERT_TRUE(daemon.waitForStarted(5000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return daemon.canReadLine(); }, 5000));
        // The tray talks to the session bus: this one, from the first use on.
        qputenv("DBUS_SESSION_BUS_ADDRESS", daemon.readLine().trimmed());
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
        QDBusConnection desktop = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("desktop"));
        ASSERT_TRUE(desktop.registerVirtualObject(QStringLiteral("/StatusNotifierWatcher"), &watcher));
        ASSERT_TRUE(desktop.registerService(kWatcher));
    }
    void TearDown() override
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("desktop"));
        daemon.terminate();
        daemon.waitForFinished(3000);
    }
    // Every call the program sent before this one has reached the watcher.
    void allArrived()
    {
        QDBusMessage ping = QDBusMessage::createMethodCall(kWatcher, QStringLiteral("/StatusNotifierWatcher"),
                                                           QStringLiteral("org.example.Marker"), QStringLiteral("Ping"));
        QDBusPendingCall pending = QDBusConnection::sessionBus().asyncCall(ping, 5000);
        ASSERT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, 6000));
    }
    void answer(int index, bool registered)
    {
        QDBusConnection desktop(QStringLiteral("desktop"));
        desktop.send(watcher.asked.at(index).createReply(QVariant::fromValue(QDBusVariant(registered))));
    }
};

TEST_F(SystemTrayTest, TheWatcherIsAskedOnceAtATimeAndItsAnswerIsKept)
{
    platform::SystemTray tray;
    int changes = 0;
    tray.setHostChanged([&] { ++changes; });
    // Unanswered: taken at its word of being there, and asked only once.
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(tray.available());
    allArrived();
    ASSERT_EQ(watcher.asked.size(), 1);
    EXPECT_EQ(watcher.asked[0].member(), QStringLiteral("Get"));
    EXPECT_EQ(watcher.asked[0].arguments().value(1), QStringLiteral("IsStatusNotifierHostRegistered"));

    // No host: the checks from then on say so.
    answer(0, false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !tray.available(); }, 5000));
    EXPECT_FALSE(tray.available());
    EXPECT_EQ(changes, 0); // nothing added yet: nobody to tell

    // A host came: the next answer says so.
    allArrived();
    ASSERT_EQ(watcher.asked.size(), 2);
    answer(1, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tray.available(); }, 5000));
}

} // namespace
