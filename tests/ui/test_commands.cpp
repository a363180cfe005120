// The list's commands: the key a menu item shows is the key that runs it, and
// what needs a selection waits for one.
#include <QAction>
#include <QFile>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QLibraryInfo>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "support/WindowFixture.h"

using namespace testing_support;

namespace {

class CommandsTest : public OpenWindowFixture {
protected:
    void SetUp() override
    {
        OpenWindowFixture::SetUp();
        window->controller().addTargets({QStringLiteral("http://example.com/a"), QStringLiteral("http://example.com/b")});
        QApplication::setActiveWindow(window.get());
        list().setFocus();
        // The file chooser and the paste find nothing to add.
        fileChooser.answer.clear();
    }
    QList<QAction *> menuCommands()
    {
        QList<QAction *> commands;
        for (QAction *a : window->mnuPopup().actions())
            if (!a->isSeparator())
                commands << a;
        return commands;
    }
    QLineEdit *openEditor()
    {
        for (auto *editor : list().viewport()->findChildren<QLineEdit *>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }
    // Types each of the action's keys into the list; how often it ran.
    int runsByItsKeys(QAction *action)
    {
        QSignalSpy ran(action, &QAction::triggered);
        for (const QKeySequence &keys : action->shortcuts()) {
            const QKeyCombination key = keys[0];
            QTest::keyClick(&list(), key.key(), key.keyboardModifiers());
            // The caption opened for renaming is closed again, giving the
            // list the focus back for the next key.
            if (QWidget *editor = openEditor())
                QTest::keyClick(editor, Qt::Key_Escape);
            // A window that came up and went (Properties) took the activation with it.
            QApplication::setActiveWindow(window.get());
            list().setFocus();
        }
        return ran.count();
    }
};

TEST_F(CommandsTest, EveryKeyTheMenuShowsRunsThatItem)
{
    list().selectRow(1);
    dialogs.nextAnswer = platform::Dialogs::No; // Delete asks and keeps it
    // Properties comes up as a window of its own: closed again, counted.
    int windows = 0;
    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget *up = QApplication::activeModalWidget(); up && up->objectName() == QLatin1String("frmProperties")) {
            ++windows;
            up->close();
        }
    });
    closer.start();
    int withKeys = 0;
    for (QAction *action : menuCommands()) {
        // Undo and Redo act only while there is a step: their own test below.
        if (action->shortcuts().isEmpty() || action->objectName() == QLatin1String("mnuUndo")
            || action->objectName() == QLatin1String("mnuRedo"))
            continue;
        ++withKeys;
        EXPECT_EQ(runsByItsKeys(action), action->shortcuts().size()) << action->text().toStdString();
    }
    // Open, Copy, Rename, Delete, Move Left and Right, Properties, Paste and Add Files have keys.
    EXPECT_EQ(withKeys, 9);
    EXPECT_EQ(windows, 2); // Alt+Return and Alt+Enter
    // And they did what the menu says, on the selected shortcut.
    EXPECT_EQ(opener.opened.value(0), QStringLiteral("http://example.com/b"));
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.front().text,
              QStringLiteral("Are you sure you want to delete \u201Cexample.com \u203A b\u201D? Only the shortcut is removed; the file, "
                             "folder or web page it opens is not touched."));
    EXPECT_EQ(fileChooser.shown, 1);
    EXPECT_EQ(list().count(), 2);
    ASSERT_NE(clipboard.contents(), nullptr);
    EXPECT_EQ(clipboard.contents()->text(), QStringLiteral("http://example.com/b"));
}

TEST_F(CommandsTest, PasteShowsAndTakesThePlatformsPasteKeys)
{
    auto *paste = list().findChild<QAction *>(QStringLiteral("mnuPaste"));
    ASSERT_NE(paste, nullptr);
    EXPECT_EQ(paste->shortcuts(), QKeySequence::keyBindings(QKeySequence::Paste));
    EXPECT_EQ(paste->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
    clipboard.fill().setText(QStringLiteral("https://example.org/pasted"));
    QTest::keyClick(&list(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(list().count(), 3);
}

TEST_F(CommandsTest, WithoutASelectionItsCommandsAreGreyAndTheirKeysDoNothing)
{
    list().selectRow(-1);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Delete})
        QTest::keyClick(&list(), key);
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(dialogs.shown.empty());
    QStringList grey;
    for (QAction *action : menuCommands())
        if (!action->isEnabled())
            grey << action->objectName();
    // Redo too, with nothing undone: it needs no selection, but a step undone.
    EXPECT_EQ(grey, (QStringList{"mnuOpen", "mnuOpenWith", "mnuShowInFolder", "mnuCopyPath", "mnuMoveToGroup", "mnuRename", "mnuDelete",
                                 "mnuMoveLeft", "mnuMoveRight", "mnuProperties", "mnuRedo"}));

    // Selecting one (by the keyboard, as a user would) makes them work again.
    QTest::keyClick(&list(), Qt::Key_Home);
    ASSERT_GE(list().selectedRow(), 0);
    QTest::keyClick(&list(), Qt::Key_Return);
    EXPECT_EQ(opener.opened.size(), 1);
    // After the last shortcut is deleted, nothing is selected: grey again.
    dialogs.nextAnswer = platform::Dialogs::Yes;
    QTest::keyClick(&list(), Qt::Key_Delete);
    list().selectRow(0);
    QTest::keyClick(&list(), Qt::Key_Delete);
    ASSERT_EQ(list().count(), 0);
    for (QAction *action : menuCommands())
        if (action->objectName() == QLatin1String("mnuDelete"))
            EXPECT_FALSE(action->isEnabled());
}

// An installed application offered while typing: only Enter and Ctrl+Enter
// reach it; every key and menu item for shortcuts leaves it alone.
TEST_F(CommandsTest, OnAnOfferedApplicationOnlyOpenAndCtrlEnterAct)
{
    list().setArrange(1);
    const QString entry = dir.filePath(QStringLiteral("mail.desktop"));
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Desktop Entry]\nType=Application\nName=Mail\nExec=mail\n");
    file.close();
    platform::Application mail;
    mail.id = QStringLiteral("mail.desktop");
    mail.path = entry;
    mail.name = QStringLiteral("Mail");
    window->controller().offers().setReader([mail] { return std::vector<platform::Application>{mail}; });
    QTest::keyClicks(&list(), QStringLiteral("mai"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return list().selectedOffer() == 0; }));

    dialogs.nextAnswer = platform::Dialogs::Yes;
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_Delete), QKeySequence(Qt::Key_F2),
                                     QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::ALT | Qt::Key_1),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Left)})
        QTest::keyClick(&list(), keys[0].key(), keys[0].keyboardModifiers());
    EXPECT_EQ(openEditor(), nullptr);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_EQ(clipboard.contents(), nullptr);
    EXPECT_EQ(list().count(), 2);
    ASSERT_EQ(list().selectedOffer(), 0);
    QStringList enabled;
    for (QAction *action : menuCommands())
        if (action->isEnabled() && action->objectName() != QLatin1String("mnuOpen"))
            enabled << action->objectName();
    // Undo: the shortcuts added as the test began.
    EXPECT_EQ(enabled, (QStringList{"mnuURL", "mnuPaste", "mnuAddFiles", "mnuAddFolders", "mnuAddApplications",
                                    "mnuUndo", "mnuOptions"}));
    auto *open = list().findChild<QAction *>(QStringLiteral("mnuOpen"));
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->isEnabled());
    EXPECT_EQ(open->text(), QStringLiteral("&Open Application"));

    // Ctrl+Enter adds it as a shortcut, selected.
    QTest::keyClick(&list(), Qt::Key_Return, Qt::ControlModifier);
    ASSERT_EQ(list().count(), 3);
    EXPECT_EQ(targets().last(), entry);
    EXPECT_EQ(list().selectedRow(), 2);
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_EQ(open->text(), QStringLiteral("&Open Shortcut"));
}

TEST_F(CommandsTest, ShowInFolderAndCopyFitTheSelectedShortcut)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("notes.txt"));
    QFile(file).open(QIODevice::WriteOnly);
    window->controller().addTargets({file});
    QAction *show = window->findChild<QAction *>(QStringLiteral("mnuShowInFolder"));
    QAction *copy = window->findChild<QAction *>(QStringLiteral("mnuCopyPath"));
    ASSERT_NE(show, nullptr);
    ASSERT_NE(copy, nullptr);

    // A web address: nothing to show in a folder; its address is copied.
    list().selectRow(0);
    EXPECT_FALSE(show->isEnabled());
    EXPECT_EQ(copy->text(), QStringLiteral("Cop&y Address"));
    QTest::keyClick(&list(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_NE(clipboard.contents(), nullptr);
    EXPECT_EQ(clipboard.contents()->text(), QStringLiteral("http://example.com/a"));

    // A file: shown selected in its folder; its path is copied, and as a URI.
    list().selectRow(2);
    EXPECT_TRUE(show->isEnabled());
    EXPECT_EQ(copy->text(), QStringLiteral("Cop&y Path"));
    show->trigger();
    EXPECT_EQ(opener.shownInFolder, QStringList{file});
    copy->trigger();
    EXPECT_EQ(clipboard.contents()->text(), file);
    EXPECT_EQ(clipboard.contents()->urls(), QList<QUrl>{QUrl::fromLocalFile(file)});
}

TEST_F(CommandsTest, KeysTypedIntoACaptionBeingRenamedStayThere)
{
    list().selectRow(0);
    QTest::keyClick(&list(), Qt::Key_F2);
    QLineEdit *editor = openEditor();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("abc"));
    editor->setCursorPosition(0);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClick(editor, Qt::Key_Insert);
    EXPECT_EQ(editor->text(), QStringLiteral("bc"));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(fileChooser.shown, 0);
    // The program ending while the caption is still open ends cleanly.
    window.reset();
}

TEST_F(CommandsTest, OpenShowsTheEnterKeyInEveryLanguage)
{
    QAction *open = window->findChild<QAction *>(QStringLiteral("mnuOpen"));
    ASSERT_NE(open, nullptr);
    // The key is labelled Enter; "Return" (French "Retour") names no key the user sees.
    EXPECT_EQ(open->shortcut().toString(QKeySequence::NativeText), QStringLiteral("Enter"));
    const struct {
        const char *language, *shown;
    } rows[] = {{"de", "Enter"}, {"fr", "Entr\u00E9e"}};
    for (const auto &row : rows) {
        QTranslator qt;
        if (!qt.load(QStringLiteral("qtbase_") + QLatin1String(row.language),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            continue; // Qt's own translations are not installed
        QCoreApplication::installTranslator(&qt);
        EXPECT_EQ(open->shortcut().toString(QKeySequence::NativeText), QString::fromUtf8(row.shown)) << row.language;
        QCoreApplication::removeTranslator(&qt);
    }
}

TEST_F(CommandsTest, UndoAndRedoNameTheirStepAndTheirKeysActWhileThereIsOne)
{
    auto *undo = list().findChild<QAction *>(QStringLiteral("mnuUndo"));
    auto *redo = list().findChild<QAction *>(QStringLiteral("mnuRedo"));
    ASSERT_NE(undo, nullptr);
    ASSERT_NE(redo, nullptr);
    EXPECT_TRUE(window->mnuPopup().actions().contains(undo));
    // The two shortcuts the test began with.
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Add 2 Shortcuts"));
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(redo->text(), QStringLiteral("&Redo"));
    EXPECT_FALSE(redo->isEnabled());

    QTest::keyClick(&list(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(list().count(), 0);
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo"));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(redo->text(), QStringLiteral("&Redo Add 2 Shortcuts"));
    QTest::keyClick(&list(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(list().count(), 2);
    QTest::keyClick(&list(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&list(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(list().count(), 2);
    EXPECT_FALSE(redo->isEnabled());

    // A caption's "&" is shown, not taken for an access key.
    window->controller().addTargets({QStringLiteral("http://example.com/R&D")});
    const QString caption = window->controller().model().at(2).caption;
    ASSERT_TRUE(caption.contains(QLatin1Char('&')));
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Add \u201C%1\u201D").arg(QString(caption).replace("&", "&&")));
}

} // namespace
