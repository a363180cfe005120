// The window of earlier versions: what it lists, and restoring one.
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/profile/ProfileVersions.h"
#include "ui/EarlierVersions.h"
#include "support/WindowFixture.h"

using namespace testing_support;

namespace {

class EarlierVersionsTest : public WindowFixture {
protected:
    QStringList rows(const ui::EarlierVersions &versions) const
    {
        QStringList texts;
        for (int i = 0; i < versions.list().count(); ++i)
            texts << versions.list().item(i)->text();
        return texts;
    }
    QStringList captions(ui::MainWindow &window) const
    {
        QStringList out;
        for (const auto &shortcut : window.model().shortcuts())
            out << shortcut.caption;
        return out;
    }
};

} // namespace

TEST_F(EarlierVersionsTest, ListsTheVersionsNewestFirstAndRestoresOne)
{
    writeProfile("[Tessaflow]\n0=http://report.org|report||\n1=http://old.org|old||\n");
    auto window = open();
    // Saved as the window writes it first (that rewrite's version is not
    // what this is about), then two changes.
    ASSERT_TRUE(window->controller().save());
    const QString folder = dir.filePath("tsw.versions");
    ASSERT_TRUE(QDir(folder).removeRecursively());
    window->controller().replaceShortcuts({{*shortcuts::makeShortcut("http://report.org", "report")}, {QString()}});
    ASSERT_TRUE(shortcuts::addShortcut(window->model(), "http://notes.org", "notes"));
    ASSERT_TRUE(window->controller().save());
    // Another program's version, found by the next save.
    writeProfile("[Tessaflow]\n0=http://theirs.org|theirs||\n");
    ASSERT_TRUE(window->controller().save());
    // A damaged version, and a folder with a version's name (not listed).
    ASSERT_TRUE(QDir(folder).mkpath("20000101-000000-000.ini"));
    {
        QFile f(folder + "/20000101-000000-001.ini");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\0\x01\xff garbage", 12));
    }

    auto *versions = ui::EarlierVersions::openOver(*window, window->controller());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(versions));
    EXPECT_EQ(versions->windowTitle(), "Tessaflow - Earlier Versions");
    EXPECT_EQ(versions->findChild<QListWidget *>("lstVersions"), &versions->list());
    EXPECT_FALSE(versions->list().accessibleName().isEmpty());
    auto *restore = versions->findChild<QPushButton *>("cmdRestore");
    ASSERT_TRUE(restore && versions->findChild<QPushButton *>("cmdClose"));

    const QStringList shown = rows(*versions);
    ASSERT_EQ(shown.size(), 4) << shown.join('\n').toStdString();
    // Newest first: theirs, then the one with report and notes, then the first.
    EXPECT_TRUE(shown[0].contains("1 shortcut") && shown[0].contains("+ theirs; \u2212 report, notes")
                && shown[0].contains("changed by another program"))
        << shown[0].toStdString();
    EXPECT_TRUE(shown[1].contains("1 shortcut") && shown[1].contains("\u2212 notes")
                && !shown[1].contains("another program"))
        << shown[1].toStdString();
    EXPECT_TRUE(shown[2].contains("2 shortcuts") && shown[2].contains("+ old; \u2212 notes")) << shown[2].toStdString();
    EXPECT_TRUE(shown[3].contains("unreadable")) << shown[3].toStdString();
    versions->list().setCurrentRow(3);
    EXPECT_FALSE(restore->isEnabled());

    // The first of all comes back; what it replaced is the newest version now.
    versions->list().setCurrentRow(2);
    versions->list().item(2)->setSelected(true);
    ASSERT_TRUE(restore->isEnabled());
    QTest::mouseClick(restore, Qt::LeftButton);
    EXPECT_EQ(captions(*window), (QStringList{"report", "old"}));
    EXPECT_TRUE(readProfile().contains("|old|"));
    const QStringList after = rows(*versions);
    ASSERT_EQ(after.size(), shown.size() + 1);
    EXPECT_TRUE(after[0].contains("2 shortcuts · + notes; \u2212 old")) << after[0].toStdString();
    // Asked again: the same window.
    EXPECT_EQ(ui::EarlierVersions::openOver(*window, window->controller()), versions);
}

TEST_F(EarlierVersionsTest, NoFolderListsNothingAndAFileInItsPlaceIsTold)
{
    auto window = open();
    auto *versions = ui::EarlierVersions::openOver(*window, window->controller());
    EXPECT_EQ(versions->list().count(), 0);
    EXPECT_FALSE(versions->findChild<QPushButton *>("cmdRestore")->isEnabled());
    versions->close();
    QFile file(dir.filePath("tsw.versions"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    versions = ui::EarlierVersions::openOver(*window, window->controller());
    auto *problem = versions->findChild<QLabel *>("lblVersionsProblem");
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->text().contains("tsw.versions")) << problem->text().toStdString();
}

TEST_F(EarlierVersionsTest, AVersionThatCannotBeKeptIsToldOnceAndTheShortcutsAreSaved)
{
    writeProfile("[Tessaflow]\n0=http://one.org|one||\n");
    {
        QFile file(dir.filePath("tsw.versions"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    auto window = open();
    for (const char *target : {"http://two.org", "http://three.org"}) {
        ASSERT_TRUE(shortcuts::addShortcut(window->model(), target));
        ASSERT_TRUE(window->controller().save());
        EXPECT_TRUE(readProfile().contains(target));
    }
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains("earlier version could not be kept")
                && dialogs.shown[0].text.contains(dir.filePath("tsw.versions")))
        << dialogs.shown[0].text.toStdString();
}
