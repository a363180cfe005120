// The show/hide key through the desktop portal, against a stand-in portal on
// a private session bus that this test starts.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/globalkey/PortalGlobalKey.h"
#include "support/QtPrinters.h"

namespace {

class PortalTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QProcess daemon;
    QProcess portal;
    QString address;
    QString log = dir.filePath(QStringLiteral("portal.log"));

    void SetUp() override
    {
        daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                     QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
        ASSERT_TRUE(daemon.waitForStarted(5000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return daemon.canReadLine(); }, 5000));
        address = QString::fromUtf8(daemon.readLine()).trimmed();
    }
    void TearDown() override
    {
        stopPortal();
        QDBusConnection::disconnectFromBus(QStringLiteral("test"));
        daemon.terminate();
        daemon.waitForFinished(3000);
    }
    QDBusConnection bus() { return QDBusConnection::connectToBus(address, QStringLiteral("test")); }
    void startPortal(const QStringList &options = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        portal.setProcessEnvironment(environment);
        portal.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        portal.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral(STANDIN_PORTAL), log} + options);
        ASSERT_TRUE(portal.waitForStarted(5000));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return bus().interface()->isServiceRegistered(QStringLiteral("org.freedesktop.portal.Desktop")); },
            10000));
    }
    void stopPortal()
    {
        portal.kill();
        portal.waitForFinished(3000);
    }
    QStringList logged() const
    {
        QFile f(log);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts)
                                           : QStringList();
    }
};

TEST_F(PortalTest, TheKeyIsBoundInASessionOfItsOwnAndItsActivationPressesIt)
{
    startPortal();
    platform::PortalGlobalKey key(bus());
    QStringList problems, tokens;
    key.onProblem([&](const QString &problem) { problems << problem; });
    key.onPressed([&](const QString &token) { tokens << token; });
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !problems.isEmpty(); }, 5000));
    EXPECT_EQ(problems, QStringList{QString()}); // it works
    EXPECT_TRUE(logged().contains(QStringLiteral("bind tessaflow1 toggle|CTRL+ALT+k|Show or hide Tessaflow")))
        << logged().join(u'\n').toStdString();

    const QDBusMessage pressed = bus().call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"), QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.tessaflow.StandIn"), QStringLiteral("Press")));
    ASSERT_NE(pressed.type(), QDBusMessage::ErrorMessage) << pressed.errorMessage().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tokens.isEmpty(); }, 5000));
    EXPECT_EQ(tokens, QStringList{QStringLiteral("standin-token")});

    // Another key: the old session is closed, a new one binds it.
    key.set(QKeySequence(QStringLiteral("Meta+Space")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return problems.size() == 2; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return logged().contains(QStringLiteral("close tessaflow1")); }, 5000));
    const QStringList binds = logged().filter(QStringLiteral("toggle|LOGO+space|Show or hide Tessaflow"));
    ASSERT_EQ(binds.size(), 1);
    EXPECT_FALSE(binds[0].startsWith(QStringLiteral("bind tessaflow1 ")));
}

TEST_F(PortalTest, WithoutThePortalOrItsInterfaceTheUserIsToldToBindTheToggleCommand)
{
    startPortal({QStringLiteral("--no-shortcuts")});
    QStringList problems;
    {
        platform::PortalGlobalKey key(bus());
        key.onProblem([&](const QString &problem) { problems << problem; });
        key.set(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !problems.isEmpty(); }, 5000));
    }
    EXPECT_TRUE(problems[0].startsWith(QStringLiteral("The desktop portal here has no global shortcuts.")))
        << problems[0].toStdString();
    EXPECT_TRUE(problems[0].contains(QStringLiteral("\"tessaflow --toggle\""))) << problems[0].toStdString();

    stopPortal();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !bus().interface()->isServiceRegistered(QStringLiteral("org.freedesktop.portal.Desktop")); },
        5000));
    platform::PortalGlobalKey key(bus());
    key.onProblem([&](const QString &problem) { problems << problem; });
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return problems.size() == 2; }, 5000));
    EXPECT_TRUE(problems[1].startsWith(QStringLiteral("No desktop portal answers here."))) << problems[1].toStdString();
    // No key asks nothing and reports nothing wrong.
    key.set(QKeySequence());
    EXPECT_EQ(problems.last(), QString());
}

} // namespace
