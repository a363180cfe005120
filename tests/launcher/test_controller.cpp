// The commands, the saves they cause and the reports they give, with no
// window: a list view that is never shown and a frame that counts the saves.
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include "launcher/Controller.h"
#include "support/ControllerFixture.h"

using namespace testing_support;

namespace {

class ControllerTest : public ControllerFixture {
protected:
    QStringList targets()
    {
        QStringList out;
        for (const shortcuts::Shortcut &shortcut : controller.model().shortcuts())
            out << shortcut.target;
        return out;
    }
};

TEST_F(ControllerTest, EachCommandThatChangesTheListSavesOnceAndOthersNever)
{
    writeProfile("[Tessaflow]\n0=http://a.org|a||\n");
    controller.load();
    ASSERT_EQ(targets(), QStringList{"http://a.org"});
    EXPECT_EQ(frame.saves, 0);

    // Three at once: one save with all three.
    controller.addTargets({"http://b.org", "http://c.org", "http://d.org"});
    EXPECT_EQ(frame.saves, 1);
    EXPECT_TRUE(readProfile().contains("3=http://d.org|"));

    // Asked and answered No, a cancelled prompt, an empty paste: nothing changed, nothing written.
    dialogs.nextAnswer = platform::Dialogs::No;
    view.selectRow(0);
    controller.deleteSelected();
    dialogs.nextInput = std::nullopt;
    controller.addUrl();
    controller.paste();
    controller.addTargets({});
    EXPECT_EQ(frame.saves, 1);

    // Opening changes nothing either.
    controller.openSelected();
    EXPECT_EQ(opener.opened, QStringList{"http://a.org"});
    EXPECT_EQ(frame.saves, 1);

    // Yes removes it and saves once.
    dialogs.nextAnswer = platform::Dialogs::Yes;
    controller.deleteSelected();
    EXPECT_EQ(frame.saves, 2);
    EXPECT_FALSE(readProfile().contains("http://a.org"));

    // A caption renamed in place is kept at once.
    view.model()->setData(view.model()->index(0, 0), QStringLiteral("bee"), Qt::EditRole);
    controller.renamed();
    EXPECT_EQ(frame.saves, 3);
    EXPECT_TRUE(readProfile().contains("0=http://b.org|bee|"));
}

TEST_F(ControllerTest, NothingIsWrittenBeforeTheProfileWasReadNorOverAnUnreadableOne)
{
    const QByteArray stored = "[Tessaflow]\n0=http://a.org|a||\n";
    writeProfile(stored);
    // Before load(): a save could only replace the stored shortcuts with none.
    controller.addTargets({"http://early.org"});
    controller.end();
    EXPECT_EQ(readProfile(), stored);
    EXPECT_EQ(frame.saves, 0);

    // A profile that is a folder cannot be read: told once, as a notice, and kept.
    QTemporaryDir other;
    const QString folder = other.filePath(QStringLiteral("tsw.ini"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/inside")));
    CountingFrame otherFrame;
    platform::ListView otherView(&parent);
    launcher::Controller unreadable(folder, {dialogs, opener, clipboard, fileChooser, autostart, icons}, otherView,
                                    otherFrame, parent);
    unreadable.load();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("notice"));
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(QStringLiteral("The shortcuts could not be read from ")));
    // A save that fails for the same reason says nothing more.
    unreadable.addTargets({"http://x.org"});
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/inside")).isDir());
}

TEST_F(ControllerTest, ASaveFailureIsToldOnceInABoxButEveryTimeOnStandardErrorWhenEndingOnASignal)
{
    // The profile's folder is a plain file: no save can work, whoever runs this.
    const QString notAFolder = dir.filePath(QStringLiteral("plain"));
    QFile plain(notAFolder);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    CountingFrame otherFrame;
    platform::ListView otherView(&parent);
    launcher::Controller failing(notAFolder + QStringLiteral("/tsw.ini"),
                                 {dialogs, opener, clipboard, fileChooser, autostart, icons}, otherView, otherFrame,
                                 parent);
    failing.load();
    failing.addTargets({"http://one.org"});
    failing.addTargets({"http://two.org"});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("error"));
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(QStringLiteral("The shortcuts could not be saved to ")));
    // Both stay in the list, for a save that works.
    EXPECT_EQ(failing.model().count(), 2);

    failing.reporter().toStandardError();
    testing::internal::CaptureStderr();
    failing.end();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("tessaflow: The shortcuts could not be saved to "), std::string::npos) << said;
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(ControllerTest, DeleteRemovesTheShortcutItAskedAboutWhileAHandOverArrives)
{
    controller.load();
    controller.addTargets({"http://asked.org", "http://other.org"});
    view.selectRow(0);
    // A later start hands a link over while the question is up; it is added and selected.
    dialogs.whileAsking = [&] { controller.addTargets({"http://handed.org"}); };
    controller.deleteSelected();
    EXPECT_EQ(dialogs.shown.back().text,
              QStringLiteral("Are you sure you want to delete \u201Casked.org\u201D? Only the shortcut is removed; the file, "
                             "folder or web page it opens is not touched."));
    EXPECT_EQ(targets(), (QStringList{"http://other.org", "http://handed.org"}));
    EXPECT_FALSE(readProfile().contains("asked.org"));
}

TEST_F(ControllerTest, AnEditOfPropertiesIsSavedOnceAndACancelOrAGoneShortcutChangesNothing)
{
    controller.load();
    controller.addTargets({"http://a.org", "http://b.org"});
    const int saves = frame.saves;
    const QByteArray before = readProfile();
    view.selectRow(1);
    controller.editSelected([](const shortcuts::Shortcut &) { return std::nullopt; });
    EXPECT_EQ(frame.saves, saves);
    EXPECT_EQ(readProfile(), before);

    // The shortcut asked about goes while the window is up: nothing is applied to another.
    controller.editSelected([&](const shortcuts::Shortcut &shortcut) {
        controller.model().remove(1);
        shortcuts::Shortcut edited = shortcut;
        edited.comment = QStringLiteral("lost");
        return std::optional(edited);
    });
    EXPECT_EQ(controller.model().at(0).comment, QString());

    const int afterRemoval = frame.saves;
    view.selectRow(0);
    QString asked;
    controller.editSelected([&](const shortcuts::Shortcut &shortcut) {
        asked = shortcut.target;
        shortcuts::Shortcut edited = shortcut;
        edited.caption = QStringLiteral("Site");
        edited.comment = QStringLiteral("a|b");
        return std::optional(edited);
    });
    EXPECT_EQ(asked, "http://a.org");
    EXPECT_EQ(frame.saves, afterRemoval + 1);
    EXPECT_TRUE(readProfile().contains("0=http://a.org|Site|")) << readProfile().constData();
    EXPECT_TRUE(readProfile().contains("|comment=a%7Cb\n")) << readProfile().constData();
    // Nothing selected: nothing asked.
    view.clearSelection();
    bool askedAgain = false;
    controller.editSelected([&](const shortcuts::Shortcut &) {
        askedAgain = true;
        return std::optional<shortcuts::Shortcut>();
    });
    EXPECT_FALSE(askedAgain);
}

TEST_F(ControllerTest, OpeningTellsWhenATargetWasHandedToTheDesktop)
{
    controller.load();
    QSignalSpy opened(&controller, &launcher::Controller::shortcutOpened);
    const QString gone = dir.filePath(QStringLiteral("gone.txt"));
    controller.addTargets({"http://a.org", gone});
    // Nothing selected: nothing opened.
    view.clearSelection();
    controller.openSelected();
    EXPECT_EQ(opened.count(), 0);
    // The second as shown, by Alt+2's command.
    controller.openShown(1);
    EXPECT_EQ(opener.opened, QStringList{"http://a.org"});
    EXPECT_EQ(opened.count(), 1);
    // A missing target is not opened: the question comes instead, and No keeps it.
    dialogs.nextAnswer = platform::Dialogs::No;
    controller.openShown(2);
    EXPECT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(controller.model().count(), 2);
}

TEST_F(ControllerTest, ActionsAndOpenWithHandTheTargetAsAPathOrUriAndSaveNothing)
{
    controller.load();
    const QString entry = dir.filePath(QStringLiteral("tool.desktop"));
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Desktop Entry]\nType=Application\nName=Tool\nExec=tool\nActions=a;\n"
               "[Desktop Action a]\nName=Act\nExec=tool --act\n");
    file.close();
    controller.addTargets({"http://a.org/x", entry});
    const QByteArray saved = readProfile();
    QSignalSpy opened(&controller, &launcher::Controller::shortcutOpened);
    view.selectRow(1);
    ASSERT_EQ(controller.selectedActions().size(), 1u);
    EXPECT_EQ(controller.selectedActions()[0].name, "Act");
    controller.startAction(controller.selectedTarget(), controller.selectedActions()[0].id);
    controller.openWith(QStringLiteral("http://a.org/x"), QStringLiteral("/apps/browser.desktop"));
    // What names nothing is handed to nobody.
    controller.openWith(QString(), QStringLiteral("/apps/browser.desktop"));
    EXPECT_EQ(opener.started, (std::vector<RecordingOpener::Started>{
                                  {entry, "a", {}}, {"/apps/browser.desktop", "", {"http://a.org/x"}}}));
    EXPECT_EQ(opened.count(), 2);
    EXPECT_EQ(readProfile(), saved);
    // A web address has no entry actions.
    view.selectRow(0);
    EXPECT_TRUE(controller.selectedActions().empty());
}

TEST_F(ControllerTest, StartingAtLoginThatCannotChangeIsReported)
{
    // The login entry's folder cannot be made: a file stands in its place.
    QFile blocker(dir.filePath(QStringLiteral("autostart")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSignalSpy changed(&controller, &launcher::Controller::startAtLoginChanged);
    controller.setStartAtLogin(true);
    EXPECT_FALSE(controller.startsAtLogin());
    EXPECT_EQ(changed.count(), 1);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(QStringLiteral("Starting at login could not be changed: ")));
}

} // namespace

TEST_F(ControllerTest, MovingShortcutsSavesTheNewOrderOnceAndNotWhileFinding)
{
    writeProfile("[Tessaflow]\n0=http://a.org|a||\n1=http://b.org|b||\n2=http://c.org|c||\n");
    controller.load();
    view.selectRow(2);
    controller.moveSelected(-1);
    EXPECT_EQ(frame.saves, 1);
    EXPECT_TRUE(readProfile().contains("1=http://c.org|c|"));
    EXPECT_TRUE(readProfile().contains("2=http://b.org|b|"));
    // At the start already: nothing moves, nothing is written.
    view.selectRow(0);
    controller.moveSelected(-1);
    EXPECT_EQ(frame.saves, 1);
    // Dragged onto the first one's place.
    controller.moveOnto({2}, 0);
    EXPECT_EQ(targets(), (QStringList{"http://b.org", "http://a.org", "http://c.org"}));
    EXPECT_EQ(frame.saves, 2);
    // While typing finds shortcuts the list shows the matches' order: the keys move nothing.
    view.showMatches({2, 0});
    controller.moveSelected(1);
    EXPECT_EQ(targets(), (QStringList{"http://b.org", "http://a.org", "http://c.org"}));
    EXPECT_EQ(frame.saves, 2);
}

TEST_F(ControllerTest, ApplicationsAlreadyAddedAreSelectedNotAddedAgain)
{
    writeProfile("[Tessaflow]\n");
    controller.load();
    const auto entry = [this](const char *name) {
        const QString path = dir.filePath(QLatin1String(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Desktop Entry]\nType=Application\nName=App\nExec=true\n");
        return path;
    };
    const QString editor = entry("editor.desktop");
    const QString viewer = entry("viewer.desktop");
    controller.addApplications({editor});
    ASSERT_EQ(targets(), QStringList{editor});

    // One already there, one new: the list holds each once, both are selected.
    controller.addApplications({viewer, editor});
    EXPECT_EQ(targets(), (QStringList{editor, viewer}));
    EXPECT_EQ(view.selectedRows(), (std::vector<int>{0, 1}));
    EXPECT_EQ(readProfile().count(".desktop|"), 2);

    // Only ones already there: nothing is added or saved, the old one is selected.
    const QByteArray saved = readProfile();
    const int saves = frame.saves;
    controller.addApplications({editor});
    EXPECT_EQ(targets(), (QStringList{editor, viewer}));
    EXPECT_EQ(view.selectedRows(), std::vector<int>{0});
    EXPECT_EQ(frame.saves, saves);
    EXPECT_EQ(readProfile(), saved);
}
