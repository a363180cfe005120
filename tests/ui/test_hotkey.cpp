// The show/hide key, --toggle, Alt+digits and Escape: how the window comes
// and goes, and the key in the profile and the options dialog.
#include <QApplication>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "support/WindowFixture.h"

using namespace testing_support;

namespace {

class HotKeyTest : public WindowFixture {
protected:
    std::unique_ptr<ui::MainWindow> window;
    QStringList targets;
    void start(const QByteArray &profileText)
    {
        writeProfile(profileText);
        window = open();
        for (const char *name : {"budget.ods", "my report.txt", "report 2024.pdf"}) {
            QFile f(dir.filePath(QString::fromUtf8(name)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            targets << f.fileName();
        }
        window->controller().addTargets(targets);
        window->activateWindow();
        QApplication::processEvents();
    }
    bool shown() const { return window->isVisible() && !window->isMinimized(); }
};

TEST_F(HotKeyTest, TheStoredKeyIsTakenAndTheDialogChangesItAtOnceAndSavesItOnClose)
{
    start("[Tessaflow]\r\nHotKey=Ctrl+Alt+K\r\n");
    ASSERT_EQ(globalKey.keys.size(), 1u);
    EXPECT_EQ(globalKey.keys[0], QKeySequence(QStringLiteral("Ctrl+Alt+K")));
    window->showOptions();
    options::frmOptions *dialog = window->frmOptions();
    EXPECT_EQ(dialog->txtKey()->keySequence(), QKeySequence(QStringLiteral("Ctrl+Alt+K")));
    EXPECT_TRUE(dialog->lblKeyProblem()->isHidden());
    // Held by another program: the dialog says so.
    globalKey.answer = QStringLiteral("Ctrl+Alt+J is already used by another program");
    dialog->txtKey()->setFocus();
    const size_t before = globalKey.keys.size();
    // The modifiers pressed first change nothing; the key with them is taken once.
    QTest::keyClick(dialog->txtKey(), Qt::Key_J, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(globalKey.keys.size(), before + 1);
    // Taken, the focus moves on, so Alt+C closes the dialog again instead of
    // becoming the key; Escape is never taken.
    EXPECT_TRUE(dialog->cmdClose()->hasFocus() || !dialog->isActiveWindow());
    QTest::keyClick(dialog->txtKey(), Qt::Key_Escape);
    EXPECT_EQ(globalKey.keys.size(), before + 1);
    EXPECT_EQ(globalKey.keys.back(), QKeySequence(QStringLiteral("Ctrl+Alt+J")));
    EXPECT_FALSE(dialog->lblKeyProblem()->isHidden());
    EXPECT_EQ(dialog->lblKeyProblem()->text(), globalKey.answer);
    EXPECT_EQ(window->showHide().keyProblem(), globalKey.answer);
    dialog->close();
    QApplication::processEvents();
    EXPECT_TRUE(readProfile().contains("\r\nHotKey=Ctrl+Alt+J\r\n"));
    // Cleared, it is released and stored empty.
    window->showOptions();
    window->frmOptions()->txtKey()->clear();
    EXPECT_TRUE(globalKey.keys.back().isEmpty());
    window->frmOptions()->close();
    QApplication::processEvents();
    EXPECT_TRUE(readProfile().contains("\r\nHotKey=\r\n"));
}

TEST_F(HotKeyTest, AStoredKeyThatTypesOrNamesNoKeyIsKeptAsStoredUnusedAndSaidOnce)
{
    const struct {
        QByteArray stored;
        const char *said;
    } rows[] = {{"A", "A cannot be the show/hide key"},
                {"Space", "Space cannot be the show/hide key"},
                {"Shift+Esc", "Shift+Esc cannot be the show/hide key"},
                {"Ctrl+Alt+Nonsense", "\"Ctrl+Alt+Nonsense\" in tsw.ini is not a key"},
                {"Ctrl+Alt", "\"Ctrl+Alt\" in tsw.ini is not a key"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.stored.constData());
        globalKey.keys.clear();
        start("[Tessaflow]\r\nHotKey=" + row.stored + "\r\n");
        // Nothing taken from the desktop, and the reason is there to see.
        ASSERT_EQ(globalKey.keys.size(), 1u);
        EXPECT_TRUE(globalKey.keys[0].isEmpty());
        EXPECT_TRUE(window->showHide().keyProblem().startsWith(QString::fromUtf8(row.said)))
            << window->showHide().keyProblem().toStdString();
        window->showOptions();
        EXPECT_FALSE(window->frmOptions()->lblKeyProblem()->isHidden());
        EXPECT_EQ(window->frmOptions()->lblKeyProblem()->text(), window->showHide().keyProblem());
        // Saving keeps the line as the user wrote it.
        window->frmOptions()->close();
        QApplication::processEvents();
        EXPECT_TRUE(readProfile().contains("\r\nHotKey=" + row.stored + "\r\n")) << readProfile().constData();
        window.reset();
    }
}

TEST_F(HotKeyTest, TheDialogRefusesAKeyThatTypesWithItsReasonAndKeepsTheOneBefore)
{
    start("[Tessaflow]\r\nHotKey=Ctrl+Alt+K\r\n");
    window->showOptions();
    options::frmOptions *dialog = window->frmOptions();
    dialog->txtKey()->setFocus();
    for (const auto &[key, modifiers] : {std::pair{Qt::Key_A, Qt::KeyboardModifiers()},
                                         std::pair{Qt::Key_A, Qt::KeyboardModifiers(Qt::ShiftModifier)},
                                         std::pair{Qt::Key_Space, Qt::KeyboardModifiers()},
                                         std::pair{Qt::Key_Return, Qt::KeyboardModifiers()}}) {
        QTest::keyClick(dialog->txtKey(), key, modifiers);
        EXPECT_EQ(globalKey.keys.size(), 1u); // never set
        EXPECT_EQ(dialog->txtKey()->keySequence(), QKeySequence(QStringLiteral("Ctrl+Alt+K")));
        EXPECT_FALSE(dialog->lblKeyProblem()->isHidden());
        EXPECT_TRUE(dialog->lblKeyProblem()->text().contains(QStringLiteral("cannot be the show/hide key")))
            << dialog->lblKeyProblem()->text().toStdString();
    }
    // A function key alone is taken.
    QTest::keyClick(dialog->txtKey(), Qt::Key_F9);
    ASSERT_EQ(globalKey.keys.size(), 2u);
    EXPECT_EQ(globalKey.keys.back(), QKeySequence(Qt::Key_F9));
    EXPECT_TRUE(dialog->lblKeyProblem()->isHidden());
    dialog->close();
    QApplication::processEvents();
    EXPECT_TRUE(readProfile().contains("\r\nHotKey=F9\r\n"));
}

TEST_F(HotKeyTest, NoKeyByDefaultAndNoLineForIt)
{
    start("[Tessaflow]\r\nSView=1\r\n");
    ASSERT_EQ(globalKey.keys.size(), 1u);
    EXPECT_TRUE(globalKey.keys[0].isEmpty());
    window->controller().save();
    EXPECT_FALSE(readProfile().contains("HotKey"));
}

TEST_F(HotKeyTest, TheKeyBringsTheWindowAndSendsItBackAndAnOpenedShortcutSendsItBackToo)
{
    start("[Tessaflow]\r\nHotKey=Ctrl+Alt+K\r\n");
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        globalKey.press(QStringLiteral("_TIME42"));
        // Active, it goes the way minimising sends it: to the tray.
        EXPECT_TRUE(window->isHidden());
        globalKey.press(QStringLiteral("_TIME43"));
        QApplication::processEvents();
        EXPECT_TRUE(shown());
        EXPECT_EQ(activation.tokens.back(), QStringLiteral("_TIME43"));
        EXPECT_TRUE(window->lstButtons().hasFocus() || !QApplication::focusWidget());
        // Shown by the key: opening a shortcut sends it back.
        QTest::keyClicks(&window->lstButtons(), QStringLiteral("rep"));
        EXPECT_EQ(window->lstButtons().filterText(), QStringLiteral("rep"));
        window->controller().openSelected();
        ASSERT_FALSE(opener.opened.isEmpty());
        EXPECT_EQ(opener.opened.back(), targets[2]);
        QApplication::processEvents();
        EXPECT_FALSE(shown());
        // The next time it comes back with nothing typed.
        globalKey.press();
        QApplication::processEvents();
        EXPECT_TRUE(shown());
        EXPECT_TRUE(window->lstButtons().filterText().isEmpty());
    }
    // Without a tray, minimised instead.
    tray.hostPresent = false;
    window->showHide().hideAway();
    EXPECT_TRUE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
    // Brought back from the tray instead, it stays after opening one.
    tray.hostPresent = true;
    globalKey.press();
    QApplication::processEvents();
    tray.click(platform::TrayClick::Activate);
    QApplication::processEvents();
    window->lstButtons().selectRow(0);
    window->controller().openSelected();
    EXPECT_TRUE(shown());
}

TEST_F(HotKeyTest, CalledByTheKeyItGoesWhenAnotherProgramTakesTheFocusAndOnlyThen)
{
    start("[Tessaflow]\r\nHotKey=Ctrl+Alt+K\r\n");
    window->showHide().hideAway();
    globalKey.press();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClicks(&window->lstButtons(), QStringLiteral("rep"));
    // One of its own windows (the options dialog) takes the focus: it stays.
    window->showOptions();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->frmOptions()));
    QApplication::processEvents();
    EXPECT_TRUE(shown());
    window->frmOptions()->close();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // Another program has the focus: away, with nothing typed.
    QApplication::setActiveWindow(nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shown(); }));
    EXPECT_TRUE(window->lstButtons().filterText().isEmpty());

    // Brought back from the tray, it stays when the focus goes.
    tray.click(platform::TrayClick::Activate);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QApplication::setActiveWindow(nullptr);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_TRUE(shown());

    // Called by the key, then minimised and brought back by the window
    // manager: no longer "called by the key", so opening a shortcut keeps it.
    window->showHide().hideAway();
    globalKey.press();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->showMinimized();
    QApplication::processEvents();
    window->showNormal();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_FALSE(window->showHide().shownByKey());
}

TEST_F(HotKeyTest, AltDigitsOpenTheShortcutsAsShownAndEscapeWithNothingTypedHides)
{
    start("[Tessaflow]\r\n");
    platform::ListView &list = window->lstButtons();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(opener.opened, QStringList{targets[1]});
    QTest::keyClicks(&list, QStringLiteral("rep"));
    QTest::keyClick(&list, Qt::Key_2, Qt::AltModifier); // the second match: "my report.txt"
    // Opening ends the typing; the window, shown another way, stays.
    EXPECT_FALSE(list.filtered());
    QTest::keyClicks(&list, QStringLiteral("rep"));
    QTest::keyClick(&list, Qt::Key_3, Qt::AltModifier); // only two match
    QTest::keyClick(&list, Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(opener.opened, (QStringList{targets[1], targets[1], targets[2]}));
    EXPECT_TRUE(shown());
    // Escape clears what was typed, then hides.
    QTest::keyClicks(&list, QStringLiteral("rep"));
    QTest::keyClick(&list, Qt::Key_Escape);
    EXPECT_TRUE(shown());
    EXPECT_FALSE(list.filtered());
    QTest::keyClick(&list, Qt::Key_Escape);
    EXPECT_TRUE(window->isHidden());
    // A later start hands over its token.
    window->showFromAnotherStart({}, QStringLiteral("wayland-token-1"));
    EXPECT_TRUE(shown());
    EXPECT_EQ(activation.tokens.back(), QStringLiteral("wayland-token-1"));
}

} // namespace
