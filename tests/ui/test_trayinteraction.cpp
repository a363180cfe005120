// Bringing the window back from the tray, the tray menu, and opening shortcuts
// from the window.
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/MainWindow.h"
#include "support/WindowFixture.h"

using namespace testing_support;
using platform::TrayClick;

namespace {

class TrayInteractionTest : public OpenWindowFixture {
protected:

    void hideToTray()
    {
        window->showMinimized();
        QTest::qWait(20);
        ASSERT_TRUE(window->isHidden());
    }
    QStringList popUpMenu(TrayClick click, const QString &choose = QString())
    {
        return menuShownBy([&] { tray.click(click); }, choose);
    }
};

TEST_F(TrayInteractionTest, ActivatingBringsTheHiddenWindowBack)
{
    hideToTray();
    tray.click(TrayClick::Activate);
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->frame().frameState(), 0);
    // A double-click activates at the release and again at the double-click,
    // with nothing to see the second time.
    hideToTray();
    tray.click(TrayClick::Activate);
    const QRect first = window->frameGeometry();
    tray.click(TrayClick::Activate);
    EXPECT_EQ(window->frameGeometry(), first);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(TrayInteractionTest, RestoringReturnsAMaximisedWindowToItsNormalSize)
{
    const QSize normal = window->size();
    window->showMaximized();
    QApplication::processEvents();
    tray.click(TrayClick::Activate); // visible and maximised: back to normal
    QApplication::processEvents();
    EXPECT_EQ(window->frame().frameState(), 0);
    EXPECT_EQ(window->size(), normal);

    window->showMaximized();
    QApplication::processEvents();
    hideToTray(); // minimised from maximised
    tray.click(TrayClick::Activate);
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->frame().frameState(), 0);
    EXPECT_FALSE(window->isMaximized());
}

TEST_F(TrayInteractionTest, AMiddleClickDoesNothing)
{
    hideToTray();
    tray.click(TrayClick::Middle);
    QApplication::processEvents();
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(window->frame().frameState(), 1);
}

TEST_F(TrayInteractionTest, RightClickPopsUpTheTrayMenuAndLeavesTheWindowHidden)
{
    hideToTray();
    EXPECT_EQ(popUpMenu(TrayClick::Context),
              (QStringList{"&Restore", "Start at &Login", "Earlier &Versions\u2026", "-", "&Exit"}));
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(window->frame().frameState(), 1);

    popUpMenu(TrayClick::Context, QStringLiteral("&Restore"));
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(TrayInteractionTest, RightClicksInARowShowOneMenuAndLeaveTheProgramAnswering)
{
    hideToTray();
    // A menu with a loop of its own would hold the test here until it is
    // closed: close any that is still up after a while, so that the fault
    // shows as a failure, not a hang.
    QTimer unstick;
    unstick.setInterval(2000);
    QObject::connect(&unstick, &QTimer::timeout, [] {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    });
    unstick.start();
    // A host that asks for the menu at each right click.
    for (int i = 0; i < 4; ++i) {
        tray.click(TrayClick::Context);
        QApplication::processEvents();
        ASSERT_TRUE(window->mPopupSys().isVisible()) << "click " << i;
    }
    int menusUp = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        menusUp += qobject_cast<QMenu *>(w) && w->isVisible();
    EXPECT_EQ(menusUp, 1);
    EXPECT_EQ(QApplication::activePopupWidget(), &window->mPopupSys());
    window->mPopupSys().close();
    EXPECT_TRUE(window->isHidden());
    // The next right click shows it again, and its entries still work.
    popUpMenu(TrayClick::Context, QStringLiteral("&Restore"));
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(TrayInteractionTest, AWindowHiddenInATrayThatGoesIsMinimisedAndTheTrayComingBackLeavesIt)
{
    hideToTray();
    tray.setHost(false);
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->frame().frameState(), 1);
    // Without a tray, minimising keeps the window minimised; a tray that
    // comes back changes nothing until the next minimise.
    tray.setHost(true);
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    window->showNormal();
    QApplication::processEvents();
    tray.setHost(false); // a shown window stays as it is
    EXPECT_EQ(window->frame().frameState(), 0);
    tray.setHost(true);
    hideToTray();
}

TEST_F(TrayInteractionTest, ExitFromTheHiddenWindowSavesItsLastPlaceAndRemovesTheIcon)
{
    window->move(90, 60);
    window->resize(420, 250);
    QApplication::processEvents();
    const QRect frame = window->frameGeometry();
    hideToTray();
    QSignalSpy unloaded(window.get(), &ui::MainWindow::unloaded);
    popUpMenu(TrayClick::Context, QStringLiteral("&Exit"));
    QApplication::processEvents();
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_EQ(tray.removes, 1);
    EXPECT_EQ(tray.removedDuringCallback, 0); // never under the tray's own handler
    const QByteArray expected = QStringLiteral("[Tessaflow]\nTop=%1\nLeft=%2\nHeight=%3\nWidth=%4\nArrange=0\n")
                                    .arg(frame.top() * 15)
                                    .arg(frame.left() * 15)
                                    .arg(frame.height() * 15)
                                    .arg(frame.width() * 15)
                                    .toUtf8();
    EXPECT_TRUE(readProfile().startsWith(expected)) << readProfile().left(90).constData();
}

TEST_F(TrayInteractionTest, RestoringPutsTheWindowBackWhereAndAsLargeAsItWas)
{
    window->move(80, 120);
    window->resize(380, 260);
    QApplication::processEvents();
    const QRect frame = window->frameGeometry();
    hideToTray();
    // The window system may report another place while the window is away.
    window->move(300, 200);
    tray.click(TrayClick::Activate);
    QApplication::processEvents();
    EXPECT_EQ(window->frameGeometry(), frame);

    window->showMaximized();
    QApplication::processEvents();
    ASSERT_NE(window->frameGeometry(), frame);
    EXPECT_EQ(window->frame().frameTop(), frame.top() * 15); // not the maximised frame
    hideToTray();
    tray.click(TrayClick::Activate);
    QApplication::processEvents();
    EXPECT_EQ(window->frameGeometry(), frame);
}

TEST_F(TrayInteractionTest, DoubleClickAndOpenLaunchTheSelectedShortcutWithoutSaving)
{
    shortcuts::addShortcut(window->model(), QStringLiteral("http://example.com/one"));
    shortcuts::addShortcut(window->model(), QStringLiteral("https://example.com/two"));
    QApplication::processEvents();
    platform::ListView &list = window->lstButtons();

    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, QPoint(300, 200)); // nothing selected
    EXPECT_TRUE(opener.opened.isEmpty());

    const QRect second = list.visualRect(list.model()->index(1, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second.center());
    window->controller().openSelected();
    EXPECT_EQ(opener.opened, (QStringList{"https://example.com/two", "https://example.com/two"}));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("tsw.ini"))));
}

} // namespace
