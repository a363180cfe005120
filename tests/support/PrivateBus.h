#pragma once

#include <QDBusConnection>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace testing_support {

// A session bus of the test's own that activates nothing: it has no service
// folders, so no portal, file manager or tray installed on the machine can
// ever answer on it.
class PrivateBus {
public:
    PrivateBus()
    {
        QFile config(m_dir.filePath(QStringLiteral("bus.conf")));
        if (config.open(QIODevice::WriteOnly)) {
            config.write(QStringLiteral(
                             "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                             " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                             "<busconfig><type>session</type><listen>unix:dir=%1</listen>\n"
                             "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                             "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n")
                             .arg(m_dir.path())
                             .toUtf8());
        }
        config.close();
        m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + config.fileName(),
                                                       QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                                                       QStringLiteral("--print-address")});
        if (m_daemon.waitForStarted(5000) && QTest::qWaitFor([&] { return m_daemon.canReadLine(); }, 5000))
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        for (const QString &name : std::as_const(m_connections))
            QDBusConnection::disconnectFromBus(name);
        m_daemon.terminate();
        m_daemon.waitForFinished(3000);
    }
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    bool started() const { return !m_address.isEmpty(); }
    const QString &address() const { return m_address; }
    // A connection of this process to the bus under `name` (one per name,
    // closed with the bus); invalid when the bus did not start.
    QDBusConnection connection(const QString &name)
    {
        if (!m_connections.contains(name))
            m_connections << name;
        return QDBusConnection::connectToBus(m_address, name);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QStringList m_connections;
};

} // namespace testing_support
