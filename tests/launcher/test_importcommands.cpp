// Importing and exporting through the controller: the choosers it asks, what
// the list and the profile hold afterwards, and the one message it shows.
#include <gtest/gtest.h>

#include "support/ControllerFixture.h"

using namespace testing_support;

namespace {

class ImportCommandsTest : public ControllerFixture {
protected:
    void SetUp() override
    {
        writeProfile("[Tessaflow]\nGroups=|Work\n"
                     "0=http://a.org|alpha||\n"
                     "1=http://b.org|beta|||group=Work\n");
        controller.load();
    }
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
};

TEST_F(ImportCommandsTest, AChosenBookmarksFileIsMergedSavedOnceAndReported)
{
    fileChooser.answer = {write(QStringLiteral("marks.html"),
                                "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n"
                                "<DT><A HREF=\"http://a.org\">alpha again</A>\n"
                                "<DT><A HREF=\"http://c.org\">gamma</A>\n</DL><p>\n")};
    frame.saves = 0;
    controller.importChosen(launcher::Controller::ImportKind::File);
    EXPECT_EQ(fileChooser.shown, 1);
    EXPECT_EQ(shownCaptions(), (QStringList{"alpha", "gamma"}));
    EXPECT_EQ(frame.saves, 1);
    EXPECT_TRUE(readProfile().contains("http://c.org|gamma"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("notice"));
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("1 added: gamma"))) << qPrintable(dialogs.shown[0].text);
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("1 already there: alpha again")));

    // Nothing new: nothing saved, and still one message.
    frame.saves = 0;
    controller.importChosen(launcher::Controller::ImportKind::File);
    EXPECT_EQ(frame.saves, 0);
    EXPECT_TRUE(dialogs.shown.back().text.contains(QStringLiteral("No shortcut was added.")));
}

TEST_F(ImportCommandsTest, AnotherProfileBringsItsGroupsAndACancelledChooserNothing)
{
    const QString other = write(QStringLiteral("other.ini"), "[Tessaflow]\nGroups=|Games\n"
                                                             "0=http://b.org|beta||\n"
                                                             "1=http://d.org|delta|||group=Games\n");
    fileChooser.answer.clear();
    controller.importChosen(launcher::Controller::ImportKind::File);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(controller.importFrom(other).contains(QStringLiteral("1 added: delta")));
    EXPECT_EQ(controller.groups(), (QStringList{"", "Work", "Games"}));
    EXPECT_TRUE(readProfile().contains("http://d.org|delta"));
    EXPECT_TRUE(controller.importFrom(dir.filePath(QStringLiteral("missing.ini"))).startsWith(QStringLiteral("Nothing")));
}

TEST_F(ImportCommandsTest, ExportWritesTheProfileAsItIsAndTheBookmarksWhereChosen)
{
    const QString copy = dir.filePath(QStringLiteral("copy.ini"));
    fileChooser.answer = {copy};
    controller.exportChosen(launcher::Controller::ExportKind::Profile);
    EXPECT_EQ(fileChooser.openedIn.last(), QStringLiteral("save:") + QDir::home().filePath(QStringLiteral("tsw.ini")));
    QFile written(copy);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), readProfile());

    const QString html = dir.filePath(QStringLiteral("out.html"));
    fileChooser.answer = {html};
    controller.exportChosen(launcher::Controller::ExportKind::Bookmarks);
    QFile marks(html);
    ASSERT_TRUE(marks.open(QIODevice::ReadOnly));
    const QByteArray text = marks.readAll();
    EXPECT_TRUE(text.contains("<H3>Work</H3>")) << text.constData();
    EXPECT_TRUE(text.contains("<A HREF=\"http://b.org\">beta</A>"));

    // A folder that cannot be written to is told, not ignored.
    fileChooser.answer = {dir.filePath(QStringLiteral("no/such/folder/out.html"))};
    controller.exportChosen(launcher::Controller::ExportKind::Bookmarks);
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().kind, QStringLiteral("error"));
}

} // namespace
