#include "platform/process/Opener.h"

#include "support/LongPath.h"
#include "support/Recorders.h"
#include "support/RecordingSpawner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <memory>
#include <optional>
#include <ostream>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::Command;
using platform::DesktopOpener;
using platform::DetachedSpawner;
using platform::SpawnResult;
using testing_support::RecordingDialogs;
using testing_support::RecordingSpawner;

namespace platform {
// Readable failures: "program [arg, …] wait".
void PrintTo(const Command &command, std::ostream *os)
{
    *os << '"' << command.program.toStdString() << "\" [";
    for (const QString &argument : command.arguments)
        *os << '"' << argument.toStdString() << "\" ";
    *os << ']' << (command.waitForExit ? " wait" : " no-wait");
}
} // namespace platform

namespace {

void writeFile(const QString &path, const QByteArray &content, QFile::Permissions permissions = {})
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(content), content.size());
    file.close();
    if (permissions.toInt() != 0)
        ASSERT_TRUE(file.setPermissions(permissions));
}

constexpr QFile::Permissions kExecutable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
    | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

// A shell script that stands in for a real program.
void writeScript(const QString &path, const QByteArray &body)
{
    writeFile(path, "#!/bin/sh\n" + body, kExecutable);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// True when this process has no child at all, neither running nor a zombie.
// WNOWAIT: looking must not reap a child the spawner still has to collect.
bool noChildren()
{
    siginfo_t info = {};
    return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) < 0 && errno == ECHILD;
}

// PATH and the current folder are process-wide: every test puts them back.
class Environment : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = QFileInfo(m_dir.path()).canonicalFilePath();
        ASSERT_TRUE(QDir(m_root).mkpath(QStringLiteral("bin")));
        ASSERT_TRUE(QDir(m_root).mkpath(QStringLiteral("work")));
        m_savedPath = qgetenv("PATH");
        m_savedCwd = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(at("work")));
        // Stand-in opener first on PATH: nothing real is ever started.
        writeScript(at("bin/xdg-open"), "exit 0\n");
        usePath(at("bin") + QLatin1Char(':') + QString::fromLocal8Bit(m_savedPath));
    }
    void TearDown() override
    {
        qputenv("PATH", m_savedPath);
        QDir::setCurrent(m_savedCwd);
    }

    QString at(const QString &relative) const { return m_root + QLatin1Char('/') + relative; }
    QString work(const QString &relative) const { return at(QStringLiteral("work/") + relative); }
    void usePath(const QString &path) { qputenv("PATH", QFile::encodeName(path)); }
    Command opener(const QString &argument) const { return {at("bin/xdg-open"), {argument}, true}; }

    QTemporaryDir m_dir;
    QString m_root;
    QByteArray m_savedPath;
    QString m_savedCwd;
};

// ---- What is started for each kind of target ----

class OpenerCommandFor : public Environment {};

TEST_F(OpenerCommandFor, UrisGoUnchangedToTheDesktopOpener)
{
    for (const QString url : {QStringLiteral("https://example.com/a?b=c&d"), QStringLiteral("HTTP://Example.COM/"),
                              QStringLiteral("ftp://files.example.com/x"), QStringLiteral("svn+ssh://host/repo"),
                              QStringLiteral("file:///etc/hostname"), QStringLiteral("mailto:someone"),
                              QStringLiteral("magnet:?xt=urn:btih:1")}) {
        EXPECT_EQ(DesktopOpener::commandForUri(url), opener(url)) << url.toStdString();
    }
    // The caller said it is a path: a host and port is then a (missing) file name.
    QString reason;
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("localhost:3000"), &reason), std::nullopt);
    EXPECT_TRUE(reason.contains(QLatin1String("localhost:3000"))) << reason.toStdString();
    // And so is a name that starts like a web address.
    reason.clear();
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("www.example.com"), &reason), std::nullopt);
    EXPECT_TRUE(reason.contains(QLatin1String("does not exist"))) << reason.toStdString();
    writeFile(work("www.example.org"), "saved page");
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("www.example.org")), opener(work("www.example.org")));
}

TEST_F(OpenerCommandFor, RelativeNamesBecomeAbsoluteSoNoneReadsAsAnOptionOrAddress)
{
    ASSERT_TRUE(QDir(work("")).mkdir(QStringLiteral("sub")));
    for (const QString name : {QStringLiteral("-rf"), QStringLiteral("--help"), QStringLiteral("notes:2024.txt"),
                               QStringLiteral("sub/report.txt"), QStringLiteral("with space.txt")}) {
        writeFile(work(name), "text");
        const std::optional<Command> command = DesktopOpener::commandFor(name);
        ASSERT_TRUE(command) << name.toStdString();
        EXPECT_EQ(*command, opener(work(name)));
        EXPECT_TRUE(command->arguments.at(0).startsWith(QLatin1Char('/')));
    }
    // Absolute targets are taken as they are.
    EXPECT_EQ(DesktopOpener::commandFor(work("-rf")), opener(work("-rf")));
}

TEST_F(OpenerCommandFor, FoldersDocumentsAndSpecialFilesGoToTheDesktopOpener)
{
    ASSERT_TRUE(QDir(work("")).mkdir(QStringLiteral("Folder")));
    writeFile(work("letter.odt"), "PK\x03\x04");
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("Folder")), opener(work("Folder")));
    EXPECT_EQ(DesktopOpener::commandFor(work("letter.odt")), opener(work("letter.odt")));

    // An executable pipe must not be read (that would hang) nor run.
    ASSERT_EQ(::mkfifo(QFile::encodeName(work("pipe")).constData(), 0755), 0);
    EXPECT_EQ(DesktopOpener::commandFor(work("pipe")), opener(work("pipe")));
}

TEST_F(OpenerCommandFor, OnlyRealProgramsAreRunThemselves)
{
    writeFile(work("tool"), QByteArray("\x7f" "ELF\x02\x01\x01", 7), kExecutable);
    writeScript(work("script.sh"), "echo hi\n");
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("tool")), (Command{work("tool"), {}, false}));
    EXPECT_EQ(DesktopOpener::commandFor(work("script.sh")), (Command{work("script.sh"), {}, false}));

    // Documents with a stray execute bit, as FAT and NTFS mounts give them.
    writeFile(work("report.pdf"), "%PDF-1.4", kExecutable);
    writeFile(work("empty"), "", kExecutable);
    writeFile(work("EL"), "\x7f" "EL", kExecutable);
    EXPECT_EQ(DesktopOpener::commandFor(work("report.pdf")), opener(work("report.pdf")));
    EXPECT_EQ(DesktopOpener::commandFor(work("empty")), opener(work("empty")));
    EXPECT_EQ(DesktopOpener::commandFor(work("EL")), opener(work("EL")));

    // A program without its execute bit is only a document.
    writeFile(work("plain.sh"), "#!/bin/sh\n", QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(DesktopOpener::commandFor(work("plain.sh")), opener(work("plain.sh")));
}

TEST_F(OpenerCommandFor, DesktopEntriesAreLaunchedByGioWhenItIsInstalled)
{
    writeFile(work("editor.desktop"), "[Desktop Entry]\nType=Application\nExec=editor\n");
    // Without gio on PATH: only the stand-in opener is there.
    usePath(at("bin"));
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("editor.desktop")), opener(work("editor.desktop")));

    writeScript(at("bin/gio"), "exit 0\n");
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("editor.desktop")),
              (Command{at("bin/gio"), {QStringLiteral("launch"), work("editor.desktop")}, true}));
}

TEST_F(OpenerCommandFor, MissingTargetsAndAMissingOpenerGiveAReasonInsteadOfACommand)
{
    QString reason;
    // There but out of the system's reach: not called missing.
    const testing_support::FileBeyondPathMax made(work(QString()));
    const QString far = made.path();
    ASSERT_FALSE(far.isEmpty());
    EXPECT_EQ(DesktopOpener::commandFor(far, &reason), std::nullopt);
    EXPECT_TRUE(reason.contains(QLatin1String("cannot be reached")) && !reason.contains(QLatin1String("does not exist")))
        << reason.toStdString();
    reason.clear();
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("gone.txt"), &reason), std::nullopt);
    EXPECT_TRUE(reason.contains(QLatin1String("gone.txt")) && reason.contains(QLatin1String("does not exist")))
        << reason.toStdString();
    // An empty name is not the current folder.
    reason.clear();
    EXPECT_EQ(DesktopOpener::commandFor(QString(), &reason), std::nullopt);
    EXPECT_FALSE(reason.isEmpty());
    reason.clear();
    EXPECT_EQ(DesktopOpener::commandForUri(QString(), &reason), std::nullopt);
    EXPECT_FALSE(reason.isEmpty());

    ASSERT_TRUE(QDir(m_root).mkdir(QStringLiteral("empty-bin")));
    usePath(at("empty-bin"));
    ASSERT_TRUE(QDir(work("")).mkdir(QStringLiteral("Folder")));
    for (const QString uri : {QStringLiteral("https://example.com/"), QStringLiteral("mailto:someone")}) {
        reason.clear();
        EXPECT_EQ(DesktopOpener::commandForUri(uri, &reason), std::nullopt) << uri.toStdString();
        EXPECT_TRUE(reason.contains(QLatin1String("xdg-open"))) << reason.toStdString();
    }
    reason.clear();
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("Folder"), &reason), std::nullopt);
    EXPECT_TRUE(reason.contains(QLatin1String("xdg-open"))) << reason.toStdString();
    // A program needs no opener.
    writeScript(work("run.sh"), "exit 0\n");
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("run.sh")), (Command{work("run.sh"), {}, false}));
}

// ---- How the opener reports failures (the spawner is a recorder) ----

class DesktopOpenerReports : public Environment {
protected:
    RecordingSpawner spawner;
    RecordingDialogs dialogs;
};

TEST_F(DesktopOpenerReports, TargetThatCannotBeOpenedIsReportedWithoutStartingAnything)
{
    DesktopOpener(spawner, platform::notifyThrough(dialogs)).openPath(QStringLiteral("lost & found.txt"));
    EXPECT_TRUE(spawner.calls.empty());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "notice");
    EXPECT_EQ(dialogs.shown[0].title, "Tessaflow");
    EXPECT_TRUE(dialogs.shown[0].text.contains(QLatin1String("lost & found.txt")));
    EXPECT_TRUE(dialogs.shown[0].text.contains(QLatin1String("does not exist")));
}

TEST_F(DesktopOpenerReports, OpenerExitCodesAreExplainedAndSuccessIsSilent)
{
    writeFile(work("doc.txt"), "text");
    DesktopOpener desktop(spawner, platform::notifyThrough(dialogs));
    const struct {
        int code;
        const char *words;
    } cases[] = {{1, "command line"}, {2, "does not exist"}, {3, "No program"},
                 {4, "failed"},       {5, "permission"},     {77, "77"}};
    for (const auto &c : cases) {
        dialogs.shown.clear();
        spawner.calls.clear();
        desktop.openPath(QStringLiteral("doc.txt"));
        ASSERT_EQ(spawner.calls.size(), 1u);
        EXPECT_TRUE(dialogs.shown.empty()) << "reported before the opener ended";
        spawner.finish(0, {true, 0, c.code});
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.code;
        EXPECT_EQ(dialogs.shown[0].title, "Tessaflow");
        EXPECT_TRUE(dialogs.shown[0].text.contains(QLatin1String(c.words)) &&
                    dialogs.shown[0].text.contains(QLatin1String("doc.txt")))
            << c.code << ": " << dialogs.shown[0].text.toStdString();
    }

    dialogs.shown.clear();
    spawner.calls.clear();
    desktop.openPath(QStringLiteral("doc.txt"));
    spawner.finish(0, {true, 0, 0});
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(DesktopOpenerReports, ProgramThatCouldNotStartIsReportedWithTheSystemsReason)
{
    writeScript(work("tool"), "exit 0\n");
    DesktopOpener desktop(spawner, platform::notifyThrough(dialogs));
    desktop.openPath(QStringLiteral("tool"));
    ASSERT_EQ(spawner.calls.size(), 1u);
    EXPECT_FALSE(spawner.calls[0].command.waitForExit);
    spawner.finish(0, {false, EACCES, 0});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(QLatin1String("Permission denied")))
        << dialogs.shown[0].text.toStdString();
}

TEST_F(DesktopOpenerReports, LateResultAfterTheOpenerIsGoneIsDropped)
{
    writeFile(work("doc.txt"), "text");
    {
        DesktopOpener desktop(spawner, platform::notifyThrough(dialogs));
        desktop.openPath(QStringLiteral("doc.txt"));
    }
    ASSERT_EQ(spawner.calls.size(), 1u);
    spawner.finish(0, {true, 0, 4});
    EXPECT_TRUE(dialogs.shown.empty());
}

// ---- Real processes (only stand-in scripts) ----

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
    const std::optional<SpawnResult> result = run({at("bin/record"), arguments, true}, &calls);
    ASSERT_TRUE(result);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(result->started);
    EXPECT_EQ(result->exitCode, 3);
    EXPECT_EQ(readAll(at("args")), arguments.join(QChar(0)).toUtf8() + '\0');
    EXPECT_TRUE(noChildren());
}

TEST_F(DetachedSpawning, ProgramThatCannotBeExecutedIsReportedWithItsErrno)
{
    std::optional<SpawnResult> result = run({at("bin/none"), {}, false});
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->started);
    EXPECT_EQ(result->error, ENOENT);

    writeFile(at("bin/garbage"), "not a program", kExecutable);
    result = run({at("bin/garbage"), {}, true});
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->started);
    EXPECT_EQ(result->error, ENOEXEC);

    writeFile(at("bin/locked"), "#!/bin/sh\n", QFile::ReadOwner);
    result = run({at("bin/locked"), {}, false});
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->started);
    EXPECT_EQ(result->error, EACCES);
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
    const std::optional<SpawnResult> result = run({at("bin/facts"), {}, false});
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
        spawner.spawn({at("bin/slow"), {}, true}, [&called](const SpawnResult &) { called = true; });
    }
    EXPECT_FALSE(noChildren());
    EXPECT_TRUE(QTest::qWaitFor([] { return noChildren(); }, 10000));
    QTest::qWait(50);
    EXPECT_FALSE(called);
}

// ---- The real opener and spawner with a stand-in xdg-open first on PATH ----

class DesktopOpening : public Environment {
protected:
    void SetUp() override
    {
        Environment::SetUp();
        ASSERT_TRUE(noChildren());
    }
    // A stand-in opener that records its arguments and exits with `code`.
    void standInOpener(int code)
    {
        writeScript(at("bin/xdg-open"), "printf '%s\\0' \"$@\" > \"" + QFile::encodeName(at("args.tmp"))
                                            + "\"\nmv \"" + QFile::encodeName(at("args.tmp")) + "\" \""
                                            + QFile::encodeName(at("args")) + "\"\nexit "
                                            + QByteArray::number(code) + "\n");
    }
    // The opener's result is in once nothing remains to collect.
    bool settled() { return QTest::qWaitFor([] { return noChildren(); }, 10000); }

    DetachedSpawner spawner;
    RecordingDialogs dialogs;
    DesktopOpener desktop{spawner, platform::notifyThrough(dialogs)};
};

TEST_F(DesktopOpening, OpenerReceivesTheAbsolutePathOrAddressAlone)
{
    standInOpener(0);
    writeFile(work("-rf"), "not an option");
    desktop.openPath(QStringLiteral("-rf"));
    ASSERT_TRUE(settled());
    EXPECT_EQ(readAll(at("args")), QFile::encodeName(work("-rf")) + '\0');

    QFile::remove(at("args"));
    desktop.openUri(QStringLiteral("http://www.example.com/a b"));
    ASSERT_TRUE(settled());
    EXPECT_EQ(readAll(at("args")), QByteArray("http://www.example.com/a b") + '\0');
    QTest::qWait(50);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(DesktopOpening, OpenerFailureGivesOneNotice)
{
    standInOpener(2);
    writeFile(work("doc.txt"), "text");
    desktop.openPath(QStringLiteral("doc.txt"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.shown.empty(); }, 10000));
    QTest::qWait(100);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "notice");
    EXPECT_EQ(dialogs.shown[0].title, "Tessaflow");
    EXPECT_TRUE(dialogs.shown[0].text.contains(QLatin1String("doc.txt")));
    EXPECT_TRUE(dialogs.shown[0].text.contains(QLatin1String("does not exist")));
    EXPECT_EQ(readAll(at("args")), QFile::encodeName(work("doc.txt")) + '\0');
}

TEST_F(DesktopOpening, ProgramIsRunItselfInANewSession)
{
    standInOpener(0);
    const QByteArray out = QFile::encodeName(at("session"));
    writeScript(work("game"), "cut -d' ' -f6 /proc/$$/stat > \"" + out + ".tmp\"\nmv \"" + out + ".tmp\" \""
                                  + out + "\"\n");
    desktop.openPath(QStringLiteral("game"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(at("session")); }, 10000));
    const int session = readAll(at("session")).trimmed().toInt();
    EXPECT_GT(session, 0);
    EXPECT_NE(session, ::getsid(0));
    EXPECT_FALSE(QFile::exists(at("args"))) << "the program went to the opener";
    ASSERT_TRUE(settled());
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
