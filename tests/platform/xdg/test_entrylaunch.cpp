// What starting a desktop entry or one of its actions runs: the actions an
// entry offers, and its Exec line split and filled in with the targets.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/xdg/EntryLaunch.h"
#include "support/QtPrinters.h"

using namespace platform;
using DesktopEntry::Launch;

namespace {

Launch launchOf(const QString &exec)
{
    Launch launch;
    launch.exec = exec;
    launch.name = QStringLiteral("Text Editor");
    launch.icon = QStringLiteral("accessories-text-editor");
    launch.entryPath = QStringLiteral("/usr/share/applications/editor.desktop");
    return launch;
}

// The runs an Exec line gives for `targets`; one run written as its
// arguments joined by "|" and runs by "||", or "refused: <reason>".
QString expanded(const QString &exec, const QStringList &targets = {}, const Launch *base = nullptr)
{
    Launch launch = base ? *base : launchOf(exec);
    launch.exec = exec;
    QString why;
    const auto runs = DesktopEntry::expandExec(launch, targets, &why);
    if (!runs)
        return QStringLiteral("refused: ") + why;
    QStringList joined;
    for (const QStringList &run : *runs)
        joined << run.join(QLatin1Char('|'));
    return joined.join(QStringLiteral("||"));
}

TEST(ExpandExec, FieldCodesAreFilledInAsTheRulesSay)
{
    const QStringList two{QStringLiteral("/home/u/a b.txt"), QStringLiteral("/tmp/c%.txt")};
    const struct {
        const char *exec;
        QStringList targets;
        const char *expected;
    } rows[] = {
        {"editor %f", {}, "editor"},
        {"editor %f", {two[0]}, "editor|/home/u/a b.txt"},
        // One file at a time: started once for each.
        {"editor %f", two, "editor|/home/u/a b.txt||editor|/tmp/c%.txt"},
        {"editor --new %u", two, "editor|--new|file:///home/u/a%20b.txt||editor|--new|file:///tmp/c%25.txt"},
        {"editor %F", two, "editor|/home/u/a b.txt|/tmp/c%.txt"},
        {"editor %U", two, "editor|file:///home/u/a%20b.txt|file:///tmp/c%25.txt"},
        {"editor %U", {"https://example.org/x?y=1"}, "editor|https://example.org/x?y=1"},
        // A file: URI is handed to %f as its path.
        {"editor %f", {"file:///home/u/n%C3%A4me.txt"}, "editor|/home/u/n\u00e4me.txt"},
        // No file code: started once, the targets not given.
        {"editor --blank", two, "editor|--blank"},
        {"editor %i", {}, "editor|--icon|accessories-text-editor"},
        {"editor --title=%c %k", {}, "editor|--title=Text Editor|/usr/share/applications/editor.desktop"},
        {"editor %c", {}, "editor|Text Editor"},
        {"editor --file=%f", {two[0]}, "editor|--file=/home/u/a b.txt"},
        {"editor 100%% %d %D %n %N %v %m done", {}, "editor|100%|done"},
        {"\"/opt/my apps/editor\" \"a \\\"quoted\\\" \\$HOME \\\\ \\`x\\`\"", {},
         "/opt/my apps/editor|a \"quoted\" $HOME \\ `x`"},
        {"editor \"\" 'single quotes' are\\plain", {}, "editor||'single|quotes'|are\\plain"},
        {"  editor\t\t%F  ", {two[1]}, "editor|/tmp/c%.txt"},
        {"/usr/bin/env /opt/100%%/run %F", {}, "/usr/bin/env|/opt/100%/run"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(expanded(QString::fromUtf8(row.exec), row.targets), QString::fromUtf8(row.expected)) << row.exec;
}

TEST(ExpandExec, HostileValuesStayWhole)
{
    // Names, icons and files with quotes, blanks, "%", line breaks and
    // other scripts are handed over as one argument each, never re-read.
    Launch launch = launchOf(QString());
    launch.name = QStringLiteral("Évi's \"editor\" 100% $(rm -rf ~)\nline two");
    launch.icon = QStringLiteral("/icons/a b%c.png");
    const QString file = QStringLiteral("/tmp/\u65e5\u672c; rm -rf ~ \"x\"\n%f.txt");
    EXPECT_EQ(expanded(QStringLiteral("editor %c %i %f"), {file}, &launch),
              QStringLiteral("editor|") + launch.name + QStringLiteral("|--icon|") + launch.icon + QLatin1Char('|') + file);
    // A line break or other script inside the Exec value stays in its argument.
    EXPECT_EQ(expanded(QStringLiteral("editor \"a\nb\" \u00e9t\u00e9")), QStringLiteral("editor|a\nb|\u00e9t\u00e9"));
    // A file name holding a field code is not expanded again.
    EXPECT_EQ(expanded(QStringLiteral("editor %F"), {QStringLiteral("/tmp/%U %c")}), QStringLiteral("editor|/tmp/%U %c"));
}

TEST(ExpandExec, WhatCannotBeStartedIsRefusedWithAReason)
{
    const struct {
        const char *exec;
        const char *reason;
    } rows[] = {
        {"", "names no program"},
        {"   ", "names no program"},
        {"%f", "names no program"},
        {"editor %z", "%z, which is no field code"},
        {"editor 100%", "%, which is no field code"},
        {"editor \"50%\"", "%\", which is no field code"},
        {"editor \"unclosed", "quote that is not closed"},
        {"editor --files=%F", "%F must stand"},
        {"editor x%U", "%U must stand"},
        {"editor --icon=%i", "%i must stand"},
    };
    for (const auto &row : rows) {
        const QString got = expanded(QString::fromUtf8(row.exec), {QStringLiteral("/tmp/a")});
        EXPECT_TRUE(got.startsWith(QLatin1String("refused: ")) && got.contains(QString::fromUtf8(row.reason)))
            << row.exec << " -> " << got.toStdString();
    }
    // A program that takes files only cannot be handed a web address.
    const QString web = expanded(QStringLiteral("viewer %f"), {QStringLiteral("https://example.org/")});
    EXPECT_TRUE(web.contains(QLatin1String("opens only files"))) << web.toStdString();
    // Without an icon %i gives nothing at all, not an empty "--icon".
    Launch bare = launchOf(QString());
    bare.icon.clear();
    EXPECT_EQ(expanded(QStringLiteral("editor %i x"), {}, &bare), QStringLiteral("editor|x"));
}

class EntryFile : public ::testing::Test {
protected:
    QString write(const QByteArray &content)
    {
        const QString path = m_dir.filePath(QStringLiteral("browser.desktop"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        return path;
    }
    QTemporaryDir m_dir;
};

const QByteArray kBrowser = "[Desktop Entry]\nType=Application\nName=Browser\nName[de]=Netzleser\nIcon=web\n"
                            "Exec=browser %u\nPath=/srv/work\\sdir\nActions=new-window;private;gone;new-window;"
                            "nameless;dbus;\n"
                            "[Desktop Action new-window]\nName=New Window\nName[de]=Neues Fenster\n"
                            "Icon=window-new\nExec=browser --new-window\n"
                            "[Desktop Action private]\nName=New &Private Window\nExec=browser --private %u\n"
                            "[Desktop Action nameless]\nExec=browser --x\n"
                            "[Desktop Action dbus]\nName=Over D-Bus only\n"
                            "[Desktop Action unlisted]\nName=Unlisted\nExec=browser --unlisted\n";

TEST_F(EntryFile, ActionsComeInTheirListedOrderInTheUsersLanguage)
{
    const QString path = write(kBrowser);
    const auto names = [&path](const char *locale) {
        QStringList found;
        for (const DesktopEntry::Action &action : DesktopEntry::readActions(path, QLatin1String(locale)))
            found << action.id + QLatin1Char('=') + action.name + QLatin1Char('/') + action.icon;
        return found;
    };
    // Missing groups, no name, no Exec and a repeated id are left out; an
    // unlisted group is no action.
    EXPECT_EQ(names("C"), (QStringList{"new-window=New Window/window-new", "private=New &Private Window/"}));
    EXPECT_EQ(names("de_DE.UTF-8"), (QStringList{"new-window=Neues Fenster/window-new", "private=New &Private Window/"}));
    // Only an application offers actions.
    QByteArray link = kBrowser;
    link.replace("Type=Application", "Type=Link");
    EXPECT_TRUE(DesktopEntry::readActions(write(link), QStringLiteral("C")).empty());
    EXPECT_TRUE(DesktopEntry::readActions(m_dir.filePath(QStringLiteral("none.desktop")), QStringLiteral("C")).empty());
}

TEST_F(EntryFile, LaunchOfAnEntryOrActionCarriesWhatItsExecNeeds)
{
    const QString path = write(kBrowser);
    QString why;
    const auto action = DesktopEntry::launchOf(path, QStringLiteral("new-window"), QStringLiteral("de"), &why);
    ASSERT_TRUE(action) << why.toStdString();
    EXPECT_EQ(action->exec, QStringLiteral("browser --new-window"));
    EXPECT_EQ(action->title, QStringLiteral("Neues Fenster"));
    EXPECT_EQ(action->name, QStringLiteral("Netzleser")); // %c is the application's name
    EXPECT_EQ(action->icon, QStringLiteral("web"));
    EXPECT_EQ(action->workingDirectory, QStringLiteral("/srv/work dir"));
    EXPECT_EQ(action->entryPath, path);
    EXPECT_FALSE(action->terminal);

    const auto entry = DesktopEntry::launchOf(path, QString(), QStringLiteral("C"));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->exec, QStringLiteral("browser %u"));
    EXPECT_EQ(entry->title, QStringLiteral("Browser"));

    EXPECT_FALSE(DesktopEntry::launchOf(path, QStringLiteral("unlisted"), QStringLiteral("C"), &why));
    EXPECT_TRUE(why.contains(QLatin1String("no action unlisted"))) << why.toStdString();
    EXPECT_FALSE(DesktopEntry::launchOf(write("[Desktop Entry]\nType=Application\nName=X\n"), QString(),
                                        QStringLiteral("C"), &why));
    EXPECT_TRUE(why.contains(QLatin1String("names no program"))) << why.toStdString();
    EXPECT_FALSE(DesktopEntry::launchOf(write("[Desktop Entry]\nType=Directory\nName=X\nExec=x\n"), QString(),
                                        QStringLiteral("C"), &why));
    EXPECT_TRUE(why.contains(QLatin1String("not an application"))) << why.toStdString();
    EXPECT_FALSE(DesktopEntry::launchOf(write("just text"), QString(), QStringLiteral("C"), &why));
    EXPECT_TRUE(why.contains(QLatin1String("could not be read"))) << why.toStdString();
    const auto terminal = DesktopEntry::launchOf(
        write("[Desktop Entry]\nType=Application\nName=Top\nExec=top\nTerminal=true\n"), QString(), QStringLiteral("C"));
    ASSERT_TRUE(terminal);
    EXPECT_TRUE(terminal->terminal);
}

} // namespace
