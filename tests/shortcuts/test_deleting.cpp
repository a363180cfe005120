// Deleting the selected shortcut after the question, and removing one whose
// target is missing: each acts on the shortcut it asked about.
#include "shortcuts/Deleting.h"
#include "shortcuts/Launch.h"
#include "support/LongPath.h"
#include "support/Recorders.h"
#include "support/ShortcutFixture.h"

using namespace testing_support;

namespace {

class DeletingTest : public ShortcutFixture {
protected:
    RecordingDialogs dialogs;
    void addThree()
    {
        for (const char *name : {"one", "two", "three"})
            add(QStringLiteral("http://x.org/") + QLatin1String(name));
    }
};

TEST_F(DeletingTest, NothingSelectedAsksNothing)
{
    addThree();
    EXPECT_FALSE(shortcuts::DeleteSelected(list, dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(model.count(), 3);
}

TEST_F(DeletingTest, TheQuestionNamesTheCaptionVerbatim)
{
    add(QStringLiteral("http://x.org/"), QStringLiteral("<b>Notepad</b> & co"));
    view.selectRow(0);
    dialogs.nextAnswer = platform::Dialogs::No;
    EXPECT_TRUE(shortcuts::DeleteSelected(list, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Tessaflow"));
    EXPECT_EQ(dialogs.shown[0].text,
              QStringLiteral("Are you sure you want to delete \u201C<b>Notepad</b> & co\u201D? Only the shortcut is removed; the file, "
                             "folder or web page it opens is not touched."));
    EXPECT_EQ(model.count(), 1); // No keeps it
}

TEST_F(DeletingTest, YesRemovesTheSelectedShortcutAndTheOthersKeepTheirIcons)
{
    for (int remove : {0, 1, 2}) {
        SCOPED_TRACE(remove);
        while (model.count())
            model.remove(0);
        addThree();
        QStringList expected = targets();
        QList<qint64> icons;
        for (const auto &shortcut : model.shortcuts())
            icons << shortcut.icon.cacheKey();
        expected.removeAt(remove);
        icons.removeAt(remove);
        view.selectRow(remove);
        EXPECT_TRUE(shortcuts::DeleteSelected(list, dialogs));
        EXPECT_EQ(targets(), expected);
        ASSERT_EQ(model.count(), 2);
        EXPECT_EQ(model.at(0).icon.cacheKey(), icons[0]); // every other shortcut keeps its own icon
        EXPECT_EQ(model.at(1).icon.cacheKey(), icons[1]);
    }
}

TEST_F(DeletingTest, YesDeletesTheShortcutTheQuestionNamedWhateverHappenedMeanwhile)
{
    addThree();
    view.selectRow(1);
    // A later start hands a file over while the question is up: it is added
    // and selected, as the window does with a hand-over.
    dialogs.whileAsking = [&] {
        add(QStringLiteral("http://x.org/handed-over"));
        view.showRow(model.count() - 1);
    };
    EXPECT_TRUE(shortcuts::DeleteSelected(list, dialogs));
    EXPECT_EQ(dialogs.shown[0].text,
              QStringLiteral("Are you sure you want to delete \u201Ctwo\u201D? Only the shortcut is removed; the file, "
                             "folder or web page it opens is not touched."));
    EXPECT_EQ(targets(), (QStringList{"http://x.org/one", "http://x.org/three", "http://x.org/handed-over"}));

    // An earlier shortcut removed meanwhile: the one asked about still goes.
    view.selectRow(1);
    dialogs.whileAsking = [&] { model.remove(0); };
    EXPECT_TRUE(shortcuts::DeleteSelected(list, dialogs));
    EXPECT_EQ(targets(), (QStringList{"http://x.org/handed-over"}));

    // Gone meanwhile: nothing else is deleted in its place.
    view.selectRow(0);
    add(QStringLiteral("http://x.org/four"));
    dialogs.whileAsking = [&] { model.remove(0); };
    EXPECT_TRUE(shortcuts::DeleteSelected(list, dialogs));
    EXPECT_EQ(targets(), (QStringList{"http://x.org/four"}));
}

TEST_F(DeletingTest, AMissingTargetsRemovalActsOnTheShortcutItAskedAbout)
{
    RecordingOpener opener;
    add(QStringLiteral("http://x.org/one"));
    add(path(QStringLiteral("gone.txt")));
    add(QStringLiteral("http://x.org/three"));
    view.selectRow(1);
    dialogs.whileAsking = [&] {
        add(QStringLiteral("http://x.org/handed-over"));
        view.showRow(model.count() - 1);
        model.remove(0);
    };
    EXPECT_TRUE(shortcuts::OpenOrOfferRemoval(list, opener, dialogs));
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_EQ(targets(), (QStringList{"http://x.org/three", "http://x.org/handed-over"}));

    // Gone meanwhile: nothing is removed.
    add(path(QStringLiteral("gone.txt")));
    view.selectRow(2);
    dialogs.whileAsking = [&] { model.remove(2); };
    EXPECT_FALSE(shortcuts::OpenOrOfferRemoval(list, opener, dialogs));
    EXPECT_EQ(targets(), (QStringList{"http://x.org/three", "http://x.org/handed-over"}));
}

TEST_F(DeletingTest, OnlyAMissingTargetIsOfferedForRemovalAndEnterKeepsIt)
{
    RecordingOpener opener;
    // There, but its path is longer than the system takes whole: it opens
    // (the opener tells why it cannot), it is never offered for removal.
    const FileBeyondPathMax made(dir.path());
    const QString far = made.path();
    ASSERT_FALSE(far.isEmpty());
    add(far);
    view.selectRow(0);
    EXPECT_FALSE(shortcuts::isMissing(far));
    EXPECT_FALSE(shortcuts::OpenOrOfferRemoval(list, opener, dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(opener.opened, QStringList{far});
    EXPECT_EQ(model.count(), 1);

    // Missing: the question comes, and Enter (its preselected answer) keeps it.
    add(path(QStringLiteral("gone.txt")));
    view.selectRow(1);
    dialogs.nextAnswer = platform::Dialogs::No;
    EXPECT_FALSE(shortcuts::OpenOrOfferRemoval(list, opener, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.preselected, platform::Dialogs::No);
    EXPECT_EQ(model.count(), 2);
}

} // namespace

TEST_F(DeletingTest, SeveralSelectedAreAskedAboutOnceAndGoTogether)
{
    addThree();
    add(QStringLiteral("http://x.org/four"));
    view.selectionModel()->select(view.indexOf(0), QItemSelectionModel::Select);
    view.selectionModel()->select(view.indexOf(2), QItemSelectionModel::Select);
    view.selectionModel()->select(view.indexOf(3), QItemSelectionModel::Select);
    dialogs.nextAnswer = platform::Dialogs::No;
    EXPECT_TRUE(shortcuts::DeleteSelected(list, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Remove 3 shortcuts? Only the shortcuts are removed; the files, "
                                                    "folders or web pages they open are not touched."));
    EXPECT_EQ(model.count(), 4); // No keeps them all

    // Yes, while the first of them goes another way: the others still go, nothing else.
    dialogs.nextAnswer = platform::Dialogs::Yes;
    dialogs.whileAsking = [&] { model.remove(0); };
    EXPECT_TRUE(shortcuts::DeleteSelected(list, dialogs));
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(targets(), (QStringList{"http://x.org/two"}));
}
