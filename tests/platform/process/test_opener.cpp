#include "platform/process/Opener.h"

#include "support/LongPath.h"
#include "support/PrivateBus.h"
#include "support/ProcessEnvironment.h"
#include "support/Recorders.h"
#include "support/RecordingSpawner.h"

#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
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
using namespace testing_support;

namespace {

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
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("tool")), (Command{work("tool"), {}, {}, false}));
    EXPECT_EQ(DesktopOpener::commandFor(work("script.sh")), (Command{work("script.sh"), {}, {}, false}));

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
              (Command{at("bin/gio"), {QStringLiteral("launch"), work("editor.desktop")}, {}, true}));
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
    EXPECT_EQ(DesktopOpener::commandFor(QStringLiteral("run.sh")), (Command{work("run.sh"), {}, {}, false}));
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

// ---- Show in folder: the desktop's file manager on a private bus ----

namespace {

// Stands in for a file manager: records each ShowItems call and answers it.
class StandInFileManager : public QDBusVirtualObject {
public:
    QList<QVariantList> calls;
    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.interface() != QLatin1String("org.freedesktop.FileManager1")
            || message.member() != QLatin1String("ShowItems"))
            return false;
        calls << message.arguments();
        connection.send(message.createReply());
        return true;
    }
};

class ShowInFolder : public Environment {
protected:
    testing_support::PrivateBus bus;
    RecordingSpawner spawner;
    RecordingDialogs dialogs;
    StandInFileManager fileManager;

    bool serveFileManager()
    {
        QDBusConnection server = bus.connection(QStringLiteral("file-manager"));
        return server.registerVirtualObject(QStringLiteral("/org/freedesktop/FileManager1"), &fileManager)
               && server.registerService(QStringLiteral("org.freedesktop.FileManager1"));
    }
    // The folder handed to the desktop opener, once it is.
    QString folderOpened()
    {
        // Empty when it never is; the caller's check fails then.
        static_cast<void>(QTest::qWaitFor([&] { return !spawner.calls.empty(); }, 5000));
        return spawner.calls.empty() ? QString() : spawner.calls[0].command.arguments.value(0);
    }
};

} // namespace

TEST_F(ShowInFolder, TheFileManagerSelectsTheItemByItsUri)
{
    ASSERT_TRUE(bus.started());
    ASSERT_TRUE(serveFileManager());
    writeFile(work("a b#1%.txt"), "text");
    DesktopOpener desktop(spawner, platform::notifyThrough(dialogs), bus.connection(QStringLiteral("launcher")));
    desktop.showInFolder(work("a b#1%.txt"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !fileManager.calls.isEmpty(); }, 5000));
    const QVariantList call = fileManager.calls.first();
    ASSERT_EQ(call.size(), 2);
    const QStringList uris = call[0].toStringList();
    ASSERT_EQ(uris.size(), 1);
    EXPECT_TRUE(uris[0].startsWith(QStringLiteral("file:///")));
    EXPECT_TRUE(uris[0].contains(QStringLiteral("a%20b%231%25.txt"))) << uris[0].toStdString();
    EXPECT_EQ(QUrl(uris[0]).toLocalFile(), work("a b#1%.txt"));
    EXPECT_EQ(call[1].toString(), QString());
    // Answered: nothing else is opened. A call through the same connection
    // comes back after the answer, which is then delivered.
    QDBusConnection launcher = bus.connection(QStringLiteral("launcher"));
    launcher.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                                 QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping")));
    QCoreApplication::processEvents();
    EXPECT_TRUE(spawner.calls.empty());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ShowInFolder, WithoutAFileManagerTheFolderOpens)
{
    ASSERT_TRUE(bus.started());
    writeFile(work("doc.txt"), "text");
    // Nobody owns the name on a bus that activates nothing.
    DesktopOpener onBus(spawner, platform::notifyThrough(dialogs), bus.connection(QStringLiteral("launcher")));
    onBus.showInFolder(work("doc.txt"));
    EXPECT_EQ(folderOpened(), at("work"));
    // No bus at all.
    spawner.calls.clear();
    DesktopOpener offBus(spawner, platform::notifyThrough(dialogs), QDBusConnection(QStringLiteral("none")));
    offBus.showInFolder(work("doc.txt"));
    EXPECT_EQ(folderOpened(), at("work"));
}
