// What each source offers to import, how it merges into the shortcuts there
// are, and the bookmarks file written back.
#include "support/QtPrinters.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include "config/Config.h"
#include "config/ProfileImport.h"
#include "shortcuts/Importing.h"
#include "support/ShortcutFixture.h"

namespace {

using shortcuts::Found;
using shortcuts::Shortcut;

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray application(const char *name, const char *type = "Application")
{
    return QByteArray("[Desktop Entry]\nType=") + type + "\nName=" + name + "\nExec=true\n";
}

Shortcut made(const QString &target, const QString &caption, const QString &group = {})
{
    Shortcut shortcut;
    shortcut.target = target;
    shortcut.caption = caption;
    shortcut.group = group;
    return shortcut;
}

// "caption>target@group" for each shortcut, "name:why" for each skipped.
QStringList seen(const Found &found, const QString &root)
{
    QStringList out;
    for (const Shortcut &s : found.shortcuts)
        out << QStringLiteral("%1>%2@%3").arg(s.caption, QString(s.target).replace(root, QStringLiteral("~")), s.group);
    for (const shortcuts::Skipped &s : found.skipped)
        out << QStringLiteral("%1:%2").arg(s.name, s.why);
    return out;
}

struct SourceCase {
    const char *name;
    // Writes the sample under the folder given and reads it.
    std::function<Found(const QString &root)> read;
    QStringList expected;
    QStringList groups;
};

TEST(ImportingTest, EachSourceOffersItsShortcutsAndSaysWhatItSkipped)
{
    const std::vector<SourceCase> cases = {
        {"another profile",
         [](const QString &root) {
             testing_support::FakeFrame frame;
             config::ListLook look;
             look.groups = {QString(), QStringLiteral("Work")};
             const std::vector<Shortcut> stored = {made(QStringLiteral("https://example.org"), QStringLiteral("Ex")),
                                                   made(root + QStringLiteral("/doc.txt"), QStringLiteral("Doc"),
                                                        QStringLiteral("Work"))};
             const QString path = root + QStringLiteral("/other.ini");
             EXPECT_TRUE(config::Save_Config(config::IniFile(path), frame, look, stored,
                                             [](int) { return QPointF(); }, {}));
             QString why;
             Found found = config::readProfileToImport(path, &why);
             EXPECT_EQ(why, QString());
             return found;
         },
         {"Ex>https://example.org@", "Doc>~/doc.txt@Work"},
         {"Work"}},
        {"a folder of desktop entries",
         [](const QString &root) {
             write(root + QStringLiteral("/apps/b-editor.desktop"), application("Editor"));
             write(root + QStringLiteral("/apps/a-web.desktop"), application("Web", "Link"));
             write(root + QStringLiteral("/apps/c-broken.desktop"), "no entry here\n");
             write(root + QStringLiteral("/apps/notes.txt"), application("Not an entry file"));
             return shortcuts::readDesktopFolder(root + QStringLiteral("/apps"));
         },
         {"Editor>~/apps/b-editor.desktop@", "a-web.desktop:not an application",
          "c-broken.desktop:not a readable desktop entry"},
         {}},
        {"docks and panels",
         [](const QString &root) {
             const QString apps = root + QStringLiteral("/share/applications");
             write(apps + QStringLiteral("/term.desktop"), application("Terminal"));
             write(apps + QStringLiteral("/files.desktop"), application("Files"));
             const QString home = root + QStringLiteral("/home");
             // xfce4-panel: its own copy, the installed entry preferred; one only it has.
             write(home + QStringLiteral("/.config/xfce4/panel/launcher-3/term.desktop"), application("Old"));
             write(home + QStringLiteral("/.config/xfce4/panel/launcher-7/16.desktop"), application("Own"));
             write(home + QStringLiteral("/.config/plank/dock1/launchers/files.dockitem"),
                   "[PlankDockItemPreferences]\nLauncher=file://" + apps.toUtf8() + "/files.desktop\n");
             write(home + QStringLiteral("/.config/plank/dock1/launchers/gone.dockitem"),
                   "[PlankDockItemPreferences]\nLauncher=file:///nowhere/gone.desktop\n");
             write(home + QStringLiteral("/.config/lxqt/panel.conf"),
                   "[quicklaunch]\napps\\1\\desktop=" + apps.toUtf8()
                       + "/term.desktop\napps\\2\\desktop=/no/such.desktop\napps\\size=2\n");
             write(home + QStringLiteral("/.config/lxpanel/LXDE/panels/panel"),
                   "Plugin {\n  type=launchbar\n  Config {\n    Button {\n      id=files.desktop\n    }\n  }\n}\n");
             return shortcuts::readDocks(home, {apps});
         },
         {"Terminal>~/share/applications/term.desktop@", "Own>~/home/.config/xfce4/panel/launcher-7/16.desktop@",
          "Files>~/share/applications/files.desktop@", "Terminal>~/share/applications/term.desktop@",
          "Files>~/share/applications/files.desktop@", "gone.dockitem:not found", "/no/such.desktop:not found"},
         {}},
        {"a bookmarks file",
         [](const QString &) {
             return shortcuts::readBookmarks(
                 "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n"
                 "  <DT><A HREF=\"https://top.example/\" ADD_DATE=\"1\">Top &amp; first</A>\n"
                 "  <DT><H3 ADD_DATE=\"2\">News</H3>\n  <DL><p>\n"
                 "    <DT><A HREF='https://news.example/?a=1&amp;b=2'>Daily</A>\n"
                 "    <DT><H3>Deeper</H3>\n    <DL><p>\n      <dt><a href=\"ftp://files.example/\"></a>\n"
                 "    </DL><p>\n"
                 "    <DT><A HREF=\"javascript:alert(1)\">Script</A>\n"
                 "  </DL><p>\n"
                 "  <DT><A HREF=\"place:sort=8\">Recent</A>\n</DL><p>\n");
         },
         {"Top & first>https://top.example/@", "Daily>https://news.example/?a=1&b=2@News",
          "ftp://files.example/>ftp://files.example/@Deeper", "Script:not a web address", "Recent:not a web address"},
         {"News", "Deeper"}},
    };
    for (const SourceCase &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        const Found found = c.read(root.path());
        EXPECT_EQ(seen(found, root.path()), c.expected);
        EXPECT_EQ(found.groups, c.groups);
    }
}

TEST(ImportingTest, BookmarksInOnePlaceGoToTheGroupShown)
{
    const Found found = shortcuts::readBookmarks("<DL><p><DT><H3>Bookmarks bar</H3><DL><p>"
                                                 "<DT><A HREF=\"https://a.example/\">A</A>"
                                                 "<DT><A HREF=\"https://b.example/\">B</A></DL><p></DL><p>");
    ASSERT_EQ(found.shortcuts.size(), 2u);
    EXPECT_EQ(found.shortcuts[1].group, QString());
    EXPECT_TRUE(found.groups.isEmpty());
}

TEST(ImportingTest, MergeAddsWhatIsNewOnceAndTellsWhatWasThere)
{
    shortcuts::ListState current;
    current.groups = {QString(), QStringLiteral("Work")};
    current.shortcuts = {made(QStringLiteral("/home/u/doc.txt"), QStringLiteral("Doc")),
                         made(QStringLiteral("https://a.example/"), QStringLiteral("A"), QStringLiteral("Work"))};
    current.shortcuts[0].left = 15;
    Found found;
    found.groups = {QStringLiteral("work"), QStringLiteral("Games")};
    found.shortcuts = {made(QStringLiteral("/home/u//doc.txt"), QStringLiteral("Same doc")),
                       made(QStringLiteral("https://a.example/"), QStringLiteral("A again"), QStringLiteral("work")),
                       made(QStringLiteral("https://b.example/"), QStringLiteral("B"), QStringLiteral("work")),
                       made(QStringLiteral("https://b.example/"), QStringLiteral("B twice")),
                       made(QStringLiteral("/opt/game"), QStringLiteral("Game"), QStringLiteral("Games")),
                       made(QStringLiteral("/opt/tool"), QStringLiteral("Tool"))};
    found.shortcuts[4].left = 99;
    found.skipped = {{QStringLiteral("x.desktop"), QStringLiteral("not an application")}};

    const shortcuts::Imported merged = shortcuts::takeIn(current, found, QStringLiteral("Work"));
    EXPECT_EQ(merged.added, (QStringList{"B", "Game", "Tool"}));
    EXPECT_EQ(merged.alreadyThere, (QStringList{"Same doc", "A again", "B twice"}));
    // "work" is the group "Work"; "Games" is new.
    EXPECT_EQ(merged.state.groups, (QStringList{QString(), "Work", "Games"}));
    ASSERT_EQ(merged.state.shortcuts.size(), 5u);
    EXPECT_EQ(merged.state.shortcuts[0].left, 15.0); // what was there is untouched
    EXPECT_EQ(merged.state.shortcuts[2].group, QStringLiteral("Work"));
    EXPECT_EQ(merged.state.shortcuts[3].group, QStringLiteral("Games"));
    EXPECT_FALSE(merged.state.shortcuts[3].left.has_value()); // placed anew
    EXPECT_EQ(merged.state.shortcuts[4].group, QStringLiteral("Work")); // the group shown

    const QString report = shortcuts::importReport(merged);
    EXPECT_TRUE(report.contains(QStringLiteral("3 added: B, Game, Tool"))) << qPrintable(report);
    EXPECT_TRUE(report.contains(QStringLiteral("3 already there: Same doc, A again, B twice"))) << qPrintable(report);
    EXPECT_TRUE(report.contains(QStringLiteral("1 skipped: x.desktop (not an application)"))) << qPrintable(report);
}

TEST(ImportingTest, ExportedBookmarksImportAsTheSameShortcuts)
{
    shortcuts::ListState state;
    state.groups = {QString(), QStringLiteral("News & <more>")};
    state.shortcuts = {made(QStringLiteral("https://a.example/?q=1&r=\"2\""), QStringLiteral("A <b> & 'c'")),
                       made(QStringLiteral("/home/u/doc.txt"), QStringLiteral("Not a web address")),
                       made(QStringLiteral("http://b.example/"), QStringLiteral("B"), QStringLiteral("News & <more>")),
                       made(QStringLiteral("ftp://c.example/"), QStringLiteral("C"))};
    const QByteArray html = shortcuts::bookmarksHtml(state);
    EXPECT_FALSE(html.contains("<b>"));
    EXPECT_TRUE(html.startsWith("<!DOCTYPE NETSCAPE-Bookmark-file-1>"));

    shortcuts::ListState empty;
    const shortcuts::Imported back = shortcuts::takeIn(empty, shortcuts::readBookmarks(html), QString());
    EXPECT_EQ(back.state.groups, state.groups);
    std::vector<Shortcut> expected = {state.shortcuts[0], state.shortcuts[3], state.shortcuts[2]};
    ASSERT_EQ(back.state.shortcuts.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(back.state.shortcuts[i].target, expected[i].target);
        EXPECT_EQ(back.state.shortcuts[i].caption, expected[i].caption);
        EXPECT_EQ(back.state.shortcuts[i].group, expected[i].group);
    }
}

} // namespace
