// The profile's lock, the backups of other writers' versions, and the
// temporary files killed saves leave behind.
#include "platform/profile/ProfileGuard.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QThread>

#include <atomic>
#include <cstdio>
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

// One read-modify-write through the file's update, as a save does it.
bool update(const ProfileFile &file, const QString &value)
{
    platform::ProfileUpdate save(file);
    platform::ProfileDocument doc;
    if (!save.load(doc))
        return false;
    doc.setValue("S", "k", value);
    return save.save(doc);
}

TEST_F(ProfileFileTest, ASaveReadsTheFileOnlyWhenItChangedSinceAndKeepsOnlyAnotherWritersVersion)
{
    put("[S]\nk=0\n");
    ProfileFile file(path());
    platform::ProfileDocument doc;
    ASSERT_TRUE(file.load(doc));
    ASSERT_EQ(file.reads(), 1);
    // Saves on a file nobody else touched start from what was read or written.
    for (int i = 1; i <= 3; ++i)
        ASSERT_TRUE(update(file, QString::number(i)));
    EXPECT_EQ(get(), "[S]\nk=3\n");
    EXPECT_EQ(file.reads(), 1);

    // Touched, same bytes: read once to see that, and nothing is kept.
    const QDateTime later = QFileInfo(path()).lastModified().addSecs(5);
    {
        QFile touched(path());
        ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
        ASSERT_TRUE(touched.setFileTime(later, QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(update(file, "4"));
    EXPECT_EQ(file.reads(), 2);
    EXPECT_TRUE(file.takeBackupNotice().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path("profile.ini.bak")));
    EXPECT_FALSE(QFileInfo::exists(path("profile.versions")));

    // Rewritten in place with as many bytes, a moment later: their version is kept.
    const QDateTime written = QFileInfo(path()).lastModified();
    put("[S]\nk=X\n");
    {
        QFile rewritten(path());
        ASSERT_TRUE(rewritten.open(QIODevice::ReadWrite));
        ASSERT_TRUE(rewritten.setFileTime(written.addMSecs(20), QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(update(file, "5"));
    EXPECT_EQ(file.reads(), 3);
    // Kept as an earlier version marked as another program's.
    const QString kept = file.takeBackupNotice();
    EXPECT_TRUE(kept.startsWith(path("profile.versions/")) && kept.endsWith("-other.ini")) << kept.toStdString();
    EXPECT_EQ(get(QDir(m_dir.path()).relativeFilePath(kept)), "[S]\nk=X\n");

    // Replaced through a new file, as another copy saves.
    put("[S]\nk=Y\n", "other");
    ASSERT_EQ(::rename(QFile::encodeName(path("other")).constData(), QFile::encodeName(path()).constData()), 0);
    ASSERT_TRUE(update(file, "6"));
    EXPECT_EQ(file.reads(), 4);
    const QString second = file.takeBackupNotice();
    EXPECT_NE(second, kept);
    EXPECT_EQ(get(QDir(m_dir.path()).relativeFilePath(second)), "[S]\nk=Y\n");
    EXPECT_EQ(get(), "[S]\nk=6\n");
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
