// Starting at login: the entry in the autostart folder and the tray item
// that writes it; starting hidden in the tray.
#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "platform/xdg/DesktopEntry.h"
#include "support/WindowFixture.h"

using namespace testing_support;

namespace {

class AutostartTest : public OpenWindowFixture {
protected:
    QString entryPath() const { return dir.filePath(QStringLiteral("autostart/tessaflow.desktop")); }
    // The tray menu's items as shown, choosing `choose` if given; a checked
    // item is marked with "[x]".
    QStringList trayMenu(const QString &choose = QString())
    {
        QStringList shown = menuShownBy([&] { tray.click(platform::TrayClick::Context); }, choose);
        QAction *login = window->mPopupSys().findChild<QAction *>(QStringLiteral("mPopLogin"));
        if (login && login->isChecked())
            shown.replaceInStrings(QStringLiteral("Start at &Login"), QStringLiteral("Start at &Login [x]"));
        return shown;
    }
};

TEST_F(AutostartTest, TheTrayItemWritesAndRemovesTheLoginEntry)
{
    EXPECT_EQ(trayMenu(), (QStringList{"&Restore", "Start at &Login", "Earlier &Versions\u2026", "-", "&Exit"}));
    trayMenu(QStringLiteral("Start at &Login"));
    ASSERT_TRUE(QFile::exists(entryPath()));
    EXPECT_EQ(trayMenu(), (QStringList{"&Restore", "Start at &Login [x]", "Earlier &Versions\u2026", "-", "&Exit"}));
    // It starts this very executable, hidden in the tray.
    const auto entry = platform::DesktopEntry::read(entryPath(), QString());
    ASSERT_TRUE(entry);
    EXPECT_EQ(platform::DesktopEntry::execArguments(entry->exec),
              (QStringList{dir.filePath(QStringLiteral("bin/tessaflow")), "--minimized"}));

    trayMenu(QStringLiteral("Start at &Login"));
    EXPECT_FALSE(QFile::exists(entryPath()));
    EXPECT_EQ(trayMenu(), (QStringList{"&Restore", "Start at &Login", "Earlier &Versions\u2026", "-", "&Exit"}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(AutostartTest, AnEntryOfAnotherCopyIsNotCheckedAndIsReplaced)
{
    QDir().mkpath(QFileInfo(entryPath()).absolutePath());
    QFile other(entryPath());
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("[Desktop Entry]\nType=Application\nName=Tessaflow\nExec=/opt/elsewhere/tessaflow --minimized\n");
    other.close();
    EXPECT_FALSE(autostart.enabled());
    trayMenu(QStringLiteral("Start at &Login"));
    EXPECT_TRUE(autostart.enabled());

    // A path with blanks, quotes and a percent sign survives the Exec rules.
    const QString odd = dir.filePath(QStringLiteral("my \"apps\" 100%/$x\\tessaflow"));
    platform::Autostart portable(entryPath(), odd);
    ASSERT_TRUE(portable.setEnabled(true));
    EXPECT_TRUE(portable.enabled());
    EXPECT_FALSE(autostart.enabled());
}

TEST_F(AutostartTest, AFailedWriteIsReportedAndLeavesTheItemUnchecked)
{
    // The autostart folder's place is taken by a file.
    QFile blocker(dir.filePath(QStringLiteral("autostart")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    trayMenu(QStringLiteral("Start at &Login"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("error"));
    EXPECT_FALSE(window->mPopupSys().findChild<QAction *>(QStringLiteral("mPopLogin"))->isChecked());
}

// The entry as the desktop reads it: valid, and started by GLib (as GNOME and
// most sessions start login entries) as this very program, wherever it is.
TEST(LoginEntry, DesktopsStartTheRightProgramFromAnyFolder)
{
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    const QString validate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    ASSERT_FALSE(gio.isEmpty() || validate.isEmpty()) << "scripts/deps.sh installs libglib2.0-bin and desktop-file-utils";
    QTemporaryDir dir;
    const QString entryPath = dir.filePath(QStringLiteral("autostart/tessaflow.desktop")), ran = dir.filePath(QStringLiteral("ran"));
    // The second: a line break in a folder name must not end the Exec line.
    for (const QString folder : {QStringLiteral("my \"apps\" 100% $HOME \\ 'q' \u00e9t\u00e9 \u65e5\u672c"),
                                 QStringLiteral("q\nExec=touch INJECTED #\tx")}) {
        const QString program = dir.filePath(folder + QStringLiteral("/tessaflow"));
        QDir().mkpath(QFileInfo(program).path());
        QFile script(program);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s|' \"$0\" \"$@\" > '" + QFile::encodeName(ran) + "'\n");
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        platform::Autostart entry(entryPath, program);
        ASSERT_TRUE(entry.setEnabled(true));
        EXPECT_TRUE(entry.enabled());
        QProcess check, launch;
        check.start(validate, {entryPath});
        launch.setWorkingDirectory(dir.path());
        launch.start(gio, {QStringLiteral("launch"), entryPath});
        ASSERT_TRUE(check.waitForFinished(10000) && launch.waitForFinished(10000));
        EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().constData();
        EXPECT_EQ(launch.exitCode(), 0) << launch.readAllStandardError().constData();
        QFile result(ran);
        EXPECT_TRUE(QTest::qWaitFor([&] { return result.size() > 0; }, 5000));
        ASSERT_TRUE(result.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(result.readAll()), program + QStringLiteral("|--minimized|"));
        result.remove();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("INJECTED"))));
}

TEST(LoginEntry, IsReadAgainOnlyWhenItChanged)
{
    // The tray menu asks before each showing: an entry unchanged in time and
    // size is not read again (which a rewrite of the same size and time shows).
    QTemporaryDir dir;
    const QString entryPath = dir.filePath(QStringLiteral("tessaflow.desktop"));
    const QString us = dir.filePath(QStringLiteral("aaaa/tessaflow")), other = dir.filePath(QStringLiteral("bbbb/tessaflow"));
    const auto write = [&](const QString &program, const QDateTime &time) {
        QFile file(entryPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Desktop Entry]\nType=Application\nExec=" + QFile::encodeName(program) + "\n");
        file.close();
        if (time.isValid())
            ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime));
    };
    const QDateTime time = QDateTime::currentDateTime().addSecs(-60);
    write(us, time);
    const platform::Autostart entry(entryPath, us);
    EXPECT_TRUE(entry.enabled());
    write(other, time);
    EXPECT_TRUE(entry.enabled()); // same time and size: the answer known
    write(other, time.addSecs(1));
    EXPECT_FALSE(entry.enabled()); // changed: read again
    write(us + QStringLiteral("x"), time.addSecs(1));
    EXPECT_FALSE(entry.enabled());
    write(us, time.addSecs(2));
    EXPECT_TRUE(entry.enabled());
    QFile::remove(entryPath);
    EXPECT_FALSE(entry.enabled());
}

TEST_F(AutostartTest, MinimizedStartsHiddenInTheTrayOnlyWhenThereIsOne)
{
    window->startMinimized();
    EXPECT_TRUE(window->isHidden());
    EXPECT_TRUE(tray.shown);
    // A later start brings it back with its shortcuts.
    window->showFromAnotherStart({QStringLiteral("https://example.org/")});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(targets(), QStringList{"https://example.org/"});
    EXPECT_TRUE(readProfile().contains("0=https://example.org/|example.org|"));

    tray.hostPresent = false;
    window->startMinimized();
    EXPECT_TRUE(window->isVisible());
}

} // namespace
