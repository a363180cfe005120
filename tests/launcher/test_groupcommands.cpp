// The group commands through the controller: what the list view shows, what
// the profile keeps, and that typing finds across groups.
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "support/ControllerFixture.h"

using namespace testing_support;

namespace {

class GroupCommandsTest : public ControllerFixture {
protected:
    void SetUp() override
    {
        writeProfile("[Tessaflow]\nArrange=1\nGroups=|Work|Games\n"
                     "0=http://a.org|alpha||\n"
                     "1=http://b.org|beta|||group=Work\n"
                     "2=http://c.org|gamma||\n"
                     "3=http://d.org|delta|||group=Games\n"
                     "4=http://e.org|alphabet|||group=Work\n");
        controller.load();
        frame.saves = 0;
    }
};

TEST_F(GroupCommandsTest, TheShownGroupIsWhatTheListShowsAndWhereAddingGoes)
{
    EXPECT_EQ(controller.groups(), (QStringList{"", "Work", "Games"}));
    EXPECT_EQ(shownCaptions(), (QStringList{"alpha", "gamma"}));
    QSignalSpy shown(&controller, &launcher::Controller::groupShown);
    EXPECT_TRUE(controller.showGroup(QStringLiteral("Work")));
    EXPECT_EQ(shownCaptions(), (QStringList{"beta", "alphabet"}));
    EXPECT_EQ(shown.count(), 1);
    EXPECT_FALSE(controller.showGroup(QStringLiteral("Nope")));
    // Round: after the last comes the first, before the first the last.
    controller.showNextGroup(1);
    EXPECT_EQ(controller.shownGroup(), QStringLiteral("Games"));
    controller.showNextGroup(1);
    EXPECT_EQ(controller.shownGroup(), QString());
    controller.showNextGroup(-1);
    EXPECT_EQ(controller.shownGroup(), QStringLiteral("Games"));
    EXPECT_EQ(frame.saves, 0) << "showing a group is no change of the shortcuts";

    // Alt+1 opens the first of the shown group; what is added goes there.
    controller.openShown(1);
    EXPECT_EQ(opener.uris.value(0), QStringLiteral("http://d.org"));
    controller.addTargets({QStringLiteral("http://new.org")});
    EXPECT_EQ(shownCaptions().size(), 2);
    EXPECT_EQ(controller.model().shortcuts().back().group, QStringLiteral("Games"));
    EXPECT_TRUE(readProfile().contains("5=http://new.org|new.org|"));
    EXPECT_TRUE(readProfile().contains("|group=Games\n"));
}

TEST_F(GroupCommandsTest, ANewGroupForTheSelectedShortcutsTakesThemAndIsShown)
{
    view.selectRow(1); // gamma
    dialogs.nextInput = QStringLiteral("work"); // taken, in another case
    dialogs.laterInputs = {QStringLiteral("  "), QStringLiteral("Shortcuts"), QStringLiteral("Tools")};
    controller.newGroupForSelected();
    ASSERT_EQ(dialogs.shown.size(), 4u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Tessaflow - New Group"));
    EXPECT_EQ(dialogs.shown[1].text, QStringLiteral("There is already a group called \u201CWork\u201D."));
    EXPECT_EQ(dialogs.shown[2].text, QStringLiteral("A group needs a name."));
    EXPECT_EQ(dialogs.shown[3].text, QStringLiteral("There is already a group called \u201CShortcuts\u201D."));
    EXPECT_EQ(controller.groups(), (QStringList{"", "Work", "Games", "Tools"}));
    EXPECT_EQ(controller.shownGroup(), QStringLiteral("Tools"));
    EXPECT_EQ(shownCaptions(), QStringList{"gamma"});
    EXPECT_EQ(view.selectedRow(), 0);
    EXPECT_TRUE(readProfile().contains("Groups=|Work|Games|Tools\n"));
    EXPECT_TRUE(readProfile().contains("2=http://c.org|gamma|") && readProfile().contains("|group=Tools\n"));
    EXPECT_EQ(frame.saves, 1) << "the group made and the shortcut moved, one change";

    // Cancelled: nothing made, nothing moved, nothing saved.
    dialogs.nextInput = std::nullopt;
    controller.newGroupForSelected();
    EXPECT_EQ(controller.groups().size(), 4);
    EXPECT_EQ(frame.saves, 1);
}

TEST_F(GroupCommandsTest, MovingRenamingAndDeletingGroupsNeverLosesAShortcut)
{
    // Dragged onto another tab: the view's rows go there.
    controller.moveToGroup({0}, QStringLiteral("Games"));
    EXPECT_EQ(shownCaptions(), QStringList{"gamma"});
    controller.showGroup(QStringLiteral("Games"));
    EXPECT_EQ(shownCaptions(), (QStringList{"alpha", "delta"}));

    dialogs.nextInput = QStringLiteral("Play & Fun");
    controller.renameGroup(QStringLiteral("Games"));
    EXPECT_EQ(controller.shownGroup(), QStringLiteral("Play & Fun"));
    EXPECT_EQ(shownCaptions(), (QStringList{"alpha", "delta"}));

    // Deleting asks, with No preselected; No keeps it.
    dialogs.nextAnswer = platform::Dialogs::No;
    controller.deleteGroup(QStringLiteral("Play & Fun"));
    EXPECT_EQ(controller.groups().size(), 3);
    EXPECT_EQ(dialogs.preselected, platform::Dialogs::No);
    // Yes: its shortcuts go to the group before it, which is then shown.
    dialogs.nextAnswer = platform::Dialogs::Yes;
    controller.deleteGroup(QStringLiteral("Play & Fun"));
    EXPECT_EQ(controller.groups(), (QStringList{"", "Work"}));
    EXPECT_EQ(controller.shownGroup(), QStringLiteral("Work"));
    EXPECT_EQ(shownCaptions(), (QStringList{"alpha", "beta", "delta", "alphabet"}));
    // The first group's shortcuts go to the next one.
    controller.deleteGroup(QString());
    EXPECT_EQ(controller.groups(), QStringList{"Work"});
    EXPECT_EQ(controller.model().count(), 5);
    // The last group stays.
    controller.deleteGroup(QStringLiteral("Work"));
    EXPECT_EQ(controller.groups(), QStringList{"Work"});
    const QByteArray stored = readProfile();
    EXPECT_TRUE(stored.contains("Groups=Work\n"));
    EXPECT_FALSE(stored.contains("group=")) << "every shortcut is in the first group now";
}

TEST_F(GroupCommandsTest, TypingFindsInEveryGroupTheShownGroupFirst)
{
    view.resize(400, 300);
    emit view.TextTyped(QStringLiteral("alph"));
    // "alpha" here, "alphabet" of Work after it, naming its group.
    EXPECT_EQ(shownCaptions(), QStringList{"alpha"});
    const shortcuts::OtherGroupMatches &others = controller.finder().otherGroups();
    ASSERT_EQ(others.rowCount(), 1);
    EXPECT_EQ(others.index(0).data(Qt::AccessibleTextRole).toString(), QStringLiteral("alphabet"));
    EXPECT_EQ(others.index(0).data(Qt::AccessibleDescriptionRole).toString(),
              QStringLiteral("In \u201CWork\u201D: http://e.org"));
    EXPECT_TRUE(others.index(0).data(Qt::ToolTipRole).toString().contains(QStringLiteral("\u201CWork\u201D")));
    // Enter on it opens it where it lives.
    view.selectOffer(0);
    controller.openSelected();
    EXPECT_EQ(opener.uris, QStringList{"http://e.org"});

    // Only another group matches: nothing here is selected, Enter opens that one.
    emit view.EscapeTyped();
    emit view.TextTyped(QStringLiteral("delt"));
    EXPECT_TRUE(view.showsNoMatch());
    EXPECT_EQ(view.selectedOffer(), 0);
    controller.openSelected();
    EXPECT_EQ(opener.uris.last(), QStringLiteral("http://d.org"));
    // Showing another group ends the typing.
    controller.showGroup(QStringLiteral("Games"));
    EXPECT_FALSE(view.filtered());
    EXPECT_EQ(others.rowCount(), 0);
}

} // namespace

namespace {

TEST_F(GroupCommandsTest, ReplacingEverythingKeepsTheShownGroupWhenItIsStillThere)
{
    controller.showGroup(QStringLiteral("Work"));
    shortcuts::ListState state = controller.model().state();
    state.shortcuts.erase(state.shortcuts.begin()); // alpha
    state.shortcuts[0].caption = QStringLiteral("beta two");
    controller.replaceShortcuts(state);
    EXPECT_EQ(controller.shownGroup(), QStringLiteral("Work"));
    EXPECT_EQ(shownCaptions(), (QStringList{"beta two", "alphabet"}));
    EXPECT_EQ(frame.saves, 1);
    EXPECT_TRUE(readProfile().contains("0=http://b.org|beta two|"));

    // Without that group: the first is shown.
    state.groups = {QString(), QStringLiteral("Games")};
    std::erase_if(state.shortcuts, [](const shortcuts::Shortcut &s) { return s.group == QStringLiteral("Work"); });
    controller.replaceShortcuts(state);
    EXPECT_EQ(controller.shownGroup(), QString());
    EXPECT_EQ(shownCaptions(), QStringList{"gamma"});
    EXPECT_TRUE(shortcuts::sameStored(controller.model().at(0), state.shortcuts[0]));
    EXPECT_FALSE(shortcuts::sameStored(controller.model().at(0), controller.model().at(1)));
}

} // namespace

namespace {

TEST_F(GroupCommandsTest, OnlyTheBestMatchesOfOtherGroupsFollow)
{
    QStringList many;
    for (int n = 0; n < 30; ++n)
        many << QStringLiteral("http://many%1.org").arg(n);
    controller.showGroup(QStringLiteral("Games"));
    controller.addTargets(many);
    controller.showGroup(QStringLiteral("Work"));
    emit view.TextTyped(QStringLiteral("many"));
    const shortcuts::OtherGroupMatches &others = controller.finder().otherGroups();
    ASSERT_EQ(size_t(others.rowCount()), shortcuts::Finder::kMostFromOtherGroups);
    // Typing on narrows them to those that are left.
    emit view.TextTyped(QStringLiteral("2"));
    EXPECT_LT(size_t(others.rowCount()), shortcuts::Finder::kMostFromOtherGroups);
    EXPECT_EQ(others.index(0).data(Qt::AccessibleTextRole).toString(), QStringLiteral("many2.org"));
}

} // namespace
