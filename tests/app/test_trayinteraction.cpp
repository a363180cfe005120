// Bringing the window back from the tray, the tray menu, and opening shortcuts
// from the window.
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/frmTessaflow.h"
#include "support/WindowFixture.h"

using namespace testing_support;
namespace code = platform::TrayCode;

namespace {

class TrayInteractionTest : public OpenWindowFixture {
protected:

    void hideToTray()
    {
        window->showMinimized();
        QTest::qWait(20);
        ASSERT_TRUE(window->isHidden());
    }
    QStringList popUpMenu(int eventCode, const QString &choose = QString())
    {
        return menuShownBy([&] { tray.click(eventCode); }, choose);
    }
};

TEST_F(TrayInteractionTest, LeftClickAndDoubleClickBringTheHiddenWindowBack)
{
    for (int c : {code::LeftButtonUp, code::LeftButtonDoubleClick}) {
        hideToTray();
        tray.click(c);
        QApplication::processEvents();
        EXPECT_TRUE(window->isVisible()) << c;
        EXPECT_EQ(window->frameState(), 0) << c;
    }
    // A double-click restores at the release and again at the double-click,
    // with nothing to see the second time.
    hideToTray();
    tray.click(code::LeftButtonUp);
    const QRect first = window->frameGeometry();
    tray.click(code::LeftButtonDoubleClick);
    EXPECT_EQ(window->frameGeometry(), first);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(TrayInteractionTest, RestoringReturnsAMaximisedWindowToItsNormalSize)
{
    const QSize normal = window->size();
    window->showMaximized();
    QApplication::processEvents();
    tray.click(code::LeftButtonUp); // visible and maximised: back to normal
    QApplication::processEvents();
    EXPECT_EQ(window->frameState(), 0);
    EXPECT_EQ(window->size(), normal);

    window->showMaximized();
    QApplication::processEvents();
    hideToTray(); // minimised from maximised
    tray.click(code::LeftButtonUp);
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->frameState(), 0);
    EXPECT_FALSE(window->isMaximized());
}

TEST_F(TrayInteractionTest, OtherCodesDoNothing)
{
    hideToTray();
    for (int c : {code::MouseMove, code::LeftButtonDown, code::RightButtonDown, code::RightButtonDoubleClick,
                  code::MiddleButtonUp, 0, 0x7fff})
        tray.click(c);
    QApplication::processEvents();
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(window->frameState(), 1);
}

TEST_F(TrayInteractionTest, RightClickPopsUpTheTrayMenuAndLeavesTheWindowHidden)
{
    hideToTray();
    EXPECT_EQ(popUpMenu(code::RightButtonUp), (QStringList{"&Restore", "Start at &Login", "-", "&Exit"}));
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(window->frameState(), 1);

    popUpMenu(code::RightButtonUp, QStringLiteral("&Restore"));
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(TrayInteractionTest, ExitFromTheHiddenWindowSavesWithoutGeometryAndRemovesTheIcon)
{
    hideToTray();
    QSignalSpy unloaded(window.get(), &app::frmTessaflow::unloaded);
    popUpMenu(code::RightButtonUp, QStringLiteral("&Exit"));
    QApplication::processEvents();
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_EQ(tray.removes, 1);
    EXPECT_EQ(tray.removedDuringCallback, 0); // never under the tray's own handler
    QFile profile(dir.filePath(QStringLiteral("tsw.ini")));
    ASSERT_TRUE(profile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(profile.readAll().startsWith("[Tessaflow]\nArrange=0\nSView=0\n0=\n"));
}

TEST_F(TrayInteractionTest, DoubleClickAndOpenLaunchTheSelectedShortcutWithoutSaving)
{
    window->AddButton(QStringLiteral("http://example.com/one"), QString(), 1);
    window->AddButton(QStringLiteral("https://example.com/two"), QString(), 2);
    QApplication::processEvents();
    platform::ListView &list = window->lstButtons();

    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, QPoint(300, 200)); // nothing selected
    EXPECT_TRUE(opener.opened.isEmpty());

    const QRect second = list.visualRect(list.model()->index(1, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second.center());
    window->mnuOpen_Click();
    EXPECT_EQ(opener.opened, (QStringList{"https://example.com/two", "https://example.com/two"}));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("tsw.ini"))));
}

} // namespace
