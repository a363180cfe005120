// Where the profile lives: beside a portable copy, in the user's configuration
// folder for an installed program.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>
#include <unistd.h>

#include "app/ProfileLocation.h"

namespace {

// Sets an environment variable for one test and puts the old value back.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char *name, const std::optional<QByteArray> &value) : m_name(name)
    {
        if (qEnvironmentVariableIsSet(name))
            m_old = qgetenv(name);
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~EnvironmentOverride()
    {
        if (m_old)
            qputenv(m_name, *m_old);
        else
            qunsetenv(m_name);
    }
    EnvironmentOverride(const EnvironmentOverride &) = delete;
    EnvironmentOverride &operator=(const EnvironmentOverride &) = delete;

private:
    const char *m_name;
    std::optional<QByteArray> m_old;
};

class ProfileLocationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tmp.isValid());
        ASSERT_TRUE(QDir().mkpath(exeDir()));
    }
    void TearDown() override
    {
        // QTemporaryDir cannot remove what a test left without write access.
        QFile::setPermissions(exeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString exeDir() const { return m_tmp.filePath(QStringLiteral("portable")); }
    // Not created beforehand: the code under test must make the whole chain.
    QString configHome() const { return m_tmp.filePath(QStringLiteral("home/config")); }
    QString userProfile() const { return configHome() + QStringLiteral("/tessaflow/tsw.ini"); }

    static void put(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    static QByteArray get(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    static QStringList entries(const QString &dir)
    {
        return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir m_tmp;
    EnvironmentOverride m_config{"XDG_CONFIG_HOME", configHome().toLocal8Bit()};
};

TEST_F(ProfileLocationTest, WritableFolderKeepsTheProfileBesideTheProgram)
{
    // Compared as real paths: the temporary folder may lie behind a link.
    const QString beside = QFileInfo(exeDir()).canonicalFilePath() + QStringLiteral("/tsw.ini");
    EXPECT_EQ(app::profilePath(exeDir()), beside);
    // Finding out left nothing behind, and the user's folder was not touched.
    EXPECT_TRUE(entries(exeDir()).isEmpty()) << entries(exeDir()).join(u' ').toStdString();
    EXPECT_FALSE(QFileInfo::exists(configHome()));

    // A profile already there is used as it is.
    put(beside, "[Tessaflow]\n0=/a|a|0|0\n");
    EXPECT_EQ(app::profilePath(exeDir() + QStringLiteral("/./")), beside);
    EXPECT_EQ(get(beside), "[Tessaflow]\n0=/a|a|0|0\n");
    EXPECT_FALSE(QFileInfo::exists(configHome()));
}

// Root may write anywhere, so these cases must not hinge on permissions.
TEST_F(ProfileLocationTest, InstalledProgramUsesTheUserConfigFolder)
{
    for (const QString &installed : {QStringLiteral("/usr/bin"), QStringLiteral("/usr/local/bin"),
                                     QStringLiteral("/opt/tessaflow"), QStringLiteral("/bin")}) {
        SCOPED_TRACE(installed.toStdString());
        EXPECT_EQ(app::profilePath(installed), userProfile());
        EXPECT_TRUE(QFileInfo(configHome() + QStringLiteral("/tessaflow")).isDir());
        ASSERT_TRUE(QDir(configHome()).removeRecursively());
    }
    // A link to an installed program is still the installed program.
    const QString link = m_tmp.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/usr/bin"), link));
    EXPECT_EQ(app::profilePath(link), userProfile());

    // The first save into the new folder works.
    put(userProfile(), "[Tessaflow]\n");
    EXPECT_EQ(get(userProfile()), "[Tessaflow]\n");
}

TEST_F(ProfileLocationTest, MissingFolderUsesTheUserConfigFolder)
{
    EXPECT_EQ(app::profilePath(m_tmp.filePath(QStringLiteral("gone/away"))), userProfile());
    EXPECT_TRUE(QFileInfo(configHome() + QStringLiteral("/tessaflow")).isDir());
    EXPECT_FALSE(QFileInfo::exists(m_tmp.filePath(QStringLiteral("gone"))));
}

TEST_F(ProfileLocationTest, WithoutXdgConfigHomeTheProfileGoesUnderHomeDotConfig)
{
    const QString home = m_tmp.filePath(QStringLiteral("ada"));
    ASSERT_TRUE(QDir().mkpath(home));
    const EnvironmentOverride noConfig("XDG_CONFIG_HOME", std::nullopt);
    const EnvironmentOverride homeDir("HOME", home.toLocal8Bit());
    EXPECT_EQ(app::profilePath(QStringLiteral("/usr/bin")), home + QStringLiteral("/.config/tessaflow/tsw.ini"));
    EXPECT_TRUE(QFileInfo(home + QStringLiteral("/.config/tessaflow")).isDir());
}

TEST_F(ProfileLocationTest, ExistingUserProfileIsNeverReplaced)
{
    ASSERT_TRUE(QDir().mkpath(configHome() + QStringLiteral("/tessaflow")));
    put(userProfile(), "[Tessaflow]\n0=/mine|mine|0|0\n");
    EXPECT_EQ(app::profilePath(QStringLiteral("/usr/bin")), userProfile());
    EXPECT_EQ(get(userProfile()), "[Tessaflow]\n0=/mine|mine|0|0\n");
}

// chmod means nothing to root: these run for ordinary users only.
class ReadOnlyFolderTest : public ProfileLocationTest {
protected:
    void SetUp() override
    {
        if (geteuid() == 0)
            GTEST_SKIP() << "root writes into read-only folders";
        ProfileLocationTest::SetUp();
    }
    void makeReadOnly()
    {
        ASSERT_TRUE(QFile::setPermissions(exeDir(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                                        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    }
};

TEST_F(ReadOnlyFolderTest, ReadOnlyFolderUsesTheUserConfigFolder)
{
    makeReadOnly();
    EXPECT_EQ(app::profilePath(exeDir()), userProfile());
    EXPECT_TRUE(QFileInfo(configHome() + QStringLiteral("/tessaflow")).isDir());
    EXPECT_FALSE(QFileInfo::exists(userProfile()));
}

// A portable copy on a read-only medium: its shortcuts move to the user's
// folder once, as a file the user can write, and are not copied again.
TEST_F(ReadOnlyFolderTest, ProfileOfAReadOnlyCopyIsCarriedOverOnce)
{
    const QString beside = exeDir() + QStringLiteral("/tsw.ini");
    put(beside, "[Tessaflow]\n0=/a|a|0|0\n");
    // Writable itself, but a save could not replace it in this folder.
    ASSERT_TRUE(QFile::setPermissions(beside, QFile::ReadOwner | QFile::WriteOwner));
    makeReadOnly();

    EXPECT_EQ(app::profilePath(exeDir()), userProfile());
    EXPECT_EQ(get(userProfile()), "[Tessaflow]\n0=/a|a|0|0\n");
    EXPECT_TRUE(QFileInfo(userProfile()).isWritable());

    put(userProfile(), "[Tessaflow]\n0=/b|b|0|0\n");
    EXPECT_EQ(app::profilePath(exeDir()), userProfile());
    EXPECT_EQ(get(userProfile()), "[Tessaflow]\n0=/b|b|0|0\n");
    EXPECT_EQ(get(beside), "[Tessaflow]\n0=/a|a|0|0\n");
}

TEST_F(ReadOnlyFolderTest, ReadOnlyProfileIsCopiedAsAWritableFile)
{
    const QString beside = exeDir() + QStringLiteral("/tsw.ini");
    put(beside, "[Tessaflow]\n");
    ASSERT_TRUE(QFile::setPermissions(beside, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    makeReadOnly();
    EXPECT_EQ(app::profilePath(exeDir()), userProfile());
    EXPECT_TRUE(QFileInfo(userProfile()).isWritable());
    put(userProfile(), "[Tessaflow]\nSView=1\n");
    EXPECT_EQ(get(userProfile()), "[Tessaflow]\nSView=1\n");
}

} // namespace
