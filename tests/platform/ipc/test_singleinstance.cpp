// One running copy per profile, with the real program started as processes.
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

namespace {

using platform::InstanceSocket::encode;

// A listener or a connection at `name`, as any program of this user could make.
int unixSocket(const QString &name, bool listen, int flags = 0)
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
bool readableWithin(int fd, int ms)
{
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, ms) == 1;
}
// CPU time a process has used, in clock ticks: utime + stime.
long cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    const QList<QByteArray> fields = stat.open(QIODevice::ReadOnly) ? stat.readAll().split(')').value(1).split(' ') : QList<QByteArray>();
    return fields.value(12).toLong() + fields.value(13).toLong();
}

class SingleInstanceTest : public ::testing::Test {
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
        QTest::qWaitFor([&] { return (fd = unixSocket(socketName(), false, flags)) >= 0; }, 5000);
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

TEST_F(SingleInstanceTest, HelpVersionAndMistakesNeedNoDisplay)
{
    QProcess &help = start({QStringLiteral("--help")}, QStringLiteral("xcb"));
    QProcess &version = start({QStringLiteral("--version")}, QStringLiteral("xcb"));
    QProcess &bogus = start({QStringLiteral("--bogus")}, QStringLiteral("xcb"));
    for (QProcess *p : {&help, &version, &bogus})
        ASSERT_TRUE(p->waitForFinished(5000));
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.readAllStandardOutput().startsWith("Usage: tessaflow"));
    EXPECT_EQ(version.exitCode(), 0);
    EXPECT_EQ(version.readAllStandardOutput(), "Tessaflow 1.1.0\n");
    EXPECT_EQ(bogus.exitCode(), 2);
    EXPECT_TRUE(bogus.readAllStandardError().startsWith("tessaflow: Unknown option 'bogus'.\nUsage:"));
}

TEST_F(SingleInstanceTest, ALaterStartHandsItsShortcutsToTheRunningCopy)
{
    QProcess &first = start({touch(QStringLiteral("one.txt"))});
    ASSERT_TRUE(QTest::qWaitFor([&] { return listening() && profile().contains("one.txt|"); }, 10000));

    QProcess &second = start({QStringLiteral("two.txt"), QStringLiteral("nothere.txt")});
    touch(QStringLiteral("two.txt"));
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(second.readAllStandardError(), "tessaflow: not found, not added: nothere.txt\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return profile().contains("1=" + dir.filePath("two.txt").toUtf8() + "|two.txt|"); }, 5000));

    QProcess &missing = start({QStringLiteral("nothere.txt")});
    ASSERT_TRUE(missing.waitForFinished(10000));
    EXPECT_EQ(missing.exitCode(), 1);
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(SingleInstanceTest, ALaterStartHandsOverBeforeItMakesAnApplication)
{
    QProcess &first = start({});
    ASSERT_TRUE(QTest::qWaitFor([&] { return listening(); }, 10000));
    // Without a display an application on xcb could not even be made: these
    // starts get through only by handing over first.
    QProcess &toggle = start({QStringLiteral("--toggle")}, QStringLiteral("xcb"));
    ASSERT_TRUE(toggle.waitForFinished(10000));
    EXPECT_EQ(toggle.exitCode(), 0) << toggle.readAllStandardError().toStdString();
    QProcess &second = start({touch(QStringLiteral("two.txt")), QStringLiteral("nothere.txt")}, QStringLiteral("xcb"));
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(second.readAllStandardError(), "tessaflow: not found, not added: nothere.txt\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return profile().contains("two.txt|"); }, 5000));
    QProcess &refused = start({QStringLiteral("nothere.txt")}, QStringLiteral("xcb"));
    ASSERT_TRUE(refused.waitForFinished(10000));
    EXPECT_EQ(refused.exitCode(), 1);
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(SingleInstanceTest, AStaleSocketDoesNotBlockAndSimultaneousStartsLeaveOne)
{
    QProcess &crashed = start({});
    ASSERT_TRUE(QTest::qWaitFor([&] { return listening(); }, 10000));
    ::kill(pid_t(crashed.processId()), SIGKILL);
    ASSERT_TRUE(crashed.waitForFinished(5000));
    ASSERT_TRUE(listening()); // the socket is left behind

    const QString a = touch(QStringLiteral("a.txt")), b = touch(QStringLiteral("b.txt"));
    std::vector<QProcess *> copies{&start({a}), &start({b})};
    // One ends (status 0) after handing its shortcut over; the other stays.
    ASSERT_TRUE(QTest::qWaitFor([&] { return running(copies) == 1; }, 15000));
    QTest::qWait(500);
    EXPECT_EQ(running(copies), 1);
    for (QProcess *p : copies)
        if (p->state() != QProcess::Running)
            EXPECT_EQ(p->exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return profile().contains("a.txt|") && profile().contains("b.txt|"); }, 5000));
}

TEST_F(SingleInstanceTest, TheSocketIsNeverInAFolderOthersShare)
{
    // No runtime folder (su, ssh, cron) and Qt's fallback in the shared
    // temporary folder taken by somebody else, who listens where a shared
    // socket would be.
    const QString shared = dir.filePath(QStringLiteral("shared")), own = shared + QStringLiteral("/tessaflow-%1").arg(::geteuid());
    ASSERT_TRUE(QDir().mkpath(shared) && ::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
    touch(QStringLiteral("shared/runtime-") + QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name));
    const QByteArray hash = QCryptographicHash::hash(QFileInfo(app).absolutePath().toUtf8() + "/tsw.ini",
                                                     QCryptographicHash::Sha256).toHex().left(16);
    const int stranger = unixSocket(shared + QStringLiteral("/tessaflow-") + QString::fromLatin1(hash), true);
    ASSERT_GE(stranger, 0);
    environment = [&](QProcessEnvironment &env) {
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        env.insert(QStringLiteral("TMPDIR"), shared);
    };
    QProcess &first = start({touch(QStringLiteral("one.txt"))});
    ASSERT_TRUE(QTest::qWaitFor([&] { return profile().contains("one.txt|"); }, 10000)) << "it ran on its own";
    QProcess &second = start({touch(QStringLiteral("two.txt"))});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return profile().contains("two.txt|"); }, 5000)) << "handed over";
    struct stat st = {};
    EXPECT_TRUE(::lstat(QFile::encodeName(own).constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & 0777) == 0700);
    first.terminate();
    ASSERT_TRUE(first.waitForFinished(5000));

    // That folder taken over too (here a link to an open one): no socket at all.
    ASSERT_TRUE(QDir(own).removeRecursively() && QFile::link(shared, own));
    QProcess &alone = start({});
    EXPECT_TRUE(QTest::qWaitFor([&] { return alone.readAllStandardError().contains("no private folder"); }, 10000));
    EXPECT_FALSE(readableWithin(stranger, 0)) << "the stranger's socket was used";
    ::close(stranger);
}

TEST_F(SingleInstanceTest, SomethingElseAtTheSocketsNameIsSaidAndNothingHandedOver)
{
    QProcess &crashed = start({});
    ASSERT_TRUE(QTest::qWaitFor([&] { return listening(); }, 10000));
    const QString name = socketName(), file = touch(QStringLiteral("x.txt"));
    ::kill(pid_t(crashed.processId()), SIGKILL);
    ASSERT_TRUE(crashed.waitForFinished(5000));
    const int elsewhere = unixSocket(dir.filePath(QStringLiteral("elsewhere")), true);
    ASSERT_TRUE(QFile::remove(name) && QDir().mkdir(name));
    for (const char *said : {" is a folder", " is a symbolic link"}) {
        QProcess &later = start({file});
        ASSERT_TRUE(later.waitForFinished(10000)) << "a second copy on the same profile";
        EXPECT_NE(later.exitCode(), 0);
        EXPECT_TRUE(later.readAllStandardError().contains(name.toUtf8() + said)) << said;
        // Then a link to another socket: never followed.
        QDir().rmdir(name);
        QFile::link(dir.filePath(QStringLiteral("elsewhere")), name);
    }
    EXPECT_FALSE(readableWithin(elsewhere, 0));
    EXPECT_FALSE(profile().contains("x.txt"));
    ::close(elsewhere);
}

TEST_F(SingleInstanceTest, SilentAndAbsurdRequestsDoNotHurtTheRunningCopy)
{
    QProcess &first = start({});
    ASSERT_TRUE(QTest::qWaitFor([&] { return listening(); }, 10000));
    // Four bytes announcing some four billion: refused at once, nothing allocated.
    const int absurd = connection();
    ASSERT_EQ(::send(absurd, "\xf0\x00\x00\x00", 4, MSG_NOSIGNAL), 4);
    EXPECT_TRUE(readableWithin(absurd, 5000));
    // Connections that never send: each has a deadline, and a flood of them
    // neither uses up the descriptors nor keeps a real start out.
    std::vector<int> silent;
    for (int i = 0; i < 300; ++i)
        silent.push_back(unixSocket(socketName(), false, SOCK_NONBLOCK));
    QProcess &second = start({touch(QStringLiteral("two.txt"))});
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return profile().contains("two.txt|"); }, 5000));
    const int newest = *std::find_if(silent.rbegin(), silent.rend(), [](int fd) { return fd >= 0; });
    EXPECT_TRUE(readableWithin(newest, 8000)) << "a silent connection stays open";

    // Out of descriptors, the copy waits instead of asking accept() again and again.
    const auto pid = pid_t(first.processId());
    rlimit saved = {}, tight = {};
    ASSERT_EQ(::prlimit(pid, RLIMIT_NOFILE, nullptr, &saved), 0);
    tight = {rlim_t(QDir(QStringLiteral("/proc/%1/fd").arg(pid)).entryList(QDir::System).size()), saved.rlim_max};
    ASSERT_EQ(::prlimit(pid, RLIMIT_NOFILE, &tight, nullptr), 0);
    silent.push_back(unixSocket(socketName(), false, SOCK_NONBLOCK));
    QTest::qWait(300);
    const long before = cpuTicks(pid);
    QTest::qWait(1000);
    EXPECT_LT(cpuTicks(pid) - before, ::sysconf(_SC_CLK_TCK) / 4) << "busy while nothing can be accepted";
    ASSERT_EQ(::prlimit(pid, RLIMIT_NOFILE, &saved, nullptr), 0);
    for (const int fd : silent)
        ::close(fd);
    ::close(absurd);
}

TEST_F(SingleInstanceTest, WhatTheRunningCopyRefusesIsToldToTheSender)
{
    QProcess &first = start({});
    ASSERT_TRUE(QTest::qWaitFor([&] { return listening(); }, 10000));
    const QString name = socketName(), file = touch(QStringLiteral("one.txt"));
    const int fd = connection();
    const QByteArray request = encode({QString(), QStringLiteral("relative.txt"), file, QStringLiteral("/no/such")});
    ASSERT_EQ(::send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL), request.size());
    QStringList answer;
    ASSERT_TRUE(platform::InstanceSocket::receiveMessage(fd, QDeadlineTimer(10000), &answer));
    ::close(fd);
    EXPECT_EQ(answer, (QStringList{"1", "an empty or broken name, not added", "not an absolute path, not added: relative.txt",
                                   "not found, not added: /no/such"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return profile().contains("one.txt|"); }, 5000)) << "the rest was taken";

    // The sender prints what the copy said, with status 1 when nothing was taken.
    ::kill(pid_t(first.processId()), SIGKILL);
    ASSERT_TRUE(first.waitForFinished(5000) && QFile::remove(name));
    const int copy = unixSocket(name, true);
    std::thread refusingCopy([&] {
        const int client = readableWithin(copy, 10000) ? ::accept(copy, nullptr, nullptr) : -1;
        QStringList received;
        if (platform::InstanceSocket::receiveMessage(client, QDeadlineTimer(5000), &received)) {
            const QByteArray reply = encode({QStringLiteral("0"), QStringLiteral("not found: ") + received.value(0)});
            ::send(client, reply.constData(), size_t(reply.size()), MSG_NOSIGNAL);
        }
        ::close(client);
    });
    QProcess &sender = start({file});
    refusingCopy.join();
    ASSERT_TRUE(sender.waitForFinished(10000));
    EXPECT_EQ(sender.exitCode(), 1);
    EXPECT_EQ(sender.readAllStandardError(), "tessaflow: not found: " + file.toUtf8() + "\n");
    ::close(copy);
}

// A runtime folder that is the user's own and private but not writable would
// make no socket, and each later start a copy of its own: the folder in the
// temporary folder is used instead, as for any unusable runtime folder.
TEST_F(SingleInstanceTest, APrivateRuntimeFolderThatCannotBeWrittenToIsPassedOver)
{
    const auto restore = privateRuntimeDir();
    const QString runtime = dir.filePath(QStringLiteral("runtime")), temp = dir.filePath(QStringLiteral("temp"));
    ASSERT_TRUE(QDir().mkpath(temp) && ::chmod(QFile::encodeName(runtime).constData(), 0500) == 0);
    const QByteArray savedTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp));
    const auto restoreTemp = qScopeGuard([&] {
        ::chmod(QFile::encodeName(runtime).constData(), 0700);
        if (savedTemp.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", savedTemp);
    });
    QString why;
    EXPECT_EQ(platform::InstanceSocket::privateFolder(&why), temp + QStringLiteral("/tessaflow-%1").arg(::geteuid()))
        << why.toStdString();
    platform::SingleInstance first(dir.filePath(QStringLiteral("app/tsw.ini")),
                                   [](const QString &target, QString *) -> std::optional<QString> { return target; });
    ASSERT_EQ(first.start({}, &why), platform::SingleInstance::Start::First);
    EXPECT_TRUE(why.isEmpty()) << why.toStdString(); // listening
    EXPECT_TRUE(platform::SingleInstance::serverName(dir.filePath(QStringLiteral("app/tsw.ini"))).startsWith(temp));
}

// The running copy takes what the rule it was handed accepts, in order, and
// tells the sender what the rule refused.
TEST_F(SingleInstanceTest, TheRuleHandedInDecidesWhatTheRunningCopyTakes)
{
    const auto restore = privateRuntimeDir();
    platform::SingleInstance running(dir.filePath(QStringLiteral("app/tsw.ini")),
                                     [](const QString &target, QString *refusal) -> std::optional<QString> {
                                         if (target.contains(QLatin1String("refuse"))) {
                                             *refusal = QStringLiteral("refused: ") + target;
                                             return std::nullopt;
                                         }
                                         return target.toUpper();
                                     });
    QString why;
    ASSERT_EQ(running.start({}, &why), platform::SingleInstance::Start::First) << why.toStdString();
    std::optional<QStringList> taken;
    QObject::connect(&running, &platform::SingleInstance::requested,
                     [&](const QStringList &targets, const QString &, bool) { taken = targets; });
    running.serve();

    QStringList answer;
    std::thread laterStart([&, name = socketName()] {
        const int fd = unixSocket(name, false);
        const QByteArray request = encode({QStringLiteral("one"), QStringLiteral("refuse me"), QStringLiteral("two")});
        if (::send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL) == request.size())
            platform::InstanceSocket::receiveMessage(fd, QDeadlineTimer(10000), &answer);
        ::close(fd);
    });
    const bool served = QTest::qWaitFor([&] { return taken.has_value(); }, 10000);
    laterStart.join();
    ASSERT_TRUE(served);
    EXPECT_EQ(*taken, (QStringList{"ONE", "TWO"}));
    EXPECT_EQ(answer, (QStringList{"2", "refused: refuse me"}));
}

// A request past the cap is taken as far as the cap, and the answer counts
// only what was taken and says why the rest was not.
TEST_F(SingleInstanceTest, AHandOverIsCappedAndTheAnswerSaysSo)
{
    const auto restore = privateRuntimeDir();
    platform::SingleInstance running(
        dir.filePath(QStringLiteral("app/tsw.ini")),
        [](const QString &target, QString *refusal) -> std::optional<QString> {
            if (target.contains(QLatin1String("refuse"))) {
                *refusal = QStringLiteral("refused: ") + target;
                return std::nullopt;
            }
            return target;
        },
        3);
    QString why;
    ASSERT_EQ(running.start({}, &why), platform::SingleInstance::Start::First) << why.toStdString();
    std::optional<QStringList> taken;
    QObject::connect(&running, &platform::SingleInstance::requested,
                     [&](const QStringList &targets, const QString &, bool) { taken = targets; });
    running.serve();

    QStringList answer;
    std::thread laterStart([&, name = socketName()] {
        const int fd = unixSocket(name, false);
        const QByteArray request = encode({QStringLiteral("one"), QStringLiteral("refuse me"), QStringLiteral("two"),
                                           QStringLiteral("three"), QStringLiteral("four")});
        if (::send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL) == request.size())
            platform::InstanceSocket::receiveMessage(fd, QDeadlineTimer(10000), &answer);
        ::close(fd);
    });
    const bool served = QTest::qWaitFor([&] { return taken.has_value(); }, 10000);
    laterStart.join();
    ASSERT_TRUE(served);
    EXPECT_EQ(*taken, (QStringList{"one", "two"}));
    EXPECT_EQ(answer, (QStringList{"2", "refused: refuse me", "2 more not added: at most 3 are taken at once"}));
}

// The first start itself takes no more than a hand-over, and says so.
TEST_F(SingleInstanceTest, TheFirstStartTakesNoMoreThanAHandOver)
{
    QStringList many;
    for (int i = 0; i < 4003; ++i)
        many << QStringLiteral("https://example.org/%1").arg(i);
    QProcess &first = start(many);
    ASSERT_TRUE(QTest::qWaitFor([&] { return profile().contains("https://example.org/3999|"); }, 20000));
    EXPECT_FALSE(profile().contains("https://example.org/4000|"));
    first.terminate();
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_TRUE(first.readAllStandardError().contains("tessaflow: 3 more not added: at most 4000 are taken at once\n"));
}

TEST_F(SingleInstanceTest, AnEarlyHandOverOnlyHandsOverAndLeavesTheRestToStart)
{
    const auto restore = privateRuntimeDir();
    const QString profilePath = dir.filePath(QStringLiteral("app/tsw.ini"));
    auto acceptAll = [](const QString &target, QString *) -> std::optional<QString> { return target; };

    // No copy runs: nothing is made, start() decides.
    platform::SingleInstance alone(profilePath, acceptAll);
    EXPECT_EQ(alone.handOverEarly({QStringLiteral("x")}), platform::SingleInstance::Start::First);
    EXPECT_FALSE(listening());
    ASSERT_EQ(alone.start({}), platform::SingleInstance::Start::First);
    ASSERT_TRUE(listening());
    std::optional<std::tuple<QStringList, QString, bool>> asked;
    QObject::connect(&alone, &platform::SingleInstance::requested,
                     [&](const QStringList &targets, const QString &token, bool toggle) {
                         asked = std::tuple(targets, token, toggle);
                     });
    alone.serve();

    // A copy runs: the request, its token and toggle, reach it.
    platform::SingleInstance::Start early = platform::SingleInstance::Start::Failed;
    int taken = -1;
    std::thread later([&] {
        platform::SingleInstance instance(profilePath, acceptAll);
        early = instance.handOverEarly({QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("tok"), true);
        taken = instance.taken();
    });
    const bool served = QTest::qWaitFor([&] { return asked.has_value(); }, 10000);
    later.join();
    ASSERT_TRUE(served);
    EXPECT_EQ(early, platform::SingleInstance::Start::HandedOver);
    EXPECT_EQ(taken, 2);
    EXPECT_EQ(*asked, std::tuple(QStringList{"a", "b"}, QStringLiteral("tok"), true));
}

// Stopped (the display gone, destructors skipped): the socket goes at once,
// and the next start is the first again.
TEST_F(SingleInstanceTest, AStoppedCopyLeavesNoSocket)
{
    const auto restore = privateRuntimeDir();
    const QString profilePath = dir.filePath(QStringLiteral("app/tsw.ini"));
    auto acceptAll = [](const QString &target, QString *) -> std::optional<QString> { return target; };
    platform::SingleInstance running(profilePath, acceptAll);
    ASSERT_EQ(running.start({}), platform::SingleInstance::Start::First);
    running.serve();
    ASSERT_TRUE(listening());
    running.stop();
    EXPECT_FALSE(listening());
    platform::SingleInstance next(profilePath, acceptAll);
    EXPECT_EQ(next.handOverEarly({QStringLiteral("x")}), platform::SingleInstance::Start::First);
    EXPECT_EQ(next.start({}), platform::SingleInstance::Start::First);
    EXPECT_TRUE(listening());
}

} // namespace
