// Which files beside the profile are copies a sync tool left after two
// machines changed it at once.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/profile/ConflictCopies.h"

namespace {

TEST(ConflictCopiesTest, NamesOfTheSyncTools)
{
    const QString profile = QStringLiteral("tsw.ini");
    const QStringList copies = {
        QStringLiteral("tsw.sync-conflict-20261211-001122-ABCDEFG.ini"),
        QStringLiteral("tsw (conflicted copy 2026-12-11).ini"),
        QStringLiteral("tsw (Ada's conflicted copy 2026-12-11).ini"),
        QStringLiteral("tsw (conflicted copy 2026-12-11 001122).ini"),
        QStringLiteral("tsw (Conflict 2026-12-11).ini"),
        QStringLiteral("tsw-conflict-20261211.ini"),
        QStringLiteral("tsw_conflict-20261211-001122.ini"),
    };
    for (const QString &name : copies)
        EXPECT_TRUE(platform::isConflictCopy(profile, name)) << qPrintable(name);
    const QStringList others = {
        QStringLiteral("tsw.ini"),
        QStringLiteral("tsw.ini.bak"),
        QStringLiteral("tsw.ini.bak.3"),
        QStringLiteral("tsw.ini.lock"),
        QStringLiteral("tsw.ini.Zq7Rw2"),
        QStringLiteral("tsw (1).ini"),
        QStringLiteral("tsw2.sync-conflict-20261211-001122-ABCDEFG.ini"),
        QStringLiteral("other (conflicted copy 2026-12-11).ini"),
        QStringLiteral("tsw.sync-conflict-20261211-001122-ABCDEFG.ini.tmp"),
        QStringLiteral(".syncthing.tsw.ini.tmp"),
        QStringLiteral("tswconflict.ini"),
    };
    for (const QString &name : others)
        EXPECT_FALSE(platform::isConflictCopy(profile, name)) << qPrintable(name);
    // Another profile's name: the same rules for its stem, characters a
    // pattern would take as its own matched as they are.
    EXPECT_TRUE(platform::isConflictCopy(QStringLiteral("my+profile.ini"),
                                         QStringLiteral("my+profile.sync-conflict-1-2-X.ini")));
    EXPECT_FALSE(platform::isConflictCopy(QStringLiteral("my+profile.ini"),
                                          QStringLiteral("myyprofile.sync-conflict-1-2-X.ini")));
}

TEST(ConflictCopiesTest, ListsOnlyRegularFilesBesideTheProfile)
{
    QTemporaryDir dir;
    const auto make = [&](const QString &name) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    make(QStringLiteral("tsw.ini"));
    make(QStringLiteral("tsw.sync-conflict-2-B.ini"));
    make(QStringLiteral("tsw (conflicted copy 1).ini"));
    make(QStringLiteral("notes.txt"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("tsw-conflict-folder.ini")));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("notes.txt")), dir.filePath(QStringLiteral("tsw-conflict-link.ini"))));
    EXPECT_EQ(platform::conflictCopies(dir.filePath(QStringLiteral("tsw.ini"))),
              (QStringList{dir.filePath(QStringLiteral("tsw (conflicted copy 1).ini")),
                           dir.filePath(QStringLiteral("tsw.sync-conflict-2-B.ini"))}));
}

} // namespace
