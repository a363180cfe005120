// Which saves keep the profile as an earlier version, and reading one back.
#include <QDir>

#include "config/StoredVersions.h"
#include "support/ShortcutFixture.h"

using namespace testing_support;

namespace {

class StoredVersionsTest : public ShortcutFixture {
protected:
    config::IniFile ini{path(QStringLiteral("tsw.ini"))};
    FakeFrame frame;

    std::vector<platform::ProfileVersion> versions() const
    {
        std::vector<platform::ProfileVersion> listed;
        QString error;
        EXPECT_TRUE(platform::listVersions(ini.path(), listed, &error)) << error.toStdString();
        return listed;
    }
};

shortcuts::Shortcut shortcut(const QString &target, const QString &caption)
{
    return *shortcuts::makeShortcut(target, caption);
}

} // namespace

TEST_F(StoredVersionsTest, OnlySavesThatChangeTheShortcutsOrGroupsKeepAVersion)
{
    ASSERT_TRUE(add(QStringLiteral("http://one.org"), QStringLiteral("one")));
    ASSERT_TRUE(save(ini, frame));
    EXPECT_TRUE(versions().empty()) << "there was no file to keep";
    const QByteArray first = readFile(QStringLiteral("tsw.ini"));

    // The window's frame and the view alone: nothing kept.
    frame.width = 9000;
    frame.top = 20;
    view.setView(3);
    ASSERT_TRUE(save(ini, frame));
    ASSERT_NE(readFile(QStringLiteral("tsw.ini")), first);
    EXPECT_TRUE(versions().empty());
    const QByteArray framed = readFile(QStringLiteral("tsw.ini"));

    // A shortcut more: the file as it was is kept, whole.
    ASSERT_TRUE(add(QStringLiteral("http://two.org"), QStringLiteral("two")));
    ASSERT_TRUE(save(ini, frame));
    auto kept = versions();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].kind, platform::VersionKind::Replaced);
    QFile version(kept[0].path);
    ASSERT_TRUE(version.open(QIODevice::ReadOnly));
    EXPECT_EQ(version.readAll(), framed);

    // The same shortcuts in another group layout: kept too.
    ASSERT_TRUE(model.addGroup(QStringLiteral("work")));
    ASSERT_TRUE(save(ini, frame));
    EXPECT_EQ(versions().size(), 2u);
    // Saving again unchanged: nothing more.
    ASSERT_TRUE(save(ini, frame));
    EXPECT_EQ(versions().size(), 2u);
}

TEST_F(StoredVersionsTest, AVersionReadsBackAsTheShortcutsAndGroupsItHeld)
{
    ASSERT_TRUE(model.addGroup(QStringLiteral("work")));
    ASSERT_TRUE(add(QStringLiteral("http://one.org"), QStringLiteral("one")));
    ASSERT_TRUE(save(ini, frame));
    const shortcuts::ListState before = model.state();
    ASSERT_TRUE(add(QStringLiteral("http://two.org"), QStringLiteral("two")));
    ASSERT_TRUE(save(ini, frame));
    const auto kept = versions();
    ASSERT_EQ(kept.size(), 1u);

    shortcuts::ListState state;
    QString error;
    ASSERT_TRUE(config::readVersion(kept[0].path, state, &error)) << error.toStdString();
    EXPECT_EQ(state.groups, before.groups);
    ASSERT_EQ(state.shortcuts.size(), 1u);
    EXPECT_TRUE(shortcuts::sameStored(state.shortcuts[0], before.shortcuts[0]));
    // What cannot be read says why.
    EXPECT_FALSE(config::readVersion(path(QStringLiteral("tsw.versions")), state, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(StoredVersionsDifference, NamesWhatRestoringBringsBackAndTakesAway)
{
    shortcuts::ListState version, now;
    for (const char *caption : {"report", "notes", "keep", "keep"})
        version.shortcuts.push_back(shortcut(QStringLiteral("http://x.org/") + caption, caption));
    for (const char *caption : {"keep", "old", "keep", "keep"})
        now.shortcuts.push_back(shortcut(QStringLiteral("http://x.org/") + caption, caption));
    const auto difference = config::differenceOf(version, now);
    EXPECT_EQ(difference.added, (QStringList{"report", "notes"}));
    EXPECT_EQ(difference.removed, (QStringList{"old", "keep"})) << "one of three is taken away";
    EXPECT_EQ(config::differenceText(difference), QStringLiteral("+ report, notes; \u2212 old, keep"));
    EXPECT_EQ(config::differenceText(difference, 1), QStringLiteral("+ report, \u2026; \u2212 old, \u2026"));
    // The same caption for another target is another shortcut.
    now = version;
    now.shortcuts[0].target = QStringLiteral("http://elsewhere.org");
    EXPECT_EQ(config::differenceText(config::differenceOf(version, now)), QStringLiteral("+ report; \u2212 report"));
    now = version;
    EXPECT_TRUE(config::differenceText(config::differenceOf(version, now)).isEmpty());
    now.groups << QStringLiteral("work");
    EXPECT_EQ(config::differenceText(config::differenceOf(version, now)), QStringLiteral("other groups"));
}
