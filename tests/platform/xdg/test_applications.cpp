// Listing the applications the desktop's menus show.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/xdg/Applications.h"
#include "support/QtPrinters.h"

using namespace platform;

namespace {

class Applications : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString home = dir.filePath(QStringLiteral("home"));
    QString system = dir.filePath(QStringLiteral("system"));
    QString bin = dir.filePath(QStringLiteral("bin"));

    void SetUp() override { ASSERT_TRUE(QDir().mkpath(bin)); }

    // An entry under `data`/applications/`relative`.
    void write(const QString &data, const QString &relative, const QByteArray &body)
    {
        const QString path = data + QStringLiteral("/applications/") + relative;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(body);
    }
    static QByteArray app(const QByteArray &name, const QByteArray &more = {})
    {
        return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=/usr/bin/" + name.toLower() + " %U\n" + more;
    }
    ApplicationPlaces places(const QStringList &desktops = {}, const QString &locale = {}) const
    {
        return {{home, system}, desktops, {bin}, locale};
    }
    // id -> name of what is listed.
    QMap<QString, QString> listed(const ApplicationPlaces &where) const
    {
        QMap<QString, QString> names;
        for (const Application &a : listApplications(where))
            names.insert(a.id, a.name);
        return names;
    }
};

TEST_F(Applications, IdsComeFromSubfoldersAndTheFirstFileOfAnIdWins)
{
    write(home, QStringLiteral("editor.desktop"), app("Home Editor"));
    write(system, QStringLiteral("editor.desktop"), app("System Editor"));
    write(system, QStringLiteral("kde/editor.desktop"), app("Kde Editor"));
    write(system, QStringLiteral("kde/games/chess.desktop"), app("Chess"));
    write(system, QStringLiteral("notes.txt"), app("Not An Entry"));
    const QMap<QString, QString> expected = {{"editor.desktop", "Home Editor"},
                                             {"kde-editor.desktop", "Kde Editor"},
                                             {"kde-games-chess.desktop", "Chess"}};
    EXPECT_EQ(listed(places()), expected);
    const auto all = listApplications(places());
    const auto chess = std::find_if(all.begin(), all.end(), [](const Application &a) { return a.name == "Chess"; });
    ASSERT_NE(chess, all.end());
    EXPECT_EQ(chess->path, system + "/applications/kde/games/chess.desktop");
    EXPECT_EQ(chess->program, QStringLiteral("chess"));
}

TEST_F(Applications, HiddenAndForeignEntriesAreLeftOut)
{
    write(system, "shown.desktop", app("Shown"));
    write(system, "link.desktop", "[Desktop Entry]\nType=Link\nName=Link\nURL=https://example.org\n");
    write(system, "nodisplay.desktop", app("NoDisplay", "NoDisplay=true\n"));
    write(system, "hidden.desktop", app("Hidden", "Hidden=true\n"));
    write(system, "only.desktop", app("OnlyXfce", "OnlyShowIn=XFCE;\n"));
    write(system, "not.desktop", app("NotGnome", "NotShowIn=GNOME;KDE;\n"));
    write(system, "noname.desktop", "[Desktop Entry]\nType=Application\nExec=x\n");
    // A hidden copy in the home folder hides the system's entry of that id.
    write(system, "removed.desktop", app("Removed"));
    write(home, "removed.desktop", app("Removed", "Hidden=true\n"));
    EXPECT_EQ(listed(places()).keys(), (QStringList{"not.desktop", "shown.desktop"}));
    EXPECT_EQ(listed(places({"ubuntu", "GNOME"})).keys(), (QStringList{"shown.desktop"}));
    EXPECT_EQ(listed(places({"XFCE"})).keys(), (QStringList{"not.desktop", "only.desktop", "shown.desktop"}));
}

TEST_F(Applications, TryExecMustNameAProgramThatRuns)
{
    QFile program(bin + "/present");
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.close();
    ASSERT_TRUE(program.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    QFile plain(bin + "/plain");
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    ASSERT_TRUE(QDir().mkpath(bin + "/folder"));
    write(system, "onpath.desktop", app("OnPath", "TryExec=present\n"));
    write(system, "absolute.desktop", app("Absolute", "TryExec=" + QFile::encodeName(bin) + "/present\n"));
    write(system, "missing.desktop", app("Missing", "TryExec=absent\n"));
    write(system, "notexec.desktop", app("NotExec", "TryExec=plain\n"));
    write(system, "folder.desktop", app("Folder", "TryExec=folder\n"));
    write(system, "absmissing.desktop", app("AbsMissing", "TryExec=/nonexistent/present\n"));
    EXPECT_EQ(listed(places()).keys(), (QStringList{"absolute.desktop", "onpath.desktop"}));
}

TEST_F(Applications, TextsAreInTheUsersLanguage)
{
    write(system, "files.desktop",
          "[Desktop Entry]\nType=Application\nName=Files\nName[de]=Dateien\nName[de_AT]=Dateien AT\n"
          "GenericName=File Manager\nGenericName[de]=Dateiverwaltung\nComment=Browse\\sfiles\n"
          "Keywords=folder;manager;\nKeywords[de]=Ordner;Verwaltung\\;x;\nIcon=system-file-manager\n"
          "Exec=env LANG=C /opt/files/bin/nautilus --new-window %U\n"
          "[Desktop Action new]\nName=Wrong\n");
    const auto german = listApplications(places({}, "de_DE.UTF-8"));
    ASSERT_EQ(german.size(), 1u);
    EXPECT_EQ(german[0].name, "Dateien");
    EXPECT_EQ(german[0].genericName, "Dateiverwaltung");
    EXPECT_EQ(german[0].comment, "Browse files");
    EXPECT_EQ(german[0].keywords, (QStringList{"Ordner", "Verwaltung;x", "folder", "manager"}));
    EXPECT_EQ(german[0].icon, "system-file-manager");
    EXPECT_EQ(listApplications(places({}, "de_AT"))[0].name, "Dateien AT");
    const auto plain = listApplications(places({}, "C"));
    EXPECT_EQ(plain[0].name, "Files");
    EXPECT_EQ(plain[0].genericName, "File Manager");
    EXPECT_EQ(plain[0].keywords, (QStringList{"folder", "manager"}));
}

TEST_F(Applications, StrangeFilesAmongTheEntriesNeverStopTheList)
{
    write(system, "first.desktop", app("First"));
    write(system, "zlast.desktop", app("Last"));
    write(system, "broken.desktop", "\x01\x02 not an entry \xff\xfe\n[Desktop Entry\nName\n=x\n");
    const QString apps = system + "/applications/";
    // A FIFO nobody writes to: opening it for reading would wait for ever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(apps + "fifo.desktop").constData(), 0600), 0);
    // Links that lead round in a circle, a file and a folder.
    ASSERT_EQ(::symlink("loop-b.desktop", QFile::encodeName(apps + "loop-a.desktop").constData()), 0);
    ASSERT_EQ(::symlink("loop-a.desktop", QFile::encodeName(apps + "loop-b.desktop").constData()), 0);
    ASSERT_TRUE(QDir().mkpath(apps + "sub"));
    ASSERT_EQ(::symlink("..", QFile::encodeName(apps + "sub/up").constData()), 0);
    // A huge file is read only up to what an entry can be, and not kept whole.
    QFile huge(apps + "huge.desktop");
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(app("Huge"));
    ASSERT_TRUE(huge.resize(64 * 1024 * 1024)); // sparse: no disk taken
    huge.close();
    // A FIFO in front of a real entry of the same id does not take the id.
    ASSERT_TRUE(QDir().mkpath(home + "/applications"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(home + "/applications/first.desktop").constData(), 0600), 0);
    const auto names = listed(places());
    EXPECT_EQ(names.value("first.desktop"), "First");
    EXPECT_EQ(names.value("zlast.desktop"), "Last");
    EXPECT_EQ(names.value("huge.desktop"), "Huge");
    EXPECT_FALSE(names.contains("fifo.desktop"));
    EXPECT_FALSE(names.contains("broken.desktop"));
    // The folder the link leads back to is walked once, under its first name.
    EXPECT_FALSE(names.contains("sub-up-first.desktop"));
}

TEST(ApplicationPlacesFromEnvironment, DefaultsWhenUnset)
{
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME"), dataDirs = qgetenv("XDG_DATA_DIRS");
    const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP");
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_DATA_DIRS");
    qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    const ApplicationPlaces unset = ApplicationPlaces::fromEnvironment();
    EXPECT_EQ(unset.dataDirs,
              (QStringList{QDir::homePath() + "/.local/share", "/usr/local/share", "/usr/share"}));
    EXPECT_EQ(unset.desktops, (QStringList{"ubuntu", "GNOME"}));
    qputenv("XDG_DATA_HOME", "/data/home");
    qputenv("XDG_DATA_DIRS", "/a:relative:/b");
    EXPECT_EQ(ApplicationPlaces::fromEnvironment().dataDirs, (QStringList{"/data/home", "/a", "/b"}));
    qputenv("XDG_DATA_HOME", dataHome);
    qputenv("XDG_DATA_DIRS", dataDirs);
    qputenv("XDG_CURRENT_DESKTOP", desktop);
}

} // namespace
