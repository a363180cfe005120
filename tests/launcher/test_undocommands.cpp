// Undo and redo through the controller: every kind of change goes back to
// the very profile it was made on and comes again, each time saved.
#include <QCoreApplication>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

#include "platform/widgets/ItemRoles.h"
#include "support/ControllerFixture.h"

using namespace testing_support;

namespace {

class UndoCommandsTest : public ControllerFixture {
protected:
    void SetUp() override
    {
        // Icons placed by hand, each at its own place, in two groups.
        writeProfile("[Tessaflow]\nArrange=0\nSView=0\nGroups=|Work\n"
                     "0=http://a.org|alpha|15|0\n"
                     "1=http://b.org|beta|1215|0\n"
                     "2=http://c.org|gamma|2415|0|||group=Work\n"
                     "3=http://d.org|delta|15|1200\n");
        controller.load();
        controller.save(); // the profile as the program writes it
        view.resize(400, 300);
    }
    // The profile once the view has laid out what a change left without a
    // place (icons that came or changed group are placed after the change
    // is saved): saved again, as the next change would.
    QByteArray settled()
    {
        QCoreApplication::processEvents();
        controller.save();
        return readProfile();
    }
    // Makes a change; undo must give the profile back byte for byte and
    // redo the changed one, each saved at once.
    void expectUndone(const char *what, const QString &step, const std::function<void()> &change)
    {
        SCOPED_TRACE(what);
        const QByteArray before = settled();
        const int saved = frame.saves;
        change();
        EXPECT_EQ(frame.saves, saved + 1) << "the change is saved once";
        const QByteArray after = settled();
        ASSERT_NE(after, before);
        EXPECT_EQ(controller.undoName(), step);
        int saves = frame.saves;
        controller.undo();
        EXPECT_EQ(frame.saves, saves + 1) << "undo is saved once";
        EXPECT_EQ(settled(), before);
        EXPECT_EQ(controller.redoName(), step);
        saves = frame.saves;
        controller.redo();
        EXPECT_EQ(frame.saves, saves + 1) << "redo is saved once";
        EXPECT_EQ(settled(), after);
        EXPECT_EQ(controller.redoName(), QString());
    }
};

TEST_F(UndoCommandsTest, EveryChangeOfTheShortcutsIsAStep)
{
    view.selectRow(1); // beta
    dialogs.nextAnswer = platform::Dialogs::Yes;
    expectUndone("delete", QStringLiteral("Delete \u201Cbeta\u201D"), [&] { controller.deleteSelected(); });
    expectUndone("added from the command line", QStringLiteral("Add \u201Cnew.org\u201D"),
                 [&] { controller.addTargets({QStringLiteral("http://new.org")}); });
    expectUndone("dropped", QStringLiteral("Add 2 Shortcuts"), [&] {
        controller.addDropped({QUrl(QStringLiteral("http://x.org")), QUrl(QStringLiteral("http://y.org"))});
    });
    clipboard.fill().setText(QStringLiteral("http://pasted.org"));
    expectUndone("pasted", QStringLiteral("Add \u201Cpasted.org\u201D"), [&] { controller.paste(); });
    dialogs.nextInput = QStringLiteral("http://typed.org");
    expectUndone("a web address", QStringLiteral("Add \u201Ctyped.org\u201D"), [&] { controller.addUrl(); });
    view.selectRow(0);
    expectUndone("moved right", QStringLiteral("Move \u201Calpha\u201D"), [&] { controller.moveSelected(1); });
    // The list's order is the one the steps before left (redone each).
    const auto named = [](const char *step, const QString &caption) {
        return QString::fromUtf8(step).arg(caption);
    };
    expectUndone("dragged onto another", named("Move \u201C%1\u201D", shownCaptions().value(2)),
                 [&] { controller.moveOnto({2}, 0); });
    expectUndone("renamed in place", named("Rename \u201C%1\u201D", controller.model().at(0).caption), [&] {
        controller.model().setData(controller.model().index(0), QStringLiteral("first"), Qt::EditRole);
        controller.renamed();
    });
    ASSERT_EQ(controller.model().at(0).group, QString());
    expectUndone("moved by hand", named("Move \u201C%1\u201D", controller.model().at(0).caption), [&] {
        emit view.handMoveStarting();
        // A free place: one dropped on another's is laid out anew once replaced.
        controller.model().setData(controller.model().index(0), 4815.0, platform::ItemRole::Left);
        controller.model().setData(controller.model().index(0), 3600.0, platform::ItemRole::Top);
        emit view.movedByHand({0});
    });
    view.selectRow(0);
    expectUndone("properties", named("Properties of \u201C%1\u201D", shownCaptions().value(0)),
                 [&] {
                     controller.editSelected([](const shortcuts::Shortcut &s) {
                         shortcuts::Shortcut edited = s;
                         edited.comment = QStringLiteral("note");
                         edited.arguments = QStringLiteral("--x");
                         return std::optional(edited);
                     });
                 });
    shortcuts::ListState merged = controller.model().state();
    merged.shortcuts.pop_back();
    expectUndone("replaced", QStringLiteral("Restore"), [&] { controller.replaceShortcuts(merged); });
}

TEST_F(UndoCommandsTest, GroupCommandsAreStepsAndTheGroupShownFollows)
{
    dialogs.nextInput = QStringLiteral("Tools");
    expectUndone("new group", QStringLiteral("New Group \u201CTools\u201D"), [&] { controller.newGroup(); });
    controller.showGroup(QString());
    view.selectRow(0);
    expectUndone("moved to a group", QStringLiteral("Move to Group \u201CWork\u201D"),
                 [&] {
                     controller.moveSelectedToGroup(QStringLiteral("Work"));
                     // Where it came, placed as that group is first shown; undo and redo show it.
                     controller.showGroup(QStringLiteral("Work"));
                 });
    dialogs.nextInput = QStringLiteral("Job");
    expectUndone("group renamed", QStringLiteral("Rename Group \u201CWork\u201D"),
                 [&] { controller.renameGroup(QStringLiteral("Work")); });
    EXPECT_EQ(controller.groups(), (QStringList{"", "Job", "Tools"}));
    expectUndone("tabs reordered", QStringLiteral("Move Group \u201CTools\u201D"), [&] { controller.moveGroup(2, 0); });
    dialogs.nextAnswer = platform::Dialogs::Yes;
    expectUndone("group deleted", QStringLiteral("Delete Group \u201CJob\u201D"),
                 [&] { controller.deleteGroup(QStringLiteral("Job")); });

    // Undoing the delete brings the group back with its shortcut in it, shown.
    controller.undo();
    EXPECT_EQ(controller.groups(), (QStringList{"Tools", "", "Job"}));
    EXPECT_EQ(controller.shownGroup(), QStringLiteral("Job"));
    EXPECT_EQ(shownCaptions(), (QStringList{"alpha", "gamma"}));

    // A new group for the selected shortcut is one step with its move.
    controller.showGroup(QString());
    view.selectRow(0);
    dialogs.nextInput = QStringLiteral("Box");
    expectUndone("new group for the selected", QStringLiteral("New Group \u201CBox\u201D"),
                 [&] { controller.newGroupForSelected(); });
    EXPECT_EQ(controller.groups().last(), QStringLiteral("Box"));
    EXPECT_EQ(shownCaptions(), QStringList{"beta"});
}

TEST_F(UndoCommandsTest, ADeletedShortcutComesBackAtItsPlaceSelectedAndANewChangeEndsRedo)
{
    view.selectRow(1);
    controller.deleteSelected();
    ASSERT_EQ(shownCaptions(), (QStringList{"alpha", "delta"}));
    controller.undo();
    EXPECT_EQ(shownCaptions(), (QStringList{"alpha", "beta", "delta"}));
    EXPECT_EQ(view.selectedRow(), 1);
    EXPECT_EQ(controller.model().at(1).left, std::optional<double>(1215));
    EXPECT_TRUE(readProfile().contains("1=http://b.org|beta|1215|0"));

    // A new change after the undo: the delete can no longer be redone.
    controller.addTargets({QStringLiteral("http://new.org")});
    EXPECT_EQ(controller.redoName(), QString());
    controller.redo();
    EXPECT_EQ(controller.model().count(), 5);
    // Undo with nothing left to undo changes and saves nothing.
    controller.undo();
    const int saves = frame.saves;
    controller.undo();
    EXPECT_EQ(frame.saves, saves);
    EXPECT_EQ(controller.model().count(), 4);
    // Showing a group and a cancelled prompt make no step.
    controller.showGroup(QStringLiteral("Work"));
    dialogs.nextInput = std::nullopt;
    controller.newGroup();
    EXPECT_EQ(controller.undoName(), QString());
}

} // namespace
