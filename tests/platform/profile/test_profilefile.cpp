#include "platform/profile/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "ProfileFileFixture.h"

using platform::ProfileDocument;
using platform::ProfileFile;

namespace {

using ProfileFileTest = testing_support::ProfileFileTest;

// --- reading ---------------------------------------------------------------

TEST_F(ProfileFileTest, NamesMatchWithoutCaseAndBlanksAreIgnored)
{
    put("[Options]\n"
        "  Width =  1440  \n"
        "Caption=Hello World\n"
        "\t[ Other ]\t\n"
        "width=7\n");
    const ProfileFile file(path());
    EXPECT_EQ(file.read("options", "WIDTH"), "1440");
    EXPECT_EQ(file.read("OPTIONS", "caption"), "Hello World");
    EXPECT_EQ(file.read("other", "Width"), "7");
    EXPECT_EQ(file.read(" Options ", " width "), "1440");
}

TEST_F(ProfileFileTest, MissingFileSectionOrKeyReadsEmpty)
{
    const ProfileFile missing(path("nothing.ini"));
    EXPECT_EQ(missing.read("Options", "Width"), "");
    EXPECT_FALSE(QFileInfo::exists(path("nothing.ini"))) << "reading must not create the file";

    put("[Options]\nWidth=1\n[Empty]\n");
    const ProfileFile file(path());
    EXPECT_EQ(file.read("Nope", "Width"), "");
    EXPECT_EQ(file.read("Options", "Height"), "");
    EXPECT_EQ(file.read("Empty", "Width"), "");
}

TEST_F(ProfileFileTest, OnlyKeyLinesOfTheSectionCount)
{
    put("Width=before any section\n"
        "[Options]\n"
        "; Width=commented\n"
        "# Height=commented\n"
        "just some junk\n"
        "=no name\n"
        "Path=C:\\a=b\n"
        "Empty=\n"
        "[Next]\n"
        "Height=9\n");
    ProfileDocument doc;
    ASSERT_TRUE(ProfileFile(path()).load(doc));
    EXPECT_FALSE(doc.contains("Options", "Width"));
    EXPECT_FALSE(doc.contains("Options", "Height"));
    EXPECT_EQ(doc.value("Options", "Path"), "C:\\a=b") << "split at the first '='";
    EXPECT_TRUE(doc.contains("Options", "Empty"));
    EXPECT_EQ(doc.value("Options", "Empty"), "");
    EXPECT_EQ(doc.keys("Options"), (QStringList{"Path", "Empty"}));
}

TEST_F(ProfileFileTest, FirstOfDuplicateKeysAndSectionsWins)
{
    put("[A]\nk=first\nK=second\nother=1\n[a]\nk=third\nlater=2\n");
    ProfileDocument doc;
    ASSERT_TRUE(ProfileFile(path()).load(doc));
    EXPECT_EQ(doc.value("A", "k"), "first");
    EXPECT_EQ(doc.keys("a"), (QStringList{"k", "other"}));
    EXPECT_FALSE(doc.contains("A", "later"));
}

TEST_F(ProfileFileTest, LongValuesAreNotCut)
{
    QString longValue;
    for (int i = 0; i < 1500; ++i)
        longValue += QString::number(i % 10) + u'x';
    ASSERT_GT(longValue.size(), 1023);
    const ProfileFile file(path());
    ASSERT_TRUE(file.write("S", "Long", longValue));
    EXPECT_EQ(file.read("S", "Long"), longValue);
}

TEST_F(ProfileFileTest, EveryReadSeesTheFileAsItIsNow)
{
    const ProfileFile file(path());
    put("[S]\nk=1\n");
    EXPECT_EQ(file.read("S", "k"), "1");
    put("[S]\nk=2\n");
    EXPECT_EQ(file.read("S", "k"), "2");
}

TEST_F(ProfileFileTest, BomAndCrLfAreNotPartOfNamesOrValues)
{
    put("\xEF\xBB\xBF[S]\r\nk = v \r\nlast=end");
    const ProfileFile file(path());
    EXPECT_EQ(file.read("S", "k"), "v");
    EXPECT_EQ(file.read("S", "last"), "end");
}

// --- writing ---------------------------------------------------------------

TEST_F(ProfileFileTest, ReplacesAValueWhereItStandsAndKeepsEverythingElse)
{
    const QByteArray before = "; Tessaflow profile\n"
                              "[Options]\n"
                              "Left=10\n"
                              "  WIDTH = 800 ; not a comment, part of the value\n"
                              "Top=20\n"
                              "\n"
                              "# keep me\n"
                              "[Other]\n"
                              "width=5\n";
    put(before);
    const ProfileFile file(path());
    QString error;
    ASSERT_TRUE(file.write("options", "Width", "1440", &error)) << error.toStdString();

    QByteArray expected = before;
    expected.replace("  WIDTH = 800 ; not a comment, part of the value\n", "WIDTH=1440\n");
    EXPECT_EQ(get(), expected);
    EXPECT_EQ(file.read("Other", "width"), "5");
}

TEST_F(ProfileFileTest, OnlyTheFirstDuplicateIsUpdated)
{
    put("[S]\nk=1\nk=2\n[s]\nk=3\n");
    ASSERT_TRUE(ProfileFile(path()).write("S", "K", "9"));
    EXPECT_EQ(get(), "[S]\nk=9\nk=2\n[s]\nk=3\n");
}

TEST_F(ProfileFileTest, NewKeyGoesDirectlyAfterTheLastKeyOfItsSection)
{
    put("[Shortcuts]\n"
        "1=a\n"
        "; note\n"
        "2=b\n"
        "\n"
        "; next comes Options\n"
        "[Options]\n"
        "Width=1\n");
    ASSERT_TRUE(ProfileFile(path()).write("SHORTCUTS", "3", "c"));
    EXPECT_EQ(get(), "[Shortcuts]\n"
                     "1=a\n"
                     "; note\n"
                     "2=b\n"
                     "3=c\n"
                     "\n"
                     "; next comes Options\n"
                     "[Options]\n"
                     "Width=1\n");
}

TEST_F(ProfileFileTest, NewKeyInASectionWithoutKeysGoesAfterTheHeader)
{
    put("[Empty]\n; nothing yet\n\n[Options]\nWidth=1\n");
    ASSERT_TRUE(ProfileFile(path()).write("empty", "k", "v"));
    EXPECT_EQ(get(), "[Empty]\nk=v\n; nothing yet\n\n[Options]\nWidth=1\n");
}

TEST_F(ProfileFileTest, NewSectionGoesAtTheEnd)
{
    put("[Options]\nWidth=1\n; trailing comment");
    ASSERT_TRUE(ProfileFile(path()).write("Shortcuts", "Count", ""));
    EXPECT_EQ(get(), "[Options]\nWidth=1\n; trailing comment\n[Shortcuts]\nCount=\n");
}

TEST_F(ProfileFileTest, WriteCreatesAMissingFile)
{
    const ProfileFile file(path("new.ini"));
    ASSERT_TRUE(file.write("Options", "Width", "1440"));
    ASSERT_TRUE(file.write("Options", "Height", "900"));
#ifdef Q_OS_WIN
    EXPECT_EQ(get("new.ini"), "[Options]\r\nWidth=1440\r\nHeight=900\r\n");
#else
    EXPECT_EQ(get("new.ini"), "[Options]\nWidth=1440\nHeight=900\n");
#endif
}

TEST_F(ProfileFileTest, CrLfFileStaysCrLf)
{
    put("[A]\r\nx=1\r\n\r\n[B]\r\ny=2");
    const ProfileFile file(path());
    ASSERT_TRUE(file.write("A", "z", "3"));
    ASSERT_TRUE(file.write("B", "y", "4"));
    ASSERT_TRUE(file.write("C", "w", "5"));
    EXPECT_EQ(get(), "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=4\r\n[C]\r\nw=5\r\n");
}

TEST_F(ProfileFileTest, EightBitFileIsReadAsWindows1252AndWrittenBackAsUtf8)
{
    // "café", the euro sign and a right single quote as an 8-bit editor saves them.
    put("[S]\nname=caf\xe9\nmoney=\x80 5\nquote=it\x92s\n");
    const ProfileFile file(path());
    EXPECT_EQ(file.read("S", "name"), QString::fromUtf8("caf\u00e9"));
    EXPECT_EQ(file.read("S", "money"), QString::fromUtf8("\u20ac 5"));
    EXPECT_EQ(file.read("S", "quote"), QString::fromUtf8("it\u2019s"));

    ASSERT_TRUE(file.write("S", "new", QString::fromUtf8("\u00fc")));
    EXPECT_EQ(get(), QByteArray("[S]\nname=caf\xc3\xa9\nmoney=\xe2\x82\xac 5\nquote=it\xe2\x80\x99s\nnew=\xc3\xbc\n"));
    EXPECT_EQ(file.read("S", "name"), QString::fromUtf8("caf\u00e9"));
}

TEST_F(ProfileFileTest, EachLineIsDecodedOnItsOwn)
{
    // One old 8-bit line in a file written as UTF-8 since.
    put("[S]\nnew=caf\xc3\xa9\nold=caf\xe9\n");
    const ProfileFile file(path());
    EXPECT_EQ(file.read("S", "new"), QString::fromUtf8("caf\u00e9"));
    EXPECT_EQ(file.read("S", "old"), QString::fromUtf8("caf\u00e9"));
    ASSERT_TRUE(file.write("S", "x", "1"));
    EXPECT_EQ(get(), "[S]\nnew=caf\xc3\xa9\nold=caf\xc3\xa9\nx=1\n");
}

TEST_F(ProfileFileTest, Utf8TextSurvivesUnchanged)
{
    const QByteArray before = "[S]\nname=\xe6\x97\xa5\xe6\x9c\xac caf\xc3\xa9\n";
    put(before);
    const ProfileFile file(path());
    EXPECT_EQ(file.read("S", "NAME"), QString::fromUtf8("\u65e5\u672c caf\u00e9"));
    ASSERT_TRUE(file.write("S", "x", "1"));
    EXPECT_EQ(get(), before + "x=1\n");
}

TEST_F(ProfileFileTest, RefusesEntriesThatWouldNotReadBack)
{
    put("[S]\nk=1\n");
    const ProfileFile file(path());
    QString error;
    EXPECT_FALSE(file.write("S", "k", "two\nlines", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(file.write("S", "a=b", "v"));
    EXPECT_FALSE(file.write("S", ";k", "v"));
    EXPECT_FALSE(file.write("S", "  ", "v"));
    EXPECT_FALSE(file.write("S\n[T]", "k", "v"));
    EXPECT_EQ(get(), "[S]\nk=1\n");
}

// --- failures and atomic replacement ---------------------------------------

TEST_F(ProfileFileTest, SavesLeaveNoTemporaryFilesAndKeepPermissions)
{
    put("[S]\nk=1\n");
    const QFile::Permissions perms = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path(), perms));
    const ProfileFile file(path());
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(file.write("S", "k", QString::number(i)));
    EXPECT_EQ(entries(), QStringList{"profile.ini"});
    // The User bits say what we may do, not what the file allows.
    EXPECT_EQ(QFileInfo(path()).permissions() & ~QFile::Permissions(0x0F00), perms);
}

TEST_F(ProfileFileTest, FailedWriteToReadOnlyFolderKeepsTheOldFile)
{
    put("[S]\nk=old\n");
    ASSERT_TRUE(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    // Root writes anywhere; there the next test does the same job.
    QFile probe(path("probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    }

    QString error;
    const bool written = ProfileFile(path()).write("S", "k", "new", &error);
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(get(), "[S]\nk=old\n");
    EXPECT_EQ(entries(), QStringList{"profile.ini"});
}

TEST_F(ProfileFileTest, FailedWriteOfTheDataKeepsTheOldFile)
{
    // A file size limit makes the write itself fail, whatever our rights are.
    put("[S]\nk=old\n");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    // A small value fails when the buffer is flushed on commit, a large one
    // already in write().
    bool written[2] = {true, true};
    QString error[2];
    written[0] = ProfileFile(path()).write("S", "k", QString(8000, u'x'), &error[0]);
    written[1] = ProfileFile(path()).write("S", "k", QString(100000, u'x'), &error[1]);

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(written[i]) << i;
        EXPECT_FALSE(error[i].isEmpty()) << i;
    }
    EXPECT_EQ(get(), "[S]\nk=old\n");
    EXPECT_EQ(entries(), QStringList{"profile.ini"});
}

TEST_F(ProfileFileTest, FolderInPlaceOfTheFileIsNeverReplaced)
{
    // A folder where the profile should be cannot be read by anyone.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("profile.ini"));
    const ProfileFile folder(path());
    ProfileDocument doc;
    QString error;
    EXPECT_FALSE(folder.load(doc, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(folder.write("S", "k", "v"));
    EXPECT_TRUE(QFileInfo(path()).isDir());
    EXPECT_EQ(folder.read("S", "k"), "");
}

TEST_F(ProfileFileTest, FileWithoutReadRightsIsNeverReplaced)
{
    ProfileDocument doc;
    put("[S]\nk=secret\n", "locked.ini");
    ASSERT_TRUE(QFile::setPermissions(path("locked.ini"), QFile::WriteOwner));
    QFile probe(path("locked.ini"));
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights that ignore file permissions";
    const ProfileFile locked(path("locked.ini"));
    EXPECT_FALSE(locked.load(doc));
    EXPECT_FALSE(locked.write("S", "other", "v"));
    QFile::setPermissions(path("locked.ini"), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(get("locked.ini"), "[S]\nk=secret\n");
}

// --- files that are not plain files ----------------------------------------

TEST_F(ProfileFileTest, FifosAndDevicesAreNeitherReadNorReplaced)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo.ini")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(path("fifo.ini"), path("tofifo.ini")));
    QStringList names = {"fifo.ini", "tofifo.ini"};
    // A device node of our own (root only), so a failure can never replace
    // the machine's /dev/null.
    if (::mknod(QFile::encodeName(path("null-device")).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0) {
        ASSERT_TRUE(QFile::link(path("null-device"), path("todevice.ini")));
        names << "todevice.ini";
    }
    for (const QString &name : names) {
        // A FIFO would block here for ever.
        const ProfileFile file(path(name));
        ProfileDocument doc;
        QString error;
        EXPECT_FALSE(file.load(doc, &error)) << name.toStdString();
        EXPECT_TRUE(error.contains("not a regular file")) << error.toStdString();
        EXPECT_FALSE(file.write("S", "k", "v", &error)) << name.toStdString();
        EXPECT_FALSE(file.save(doc, &error)) << name.toStdString();
        EXPECT_TRUE(QFileInfo(path(name)).exists() && !QFileInfo(path(name)).isFile()) << name.toStdString();
    }
    EXPECT_TRUE(QFileInfo(path("tofifo.ini")).isSymLink());
    // /dev/zero would be read until memory ran out; reading is all that is tried.
    ASSERT_TRUE(QFile::link("/dev/zero", path("zero.ini")));
    ProfileDocument doc;
    EXPECT_FALSE(ProfileFile(path("zero.ini")).load(doc));
    EXPECT_EQ(entries().size(), names.size() == 3 ? 5 : 3) << "nothing made beside them";
}

TEST_F(ProfileFileTest, ALinkToAPlainFileIsWrittenThroughAndStays)
{
    put("[S]\nk=1\n", "real.ini");
    ASSERT_TRUE(QFile::link(path("real.ini"), path("link.ini")));
    const ProfileFile file(path("link.ini"));
    ASSERT_TRUE(file.write("S", "k", "2"));
    EXPECT_TRUE(QFileInfo(path("link.ini")).isSymLink());
    EXPECT_EQ(get("real.ini"), "[S]\nk=2\n");
}

} // namespace
