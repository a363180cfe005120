// Starting at login: the entry in the autostart folder and the tray item
// that writes it; starting hidden in the tray.
#include <QApplication>
#include <QTest>

#include "platform/desktop/DesktopEntry.h"
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
        QStringList shown = menuShownBy([&] { tray.click(platform::TrayCode::RightButtonUp); }, choose);
        QAction *login = window->mPopupSys().findChild<QAction *>(QStringLiteral("mPopLogin"));
        if (login && login->isChecked())
            shown.replaceInStrings(QStringLiteral("Start at &Login"), QStringLiteral("Start at &Login [x]"));
        return shown;
    }
};

TEST_F(AutostartTest, TheTrayItemWritesAndRemovesTheLoginEntry)
{
    EXPECT_EQ(trayMenu(), (QStringList{"&Restore", "Start at &Login", "-", "&Exit"}));
    trayMenu(QStringLiteral("Start at &Login"));
    ASSERT_TRUE(QFile::exists(entryPath()));
    EXPECT_EQ(trayMenu(), (QStringList{"&Restore", "Start at &Login [x]", "-", "&Exit"}));
    // It starts this very executable, hidden in the tray.
    const auto entry = platform::DesktopEntry::read(entryPath(), QString());
    ASSERT_TRUE(entry);
    EXPECT_EQ(platform::DesktopEntry::execArguments(entry->exec),
              (QStringList{dir.filePath(QStringLiteral("bin/tessaflow")), "--minimized"}));

    trayMenu(QStringLiteral("Start at &Login"));
    EXPECT_FALSE(QFile::exists(entryPath()));
    EXPECT_EQ(trayMenu(), (QStringList{"&Restore", "Start at &Login", "-", "&Exit"}));
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
    app::Autostart portable(entryPath(), odd);
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

TEST_F(AutostartTest, MinimizedStartsHiddenInTheTrayOnlyWhenThereIsOne)
{
    window->startMinimized();
    EXPECT_TRUE(window->isHidden());
    EXPECT_TRUE(tray.shown);
    // A later start brings it back with its shortcuts.
    window->showFromAnotherStart({QStringLiteral("https://example.org/")});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->lstPrograms().items(), QStringList{"https://example.org/"});
    EXPECT_TRUE(readProfile().contains("0=https://example.org/|example.org|"));

    tray.hostPresent = false;
    window->startMinimized();
    EXPECT_TRUE(window->isVisible());
}

} // namespace
