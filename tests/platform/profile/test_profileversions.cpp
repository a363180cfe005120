// Earlier versions of the profile: how many are kept, where, and what a
// hostile folder or a full disk does to them (nothing to the profile).
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/profile/ProfileFile.h"
#include "platform/profile/ProfileVersions.h"
#include "ProfileFileFixture.h"

using platform::ProfileFile;
using platform::ProfileVersion;
using platform::VersionKind;
using platform::VersionLimits;
using testing_support::ProfileFileTest;

namespace {

// Noon local time of a day, so that hours either side stay on that day.
QDateTime noon(int daysAgo) { return QDateTime(QDate(2026, 6, 30).addDays(-daysAgo), QTime(12, 0)); }

std::vector<ProfileVersion> versionsAt(const std::vector<QDateTime> &times, qint64 size = 100)
{
    std::vector<ProfileVersion> versions;
    for (const QDateTime &when : times)
        versions.push_back({QString(), when.toUTC(), VersionKind::Replaced, size, 0});
    return versions;
}

std::vector<size_t> range(size_t from, size_t to)
{
    std::vector<size_t> indexes;
    for (size_t i = from; i < to; ++i)
        indexes.push_back(i);
    return indexes;
}

} // namespace

TEST(ProfileVersionsRetention, TheLastChangesAndOneADayForTheLastDaysWithinABudget)
{
    const QDateTime now = noon(0).addSecs(3600);
    // 40 changes in the last hour: the newest 30.
    std::vector<QDateTime> times;
    for (int i = 0; i < 40; ++i)
        times.push_back(now.addSecs(-60 * (i + 1)));
    EXPECT_EQ(platform::versionsBeyond(versionsAt(times), now, {}), range(30, 40));

    // One a day for 90 days: those of the last 60 days.
    times.clear();
    for (int day = 0; day < 90; ++day)
        times.push_back(noon(day));
    EXPECT_EQ(platform::versionsBeyond(versionsAt(times), now, {}), range(60, 90));

    // Four a day (at 6, 10, 14, 18 h) for 20 days: the 30 newest cover days
    // 0 to 7 (two of day 7); of each day after, its newest, at 18 h.
    times.clear();
    for (int day = 0; day < 20; ++day)
        for (int hour : {18, 14, 10, 6})
            times.push_back(noon(day).addSecs(3600 * (hour - 12)));
    std::vector<size_t> expected;
    for (size_t i = 30; i < 80; ++i)
        if (i % 4 != 0)
            expected.push_back(i);
    EXPECT_EQ(platform::versionsBeyond(versionsAt(times), now, {}), expected);

    // Bytes: the newest always, older ones while they fit.
    times = {noon(0), noon(1), noon(2), noon(3), noon(4)};
    const VersionLimits fourMegabytes{30, 60, 4 << 20};
    EXPECT_EQ(platform::versionsBeyond(versionsAt(times, 2 << 20), now, fourMegabytes), range(2, 5));
    auto versions = versionsAt(times, 1000);
    versions[0].size = 10 << 20;
    EXPECT_EQ(platform::versionsBeyond(versions, now, fourMegabytes), range(1, 5));
    // No limits at all: only the newest.
    EXPECT_EQ(platform::versionsBeyond(versionsAt(times), now, {0, 0, 0}), range(1, 5));
}

class ProfileVersionsTest : public ProfileFileTest {
protected:
    QString folder() const { return path("profile.versions"); }
    std::vector<ProfileVersion> listed() const
    {
        std::vector<ProfileVersion> versions;
        QString error;
        EXPECT_TRUE(platform::listVersions(path(), versions, &error)) << error.toStdString();
        return versions;
    }
    static QByteArray contents(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    // Saves `value` under the update's lock, the file first kept as a version.
    static bool saveChanged(const ProfileFile &file, const QString &value, QString *error = nullptr)
    {
        platform::ProfileUpdate update(file);
        platform::ProfileDocument doc;
        if (!update.load(doc, error))
            return false;
        doc.setValue("S", "k", value);
        return update.saveKeepingVersion(doc, error);
    }
};

TEST_F(ProfileVersionsTest, VersionsAreWholeFilesOfTheirOwnListedNewestFirstAndPruned)
{
    EXPECT_TRUE(listed().empty()) << "no folder: no versions, and no error";
    const QDateTime start = noon(0);
    QString error;
    for (int i = 0; i < 35; ++i) {
        const QString kept = platform::keepVersion(path(), QByteArray::number(i), VersionKind::Replaced,
                                                   start.addSecs(60 * i), {}, &error);
        ASSERT_FALSE(kept.isEmpty()) << error.toStdString();
        EXPECT_EQ(QFileInfo(kept).path(), folder());
    }
    // The same moment twice: names of their own, the later one listed first.
    const QDateTime last = start.addSecs(3600);
    const QString first = platform::keepVersion(path(), "A", VersionKind::Replaced, last);
    const QString second = platform::keepVersion(path(), "B", VersionKind::Replaced, last);
    ASSERT_NE(first, second);
    // Another program's carries its mark.
    const QString third = platform::keepVersion(path(), "C", VersionKind::ChangedElsewhere, last.addMSecs(1));
    EXPECT_TRUE(third.endsWith("-other.ini")) << third.toStdString();

    const auto versions = listed();
    ASSERT_EQ(versions.size(), 30u);
    EXPECT_EQ(contents(versions[0].path), "C");
    EXPECT_EQ(versions[0].kind, VersionKind::ChangedElsewhere);
    EXPECT_EQ(contents(versions[1].path), "B");
    EXPECT_EQ(contents(versions[2].path), "A");
    EXPECT_EQ(versions[2].kind, VersionKind::Replaced);
    EXPECT_EQ(versions[2].when, last.toUTC());
    EXPECT_EQ(contents(versions[29].path), "8");
    // Nothing else in the folder: no temporary file, nothing beside the profile.
    EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 30);
    EXPECT_EQ(entries(), QStringList{"profile.versions"});
}

TEST_F(ProfileVersionsTest, OnlyRegularFilesWithAVersionsNameAreListedOrRemoved)
{
    ASSERT_TRUE(QDir().mkdir(folder()));
    put("user's", "profile.versions/notes.txt");
    const QString fifo = folder() + "/20260101-000000-000.ini";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    put("target", "elsewhere");
    ASSERT_TRUE(QFile::link(path("elsewhere"), folder() + "/20260101-000000-001.ini"));
    // Prune everything but the newest: the others are left alone.
    for (int i = 0; i < 3; ++i)
        ASSERT_FALSE(platform::keepVersion(path(), "v", VersionKind::Replaced, noon(0).addSecs(i), {0, 0, 0}).isEmpty());
    const auto versions = listed();
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(versions[0].when, noon(0).addSecs(2).toUTC());
    EXPECT_TRUE(QFileInfo::exists(fifo));
    EXPECT_TRUE(QFileInfo(folder() + "/20260101-000000-001.ini").isSymLink());
    EXPECT_EQ(get("elsewhere"), "target");
    EXPECT_EQ(get("profile.versions/notes.txt"), "user's");
}

TEST_F(ProfileVersionsTest, HostileFoldersAreReportedAtOnceAndTheProfileIsStillSaved)
{
    // What may be at the folder's name instead of a folder of ours.
    const std::vector<std::pair<const char *, std::function<void(const QString &)>>> cases = {
        {"a FIFO", [](const QString &at) { ASSERT_EQ(::mkfifo(QFile::encodeName(at).constData(), 0600), 0); }},
        {"a link to a folder",
         [this](const QString &at) {
             ASSERT_TRUE(QDir().mkdir(path("real")));
             ASSERT_TRUE(QFile::link(path("real"), at));
         }},
        {"a dangling link", [this](const QString &at) { ASSERT_TRUE(QFile::link(path("nowhere"), at)); }},
        {"a file", [this](const QString &) { put("a file", "profile.versions"); }},
    };
    for (const auto &[what, make] : cases) {
        SCOPED_TRACE(what);
        for (const QString &name : entries())
            ASSERT_TRUE(QFileInfo(path(name)).isDir() && !QFileInfo(path(name)).isSymLink()
                            ? QDir(path(name)).removeRecursively()
                            : QFile::remove(path(name)));
        put("[S]\nk=old\n");
        make(folder());
        ProfileFile file(path());
        platform::ProfileDocument doc;
        ASSERT_TRUE(file.load(doc));
        QElapsedTimer timer;
        timer.start();
        QString error;
        ASSERT_TRUE(saveChanged(file, "new", &error)) << error.toStdString();
        EXPECT_LT(timer.elapsed(), 2000) << "never waits on what is there";
        EXPECT_EQ(get(), "[S]\nk=new\n");
        EXPECT_TRUE(file.takeVersionProblem().contains(folder()));
        EXPECT_TRUE(file.takeVersionProblem().isEmpty()) << "told once";
        EXPECT_FALSE(QFileInfo::exists(path("nowhere")));
        if (QFileInfo::exists(path("real")))
            EXPECT_TRUE(QDir(path("real")).isEmpty()) << "nothing written through the link";
        std::vector<ProfileVersion> versions;
        EXPECT_FALSE(platform::listVersions(path(), versions, &error));
    }
}

TEST_F(ProfileVersionsTest, AFolderWithoutRightsIsReported)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "rights do not hold for root";
    put("[S]\nk=old\n");
    ASSERT_TRUE(QDir().mkdir(folder()));
    ASSERT_EQ(::chmod(QFile::encodeName(folder()).constData(), 0500), 0);
    ProfileFile file(path());
    platform::ProfileDocument doc;
    ASSERT_TRUE(file.load(doc));
    EXPECT_TRUE(saveChanged(file, "new"));
    ::chmod(QFile::encodeName(folder()).constData(), 0700);
    EXPECT_EQ(get(), "[S]\nk=new\n");
    EXPECT_FALSE(file.takeVersionProblem().isEmpty());
    EXPECT_TRUE(listed().empty());
}

TEST_F(ProfileVersionsTest, AFullDiskLeavesNoPartOfAVersionAndTheSaveGoesOn)
{
    // The old file is large, the new one small: only the version meets the limit.
    const QByteArray old = "[S]\nk=" + QByteArray(20000, 'o') + "\n";
    put(old);
    ProfileFile file(path());
    platform::ProfileDocument doc;
    ASSERT_TRUE(file.load(doc));
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool savedNew = saveChanged(file, "new", &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(savedNew) << error.toStdString();
    EXPECT_EQ(get(), "[S]\nk=new\n");
    EXPECT_FALSE(file.takeVersionProblem().isEmpty());
    EXPECT_TRUE(listed().empty());
    EXPECT_TRUE(QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    // Room again: the next change keeps its version.
    ASSERT_TRUE(saveChanged(file, "newer"));
    ASSERT_EQ(listed().size(), 1u);
    EXPECT_EQ(contents(listed()[0].path), "[S]\nk=new\n");
}

TEST_F(ProfileVersionsTest, AnotherProgramsChangeBecomesAMarkedVersionAndIsKeptOnce)
{
    put("[S]\nk=mine\n");
    ProfileFile file(path());
    platform::ProfileDocument doc;
    ASSERT_TRUE(file.load(doc));
    // A new file, changed to nothing that was there: nothing to keep.
    ASSERT_TRUE(saveChanged(file, "mine 2"));
    ASSERT_EQ(listed().size(), 1u);
    EXPECT_TRUE(file.takeBackupNotice().isEmpty());

    put("[S]\nk=theirs\n", "other");
    ASSERT_EQ(::rename(QFile::encodeName(path("other")).constData(), QFile::encodeName(path()).constData()), 0);
    ASSERT_TRUE(saveChanged(file, "mine 3"));
    const auto versions = listed();
    ASSERT_EQ(versions.size(), 2u) << "theirs kept once, not again as the file replaced";
    EXPECT_EQ(versions[0].kind, VersionKind::ChangedElsewhere);
    EXPECT_EQ(contents(versions[0].path), "[S]\nk=theirs\n");
    EXPECT_EQ(file.takeBackupNotice(), versions[0].path);
    EXPECT_EQ(get(), "[S]\nk=mine 3\n");
    EXPECT_FALSE(QFileInfo::exists(path("profile.ini.bak")));

    // Where the folder takes nothing, their version goes beside the profile.
    ASSERT_TRUE(QDir(folder()).removeRecursively());
    put("a file", "profile.versions");
    put("[S]\nk=theirs again\n");
    ASSERT_TRUE(saveChanged(file, "mine 4"));
    EXPECT_EQ(file.takeBackupNotice(), path("profile.ini.bak"));
    EXPECT_EQ(get("profile.ini.bak"), "[S]\nk=theirs again\n");
    EXPECT_FALSE(file.takeVersionProblem().isEmpty());
}

TEST_F(ProfileVersionsTest, TemporaryFilesOfKilledWritesGoOnceTheyAreOld)
{
    ASSERT_TRUE(QDir().mkdir(folder()));
    put("cut", "profile.versions/.new-old");
    put("being written", "profile.versions/.new-young");
    const QDateTime old = QDateTime::currentDateTime().addSecs(-600);
    {
        QFile f(folder() + "/.new-old");
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    ASSERT_FALSE(platform::keepVersion(path(), "v", VersionKind::Replaced, noon(0)).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(folder() + "/.new-old"));
    EXPECT_TRUE(QFileInfo::exists(folder() + "/.new-young")) << "another copy may be writing it";
    EXPECT_EQ(listed().size(), 1u);
}
