// Opening shortcuts: which text reaches the desktop's open.
#include <QDir>

#include "shortcuts/Launch.h"
#include "support/Recorders.h"
#include "support/ShortcutFixture.h"

using namespace testing_support;

namespace {

class LaunchTest : public ShortcutFixtureInTempDir {
protected:
    RecordingOpener opener;
};

TEST_F(LaunchTest, LinksGoAsUrisAndEverythingElseAsAbsolutePaths)
{
    touch(QStringLiteral("notes.txt"));
    touch(QStringLiteral("www.site"));
    touch(QStringLiteral("Www.site"));
    touch(QStringLiteral("ww"));
    touch(QStringLiteral("HTTP:/page"));
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    const std::pair<QString, QString> rows[] = {
        {QStringLiteral("notes.txt"), path(QStringLiteral("notes.txt"))},
        {QStringLiteral("./notes.txt"), path(QStringLiteral("notes.txt"))},
        // "www." in any letter case is a web address, even over a file.
        {QStringLiteral("www.site"), QStringLiteral("http://www.site")},
        {QStringLiteral("Www.site"), QStringLiteral("http://Www.site")},
        // One slash is no scheme: the file.
        {QStringLiteral("HTTP:/page"), path(QStringLiteral("HTTP:/page"))},
        {QStringLiteral("ww"), path(QStringLiteral("ww"))},
        {QStringLiteral("folder"), path(QStringLiteral("folder"))},
        {QStringLiteral("missing.txt"), path(QStringLiteral("missing.txt"))},
        {QStringLiteral("http://example.com/notes.txt"), QStringLiteral("http://example.com/notes.txt")},
        {QStringLiteral("HTTPS://EXAMPLE.COM"), QStringLiteral("HTTPS://EXAMPLE.COM")},
        {QString(), QString()}, // for the opener to say there is nothing to open
    };
    QStringList opened, uris;
    for (const auto &[target, handed] : rows) {
        shortcuts::Launch(target, opener);
        opened << handed;
        if (handed.contains(QLatin1String("://")))
            uris << handed;
    }
    EXPECT_EQ(opener.opened, opened);
    EXPECT_EQ(opener.uris, uris);
}

TEST_F(LaunchTest, TheSelectedItemOpensItsOwnTargetAfterDeletionsInTheMiddle)
{
    const QStringList files = {touch(QStringLiteral("a.txt")), touch(QStringLiteral("b.txt")),
                               touch(QStringLiteral("c.txt")), touch(QStringLiteral("d.txt"))};
    for (const QString &f : files)
        add(f);

    EXPECT_FALSE(shortcuts::OpenSelected(list, opener)); // nothing selected: nothing opens
    EXPECT_TRUE(opener.opened.isEmpty());

    // Delete the second: the former third is now row 1 and still opens c.txt.
    model.remove(1);
    view.selectRow(1);
    EXPECT_TRUE(shortcuts::OpenSelected(list, opener));
    view.selectRow(2);
    EXPECT_TRUE(shortcuts::OpenSelected(list, opener));
    EXPECT_EQ(opener.opened, (QStringList{files[2], files[3]}));
    EXPECT_EQ(model.count(), 3); // launching changes no list
}

TEST_F(LaunchTest, AShortcutsArgumentsAreSeparateArgvEntriesWithItsFolderAndTerminal)
{
    const QString script = touch(QStringLiteral("run.sh"), "#!/bin/sh\n");
    shortcuts::Shortcut shortcut = *shortcuts::makeShortcut(script);
    // As a desktop entry's Exec arguments: quotes group, backslashes escape, "%%" is "%".
    shortcut.arguments = QStringLiteral("--name \"two words\" 'x' \"a\\\"b\" 50%% ; $HOME");
    shortcut.workingDirectory = dir.path();
    shortcut.terminal = true;
    shortcuts::Launch(shortcut, opener);
    ASSERT_EQ(opener.runs.size(), 1u);
    EXPECT_EQ(opener.runs[0].path, script);
    EXPECT_EQ(opener.runs[0].how.arguments,
              (QStringList{"--name", "two words", "'x'", "a\"b", "50%", ";", "$HOME"}));
    EXPECT_EQ(opener.runs[0].how.workingDirectory, dir.path());
    EXPECT_TRUE(opener.runs[0].how.terminal);

    // Without options a shortcut opens as ever; a web address never runs.
    shortcut.arguments.clear();
    shortcut.workingDirectory.clear();
    shortcut.terminal = false;
    shortcuts::Launch(shortcut, opener);
    shortcut.target = QStringLiteral("https://example.org/");
    shortcut.arguments = QStringLiteral("--ignored");
    shortcuts::Launch(shortcut, opener);
    EXPECT_EQ(opener.runs.size(), 1u);
    EXPECT_EQ(opener.opened, (QStringList{script, script, "https://example.org/"}));
    EXPECT_EQ(opener.uris, QStringList{"https://example.org/"});
}

} // namespace
