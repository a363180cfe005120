#pragma once

#include <QDBusConnection>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "support/PrivateBus.h"

namespace testing_support {

// The stand-in desktop portal (support/standin_portal.py) on a private
// session bus that activates nothing.
class StandInPortal {
public:
    StandInPortal() = default;
    ~StandInPortal() { stop(); }
    StandInPortal(const StandInPortal &) = delete;
    StandInPortal &operator=(const StandInPortal &) = delete;

    // The test's own connection to the private bus (invalid when it did not start).
    QDBusConnection bus() const { return m_bus.connection(QStringLiteral("standin-test")); }
    bool busStarted() const { return m_bus.started(); }
    // Starts the stand-in with `options` (see the script) and waits for its name.
    bool start(const QStringList &options = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus.address());
        m_portal.setProcessEnvironment(environment);
        m_portal.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_portal.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral(STANDIN_PORTAL), m_log} + options);
        return m_portal.waitForStarted(5000) && QTest::qWaitFor([&] { return registered(); }, 10000);
    }
    void stop()
    {
        m_portal.kill();
        m_portal.waitForFinished(3000);
    }
    bool registered() const
    {
        return bus().interface()->isServiceRegistered(QStringLiteral("org.freedesktop.portal.Desktop"));
    }
    // Acts as the user on the stand-in: "Press", or "Choose" with a trigger.
    QDBusMessage act(const QString &method, const QList<QVariant> &arguments = {}) const
    {
        QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"),
                                                           QStringLiteral("/org/freedesktop/portal/desktop"),
                                                           QStringLiteral("org.tessaflow.StandIn"), method);
        call.setArguments(arguments);
        return bus().call(call);
    }
    // How many match rules the bus holds for the connection named `unique`,
    // as the daemon counts them (-1 when it cannot tell).
    int matchRules(const QString &unique) const
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus.Debug.Stats"), QStringLiteral("GetConnectionStats"));
        call << unique;
        const QDBusMessage reply = bus().call(call);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return -1;
        return qdbus_cast<QVariantMap>(reply.arguments().constFirst()).value(QStringLiteral("MatchRules"), -1).toInt();
    }
    // Every call the stand-in took, one line each, in order.
    QStringList logged() const
    {
        QFile f(m_log);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts)
                                           : QStringList();
    }

private:
    // Mutable: handing out a connection notes its name, to close it with the bus.
    mutable PrivateBus m_bus;
    QTemporaryDir m_dir;
    QProcess m_portal;
    QString m_log = m_dir.filePath(QStringLiteral("portal.log"));
};

} // namespace testing_support
