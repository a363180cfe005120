// The detached spawner with real processes (only stand-in scripts).
#include "platform/process/Spawner.h"

#include "support/ProcessEnvironment.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <memory>
#include <optional>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::Command;
using platform::DetachedSpawner;
using platform::SpawnResult;
using namespace testing_support;

namespace {


class DetachedSpawning : public Environment {
protected:
    void SetUp() override
    {
        Environment::SetUp();
        ASSERT_TRUE(noChildren()) << "a child left over from an earlier test";
    }
    // Spawns and waits for the single callback.
    std::optional<SpawnResult> run(const Command &command, int *calls = nullptr)
    {
        auto count = std::make_shared<int>(0);
        auto result = std::make_shared<std::optional<SpawnResult>>();
        m_spawner.spawn(command, [count, result](const SpawnResult &r) {
            ++*count;
            *result = r;
        });
        EXPECT_EQ(*count, 0) << "called back from inside spawn()";
        EXPECT_TRUE(QTest::qWaitFor([&] { return *count > 0; }, 10000));
        QTest::qWait(50); // a second call would come now
        if (calls)
            *calls = *count;
        return *result;
    }
    DetachedSpawner m_spawner;
};

TEST_F(DetachedSpawning, ArgumentsArriveUnchangedAndTheExitCodeIsReported)
{
    writeScript(at("bin/record"), "printf '%s\\0' \"$@\" > \"" + QFile::encodeName(at("args")) + "\"\nexit 3\n");
    const QStringList arguments = {QStringLiteral("-rf"), QStringLiteral("two words"), QStringLiteral("$HOME"),
                                   QStringLiteral("*"), QString(), QStringLiteral("Grüße;\"'\\"),
                                   QStringLiteral("line\nbreak")};
    int calls = 0;
    const std::optional<SpawnResult> result = run({at("bin/record"), arguments, {}, true}, &calls);
    ASSERT_TRUE(result);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(result->started);
    EXPECT_EQ(result->exitCode, 3);
    EXPECT_EQ(readAll(at("args")), arguments.join(QChar(0)).toUtf8() + '\0');
    EXPECT_TRUE(noChildren());
}

TEST_F(DetachedSpawning, ProgramThatCannotBeExecutedIsReportedWithItsErrno)
{
    std::optional<SpawnResult> result = run({at("bin/none"), {}, {}, false});
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->started);
    EXPECT_EQ(result->error, ENOENT);

    writeFile(at("bin/garbage"), "not a program", kExecutable);
    result = run({at("bin/garbage"), {}, {}, true});
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->started);
    EXPECT_EQ(result->error, ENOEXEC);

    writeFile(at("bin/locked"), "#!/bin/sh\n", QFile::ReadOwner);
    result = run({at("bin/locked"), {}, {}, false});
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->started);
    EXPECT_EQ(result->error, EACCES);
    EXPECT_TRUE(noChildren());
}

TEST_F(DetachedSpawning, AWorkingFolderIsEnteredAndOneThatCannotBeIsReported)
{
    writeScript(at("bin/where"), "pwd > \"" + QFile::encodeName(at("where")) + "\"\n");
    ASSERT_TRUE(QDir(m_root).mkpath(QStringLiteral("a folder")));
    std::optional<SpawnResult> result = run({at("bin/where"), {}, at("a folder"), true});
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->started);
    EXPECT_EQ(readAll(at("where")), QFile::encodeName(at("a folder")) + '\n');
    // Without one it runs where the launcher runs.
    result = run({at("bin/where"), {}, {}, true});
    ASSERT_TRUE(result);
    EXPECT_EQ(readAll(at("where")), QFile::encodeName(QDir::currentPath()) + '\n');
    result = run({at("bin/where"), {}, at("no such folder"), true});
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->started);
    EXPECT_EQ(result->error, ENOENT);
    EXPECT_TRUE(noChildren());
}

TEST_F(DetachedSpawning, ProgramRunsDetachedInItsOwnSessionWithNothingOfTheLauncher)
{
    // Open without close-on-exec, as a library might leave a descriptor.
    int leak[2];
    ASSERT_EQ(::pipe(leak), 0);
    const QByteArray out = QFile::encodeName(at("facts"));
    writeScript(at("bin/facts"),
                "{ echo $$; cut -d' ' -f6 /proc/$$/stat; readlink /proc/$$/fd/0; } > \"" + out + ".tmp\"\n"
                "mv \"" + out + ".tmp\" \"" + out + "\"\n"
                "exec sleep 30\n");
    // Whatever the launcher reads from must not be handed on.
    int input[2];
    ASSERT_EQ(::pipe(input), 0);
    const int savedStdin = ::dup(0);
    ::dup2(input[0], 0);
    QElapsedTimer clock;
    clock.start();
    const std::optional<SpawnResult> result = run({at("bin/facts"), {}, {}, false});
    ::dup2(savedStdin, 0);
    for (int fd : {savedStdin, input[0], input[1], leak[1]})
        ::close(fd);
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->started);
    EXPECT_LT(clock.elapsed(), 5000) << "waited for a program it should not wait for";
    // Neither the program nor anything between is left as this process's child.
    EXPECT_TRUE(noChildren());

    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(at("facts")); }, 10000));
    const QList<QByteArray> facts = readAll(at("facts")).split('\n');
    ASSERT_GE(facts.size(), 3);
    const pid_t program = facts[0].toInt();
    ASSERT_GT(program, 1);
    EXPECT_NE(facts[1].toInt(), ::getsid(0));
    EXPECT_NE(facts[1].toInt(), 0);
    EXPECT_EQ(facts[2], "/dev/null");

    // The program is still running, yet the leaked pipe reads as closed: it
    // holds no copy of the write end.
    EXPECT_EQ(::kill(program, 0), 0);
    pollfd readEnd = {leak[0], POLLIN, 0};
    EXPECT_EQ(::poll(&readEnd, 1, 0), 1);
    EXPECT_TRUE(readEnd.revents & POLLHUP);
    ::close(leak[0]);
    ::kill(program, SIGTERM);
}

TEST_F(DetachedSpawning, ResultForAGoneSpawnerIsDroppedButTheChildIsStillCollected)
{
    writeScript(at("bin/slow"), "sleep 0.3\nexit 4\n");
    bool called = false;
    {
        DetachedSpawner spawner;
        spawner.spawn({at("bin/slow"), {}, {}, true}, [&called](const SpawnResult &) { called = true; });
    }
    EXPECT_FALSE(noChildren());
    EXPECT_TRUE(QTest::qWaitFor([] { return noChildren(); }, 10000));
    QTest::qWait(50);
    EXPECT_FALSE(called);
}

} // namespace
