// What other programs write to the profile while the window is open: merged
// into the window a moment after the watch tells of it, written back only
// when the merge changed something here.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

#include "launcher/OutsideChanges.h"
#include "support/ControllerFixture.h"
#include "support/RecordingFolderWatch.h"

using namespace testing_support;

namespace {

class OutsideChangesTest : public ControllerFixture {
protected:
    RecordingFolderWatch watch;
    launcher::ProfileWatch profileWatch{controller, watch, std::chrono::milliseconds(10)};

    void SetUp() override
    {
        writeProfile("[Tessaflow]\nArrange=1\n"
                     "0=http://a.org|alpha||\n"
                     "1=http://b.org|beta||\n");
        controller.load();
        frame.saves = 0;
    }
    // As a sync tool writes: a new file renamed over the profile.
    void replaceProfile(const QByteArray &text, const QString &name = QStringLiteral("tsw.ini"))
    {
        const QString temporary = dir.filePath(QStringLiteral(".incoming"));
        QFile file(temporary);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        ASSERT_EQ(std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(dir.filePath(name)).constData()), 0);
    }
    QStringList captions()
    {
        QStringList out;
        for (const auto &shortcut : controller.model().shortcuts())
            out << shortcut.caption;
        return out;
    }
    QStringList notices() const
    {
        QStringList out;
        for (const auto &shown : dialogs.shown)
            if (shown.kind == QLatin1String("notice"))
                out << shown.text;
        return out;
    }
    QStringList kept() const
    {
        // Another program's, in the versions' folder.
        return QDir(dir.filePath(QStringLiteral("tsw.versions"))).entryList({QStringLiteral("*-other.ini")}, QDir::Files,
                                                                           QDir::Name);
    }
};

TEST_F(OutsideChangesTest, AShortcutAddedThereShowsAndTheFileIsNotWrittenBack)
{
    EXPECT_EQ(watch.watched, QStringList{profile});
    const QByteArray theirs = "[Tessaflow]\nArrange=1\n"
                              "0=http://a.org|alpha||\n"
                              "1=http://b.org|beta||\n"
                              "2=http://c.org|gamma||\n";
    replaceProfile(theirs);
    watch.fire();
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller.model().count() == 3; }, 2000));
    EXPECT_EQ(captions(), (QStringList{"alpha", "beta", "gamma"}));
    EXPECT_EQ(shownCaptions(), (QStringList{"alpha", "beta", "gamma"}));
    // Equal to theirs: nothing written, nothing kept, nobody told.
    EXPECT_EQ(readProfile(), theirs);
    EXPECT_EQ(frame.saves, 0);
    EXPECT_TRUE(kept().isEmpty());
    EXPECT_TRUE(notices().isEmpty());

    // The next save here starts from their file and keeps no copy of it.
    controller.addTargets({QStringLiteral("http://d.org")});
    EXPECT_TRUE(kept().isEmpty());
    EXPECT_TRUE(readProfile().contains("3=http://d.org|"));
}

TEST_F(OutsideChangesTest, WaitsWhileAQuestionIsUp)
{
    QDialog question(&parent);
    question.setModal(true);
    question.show();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 2000));
    replaceProfile("[Tessaflow]\nArrange=1\n0=http://b.org|beta||\n");
    watch.fire();
    // Many settle times (10 ms each) pass with nothing taken away under the
    // question's feet; once it is answered the change comes in.
    QTest::qWait(150);
    EXPECT_EQ(controller.model().count(), 2);
    question.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller.model().count() == 1; }, 2000));
}

TEST_F(OutsideChangesTest, OurOwnSavesAreNotMergedAgain)
{
    controller.addTargets({QStringLiteral("http://c.org")});
    const QByteArray saved = readProfile();
    const int saves = frame.saves;
    watch.fire();
    controller.mergeOutsideChanges();
    EXPECT_EQ(captions(), (QStringList{"alpha", "beta", "c.org"}));
    EXPECT_EQ(frame.saves, saves);
    EXPECT_EQ(readProfile(), saved);
    EXPECT_TRUE(kept().isEmpty());
}

TEST_F(OutsideChangesTest, RemovedThereGoesHereAndTheVersionBeforeIsKept)
{
    const QByteArray before = readProfile();
    replaceProfile("[Tessaflow]\nArrange=1\n0=http://b.org|beta||\n");
    controller.mergeOutsideChanges();
    EXPECT_EQ(captions(), QStringList{"beta"});
    ASSERT_EQ(kept().size(), 1);
    QFile version(dir.filePath(QStringLiteral("tsw.versions/") + kept().first()));
    ASSERT_TRUE(version.open(QIODevice::ReadOnly));
    EXPECT_EQ(version.readAll(), before);
    EXPECT_EQ(frame.saves, 0);
}

TEST_F(OutsideChangesTest, ChangedOnBothSidesShowsBothSavesOnceAndTellsOnce)
{
    // Renamed here, not yet saved (a save that failed, or one on its way).
    shortcuts::Shortcut renamed = controller.model().at(0);
    renamed.caption = QStringLiteral("alpha here");
    ASSERT_TRUE(controller.model().edit(0, renamed));
    replaceProfile("[Tessaflow]\nArrange=1\n"
                   "0=http://a.org|alpha there||\n"
                   "1=http://b.org|beta||\n"
                   "2=http://c.org|gamma||\n");
    watch.fire();
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller.model().count() == 4; }, 2000));
    EXPECT_EQ(captions(), (QStringList{"alpha here", "alpha there", "beta", "gamma"}));
    EXPECT_EQ(frame.saves, 1);
    const QByteArray saved = readProfile();
    EXPECT_TRUE(saved.contains("0=http://a.org|alpha here|"));
    EXPECT_TRUE(saved.contains("1=http://a.org|alpha there|"));
    EXPECT_EQ(notices().size(), 1);
    // Their file is what this copy merged: the save keeps no copy of it.
    EXPECT_TRUE(kept().isEmpty());

    // Merged once: the next look finds only our own save.
    controller.mergeOutsideChanges();
    EXPECT_EQ(frame.saves, 1);
    EXPECT_EQ(notices().size(), 1);
}

TEST_F(OutsideChangesTest, AConflictCopyIsMergedThenPutAwayAsAVersion)
{
    const QByteArray copy = "[Tessaflow]\nArrange=1\n"
                            "0=http://a.org|alpha||\n"
                            "1=http://b.org|beta||\n"
                            "2=http://z.org|zeta||\n";
    const QString name = QStringLiteral("tsw.sync-conflict-20261211-001122-ABCDEFG.ini");
    replaceProfile(copy, name);
    watch.fire();
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller.model().count() == 3; }, 2000));
    EXPECT_EQ(captions(), (QStringList{"alpha", "beta", "zeta"}));
    // Not what the profile held: written, once.
    EXPECT_EQ(frame.saves, 1);
    EXPECT_TRUE(readProfile().contains("2=http://z.org|zeta|"));
    EXPECT_FALSE(QFile::exists(dir.filePath(name)));
    ASSERT_EQ(kept().size(), 1);
    QFile version(dir.filePath(QStringLiteral("tsw.versions/") + kept().first()));
    ASSERT_TRUE(version.open(QIODevice::ReadOnly));
    EXPECT_EQ(version.readAll(), copy);
    EXPECT_TRUE(notices().isEmpty());
}

TEST_F(OutsideChangesTest, AnOldConflictCopyFoundAtStartTakesNothingAway)
{
    // Left while no copy ran, from before beta was added: its zeta comes in,
    // beta stays.
    replaceProfile("[Tessaflow]\nArrange=1\n0=http://a.org|alpha||\n1=http://z.org|zeta||\n",
                   QStringLiteral("tsw (Ada's conflicted copy 2026-12-10).ini"));
    controller.mergeOutsideChanges();
    EXPECT_EQ(captions(), (QStringList{"alpha", "beta", "zeta"}));
    EXPECT_TRUE(readProfile().contains("1=http://b.org|beta|"));
    EXPECT_TRUE(readProfile().contains("2=http://z.org|zeta|"));
    EXPECT_EQ(kept().size(), 1);
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("*conflicted*")}).isEmpty());
}

} // namespace
