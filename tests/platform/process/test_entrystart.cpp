// Starting a desktop entry or one of its actions: the program found on PATH,
// the targets where the Exec line asks for them, the entry's folder, and
// what goes wrong told as opening tells it.
#include "platform/process/Opener.h"

#include "support/ProcessEnvironment.h"
#include "support/Recorders.h"
#include "support/RecordingSpawner.h"

#include <QTest>
#include <gtest/gtest.h>

using platform::Command;
using platform::DesktopOpener;
using namespace testing_support;

namespace {

class EntryStart : public Environment {
protected:
    void SetUp() override
    {
        Environment::SetUp();
        writeScript(at("bin/editor"), "exit 0\n");
    }
    // An application entry in the work folder, with `more` lines after Exec.
    QString entry(const QByteArray &exec, const QByteArray &more = {})
    {
        const QString path = work("editor.desktop");
        writeFile(path, "[Desktop Entry]\nType=Application\nName=Editor\nIcon=ed\nExec=" + exec + "\n" + more);
        return path;
    }
    RecordingSpawner spawner;
    RecordingDialogs dialogs;
};

TEST_F(EntryStart, TheActionsExecRunsItsProgramFromPathInTheEntrysFolder)
{
    const QString path = entry("editor %F", "Path=/srv/notes\nActions=new;\n[Desktop Action new]\nName=New\n"
                                            "Exec=editor --new \"%c\" %i %k\n");
    QString reason;
    const auto action = DesktopOpener::commandsForEntry(path, QStringLiteral("new"), {}, &reason);
    ASSERT_TRUE(action) << reason.toStdString();
    EXPECT_EQ(*action, (std::vector<Command>{{at("bin/editor"),
                                               {"--new", "Editor", "--icon", "ed", path},
                                               QStringLiteral("/srv/notes"),
                                               true}}));
    // The entry itself with two files: one run, both files.
    const auto both = DesktopOpener::commandsForEntry(path, QString(), {"/tmp/a b", "/tmp/c"});
    ASSERT_TRUE(both);
    EXPECT_EQ(*both, (std::vector<Command>{{at("bin/editor"), {"/tmp/a b", "/tmp/c"}, "/srv/notes", true}}));
}

TEST_F(EntryStart, ProgramNotOnPathOrEntryRefusedIsToldWithoutStarting)
{
    DesktopOpener desktop(spawner, platform::notifyThrough(dialogs));
    desktop.startEntry(entry("no-such-editor-here %f"), QString(), {QStringLiteral("/tmp/notes.txt")});
    desktop.startEntry(entry("editor %q"), QString(), {});
    desktop.startEntry(entry("editor", "Actions=one;\n"), QStringLiteral("two"), {});
    EXPECT_TRUE(spawner.calls.empty());
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].title, "Tessaflow");
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Could not open \u201C/tmp/notes.txt\u201D.\n\nThe program "
                                                    "\u201Cno-such-editor-here\u201D is not installed."));
    EXPECT_EQ(dialogs.shown[1].text,
              QStringLiteral("Could not open \u201CEditor\u201D.\n\nThe desktop entry's command holds %q, which is "
                             "no field code."));
    EXPECT_TRUE(dialogs.shown[2].text.contains(QLatin1String("has no action two"))) << dialogs.shown[2].text.toStdString();
}

TEST_F(EntryStart, AFailureOnStartOrExitIsToldWithTheActionsName)
{
    DesktopOpener desktop(spawner, platform::notifyThrough(dialogs));
    const QString path = entry("editor", "Actions=w;\n[Desktop Action w]\nName=New Window\nExec=editor -w %u\n");
    desktop.startEntry(path, QStringLiteral("w"), {});
    desktop.startEntry(path, QStringLiteral("w"), {});
    ASSERT_EQ(spawner.calls.size(), 2u);
    EXPECT_EQ(spawner.calls[0].command.arguments, QStringList{QStringLiteral("-w")});
    EXPECT_TRUE(dialogs.shown.empty()) << "told before the program ended";
    spawner.finish(0, {false, ENOENT, 0});
    spawner.finish(1, {true, 0, 3});
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Could not open \u201CNew Window\u201D.\n\n\u201C")
                                         + at("bin/editor")
                                         + QStringLiteral("\u201D could not be started: No such file or directory."));
    EXPECT_EQ(dialogs.shown[1].text, QStringLiteral("Could not open \u201CNew Window\u201D.\n\neditor ended with code 3."));
}

TEST_F(EntryStart, TerminalEntriesRunInTheTerminalWhereThereIsOne)
{
    usePath(at("bin")); // whatever terminal this machine has stays out
    const QString path = entry("editor %f", "Terminal=true\n");
    const auto plain = DesktopOpener::commandsForEntry(path, QString(), {"/tmp/x"});
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->at(0).program, at("bin/editor")) << "no terminal on this PATH";
    writeScript(at("bin/x-terminal-emulator"), "exit 0\n");
    const auto wrapped = DesktopOpener::commandsForEntry(path, QString(), {"/tmp/x"});
    ASSERT_TRUE(wrapped);
    EXPECT_EQ(wrapped->at(0).program, at("bin/x-terminal-emulator"));
    EXPECT_EQ(wrapped->at(0).arguments, (QStringList{"-e", at("bin/editor"), "/tmp/x"}));
}

TEST_F(EntryStart, TheRealSpawnerStartsItInItsFolderWithTheFileAsOneArgument)
{
    platform::DetachedSpawner real;
    DesktopOpener desktop(real, platform::notifyThrough(dialogs));
    const QByteArray out = QFile::encodeName(at("ran"));
    writeScript(at("bin/recorder"),
                "{ pwd; printf '%s\\n' \"$@\"; } > \"" + out + ".tmp\"\nmv \"" + out + ".tmp\" \"" + out + "\"\n");
    ASSERT_TRUE(QDir(m_root).mkpath(QStringLiteral("its folder")));
    const QString file = work("a \"quoted\" $(name).txt");
    desktop.startEntry(entry("recorder --open %f", "Path=" + QFile::encodeName(at("its folder")) + "\n"), QString(),
                       {file});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(at("ran")); }, 10000));
    EXPECT_EQ(readAll(at("ran")), QFile::encodeName(at("its folder") + "\n--open\n" + file + "\n"));
    ASSERT_TRUE(QTest::qWaitFor([] { return noChildren(); }, 10000));
    QTest::qWait(20);
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
