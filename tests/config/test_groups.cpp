// Groups of shortcuts through the profile: the Groups key and each entry's group field.
#include "support/ShortcutFixture.h"

using namespace testing_support;

namespace {

class GroupsConfigTest : public ShortcutFixture {
protected:
    config::IniFile ini{path(QStringLiteral("tsw.ini"))};
    FakeFrame frame;

    // One shortcut in each of `groups` (the model's groups, in that order),
    // saved and read back by a new list.
    void saveOnePerGroup(const QStringList &groups)
    {
        model.setGroups(groups);
        for (qsizetype i = 0; i < groups.size(); ++i) {
            auto shortcut = shortcuts::makeShortcut(QStringLiteral("/tools/t%1").arg(i));
            ASSERT_TRUE(shortcut);
            shortcut->group = groups[i];
            model.addStored({*shortcut});
        }
        ASSERT_TRUE(save(ini, frame));
    }
    // The stored entry values, "N=" taken off, up to the first empty one.
    QStringList entryValues() const
    {
        QStringList out;
        for (const QString &line : QString::fromUtf8(readFile(QStringLiteral("tsw.ini"))).split(u'\n')) {
            const qsizetype eq = line.indexOf(u'=');
            bool number = false;
            line.left(eq).toInt(&number);
            if (number && eq + 1 < line.size())
                out << line.mid(eq + 1);
        }
        return out;
    }
};

TEST_F(GroupsConfigTest, GroupNamesAndOrderSurviveARestart)
{
    const QString big = QString(10 * 1024, u'g');
    const struct {
        const char *what;
        QStringList groups;
    } cases[] = {
        {"plain, unnamed first", {QString(), QStringLiteral("Work"), QStringLiteral("Home")}},
        {"separators and escapes",
         {QString(), QStringLiteral("a|b"), QStringLiteral("k=v"), QStringLiteral("100%"), QStringLiteral("%7C")}},
        {"line breaks", {QString(), QStringLiteral("two\nlines"), QStringLiteral("cr\r\nlf")}},
        {"blanks at either end", {QString(), QStringLiteral("  padded  "), QStringLiteral("\ttab")}},
        {"a 10 kB name", {QString(), big}},
        {"non-Latin", {QStringLiteral("Работа"), QStringLiteral("仕事"), QStringLiteral("عمل")}},
        {"first group renamed alone", {QStringLiteral("Everything")}},
        {"unnamed group not first", {QStringLiteral("Home"), QString(), QStringLiteral("Work")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(ini.path());
        model.remove([&] {
            std::vector<int> all(size_t(model.count()));
            for (int i = 0; i < model.count(); ++i)
                all[size_t(i)] = i;
            return all;
        }());
        saveOnePerGroup(c.groups);
        Restarted again(icons);
        ASSERT_EQ(loadInto(again.list, ini, frame), c.groups.size());
        EXPECT_EQ(again.model.groups(), c.groups);
        EXPECT_EQ(again.groupsOf(), c.groups);
        EXPECT_EQ(again.list.shownGroup(), c.groups.first());
    }
}

TEST_F(GroupsConfigTest, HandEditedGroupsAreReadAsFarAsTheyMakeSense)
{
    const struct {
        const char *what;
        QByteArray groupsLine;
        QByteArray entries;
        QStringList groups;
        QStringList shortcutGroups;
    } cases[] = {
        {"a name given twice counts once", "Groups=Work|Home|Work\n", "0=/a|a|0|0\n1=/b|b|0|0|group=Home\n",
         {QStringLiteral("Work"), QStringLiteral("Home")},
         {QStringLiteral("Work"), QStringLiteral("Home")}},
        {"a group only a shortcut names comes last", "Groups=|Work\n", "0=/a|a|0|0|group=Lost\n1=/b|b|0|0|group=Work\n",
         {QString(), QStringLiteral("Work"), QStringLiteral("Lost")},
         {QStringLiteral("Lost"), QStringLiteral("Work")}},
        {"an empty group field without the key is the first group", "", "0=/a|a|0|0|group=\n", {QString()}, {QString()}},
        {"an empty group field is the unnamed group", "Groups=Work\n", "0=/a|a|0|0|group=\n1=/b|b|0|0\n",
         {QStringLiteral("Work"), QString()},
         {QString(), QStringLiteral("Work")}},
        {"encoded names in both places", "Groups=|a%7Cb\n", "0=/a|a|0|0|group=a%7Cb\n",
         {QString(), QStringLiteral("a|b")},
         {QStringLiteral("a|b")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(QStringLiteral("tsw.ini"), "[Tessaflow]\n" + c.groupsLine + c.entries);
        Restarted again(icons);
        ASSERT_EQ(loadInto(again.list, ini, frame), c.shortcutGroups.size());
        EXPECT_EQ(again.model.groups(), c.groups);
        EXPECT_EQ(again.groupsOf(), c.shortcutGroups);
        // What was read is what the next save writes and the next start reads.
        ASSERT_TRUE(saveFrom(again.list, ini, frame));
        Restarted third(icons);
        loadInto(third.list, ini, frame);
        EXPECT_EQ(third.model.groups(), c.groups);
        EXPECT_EQ(third.groupsOf(), c.shortcutGroups);
    }
}

TEST_F(GroupsConfigTest, AnOlderReaderFindsTargetCaptionAndPlaceFirst)
{
    model.setGroups({QStringLiteral("Home"), QString(), QStringLiteral("a|b=c")});
    const QStringList groups = model.groups();
    for (qsizetype i = 0; i < groups.size(); ++i) {
        auto shortcut = shortcuts::makeShortcut(QStringLiteral("/tools/t%1").arg(i), QStringLiteral("Cap %1").arg(i));
        ASSERT_TRUE(shortcut);
        shortcut->group = groups[i];
        shortcut->comment = QStringLiteral("note|%1").arg(i);
        shortcut->left = 100.0 * double(i + 1);
        shortcut->top = 50;
        model.addStored({*shortcut});
    }
    ASSERT_TRUE(save(ini, frame));
    const QStringList values = entryValues();
    ASSERT_EQ(values.size(), 3);
    for (qsizetype i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(values[i].toStdString());
        const QStringList fields = values[i].split(u'|');
        ASSERT_GE(fields.size(), 4);
        EXPECT_EQ(fields[0], QStringLiteral("/tools/t%1").arg(i));
        EXPECT_EQ(fields[1], QStringLiteral("Cap %1").arg(i));
        // Each keeps its own place, shown or not.
        EXPECT_EQ(fields[2], QString::number(100 * (i + 1)));
        EXPECT_EQ(fields[3], QStringLiteral("50"));
        // The group field comes after the properties, and only off the first group.
        EXPECT_EQ(fields.last().startsWith(QStringLiteral("group=")), i != 0);
    }
    Restarted again(icons);
    loadInto(again.list, ini, frame);
    EXPECT_EQ(again.groupsOf(), groups);
    EXPECT_EQ(again.model.at(1).left, 200.0);
    EXPECT_EQ(again.model.at(2).comment, QStringLiteral("note|2"));
}

TEST_F(GroupsConfigTest, AProfileWithOneUnnamedGroupIsWrittenAsBeforeGroups)
{
    QByteArray before = "[Tessaflow]\nTop=1440\nLeft=1200\nHeight=4320\nWidth=5760\nArrange=0\nSView=0\n"
                        "0=/tools/editor|Editor|360|240|args=-n|comment=a%7Cb\n"
                        "1=/docs/plan.txt|plan.txt|1560|240\n";
    for (int k = 2; k <= 100; ++k)
        before += QByteArray::number(k) + "=\n";
    writeFile(QStringLiteral("tsw.ini"), before);
    ASSERT_EQ(load(ini, frame), 2);
    ASSERT_TRUE(save(ini, frame));
    EXPECT_EQ(readFile(QStringLiteral("tsw.ini")), before);

    // A group added and taken away again before a save leaves no trace.
    ASSERT_TRUE(model.addGroup(QStringLiteral("Work")));
    ASSERT_EQ(model.moveToGroup({0}, QStringLiteral("Work")), 1);
    ASSERT_TRUE(model.removeGroup(QStringLiteral("Work"), QString()));
    ASSERT_TRUE(save(ini, frame));
    const QByteArray after = readFile(QStringLiteral("tsw.ini"));
    EXPECT_FALSE(after.contains("group="));
    EXPECT_FALSE(after.contains("Groups"));
    Restarted again(icons);
    loadInto(again.list, ini, frame);
    EXPECT_EQ(again.model.groups(), QStringList{QString()});
}

} // namespace
