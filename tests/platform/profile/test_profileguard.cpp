// The profile's lock, the backups of other writers' versions, and the
// temporary files killed saves leave behind.
#include "platform/profile/ProfileGuard.h"

#include <QDateTime>
#include <QLockFile>
#include <QRegularExpression>
#include <QThread>

#include <atomic>
#include <sys/stat.h>
#include <sys/time.h>
#include <thread>

#include "ProfileFileFixture.h"
#include "platform/profile/ProfileFile.h"

using platform::ProfileFile;

namespace {

using ProfileFileTest = testing_support::ProfileFileTest;

TEST_F(ProfileFileTest, ASaveWaitsForAnotherWritersLock)
{
    put("[S]\nk=1\n");
    QLockFile other(path() + ".lock");
    ASSERT_TRUE(other.tryLock(0));
    std::atomic<bool> written = false;
    std::thread writer([&] { written = ProfileFile(path()).write("S", "k", "2"); });
    QThread::msleep(300);
    EXPECT_FALSE(written) << "wrote while another writer held the lock";
    EXPECT_EQ(get(), "[S]\nk=1\n");
    other.unlock();
    writer.join();
    EXPECT_TRUE(written);
    EXPECT_EQ(get(), "[S]\nk=2\n");
}

TEST_F(ProfileFileTest, ALockNameTakenByAnythingElseIsReportedNeverWaitedOn)
{
    put("[S]\nk=1\n");
    const QString lock = path() + ".lock";
    // QLockFile would open a FIFO to see who holds it, and wait for good.
    const auto make = [&](int i) {
        return i == 0 ? ::mkfifo(QFile::encodeName(lock).constData(), 0600) == 0
                      : i == 1 ? QFile::link(path("elsewhere"), lock) : QDir().mkdir(lock);
    };
    const char *said[] = {"it is a FIFO", "it is a symbolic link", "it is a folder"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(make(i));
        QString error;
        EXPECT_FALSE(ProfileFile(path()).write("S", "k", "2", &error));
        EXPECT_TRUE(error.contains(said[i]) && !error.contains("another program")) << error.toStdString();
        QFile::remove(lock);
    }
    EXPECT_EQ(get(), "[S]\nk=1\n");
}

TEST_F(ProfileFileTest, EachBackupGetsANameOfItsOwnAndNothingIsReplaced)
{
    // A link at PROFILE.bak (as the user's own file there) is left alone.
    put("target of a link", "target");
    ASSERT_TRUE(QFile::link(path("target"), path("profile.ini.bak")));
    QString error;
    EXPECT_EQ(platform::keepBackup(path(), "one", &error), path("profile.ini.bak.1"));
    EXPECT_EQ(get("target"), "target of a link");
    EXPECT_EQ(get("profile.ini.bak.1"), "one");
    // At most kKeptBackups numbered ones: the oldest go, PROFILE.bak never does.
    for (int i = 0; i < platform::kKeptBackups; ++i)
        platform::keepBackup(path(), QByteArray::number(i), &error);
    EXPECT_FALSE(QFileInfo::exists(path("profile.ini.bak.1")));
    EXPECT_EQ(get("profile.ini.bak.11"), "9");
    EXPECT_EQ(entries().filter(QRegularExpression("^profile\\.ini\\.bak")).size(), platform::kKeptBackups + 1);
    EXPECT_TRUE(QFileInfo(path("profile.ini.bak")).isSymLink());
}

TEST_F(ProfileFileTest, OnlyOldTemporaryFilesOfOurSavesAreRemoved)
{
    for (const char *name : {"profile.ini.Ab3xYz", "profile.ini.Q1w2E3", "profile.ini.backup", "profile.ini.bak",
                             "profile.ini.Ab3xYz7", "other.ini.Ab3xYz"})
        put("[S]\n", name);
    // Old enough, but for one that a running save may still be writing.
    const qint64 old = QDateTime::currentSecsSinceEpoch() - 60;
    for (const QString &name : entries()) {
        if (name == "profile.ini.Q1w2E3")
            continue;
        const struct timeval times[2] = {{old, 0}, {old, 0}};
        ASSERT_EQ(::utimes(QFile::encodeName(path(name)).constData(), times), 0);
    }
    EXPECT_EQ(platform::removeStaleTemporaries(path()), 1);
    EXPECT_EQ(entries(), (QStringList{"other.ini.Ab3xYz", "profile.ini.Ab3xYz7", "profile.ini.backup",
                                      "profile.ini.bak", "profile.ini.Q1w2E3"}));
}

} // namespace
