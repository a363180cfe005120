// Typing finds installed applications too: offered after every shortcut
// that matches, started by Enter only when no shortcut matches or when one is
// chosen, added by Ctrl+Enter; never taken for a shortcut by any command.
#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "launcher/Controller.h"
#include "platform/widgets/ItemRoles.h"
#include "support/ControllerFixture.h"
#include "support/QtPrinters.h"

using namespace testing_support;

namespace {

// Arranged automatically (1: the offers follow the matches in the list) or
// placed by hand (0: the offers stand in a small list of their own).
class FindingApplicationsTest : public ControllerFixture, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        view.resize(400, 300);
        parent.resize(400, 300);
        writeProfile("[Tessaflow]\nArrange=" + QByteArray::number(GetParam())
                     + "\nSView=0\n0=http://notes.example.org|Notes page||\n1=http://clock.example.org|Clock||\n");
        controller.load();
        ASSERT_EQ(view.placedByHand(), GetParam() == 0);
        std::vector<platform::Application> installed = {entry("Notes"), entry("Notepad"), entry("Mail")};
        controller.offers().setReader([installed] { return installed; });
    }

    // An installed application with its desktop entry on disk.
    platform::Application entry(const QString &name)
    {
        platform::Application app;
        app.id = name.toLower() + QStringLiteral(".desktop");
        app.path = dir.filePath(QStringLiteral("applications/") + app.id);
        app.name = name;
        app.program = name.toLower();
        QDir().mkpath(dir.filePath(QStringLiteral("applications")));
        QFile file(app.path);
        if (file.open(QIODevice::WriteOnly))
            file.write("[Desktop Entry]\nType=Application\nName=" + name.toUtf8() + "\nExec=" + name.toLower().toUtf8()
                       + "\n");
        return app;
    }
    // Types `text` and waits until the applications a new search reads are offered.
    void type(const QString &text)
    {
        controller.finder().type(text);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !controller.offers().reading(); }));
        QCoreApplication::processEvents();
    }
    // What the list shows, in its order: captions, applications as "app:name".
    QStringList shownInList()
    {
        QStringList out;
        for (int row = 0; row < view.model()->rowCount(); ++row) {
            const QModelIndex index = view.model()->index(row, 0);
            if (index.data(platform::ItemRole::Faded).toBool())
                continue;
            const int item = view.rowOf(index);
            out << (item >= 0 ? controller.model().at(item).caption
                              : QStringLiteral("app:") + index.data(Qt::AccessibleTextRole).toString());
        }
        return out;
    }
    QString entryOf(const QString &name) const
    {
        return dir.filePath(QStringLiteral("applications/") + name.toLower() + QStringLiteral(".desktop"));
    }
};

TEST_P(FindingApplicationsTest, ApplicationsFollowEveryShortcutMatchAndEnterOpensTheShortcut)
{
    type(QStringLiteral("note"));
    ASSERT_EQ(view.offerCount(), 2);
    // "Notepad" would rank above "Notes page" among shortcuts (both start
    // with the text); still no application stands before a shortcut.
    if (GetParam() == 1)
        EXPECT_EQ(shownInList(), (QStringList{"Notes page", "app:Notepad", "app:Notes"}));
    else
        EXPECT_EQ(shownInList(), QStringList{"Notes page"});
    EXPECT_EQ(view.selectedRow(), 0);
    EXPECT_EQ(view.selectedOffer(), -1);
    controller.openSelected();
    EXPECT_EQ(opener.opened, QStringList{"http://notes.example.org"});
}

TEST_P(FindingApplicationsTest, EnterWhileTheApplicationsAreReadStartsTheBestOnceTheyAreIn)
{
    // The read waits until the test lets it go.
    auto release = std::make_shared<QSemaphore>();
    std::vector<platform::Application> installed = {entry("Mail"), entry("Notes")};
    controller.offers().setReader([installed, release] {
        release->acquire();
        return installed;
    });
    controller.finder().type(QStringLiteral("mai"));
    ASSERT_TRUE(controller.offers().reading());
    controller.openSelected();
    EXPECT_TRUE(opener.opened.isEmpty());
    release->release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !controller.offers().reading(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(opener.opened, QStringList{entryOf("Mail")});

    // Once only: the next index read opens nothing by itself.
    controller.finder().type(QString());
    controller.finder().type(QStringLiteral("mai"));
    release->release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !controller.offers().reading(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(opener.opened.size(), 1);
}

TEST_P(FindingApplicationsTest, AnApplicationThatMatchesHidesTheShortcutsASlipAway)
{
    controller.addTargets({QStringLiteral("http://nail.example.org")});
    // Without applications, "mail" is one letter from "nail.example.org".
    controller.setFindApplications(false);
    controller.finder().type(QStringLiteral("mail"));
    EXPECT_TRUE(controller.finder().showsCloseMatches());
    controller.finder().clear();

    controller.setFindApplications(true);
    type(QStringLiteral("mail"));
    EXPECT_FALSE(controller.finder().showsCloseMatches());
    EXPECT_EQ(view.offerCount(), 1);
    EXPECT_FALSE(shownInList().contains(QStringLiteral("nail.example.org")));
    controller.openSelected();
    EXPECT_EQ(opener.opened, QStringList{entryOf("Mail")});
}

TEST_P(FindingApplicationsTest, EnterStartsTheBestApplicationWhenNoShortcutMatches)
{
    QSignalSpy opened(&controller, &launcher::Controller::shortcutOpened);
    type(QStringLiteral("mai"));
    EXPECT_EQ(view.selectedRow(), -1);
    EXPECT_EQ(view.selectedOffer(), 0);
    controller.openSelected();
    // As opening a shortcut to its desktop entry starts it.
    EXPECT_EQ(opener.opened, QStringList{entryOf("Mail")});
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(controller.model().count(), 2);
}

TEST_P(FindingApplicationsTest, ADoubleClickedApplicationIsStarted)
{
    type(QStringLiteral("note"));
    // As the view reports a double-click on the second application.
    emit view.offerOpenRequested(1);
    EXPECT_EQ(opener.opened, QStringList{entryOf("Notes")});
    // Where it shares the list, a double-click on its row reaches the same.
    if (GetParam() == 1) {
        view.openViewRow(view.model()->rowCount() - 2);
        EXPECT_EQ(opener.opened, (QStringList{entryOf("Notes"), entryOf("Notepad")}));
    }
}

TEST_P(FindingApplicationsTest, DownReachesTheApplicationsAfterTheShortcutsAndCtrlEnterAddsOne)
{
    type(QStringLiteral("note"));
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &down);
    EXPECT_EQ(view.selectedRow(), -1);
    EXPECT_EQ(view.selectedOffer(), 0);
    QCoreApplication::sendEvent(&view, &down);
    QCoreApplication::sendEvent(&view, &down);
    ASSERT_EQ(view.selectedOffer(), 1); // the last one stays
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &up);
    EXPECT_EQ(view.selectedOffer(), 0);

    controller.addSelectedApplication();
    ASSERT_EQ(controller.model().count(), 3);
    EXPECT_EQ(controller.model().at(2).target, entryOf("Notepad"));
    EXPECT_EQ(controller.model().at(2).caption, "Notepad");
    // The typing ends and the new shortcut is the one selected.
    EXPECT_FALSE(view.filtered());
    EXPECT_EQ(view.selectedRows(), std::vector<int>{2});
    EXPECT_EQ(view.offerCount(), 0);
    EXPECT_TRUE(opener.opened.isEmpty());

    // Found again, it is a shortcut now, and offered no more.
    type(QStringLiteral("notep"));
    EXPECT_EQ(view.offerCount(), 0);
    EXPECT_EQ(view.selectedRow(), 2);
}

TEST_P(FindingApplicationsTest, NoShortcutCommandActsOnAnApplication)
{
    type(QStringLiteral("mai"));
    ASSERT_EQ(view.selectedOffer(), 0);
    EXPECT_EQ(view.selectedRow(), -1);
    EXPECT_TRUE(view.selectedRows().empty());
    EXPECT_EQ(view.shownRow(1), -1); // Alt+1 opens nothing
    controller.openShown(1);
    EXPECT_FALSE(view.editCaption());
    controller.deleteSelected();
    controller.copySelectedTarget();
    controller.showSelectedInFolder();
    controller.moveSelected(1);
    controller.moveOnto(view.selectedRows(), 0);
    EXPECT_EQ(controller.selectedTarget(), QString());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(clipboard.data, nullptr);
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(opener.shownInFolder.isEmpty());
    EXPECT_EQ(controller.model().count(), 2);
    EXPECT_EQ(controller.model().at(0).caption, "Notes page");
    // Where the offers share the list, a row of it is never an item's.
    if (GetParam() == 1) {
        const QModelIndex offer = view.model()->index(view.model()->rowCount() - 1, 0);
        EXPECT_EQ(view.rowOf(offer), -1);
        EXPECT_EQ(view.model()->flags(offer) & (Qt::ItemIsDragEnabled | Qt::ItemIsEditable), 0);
        EXPECT_EQ(view.model()->mimeData({offer}), nullptr);
    }
}

TEST_P(FindingApplicationsTest, OffNoApplicationIsOfferedAndEscapeEndsTheSearch)
{
    controller.setFindApplications(false);
    controller.finder().type(QStringLiteral("mai"));
    EXPECT_FALSE(controller.offers().reading());
    EXPECT_EQ(view.offerCount(), 0);
    EXPECT_EQ(view.selectedOffer(), -1);
    controller.openSelected();
    EXPECT_TRUE(opener.opened.isEmpty());

    controller.finder().clear();
    controller.setFindApplications(true);
    type(QStringLiteral("mai"));
    EXPECT_EQ(view.offerCount(), 1);
    controller.finder().clear();
    EXPECT_EQ(view.offerCount(), 0);
    EXPECT_EQ(view.model()->rowCount(), 2);
}

INSTANTIATE_TEST_SUITE_P(Arrangements, FindingApplicationsTest, ::testing::Values(1, 0),
                         [](const auto &info) { return info.param == 1 ? "Arranged" : "PlacedByHand"; });

} // namespace
