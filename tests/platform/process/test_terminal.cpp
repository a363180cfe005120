// Running a program or script with a shortcut's options: its own argv
// entries and folder, the desktop's terminal around it when asked (which
// terminal, and how each takes the program), and a report when there is none.
#include "platform/process/Opener.h"

#include "support/ProcessEnvironment.h"
#include "support/Recorders.h"
#include "support/RecordingSpawner.h"

#include <QDir>
#include <gtest/gtest.h>

using platform::Command;
using platform::DesktopOpener;
using namespace testing_support;

namespace {

// A program or script run with a shortcut's options: its own argv entries
// and folder; wrapped in the desktop's terminal when asked; anything else
// opens as ever.
class OpenerRunOptions : public Environment {
protected:
    void SetUp() override
    {
        Environment::SetUp();
        m_savedTerminal = qgetenv("TERMINAL");
        m_hadTerminal = qEnvironmentVariableIsSet("TERMINAL");
        qunsetenv("TERMINAL");
        // Only the stand-ins: no terminal of this machine is found.
        usePath(at("bin"));
    }
    void TearDown() override
    {
        if (m_hadTerminal)
            qputenv("TERMINAL", m_savedTerminal);
        else
            qunsetenv("TERMINAL");
        Environment::TearDown();
    }
    // A folder that is there (the options' folder is looked at before the start).
    const platform::RunOptions how{{QStringLiteral("--name"), QStringLiteral("two words"), QStringLiteral("-x")},
                                   QStringLiteral("/"), false};
    QByteArray m_savedTerminal;
    bool m_hadTerminal = false;
};

TEST_F(OpenerRunOptions, OnlyAProgramTakesArgumentsAndFolder)
{
    writeScript(work("run.sh"), "exit 0\n");
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("run.sh"), how),
              (Command{work("run.sh"), how.arguments, QStringLiteral("/"), false}));
    EXPECT_TRUE(DesktopOpener::opensByRunning(work("run.sh")));
    writeFile(work("notes.txt"), "text");
    writeFile(work("app.desktop"), "[Desktop Entry]\nType=Application\nExec=app\n");
    ASSERT_TRUE(QDir(work("")).mkdir(QStringLiteral("Folder")));
    for (const QString name : {QStringLiteral("notes.txt"), QStringLiteral("app.desktop"), QStringLiteral("Folder")}) {
        EXPECT_EQ(DesktopOpener::commandFor(name, how), opener(work(name))) << name.toStdString();
        EXPECT_FALSE(DesktopOpener::opensByRunning(work(name))) << name.toStdString();
    }
    EXPECT_FALSE(DesktopOpener::opensByRunning(work("gone.sh")));

    // A working folder that is not there is said before anything starts.
    platform::RunOptions elsewhere = how;
    elsewhere.workingDirectory = work("no such folder");
    QString reason;
    EXPECT_EQ(DesktopOpener::commandFor(work("run.sh"), elsewhere, &reason), std::nullopt);
    EXPECT_TRUE(reason.contains(QLatin1String("no such folder")) && reason.contains(QLatin1String("not there")))
        << reason.toStdString();
}

TEST_F(OpenerRunOptions, TheTerminalIsTheDesktopsThenTerminalThenAKnownOne)
{
    writeScript(work("run.sh"), "exit 0\n");
    platform::RunOptions inTerminal = how;
    inTerminal.terminal = true;
    QString reason;
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("run.sh"), inTerminal, &reason), std::nullopt);
    EXPECT_TRUE(reason.contains(QLatin1String("no terminal was found"))) << reason.toStdString();

    const QStringList rest = QStringList{work("run.sh")} + how.arguments;
    writeScript(at("bin/xterm"), "exit 0\n");
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("run.sh"), inTerminal),
              (Command{at("bin/xterm"), QStringList{QStringLiteral("-e")} + rest, QStringLiteral("/"), false}));
    // TERMINAL naming nothing there: the known ones still serve.
    qputenv("TERMINAL", "no-such-terminal");
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("run.sh"), inTerminal)->program, at("bin/xterm"));
    writeScript(at("bin/gnome-terminal"), "exit 0\n");
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("run.sh"), inTerminal),
              (Command{at("bin/gnome-terminal"), QStringList{QStringLiteral("--")} + rest, QStringLiteral("/"),
                       false}));
    // TERMINAL before the known ones, taken the way its kind takes a program.
    writeScript(at("bin/xfce4-terminal"), "exit 0\n");
    qputenv("TERMINAL", "xfce4-terminal");
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("run.sh"), inTerminal)->arguments,
              QStringList{QStringLiteral("-x")} + rest);
    // The desktop's own choice before everything.
    writeScript(at("bin/x-terminal-emulator"), "exit 0\n");
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("run.sh"), inTerminal),
              (Command{at("bin/x-terminal-emulator"), QStringList{QStringLiteral("-e")} + rest,
                       QStringLiteral("/"), false}));
}

TEST_F(OpenerRunOptions, AProgramToRunInATerminalWithNoneIsReportedWithoutStartingAnything)
{
    writeScript(work("run.sh"), "exit 0\n");
    RecordingSpawner spawner;
    RecordingDialogs dialogs;
    DesktopOpener(spawner, platform::notifyThrough(dialogs)).runPath(work("run.sh"), {{}, {}, true});
    EXPECT_TRUE(spawner.calls.empty());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(QLatin1String("run.sh")) &&
                dialogs.shown[0].text.contains(QLatin1String("TERMINAL")))
        << dialogs.shown[0].text.toStdString();
}

} // namespace
