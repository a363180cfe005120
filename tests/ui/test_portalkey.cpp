// The show/hide key through a stand-in desktop portal on a private session
// bus, as the options dialog shows it: bound by the desktop, or not bound and
// where the user binds it.
#include <QApplication>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QTest>

#include "platform/globalkey/PortalGlobalKey.h"
#include "support/StandInPortal.h"
#include "support/WindowFixture.h"

using namespace testing_support;

namespace {

class PortalKeyTest : public WindowFixture {
protected:
    StandInPortal portal;
    std::unique_ptr<platform::PortalGlobalKey> portalKey;
    std::unique_ptr<ui::MainWindow> window;

    void start(const QStringList &portalOptions)
    {
        ASSERT_TRUE(portal.busStarted());
        ASSERT_TRUE(portal.start(portalOptions));
        portalKey = std::make_unique<platform::PortalGlobalKey>(portal.bus());
        writeProfile("[Tessaflow]\r\nHotKey=Ctrl+Alt+K\r\n");
        window = std::make_unique<ui::MainWindow>(
            profile, ui::Services{tray, dialogs, icons, opener, clipboard, fileChooser, autostart, *portalKey,
                                   activation, monitors});
        window->start();
    }
    QLabel *keyLabel() { return window->frmOptions()->lblKeyProblem(); }
    bool labelSays(const QString &text)
    {
        return QTest::qWaitFor([&] { return !keyLabel()->isHidden() && keyLabel()->text().contains(text); }, 5000);
    }
    void TearDown() override
    {
        window.reset();
        portalKey.reset();
    }
};

TEST_F(PortalKeyTest, TheDialogSaysWhereToBindAKeyTheDesktopDidNotAndShowsTheOneTheUserChose)
{
    start({QStringLiteral("--user-chooses")});
    window->showOptions();
    ASSERT_TRUE(labelSays(QStringLiteral("System Settings \u2192 Shortcuts"))) << keyLabel()->text().toStdString();
    EXPECT_TRUE(keyLabel()->text().startsWith(QStringLiteral("The desktop did not bind the key.")))
        << keyLabel()->text().toStdString();
    // The key asked for stays in the field: it is what the profile keeps.
    EXPECT_EQ(window->frmOptions()->txtKey()->keySequence(), QKeySequence(QStringLiteral("Ctrl+Alt+K")));

    // The user binds it in the desktop's settings while the dialog is open.
    ASSERT_NE(portal.act(QStringLiteral("Choose"), {QStringLiteral("Meta+T")}).type(), QDBusMessage::ErrorMessage);
    EXPECT_TRUE(labelSays(QStringLiteral("The desktop has bound it to Meta+T.")))
        << keyLabel()->text().toStdString();
    EXPECT_TRUE(window->showHide().keyProblem().isEmpty());
}

TEST_F(PortalKeyTest, TheDialogShowsTheTriggerTheDesktopBound)
{
    start({});
    window->showOptions();
    ASSERT_TRUE(labelSays(QStringLiteral("The desktop has bound it to Ctrl+Alt+K.")))
        << keyLabel()->text().toStdString();
    // A new key in the field: the label follows the desktop's answer.
    window->frmOptions()->txtKey()->setKeySequence(QKeySequence(QStringLiteral("Ctrl+Shift+F12")));
    EXPECT_TRUE(labelSays(QStringLiteral("The desktop has bound it to Ctrl+Shift+F12.")))
        << keyLabel()->text().toStdString();
    // Cleared, the key is released and nothing is shown.
    window->frmOptions()->txtKey()->clear();
    EXPECT_TRUE(keyLabel()->isHidden());
}

TEST_F(PortalKeyTest, TheDialogSaysWhenThePortalStopsAndShowsTheKeyAgainWhenItIsBack)
{
    start({});
    window->showOptions();
    ASSERT_TRUE(labelSays(QStringLiteral("The desktop has bound it to Ctrl+Alt+K.")))
        << keyLabel()->text().toStdString();
    portal.stop();
    EXPECT_TRUE(labelSays(QStringLiteral("The desktop portal stopped"))) << keyLabel()->text().toStdString();
    EXPECT_FALSE(window->showHide().keyProblem().isEmpty());
    ASSERT_TRUE(portal.start());
    EXPECT_TRUE(labelSays(QStringLiteral("The desktop has bound it to Ctrl+Alt+K.")))
        << keyLabel()->text().toStdString();
    EXPECT_TRUE(window->showHide().keyProblem().isEmpty());
}

} // namespace
