#include "platform/xdg/PathOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace platform::PathOps;

namespace {

TEST(PathOpsNames, ExtensionAndNameOfTheLastComponent)
{
    EXPECT_EQ(GetExtensionName("Report.final.txt"), "txt");
    EXPECT_EQ(GetExtensionName("/home/u/archive.tar.gz"), "gz");
    EXPECT_EQ(GetExtensionName("/a.b/noext"), "");
    EXPECT_EQ(GetExtensionName("x."), "");
    EXPECT_EQ(GetExtensionName("/srv/.."), "");
    EXPECT_EQ(GetExtensionName(""), "");

    EXPECT_EQ(GetFileName("/srv/Games//"), "Games");
    EXPECT_EQ(GetFileName("/home/u/Report.final.txt"), "Report.final.txt");
    EXPECT_EQ(GetFileName("http://example.com/page.html"), "page.html");
    EXPECT_EQ(GetFileName("http://www.example.com/"), "www.example.com");
    EXPECT_EQ(GetFileName("/"), "");
    EXPECT_EQ(GetFileName(""), "");
#ifdef Q_OS_WIN
    EXPECT_EQ(GetExtensionName("C:\\a.b\\noext"), "");
    EXPECT_EQ(GetFileName("C:/mixed\\Games\\"), "Games");
    EXPECT_EQ(GetFileName("C:\\"), "");
#else
    // A backslash is part of a Linux file name.
    EXPECT_EQ(GetExtensionName("a.b\\noext"), "b\\noext");
    EXPECT_EQ(GetFileName("dir/back\\slash"), "back\\slash");
#endif
}

// Links and a deleted working folder are Linux matters.
#ifndef Q_OS_WIN
TEST(PathOpsAbsolute, NormalisesTextuallyAndNeverClimbsAboveTheRoot)
{
    EXPECT_EQ(GetAbsolutePathName("/a/./b/../c/"), "/a/c");
    EXPECT_EQ(GetAbsolutePathName("//a//b///"), "/a/b");
    EXPECT_EQ(GetAbsolutePathName("/"), "/");
    EXPECT_EQ(GetAbsolutePathName("/.."), "/");
    EXPECT_EQ(GetAbsolutePathName("/a/../../x/./y/.."), "/x");
    EXPECT_EQ(GetAbsolutePathName("/..x/y"), "/..x/y");
    EXPECT_EQ(GetAbsolutePathName(""), "");
}

class PathOpsFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // getcwd() reports the canonical form, whatever links lead to the folder.
        m_root = QFileInfo(m_dir.path()).canonicalFilePath();
        ASSERT_TRUE(QDir(m_root).mkpath(QStringLiteral("sub dir/deeper")));
        QFile file(at("Report.final.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        m_savedCwd = QDir::currentPath();
    }
    void TearDown() override { QDir::setCurrent(m_savedCwd); }

    QString at(const QString &relative) const { return m_root + QLatin1Char('/') + relative; }

    QTemporaryDir m_dir;
    QString m_root;
    QString m_savedCwd;
};

TEST_F(PathOpsFiles, FileAndFolderExistence)
{
    ASSERT_TRUE(QFile::link(at("Report.final.txt"), at("to-file")));
    ASSERT_TRUE(QFile::link(at("sub dir"), at("to-dir")));
    ASSERT_TRUE(QFile::link(at("gone"), at("dangling")));

    EXPECT_TRUE(FileExists(at("Report.final.txt")));
    EXPECT_TRUE(FileExists(at("to-file")));
    for (const char *notFile : {"sub dir", "to-dir", "dangling", "missing.txt", "Report.final.txt/"})
        EXPECT_FALSE(FileExists(at(notFile))) << notFile;
    EXPECT_FALSE(FileExists(QStringLiteral("/dev/null")));
    EXPECT_FALSE(FileExists(QString()));

    EXPECT_TRUE(FolderExists(at("sub dir/")));
    EXPECT_TRUE(FolderExists(at("to-dir")));
    EXPECT_FALSE(FolderExists(at("Report.final.txt")));
    EXPECT_FALSE(FolderExists(at("dangling")));
    EXPECT_FALSE(FolderExists(QString()));

    ASSERT_TRUE(QDir::setCurrent(at("sub dir")));
    EXPECT_TRUE(FileExists(QStringLiteral("../Report.final.txt")));
    EXPECT_TRUE(FolderExists(QStringLiteral("deeper")));
}

TEST_F(PathOpsFiles, OnlyARegularFileIsOpenedToSeeWhetherItIsAProgram)
{
    // A FIFO with an execute bit: opening it to read would wait for a writer for good.
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("pipe")).constData(), 0700), 0);
    ASSERT_TRUE(QFile::link(at("pipe"), at("to-pipe")));
    for (const char *name : {"pipe", "to-pipe", "sub dir", "missing"})
        EXPECT_EQ(IsProgram(at(name)), std::optional<bool>(false)) << name;
}

TEST_F(PathOpsFiles, RelativePathsAgainstTheWorkingFolderWithoutResolvingLinks)
{
    ASSERT_TRUE(QDir::setCurrent(at("sub dir")));
    EXPECT_EQ(GetAbsolutePathName("."), at("sub dir"));
    EXPECT_EQ(GetAbsolutePathName("deeper/../x.txt"), at("sub dir/x.txt"));
    EXPECT_EQ(GetAbsolutePathName("not/there/"), at("sub dir/not/there"));

    // "jump/.." is the folder holding the link, not the parent of its target.
    ASSERT_TRUE(QFile::link(at("sub dir/deeper"), at("jump")));
    ASSERT_TRUE(QDir::setCurrent(m_root));
    EXPECT_EQ(GetAbsolutePathName("jump/../Report.final.txt"), at("Report.final.txt"));
    EXPECT_EQ(GetAbsolutePathName("jump/y"), at("jump/y"));
}

TEST_F(PathOpsFiles, NoGuessWhenTheWorkingFolderIsGone)
{
    ASSERT_TRUE(QDir::setCurrent(at("sub dir/deeper")));
    ASSERT_TRUE(QDir(at("sub dir")).rmdir(QStringLiteral("deeper")));
    if (!QDir::currentPath().isEmpty())
        GTEST_SKIP() << "this system still reports a deleted working folder";
    EXPECT_EQ(GetAbsolutePathName("file.txt"), "");
    EXPECT_EQ(GetAbsolutePathName("/abs/file.txt"), "/abs/file.txt");
}
#endif

} // namespace
