// One running copy per profile, with the real program started as processes.
#include "support/InstanceFixture.h"

using namespace testing_support;
using platform::InstanceSocket::encode;

namespace {

using SingleInstanceTest = InstanceFixture;

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

} // namespace
