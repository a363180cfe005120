// The running copy's socket as the tests of SingleInstance see it: a folder
// of the test's own with a copy of the real program, sockets made by hand as
// any program of this user could, and the processes started.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QScopeGuard>
#include <algorithm>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <poll.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <tuple>
#include <unistd.h>

#include "platform/ipc/InstanceSocket.h"
#include "platform/ipc/SingleInstance.h"
#include "support/QtPrinters.h"

namespace testing_support {



// A listener or a connection at `name`, as any program of this user could make.
inline int unixSocket(const QString &name, bool listen, int flags = 0)
{
    sockaddr_un a;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | flags, 0);
    const auto *address = reinterpret_cast<const sockaddr *>(&a);
    const bool ok = platform::InstanceSocket::socketAddress(name, &a)
                    && (listen ? ::bind(fd, address, sizeof a) == 0 && ::listen(fd, 64) == 0
                               : ::connect(fd, address, sizeof a) == 0);
    if (!ok)
        ::close(fd);
    return ok ? fd : -1;
}
// Whether a listener has a connection waiting, or a connection was closed by
// the other end, within `ms`.
inline bool readableWithin(int fd, int ms)
{
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, ms) == 1;
}
// CPU time a process has used, in clock ticks: utime + stime.
inline long cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    const QList<QByteArray> fields = stat.open(QIODevice::ReadOnly) ? stat.readAll().split(')').value(1).split(' ') : QList<QByteArray>();
    return fields.value(12).toLong() + fields.value(13).toLong();
}

class InstanceFixture : public ::testing::Test {
protected:
    // XDG_RUNTIME_DIR in the test's folder until the returned guard goes.
    [[nodiscard]] auto privateRuntimeDir()
    {
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.filePath(QStringLiteral("runtime"))));
        return qScopeGuard([saved] {
            if (saved.isNull())
                qunsetenv("XDG_RUNTIME_DIR");
            else
                qputenv("XDG_RUNTIME_DIR", saved);
        });
    }
    QTemporaryDir dir;
    QString app = dir.filePath(QStringLiteral("app/tessaflow"));
    std::vector<std::unique_ptr<QProcess>> started;

    void SetUp() override
    {
        QDir(dir.path()).mkpath(QStringLiteral("app"));
        QDir(dir.path()).mkpath(QStringLiteral("runtime"));
        QFile(dir.filePath(QStringLiteral("runtime"))).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        ASSERT_TRUE(QFile::copy(QStringLiteral(TESSAFLOW_BINARY), app));
    }
    void TearDown() override
    {
        for (auto &process : started) {
            process->terminate();
            process->waitForFinished(5000);
        }
    }
    // Changes made to the environment of every start after the usual ones.
    std::function<void(QProcessEnvironment &)> environment = [](QProcessEnvironment &) {};

    QProcess &start(const QStringList &arguments, const QString &platform = QStringLiteral("offscreen"))
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_STATE_HOME"), dir.filePath(QStringLiteral("state")));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment(env);
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(dir.path());
        process->start(app, arguments);
        EXPECT_TRUE(process->waitForStarted());
        started.push_back(std::move(process));
        return *started.back();
    }
    // The socket of the running copy, once it listens.
    bool listening() const { return !socketName().isEmpty(); }
    QString socketName() const
    {
        const QStringList names = QDir(dir.filePath(QStringLiteral("runtime")))
                                      .entryList({QStringLiteral("tessaflow-*")}, QDir::System)
                                      .filter(QRegularExpression(QStringLiteral("^[^.]+$")));
        return names.isEmpty() ? QString() : dir.filePath(QStringLiteral("runtime/") + names.first());
    }
    // A connection to the running copy, once it takes them (it binds, then listens).
    int connection(int flags = 0) const
    {
        int fd = -1;
        // -1 when it never does; the caller's check fails then.
        static_cast<void>(QTest::qWaitFor([&] { return (fd = unixSocket(socketName(), false, flags)) >= 0; }, 5000));
        return fd;
    }
    QByteArray profile() const
    {
        QFile f(dir.filePath(QStringLiteral("app/tsw.ini")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString touch(const QString &name) const
    {
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
        return dir.filePath(name);
    }
    static int running(const std::vector<QProcess *> &processes)
    {
        int n = 0;
        for (QProcess *p : processes)
            n += p->state() == QProcess::Running;
        return n;
    }
};

} // namespace testing_support
