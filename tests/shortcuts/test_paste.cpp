// Adding by paste and from the file chooser: what a copy carries, and the
// window's Ctrl+V and Insert.
#include <QDir>
#include <QFileInfo>
#include <QTest>

#include "shortcuts/Paste.h"
#include "shortcuts/TypedText.h"
#include "support/WindowFixture.h"

using namespace testing_support;

namespace {

QStringList pastedTargets(const QMimeData &data)
{
    QStringList targets;
    for (const auto &shortcut : shortcuts::pasted(data).shortcuts)
        targets << shortcut.target;
    return targets;
}

TEST(PastedTargets, FilesAsAFileManagerCopiesThemAndTypedUris)
{
    QMimeData gnome;
    gnome.setData(QStringLiteral("x-special/gnome-copied-files"),
                  "copy\nfile:///home/u/a%20b.txt\nfile:///home/u/Music");
    gnome.setText(QStringLiteral("/home/u/a b.txt")); // what text editors see
    EXPECT_EQ(pastedTargets(gnome), (QStringList{"/home/u/a b.txt", "/home/u/Music"}));

    QMimeData uriList;
    uriList.setData(QStringLiteral("text/uri-list"), "# from a file manager\r\nfile:///srv/x.pdf\r\n");
    EXPECT_EQ(pastedTargets(uriList), QStringList{"/srv/x.pdf"});

    // Text: each line on its own, as "Add URL Shortcut" or a drop takes it;
    // blank lines are no lines.
    QMimeData links;
    links.setText(QStringLiteral("https://example.org/a\n  mailto:me@example.org \n\nwww.example.net\n"
                                 "see https://example.org/a\n/etc/hosts\n~\nexample.com/docs/x?y\n"
                                 "/no/such/file\nLinks:\nfile:///etc\n"));
    EXPECT_EQ(pastedTargets(links), (QStringList{"https://example.org/a", "mailto:me@example.org",
                                                 "https://www.example.net", "/etc/hosts", QDir::homePath(),
                                                 "https://example.com/docs/x?y", "/etc"}));
    EXPECT_EQ(shortcuts::pasted(links).skipped, 3);
    EXPECT_EQ(shortcuts::pasteReport(1, 2), QStringLiteral("1 shortcut added; 2 lines were not a file, folder or web address"));

    // Nothing in pictures.
    QMimeData image;
    image.setImageData(QImage(4, 4, QImage::Format_ARGB32));
    EXPECT_TRUE(pastedTargets(image).isEmpty());
}

TEST(PastedTargets, WhatIsLeftOutIsSaid)
{
    QString lines;
    for (int i = 0; i < 4002; ++i)
        lines += QStringLiteral("https://example.org/%1\n").arg(i);
    QMimeData links;
    links.setText(lines + QStringLiteral("and that was all of them\n"));
    // Every line is looked at, past the first 4000 too.
    const shortcuts::Pasted paste = shortcuts::pasted(links);
    EXPECT_EQ(paste.shortcuts.size(), 4000);
    EXPECT_EQ(paste.shortcuts.last().target, QStringLiteral("https://example.org/3999"));
    EXPECT_EQ(paste.skipped, 1);
    EXPECT_EQ(shortcuts::pasteReport(paste, 4000),
              QStringLiteral("Only the first 4000 of the 4002 lines pasted were taken.\n\n"
                             "4000 shortcuts added; 1 line was not a file, folder or web address: \u201Cand that was all of them\u201D"));
}

TEST(PastedTargets, AVeryLongLineIsCountedAndSaidNotRead)
{
    // 50 MB of one address: never read as one (a caption made from all of
    // it cost seconds and hundreds of megabytes), only counted.
    const QString huge = QStringLiteral("https://example.org/") + QString(8 * 1024 * 1024, u'a');
    const QString longest = QStringLiteral("https://example.org/") + QString(shortcuts::kMaxPastedLine - 20, u'b');
    QMimeData text;
    text.setText(huge + QStringLiteral("\nhttps://example.org/x\n") + longest + u'\n' + huge);
    const shortcuts::Pasted paste = shortcuts::pasted(text);
    ASSERT_EQ(paste.shortcuts.size(), 2);
    EXPECT_EQ(paste.shortcuts[1].target, longest); // as long as a line may be
    EXPECT_EQ(paste.tooLong, 2);
    EXPECT_EQ(paste.skipped, 0);
    EXPECT_EQ(shortcuts::pasteReport(paste, 2), QStringLiteral("2 lines longer than 65536 characters were not taken."));

    QMimeData onlyHuge;
    onlyHuge.setText(huge);
    const shortcuts::Pasted none = shortcuts::pasted(onlyHuge);
    EXPECT_TRUE(none.shortcuts.isEmpty());
    EXPECT_EQ(shortcuts::pasteReport(none, 0), QStringLiteral("1 line longer than 65536 characters was not taken."));
}

using PasteTest = OpenWindowFixture;

TEST_F(PasteTest, DraggingShortcutsOutCarriesTheirTargetsInEveryView)
{
    const QString file = dir.filePath(QStringLiteral("a b.txt"));
    window->controller().addTargets({file, QStringLiteral("https://example.org/x"), QStringLiteral("mailto:me@example.org")});
    QAbstractItemModel &model = *list().model();
    std::unique_ptr<QMimeData> data(model.mimeData({model.index(2, 0), model.index(0, 0), model.index(1, 0)}));
    ASSERT_TRUE(data);
    EXPECT_EQ(data->urls(), (QList<QUrl>{QUrl::fromLocalFile(file), QUrl(QStringLiteral("https://example.org/x")),
                                         QUrl(QStringLiteral("mailto:me@example.org"))}));
    // As plain text a file is its path, what a terminal wants.
    EXPECT_EQ(data->text(), file + QStringLiteral("\nhttps://example.org/x\nmailto:me@example.org"));
    // Also where icons are arranged, and in the list view.
    for (int arrange : {1, 0})
        for (int view : {2, 0}) {
            list().setArrange(arrange);
            list().setView(view);
            EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsDragEnabled);
            EXPECT_TRUE(list().dragEnabled());
        }
}

TEST_F(PasteTest, CtrlVAddsWhatWasCopiedInOrderWithOneSave)
{
    const QString file = dir.filePath(QStringLiteral("notes.txt"));
    QFile(file).open(QIODevice::WriteOnly);
    clipboard.fill().setData(QStringLiteral("x-special/gnome-copied-files"),
                             "copy\n" + QUrl::fromLocalFile(file).toEncoded() + "\nfile://" + dir.path().toUtf8());
    QTest::keyClick(&list(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(list().count(), 2);
    EXPECT_EQ(targets(), (QStringList{file, QFileInfo(dir.path()).absoluteFilePath()}));
    EXPECT_TRUE(readProfile().contains("0=" + file.toUtf8() + "|notes.txt|"));

    EXPECT_TRUE(dialogs.shown.empty()); // all of it added: nothing to say

    // Text that names nothing: nothing added, nothing saved, and it says so.
    QFile::remove(profile);
    clipboard.fill().setText(QStringLiteral("just some words"));
    QTest::keyClick(&list(), Qt::Key_V, Qt::ControlModifier);
    clipboard.data.reset();
    window->controller().paste();
    EXPECT_EQ(list().count(), 2);
    EXPECT_FALSE(QFile::exists(profile));
    // The line not taken is named.
    EXPECT_EQ(dialogs.shown[0].text,
              QStringLiteral("No shortcut added; 1 line was not a file, folder or web address: \u201Cjust some words\u201D"));

    // A file the list holds already is not added twice.
    clipboard.fill().setText(QStringLiteral("https://example.org/x\nnot a link\n") + file);
    QTest::keyClick(&list(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->model().at(2).target, QStringLiteral("https://example.org/x"));
    EXPECT_TRUE(readProfile().contains("2=https://example.org/x|example.org \u203A x|"));
    EXPECT_EQ(dialogs.shown.back().text,
              QStringLiteral("1 shortcut added; 1 line was not a file, folder or web address: \u201Cnot a link\u201D"));
    EXPECT_EQ(list().count(), 3);
    EXPECT_EQ(list().selectedRow(), 2);

    // Only what is there already: it is selected, nothing is added, written or said.
    const auto before = dialogs.shown.size();
    QFile::remove(profile);
    clipboard.fill().setText(file + QStringLiteral("\n"));
    QTest::keyClick(&list(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(list().count(), 3);
    EXPECT_EQ(list().selectedRow(), 0);
    EXPECT_EQ(dialogs.shown.size(), before);
    EXPECT_FALSE(QFile::exists(profile));

    // A name that is not UTF-8 is named, as a drop names it, and only that is said.
    const auto shown = dialogs.shown.size();
    clipboard.fill().setData(QStringLiteral("x-special/gnome-copied-files"), "copy\nfile:///d/bad%FFname");
    QTest::keyClick(&list(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(dialogs.shown.size(), shown + 1);
    EXPECT_TRUE(dialogs.shown.back().text.contains(QStringLiteral("/d/bad\uFFFDname")));
    EXPECT_FALSE(dialogs.shown.back().text.contains(QStringLiteral("added")));
    EXPECT_EQ(list().count(), 3);
}

TEST_F(PasteTest, InsertAddsTheChosenFilesLikeADrop)
{
    fileChooser.answer = {dir.filePath(QStringLiteral("a.txt")), dir.filePath(QStringLiteral("b.pdf"))};
    QTest::keyClick(&list(), Qt::Key_Insert);
    EXPECT_EQ(fileChooser.openedIn, QStringList{QDir::homePath()});
    EXPECT_EQ(targets(), fileChooser.answer);
    EXPECT_TRUE(readProfile().contains("1=" + fileChooser.answer[1].toUtf8() + "|b.pdf|"));

    // Cancelled: no save.
    QFile::remove(profile);
    fileChooser.answer.clear();
    QTest::keyClick(&list(), Qt::Key_Insert);
    EXPECT_EQ(fileChooser.shown, 2);
    EXPECT_EQ(list().count(), 2);
    EXPECT_FALSE(QFile::exists(profile));

    // Folders, from where the last files came.
    window->controller().addFolders();
    EXPECT_EQ(fileChooser.openedIn.last(), QStringLiteral("folders:") + dir.path());
}

} // namespace
