// One running copy per profile, with the real program started as processes.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

#include "support/QtPrinters.h"

namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
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
    QProcess &start(const QStringList &arguments, const QString &platform = QStringLiteral("offscreen"))
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(dir.path());
        process->start(app, arguments);
        EXPECT_TRUE(process->waitForStarted());
        started.push_back(std::move(process));
        return *started.back();
    }
    // The socket of the running copy, once it listens.
    bool listening() const
    {
        return !QDir(dir.filePath(QStringLiteral("runtime")))
                    .entryList({QStringLiteral("tessaflow-*")}, QDir::System)
                    .filter(QRegularExpression(QStringLiteral("^[^.]+$")))
                    .isEmpty();
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

} // namespace
