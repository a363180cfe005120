// The file system's word that a file may have been written: a file renamed
// over it (as sync tools and atomic saves write), and a write in place, each
// time, not only the first.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

#include "platform/session/FolderWatch.h"

namespace {

TEST(FolderWatchTest, ToldOfReplacementsAndWritesInPlaceEveryTime)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tsw.ini"));
    const auto write = [](const QString &name, const QByteArray &bytes, QIODevice::OpenMode mode) {
        QFile file(name);
        ASSERT_TRUE(file.open(mode));
        file.write(bytes);
    };
    write(path, "[Tessaflow]\n", QIODevice::WriteOnly);
    platform::SystemFolderWatch watch;
    int told = 0;
    watch.watch(path, [&] { ++told; });

    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        // A new file renamed over the old one: another inode each time.
        const QString incoming = dir.filePath(QStringLiteral(".incoming"));
        write(incoming, "[Tessaflow]\n0=http://a.org|a||\n", QIODevice::WriteOnly);
        told = 0;
        ASSERT_EQ(std::rename(QFile::encodeName(incoming).constData(), QFile::encodeName(path).constData()), 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return told > 0; }, 2000));
    }
    // Written in place, as some editors do: the folder's entries stay the same.
    QTest::qWait(50);
    told = 0;
    write(path, "1=http://b.org|b||\n", QIODevice::Append);
    EXPECT_TRUE(QTest::qWaitFor([&] { return told > 0; }, 2000));
}

} // namespace
