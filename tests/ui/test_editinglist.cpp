// Adding, deleting and renaming shortcuts through the real main window.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include "config/Config.h"
#include "support/WindowFixture.h"

using namespace testing_support;

namespace {

class EditingListTest : public OpenWindowFixture {
protected:

    QString file(const QString &name)
    {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return QFileInfo(path).absoluteFilePath();
    }
    // A drop as a file manager sends it: text/uri-list of file:// URLs.
    void drop(const QByteArray &uriList)
    {
        QMimeData data;
        data.setData(QStringLiteral("text/uri-list"), uriList);
        QWidget *target = list().viewport();
        const QPoint at(20, 20);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &move);
        ASSERT_TRUE(move.isAccepted()); // the list shows that it takes the drop
        QDropEvent dropEvent(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &dropEvent);
    }
    void select(int row) { list().selectRow(row); }
    std::unique_ptr<ui::MainWindow> restart()
    {
        window->close();
        window.reset();
        return open();
    }
};

TEST_F(EditingListTest, DroppedFilesBecomeShortcutsThatSurviveARestart)
{
    const QString spaced = file(QStringLiteral("My Docs/plan v2.pdf"));
    const QString piped = file(QStringLiteral("a|b.txt"));
    const QString umlaut = file(QStringLiteral("Grüße.odt"));
    QDir(dir.path()).mkdir(QStringLiteral("Folder"));
    drop(QUrl::fromLocalFile(spaced).toEncoded() + "\r\n" + "https://example.com/\r\n" +
         QUrl::fromLocalFile(piped).toEncoded() + "\r\n" + QUrl::fromLocalFile(umlaut).toEncoded() + "\r\n" +
         QUrl::fromLocalFile(dir.filePath(QStringLiteral("Folder"))).toEncoded() + "\r\n");
    // The web link in its place among the files, captioned with its address.
    const QStringList expected = {spaced, "https://example.com/", piped, umlaut, dir.filePath(QStringLiteral("Folder"))};
    EXPECT_EQ(targets(), expected);
    EXPECT_EQ(caption(1), QStringLiteral("https://example.com/"));
    EXPECT_TRUE(readProfile().contains("0=" + spaced.toUtf8() + "|plan v2.pdf|")); // saved after the drop
    // The last one dropped is what Enter, F2 and Delete act on next.
    EXPECT_EQ(list().currentIndex().row(), 4);

    window = restart();
    EXPECT_EQ(targets(), expected);
    EXPECT_EQ(caption(2), QStringLiteral("a|b.txt"));
    EXPECT_EQ(caption(3), QStringLiteral("Grüße.odt"));
}

TEST_F(EditingListTest, ADropWithNothingUsableIsRefusedAndSavesNothing)
{
    QMimeData data;
    data.setData(QStringLiteral("text/uri-list"), "# just a comment\r\nrelative/name\r\n");
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(list().viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    QDropEvent dropEvent(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(list().viewport(), &dropEvent);
    EXPECT_EQ(list().count(), 0);
    EXPECT_FALSE(QFile::exists(profile));
}

TEST_F(EditingListTest, TheUrlPromptAddsOnlyRealAnswersAndSavesOnlyWhatItAdds)
{
    dialogs.nextInput = std::nullopt; // Cancel
    window->controller().addUrl();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Tessaflow - Add URL"));
    // The field starts empty, the example shown in it.
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Please enter the URL\n"));
    EXPECT_EQ(dialogs.example, QStringLiteral("https://example.org"));
    // An empty answer or an address half typed keeps the prompt open until Cancel.
    for (const QString &answer : {QString(), QStringLiteral("http://www."), QStringLiteral("https://")}) {
        dialogs.nextInput = answer;
        window->controller().addUrl();
        EXPECT_EQ(dialogs.shown.back().kind, QStringLiteral("refused")) << answer.toStdString();
    }
    EXPECT_EQ(list().count(), 0);
    // Nothing changed: nothing written.
    EXPECT_FALSE(QFile::exists(profile));

    dialogs.nextInput = QStringLiteral(" example.org ");
    window->controller().addUrl();
    dialogs.nextInput = QStringLiteral("https://example.com/docs/");
    window->controller().addUrl();
    EXPECT_EQ(targets(), (QStringList{"https://example.org", "https://example.com/docs/"}));
    EXPECT_EQ(caption(0), QStringLiteral("example.org"));
    EXPECT_TRUE(readProfile().contains("1=https://example.com/docs/|example.com \u203A docs|"));
    EXPECT_EQ(list().selectedRow(), 1);

    // Text that cannot be an address keeps the prompt open, saying why.
    dialogs.shown.clear();
    dialogs.nextInput = QStringLiteral("not a url at all");
    dialogs.laterInputs = {QStringLiteral("example.net/wiki")};
    window->controller().addUrl();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text,
              QStringLiteral("This is not a web address: it has blanks and no scheme such as https://."));
    EXPECT_EQ(targets().last(), QStringLiteral("https://example.net/wiki"));
}

TEST_F(EditingListTest, OnlyTheRightButtonOpensTheContextMenu)
{
    const QPoint empty(300, 200);
    auto press = [&](Qt::MouseButton b) { QTest::mousePress(list().viewport(), b, {}, empty); };
    EXPECT_EQ(menuShownBy([&] { press(Qt::RightButton); }),
              (QStringList{"&Open Shortcut", "Open &With\u2026", "S&how in Folder", "Cop&y Path", "Move to &Group", "&Rename", "&Delete Shortcut", "Move &Left", "Move &Right", "Propert&ies\u2026", "-", "&Add URL Shortcut", "&Paste",
                           "Add &Files\u2026", "Add Fo&lder\u2026", "Add Appli&cation\u2026", "-", "&Undo", "&Redo", "-",
                           "&Options"}));
    QTest::mouseRelease(list().viewport(), Qt::RightButton, {}, empty);
    // The keys that do the same are shown; what needs a selection is greyed out.
    QStringList shown;
    for (QAction *a : window->mnuPopup().actions())
        if (!a->isSeparator())
            shown << a->shortcut().toString() + (a->isEnabled() ? "" : " (grey)");
    EXPECT_EQ(shown, (QStringList{"Enter (grey)", " (grey)", " (grey)", "Ctrl+C (grey)", " (grey)", "F2 (grey)", "Del (grey)", "Ctrl+Shift+Left (grey)", "Ctrl+Shift+Right (grey)", "Alt+Return (grey)", "", "Ctrl+V", "Ins", "", "",
                                  "Ctrl+Z (grey)", "Ctrl+Shift+Z (grey)", ""}));
    // O then reaches "&Options", the one item it names that can be chosen.
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_O); });
    QTimer::singleShot(300, [] {
        if (QWidget *still = QApplication::activePopupWidget())
            still->close();
    });
    press(Qt::RightButton);
    QTest::mouseRelease(list().viewport(), Qt::RightButton, {}, empty);
    EXPECT_NE(window->frmOptions(), nullptr);
    delete window->frmOptions();
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::MiddleButton}) {
        EXPECT_TRUE(menuShownBy([&] { press(b); }).isEmpty()) << b;
        QTest::mouseRelease(list().viewport(), b, {}, empty);
    }
    // On an empty list the commands that need a selection do nothing.
    menuShownBy([&] { press(Qt::RightButton); }, QStringLiteral("&Delete Shortcut"));
    menuShownBy([&] { press(Qt::RightButton); }, QStringLiteral("&Open Shortcut"));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_FALSE(QFile::exists(profile));
}

TEST_F(EditingListTest, DeletingRemovesTheShortcutAskedAboutAndRewritesTheProfile)
{
    const QStringList files = {file(QStringLiteral("a.txt")), file(QStringLiteral("b.pdf")), file(QStringLiteral("c.png"))};
    for (const QString &f : files)
        shortcuts::addShortcut(window->model(), f);
    const qint64 iconOfC = window->model().at(2).icon.cacheKey();

    select(1);
    window->controller().deleteSelected();
    ASSERT_EQ(dialogs.shown.back().text,
              QStringLiteral("Are you sure you want to delete \u201Cb.pdf\u201D? Only the shortcut is removed; the file, "
                             "folder or web page it opens is not touched."));
    EXPECT_EQ(targets(), (QStringList{files[0], files[2]}));
    EXPECT_EQ(window->model().at(1).icon.cacheKey(), iconOfC);
    select(1);
    window->controller().openSelected();
    EXPECT_EQ(opener.opened, QStringList{files[2]});
    const QByteArray saved = readProfile();
    EXPECT_TRUE(saved.contains("0=" + files[0].toUtf8() + "|a.txt|"));
    EXPECT_TRUE(saved.contains("1=" + files[2].toUtf8() + "|c.png|"));
    EXPECT_TRUE(saved.contains("\n2=\n"));

    // Answering No changes nothing and writes nothing; the last and then the only one go.
    QFile::remove(profile);
    dialogs.nextAnswer = platform::Dialogs::No;
    select(1);
    window->controller().deleteSelected();
    EXPECT_EQ(list().count(), 2);
    EXPECT_FALSE(QFile::exists(profile));
    dialogs.nextAnswer = platform::Dialogs::Yes;
    select(1);
    window->controller().deleteSelected();
    select(0);
    window->controller().deleteSelected();
    EXPECT_EQ(list().count(), 0);
    EXPECT_TRUE(targets().isEmpty());
    EXPECT_TRUE(readProfile().contains("\n0=\n"));

    // Added after the deletions: its own icon again.
    shortcuts::addShortcut(window->model(), files[1]);
    EXPECT_EQ(window->model().at(0).iconKey, QStringLiteral(".pdf"));
}

TEST_F(EditingListTest, DeleteRemovesTheShortcutItNamedWhenAHandOverArrivesMeanwhile)
{
    const QString a = file(QStringLiteral("a.txt")), b = file(QStringLiteral("b.txt"));
    const QString handed = file(QStringLiteral("handed.txt"));
    window->controller().addTargets({a, b});
    select(0);
    // A later start hands a file over while the question is up: it is added
    // and selected.
    dialogs.whileAsking = [&] {
        window->showFromAnotherStart({handed});
        EXPECT_EQ(list().selectedRow(), 2);
    };
    window->controller().deleteSelected();
    EXPECT_EQ(dialogs.shown.back().text,
              QStringLiteral("Are you sure you want to delete \u201Ca.txt\u201D? Only the shortcut is removed; the file, "
                             "folder or web page it opens is not touched."));
    EXPECT_EQ(targets(), (QStringList{b, handed}));
    const QByteArray saved = readProfile();
    EXPECT_TRUE(saved.contains("0=" + b.toUtf8() + "|b.txt|"));
    EXPECT_TRUE(saved.contains("1=" + handed.toUtf8() + "|handed.txt|"));
}

TEST_F(EditingListTest, AMissingTargetSaysSoAndOpeningItOffersToRemoveIt)
{
    const QString gone = file(QStringLiteral("gone.txt"));
    window->controller().addTargets({gone, file(QStringLiteral("here.txt"))});
    QFile::remove(gone);
    EXPECT_TRUE(list().model()->index(0, 0).data(Qt::ToolTipRole).toString().contains(
        QStringLiteral("\nThis file or folder is missing.\n")));
    QFile::remove(profile);
    dialogs.nextAnswer = platform::Dialogs::No;
    select(0);
    window->controller().openSelected();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              QStringLiteral("gone.txt cannot be opened: \u201C%1\u201D is missing.\n\nRemove this shortcut?").arg(gone));
    EXPECT_EQ(list().count(), 2); // No keeps it
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_FALSE(QFile::exists(profile));
    dialogs.nextAnswer = platform::Dialogs::Yes;
    window->controller().openSelected();
    EXPECT_TRUE(readProfile().contains("0=" + targets()[0].toUtf8() + "|here.txt|"));
    window->controller().openSelected(); // there: opened as ever
    EXPECT_EQ(opener.opened, targets());
}

TEST_F(EditingListTest, KeysRunTheMenuCommands)
{
    shortcuts::addShortcut(window->model(), QStringLiteral("http://example.com/a"));
    shortcuts::addShortcut(window->model(), QStringLiteral("http://example.com/b"));
    select(1);
    list().setFocus();
    QTest::keyClick(&list(), Qt::Key_Return);
    EXPECT_EQ(opener.opened, QStringList{"http://example.com/b"});
    QTest::keyClick(&list(), Qt::Key_Delete);
    EXPECT_EQ(list().count(), 1);
    EXPECT_FALSE(menuShownBy([&] { QTest::keyClick(&list(), Qt::Key_Menu); }).isEmpty());
    QApplication::setActiveWindow(window.get()); // the closed menu had the focus
    list().setFocus();
    EXPECT_FALSE(menuShownBy([&] { QTest::keyClick(&list(), Qt::Key_F10, Qt::ShiftModifier); }).isEmpty());
}

TEST_F(EditingListTest, F2RenamesTheCaptionAndSavesAtOnce)
{
    shortcuts::addShortcut(window->model(), QStringLiteral("http://example.com/a"));
    select(0);
    list().setFocus();
    auto rename = [&](const QString &text) {
        QTest::keyClick(&list(), Qt::Key_F2);
        auto *editor = list().viewport()->findChild<QLineEdit *>();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
    };
    rename(QStringLiteral("Docs | Site"));
    EXPECT_EQ(caption(0), QStringLiteral("Docs | Site"));
    EXPECT_EQ(window->model().at(0).target, QStringLiteral("http://example.com/a"));
    EXPECT_TRUE(readProfile().contains("0=http://example.com/a|Docs %7C Site|"));
    rename(QStringLiteral("   "));
    EXPECT_EQ(caption(0), QStringLiteral("Docs | Site"));

    window = restart();
    EXPECT_EQ(caption(0), QStringLiteral("Docs | Site"));
}

} // namespace

namespace {

TEST_F(EditingListTest, AHandWrittenMailtoEntryIsKeptAndOpenedAsTyped)
{
    window.reset();
    writeProfile("[Tessaflow]\n0=mailto:someone@example.com|Mail|360|240\n");
    window = open();
    EXPECT_EQ(targets(), QStringList{"mailto:someone@example.com"});
    select(0);
    window->controller().openSelected();
    EXPECT_EQ(opener.opened, QStringList{"mailto:someone@example.com"});
}

} // namespace
