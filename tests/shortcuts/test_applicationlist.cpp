// The installed applications as a list: sorted by name, marked when added,
// and ranked while typing as the main window ranks shortcuts.
#include <gtest/gtest.h>

#include "platform/icons/IconLookup.h"
#include "shortcuts/ApplicationList.h"
#include "support/QtPrinters.h"

using namespace shortcuts;

namespace {

platform::Application app(const QString &name, const QString &generic = {}, const QStringList &keywords = {},
                          const QString &program = {})
{
    platform::Application a;
    a.id = name.toLower() + QStringLiteral(".desktop");
    a.path = QStringLiteral("/usr/share/applications/") + a.id;
    a.name = name;
    a.genericName = generic;
    a.keywords = keywords;
    a.program = program.isEmpty() ? name.toLower() : program;
    return a;
}

class ApplicationListTest : public ::testing::Test {
protected:
    platform::IconLookup lookup;
    Icons icons{lookup};
    ApplicationModel model{icons};
    RankedApplications shown{model};

    QStringList names(const QAbstractItemModel &m) const
    {
        QStringList out;
        for (int row = 0; row < m.rowCount(); ++row)
            out << m.index(row, 0).data(Qt::AccessibleTextRole).toString();
        return out;
    }
};

TEST_F(ApplicationListTest, SortedByNameAsPeopleReadThem)
{
    const std::vector<platform::Application> apps = {app("zed"),      app("Écrire"),   app("apple"),
                                                     app("Banana"),   app("Player 10"), app("Player 9"),
                                                     app("Östlich"),  app("Oben")};
    model.load(apps, {}, QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(names(model),
              (QStringList{"apple", "Banana", "Écrire", "Oben", "Östlich", "Player 9", "Player 10", "zed"}));
    EXPECT_EQ(names(shown), names(model));
    // Swedish has Ö as a letter of its own, after z.
    model.load(apps, {}, QLocale(QLocale::Swedish, QLocale::Sweden));
    EXPECT_EQ(names(model).last(), "Östlich");
    // The C locale sorts as English does, not by character codes.
    model.load(apps, {}, QLocale::c());
    EXPECT_EQ(names(model).first(), "apple");
}

TEST_F(ApplicationListTest, TypingRanksNameThenKeywordsThenProgram)
{
    model.load({app("Firefox", "Web Browser", {"internet", "www"}, "firefox-esr"),
                app("Web Editor", "HTML Editor", {}, "bluefish"), app("Chromium", "Web Browser", {"browser"}),
                app("Terminal", "Terminal Emulator", {"shell", "prompt", "command line"}, "xfce4-terminal"),
                app("Files", "File Manager", {"folder"}, "nautilus")},
               {});
    shown.setTyped(QStringLiteral("web"));
    // The name first, then those whose generic name or keyword has a word starting so.
    EXPECT_EQ(names(shown), (QStringList{"Web Editor", "Chromium", "Firefox"}));
    shown.setTyped(QStringLiteral("BROWSER"));
    EXPECT_EQ(names(shown), (QStringList{"Chromium", "Firefox"}));
    shown.setTyped(QStringLiteral("line"));
    EXPECT_EQ(names(shown), QStringList{"Terminal"}); // a word of a keyword of two words
    shown.setTyped(QStringLiteral("nautilus"));
    EXPECT_EQ(names(shown), QStringList{"Files"}); // the program's file name
    shown.setTyped(QStringLiteral("nothing like it"));
    EXPECT_EQ(shown.rowCount(), 0);
    shown.setTyped(QString());
    EXPECT_EQ(names(shown), names(model));
}

TEST_F(ApplicationListTest, RowsSayWhatTheyAreAndWhichAreAddedAlready)
{
    platform::Application editor = app("Editor", "Text Editor");
    editor.comment = QStringLiteral("Edit text files");
    platform::Application same = app("Viewer", "Viewer");
    same.comment = QStringLiteral("Look at pictures");
    model.load({editor, same, app("Calc")}, {QStringLiteral("/usr/share/applications/./calc.desktop"),
                                             QStringLiteral("/home/me/notes.txt")});
    const QModelIndex first = model.index(0, 0), second = model.index(1, 0), third = model.index(2, 0);
    // Calc, Editor, Viewer
    EXPECT_TRUE(first.data(ApplicationModel::Added).toBool());
    EXPECT_EQ(first.data(Qt::DisplayRole).toString(), "Calc\n(already added)");
    EXPECT_EQ(first.data(Qt::AccessibleDescriptionRole).toString(), "(already added)");
    EXPECT_FALSE(second.data(ApplicationModel::Added).toBool());
    EXPECT_EQ(second.data(Qt::DisplayRole).toString(), "Editor\nText Editor");
    EXPECT_EQ(second.data(Qt::AccessibleTextRole).toString(), "Editor");
    EXPECT_EQ(second.data(Qt::ToolTipRole).toString(), "Edit text files");
    // A generic name that only repeats the name gives way to the comment.
    EXPECT_EQ(third.data(Qt::AccessibleDescriptionRole).toString(), "Look at pictures");
    EXPECT_EQ(third.data(ApplicationModel::EntryPath).toString(), "/usr/share/applications/viewer.desktop");
    EXPECT_FALSE(first.data(Qt::DecorationRole).value<QIcon>().isNull());
}

} // namespace
