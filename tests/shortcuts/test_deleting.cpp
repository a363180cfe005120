// Deleting the selected shortcut after the question.
#include "shortcuts/Deleting.h"
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
            shortcuts::AddButton(list, QStringLiteral("http://x.org/") + QLatin1String(name), QString(),
                                 list.nextImageIndex());
    }
};

TEST_F(DeletingTest, NothingSelectedAsksNothing)
{
    addThree();
    EXPECT_FALSE(shortcuts::DeleteSelected(list, dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(view.Count(), 3);
}

TEST_F(DeletingTest, TheQuestionNamesTheCaptionVerbatim)
{
    shortcuts::AddButton(list, QStringLiteral("http://x.org/"), QStringLiteral("<b>Notepad</b> & co"), 1);
    view.setSelectedItem(1);
    dialogs.nextAnswer = platform::Dialogs::No;
    EXPECT_TRUE(shortcuts::DeleteSelected(list, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Tessaflow"));
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Are you sure you want to delete <b>Notepad</b> & co?"));
    EXPECT_EQ(view.Count(), 1); // No keeps it
    EXPECT_EQ(programs.ListCount(), 1);
}

TEST_F(DeletingTest, YesRemovesTheRightPairAndLeavesTheImages)
{
    for (int remove : {1, 2, 3}) {
        SCOPED_TRACE(remove);
        while (view.Count()) {
            programs.RemoveItem(0);
            view.Remove(1);
        }
        addThree();
        const int images = large.Count();
        QStringList expected = programs.items();
        QList<int> icons = {view.Icon(1), view.Icon(2), view.Icon(3)};
        expected.removeAt(remove - 1);
        icons.removeAt(remove - 1);
        view.setSelectedItem(remove);
        EXPECT_TRUE(shortcuts::DeleteSelected(list, dialogs));
        EXPECT_EQ(programs.items(), expected);
        ASSERT_EQ(view.Count(), 2);
        EXPECT_EQ(view.Icon(1), icons[0]); // every other item keeps its own icon
        EXPECT_EQ(view.Icon(2), icons[1]);
        EXPECT_EQ(large.Count(), images); // image lists never shrink
    }
}

} // namespace
