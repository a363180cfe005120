// The state file of openings: any target survives the round trip, and a
// missing, hostile or foreign file is ignored and replaced atomically.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/xdg/OpenedStore.h"
#include "support/QtPrinters.h"

using platform::OpenedRecord;
using platform::OpenedStore;

namespace {

class OpenedStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("state/tessaflow"));
    QString path = folder + QStringLiteral("/opened.txt");
    OpenedStore store{path, QStringLiteral("/home/me/tsw.ini")};

    void put(const QByteArray &bytes)
    {
        QDir().mkpath(folder);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray header() { return "tessaflow-opened 1\nprofile /home/me/tsw.ini\n"; }
    QStringList targetsRead() const
    {
        QStringList out;
        for (const OpenedRecord &record : store.read())
            out << record.target;
        return out;
    }
    // The file is a regular one again, written whole, and nothing else is left in its folder.
    void expectReplaced()
    {
        ASSERT_TRUE(store.write({{QStringLiteral("/x/new"), 2.5, 1000}}));
        struct stat st;
        ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(targetsRead(), QStringList{"/x/new"});
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                  QStringList{"opened.txt"});
    }
};

TEST_F(OpenedStoreTest, HostileTargetsSurviveTheRoundTrip)
{
    const std::vector<QString> targets = {
        QStringLiteral("/a|b=c%41%%/x"),
        QStringLiteral("two\nlines\r\nand\ttab and blank "),
        QStringLiteral("%0041 looks escaped"),
        QFile::decodeName("/tmp/\xff\xfe not utf-8.txt"),
        QString(QChar(0xd800)) + QStringLiteral("lone surrogate") + QChar(0xdc00),
        QStringLiteral("emoji \U0001F600 and \u00e9"),
        QString(10 * 1024, QLatin1Char('x')) + QStringLiteral("|\n="),
    };
    std::vector<OpenedRecord> records;
    qint64 at = 1'700'000'000;
    for (const QString &target : targets)
        records.push_back({target, 1.25, at++});
    ASSERT_TRUE(store.write(records));
    const std::vector<OpenedRecord> read = store.read();
    ASSERT_EQ(read.size(), targets.size());
    for (size_t i = 0; i < targets.size(); ++i) {
        EXPECT_EQ(read[i].target, targets[i]);
        EXPECT_DOUBLE_EQ(read[i].score, 1.25);
        EXPECT_EQ(read[i].at, records[i].at);
    }
    // The folder is made for this user alone.
    EXPECT_EQ(QFileInfo(folder).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOther), 0);
    // One line per record after the header.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count('\n'), qsizetype(2 + targets.size()));
}

TEST_F(OpenedStoreTest, InsaneLinesAreLeftOutAndTheRestKept)
{
    put(header() + "1 100 /x/good\n"
                   "nan 100 /x/nan\n"
                   "inf 100 /x/inf\n"
                   "-1 100 /x/negative\n"
                   "1e300 100 /x/huge\n"
                   "1 -5 /x/before-epoch\n"
                   "1 99999999999999999999 /x/far\n"
                   "1 100\n"
                   "x y /x/words\n"
                   "1 100 /x/bad%zz\n"
                   "1 100 /x/raw\ttab\n"
                   "1 100 /x/\xff\n"
                   "2 200 /x/good\n" // the same again: the first counts
                   "3 300 /x/second\n"
                   "garbage\n");
    const std::vector<OpenedRecord> read = store.read();
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].target, QStringLiteral("/x/good"));
    EXPECT_DOUBLE_EQ(read[0].score, 1);
    EXPECT_EQ(read[1].target, QStringLiteral("/x/second"));
}

TEST_F(OpenedStoreTest, HostileFilesAreIgnoredAndReplacedAtomically)
{
    // Missing, and its folder too: made at the write.
    EXPECT_TRUE(store.read().empty());
    expectReplaced();
    // Another format, another profile's file, garbage.
    for (const QByteArray &bytes : {QByteArray("tessaflow-opened 2\nprofile /home/me/tsw.ini\n1 1 /x/a\n"),
                                    QByteArray("tessaflow-opened 1\nprofile /elsewhere/tsw.ini\n1 1 /x/a\n"),
                                    QByteArray("\0\1\2 binary\n\n1 1 /x/a", 20)}) {
        put(bytes);
        EXPECT_TRUE(store.read().empty()) << bytes.toStdString();
        expectReplaced();
    }
    // Too big: never read past the limit.
    put(header() + QByteArray(OpenedStore::kMaxBytes, 'x'));
    EXPECT_TRUE(store.read().empty());
    expectReplaced();
    // A FIFO: neither read (which would wait for a writer) nor written through.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_TRUE(store.read().empty());
    expectReplaced();
    // A link that loops, and one to a file elsewhere: replaced, the file left alone.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_EQ(::symlink("opened.txt", QFile::encodeName(path).constData()), 0);
    EXPECT_TRUE(store.read().empty());
    expectReplaced();
    const QString elsewhere = dir.filePath(QStringLiteral("elsewhere.txt"));
    {
        QFile other(elsewhere);
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
        other.write(header() + "1 1 /x/linked\n");
    }
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::link(elsewhere, path));
    EXPECT_EQ(targetsRead(), QStringList{"/x/linked"}); // a link to a regular file is read
    expectReplaced();
    QFile other(elsewhere);
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_EQ(other.readAll(), header() + "1 1 /x/linked\n");
}

TEST_F(OpenedStoreTest, TheFileStaysBoundedAndInsaneRecordsAreNotWritten)
{
    std::vector<OpenedRecord> records;
    for (int i = 0; i < OpenedStore::kMaxRecords + 50; ++i)
        records.push_back({QStringLiteral("/x/%1").arg(i), 1, 10});
    records.insert(records.begin(), {QStringLiteral("/x/nan"), std::numeric_limits<double>::quiet_NaN(), 10});
    ASSERT_TRUE(store.write(records));
    const std::vector<OpenedRecord> read = store.read();
    ASSERT_EQ(read.size(), size_t(OpenedStore::kMaxRecords));
    EXPECT_EQ(read.front().target, QStringLiteral("/x/0"));
}

TEST(OpenedStorePath, OneFilePerProfileUnderTheStateFolder)
{
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "/tmp/state-home");
    const QString a = OpenedStore::pathFor(QStringLiteral("/home/me/a/tsw.ini"));
    const QString b = OpenedStore::pathFor(QStringLiteral("/home/me/b/tsw.ini"));
    EXPECT_TRUE(a.startsWith(QStringLiteral("/tmp/state-home/tessaflow/opened-"))) << a.toStdString();
    EXPECT_NE(a, b);
    EXPECT_EQ(a, OpenedStore::pathFor(QStringLiteral("/home/me/a/../a/tsw.ini")));
    qputenv("XDG_STATE_HOME", "relative/state");
    EXPECT_TRUE(OpenedStore::pathFor(QStringLiteral("/p/tsw.ini"))
                    .startsWith(QDir::homePath() + QStringLiteral("/.local/state/tessaflow/")));
    qputenv("XDG_STATE_HOME", saved);
}

} // namespace
