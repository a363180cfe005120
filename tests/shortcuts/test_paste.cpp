// Adding by paste and from the file chooser: what a copy carries, and the
// window's Ctrl+V and Insert.
#include <QFileInfo>
#include <QTest>

#include "shortcuts/Paste.h"
#include "support/WindowFixture.h"

using namespace testing_support;
using shortcuts::pastedTargets;

namespace {

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

    QMimeData links;
    links.setText(QStringLiteral("https://example.org/a\n  mailto:me@example.org \n\nwww.example.net\n"));
    EXPECT_EQ(pastedTargets(links),
              (QStringList{"https://example.org/a", "mailto:me@example.org", "http://www.example.net"}));

    // Anything else adds nothing: prose with a link in it, a bare path,
    // pictures.
    QMimeData prose;
    prose.setText(QStringLiteral("see https://example.org/a\nfor details"));
    QMimeData path;
    path.setText(QStringLiteral("/etc/hosts"));
    QMimeData image;
    image.setImageData(QImage(4, 4, QImage::Format_ARGB32));
    for (const QMimeData *data : {&prose, &path, &image})
        EXPECT_TRUE(pastedTargets(*data).isEmpty());
}

TEST(PastedTargets, WhatIsLeftOutIsSaid)
{
    QString lines;
    for (int i = 0; i < 4002; ++i)
        lines += QStringLiteral("https://example.org/%1\n").arg(i);
    QMimeData links;
    links.setText(lines);
    shortcuts::PasteNotes notes;
    EXPECT_EQ(pastedTargets(links, &notes).last(), QStringLiteral("https://example.org/3999"));
    EXPECT_EQ(shortcuts::pasteNotesText(notes), QStringLiteral("Only the first 4000 of the 4002 lines pasted were taken."));
    // Prose after the first 4000 lines is still prose.
    links.setText(lines + QStringLiteral("and that was all of them\n"));
    EXPECT_TRUE(pastedTargets(links, &notes).isEmpty());
    EXPECT_TRUE(shortcuts::pasteNotesText(notes).isEmpty());
}

using PasteTest = OpenWindowFixture;

TEST_F(PasteTest, DraggingShortcutsOutCarriesTheirTargetsInEveryView)
{
    const QString file = dir.filePath(QStringLiteral("a b.txt"));
    window->addTargets({file, QStringLiteral("https://example.org/x"), QStringLiteral("mailto:me@example.org")});
    QAbstractItemModel &model = *list().model();
    std::unique_ptr<QMimeData> data(model.mimeData({model.index(2, 0), model.index(0, 0), model.index(1, 0)}));
    ASSERT_TRUE(data);
    EXPECT_EQ(data->urls(), (QList<QUrl>{QUrl::fromLocalFile(file), QUrl(QStringLiteral("https://example.org/x")),
                                         QUrl(QStringLiteral("mailto:me@example.org"))}));
    EXPECT_EQ(data->text(), QStringLiteral("https://example.org/x\nmailto:me@example.org"));
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
    ASSERT_EQ(list().Count(), 2);
    EXPECT_EQ(window->lstPrograms().items(), (QStringList{file, QFileInfo(dir.path()).absoluteFilePath()}));
    EXPECT_TRUE(readProfile().contains("0=" + file.toUtf8() + "|notes.txt|"));

    // Text that is not a list of links: nothing added, nothing saved.
    QFile::remove(profile);
    clipboard.fill().setText(QStringLiteral("just some words"));
    QTest::keyClick(&list(), Qt::Key_V, Qt::ControlModifier);
    clipboard.data.reset();
    window->mnuPaste_Click();
    EXPECT_EQ(list().Count(), 2);
    EXPECT_FALSE(QFile::exists(profile));

    clipboard.fill().setText(QStringLiteral("https://example.org/x"));
    QTest::keyClick(&list(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->lstPrograms().List(2), QStringLiteral("https://example.org/x"));
    EXPECT_TRUE(readProfile().contains("2=https://example.org/x|x|"));

    // A name that is not UTF-8 is named, as a drop names it.
    EXPECT_TRUE(dialogs.shown.empty());
    clipboard.fill().setData(QStringLiteral("x-special/gnome-copied-files"), "copy\nfile:///d/bad%FFname");
    QTest::keyClick(&list(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("/d/bad\uFFFDname")));
    EXPECT_EQ(list().Count(), 3);
}

TEST_F(PasteTest, InsertAddsTheChosenFilesLikeADrop)
{
    fileChooser.answer = {dir.filePath(QStringLiteral("a.txt")), dir.filePath(QStringLiteral("b.pdf"))};
    QTest::keyClick(&list(), Qt::Key_Insert);
    EXPECT_EQ(fileChooser.shown, 1);
    EXPECT_EQ(window->lstPrograms().items(), fileChooser.answer);
    EXPECT_TRUE(readProfile().contains("1=" + fileChooser.answer[1].toUtf8() + "|b.pdf|"));

    // Cancelled: no save.
    QFile::remove(profile);
    fileChooser.answer.clear();
    QTest::keyClick(&list(), Qt::Key_Insert);
    EXPECT_EQ(fileChooser.shown, 2);
    EXPECT_EQ(list().Count(), 2);
    EXPECT_FALSE(QFile::exists(profile));
}

} // namespace
