// The context menu's items for the selected shortcut itself: a desktop
// entry's own actions after "Open Shortcut", and "Open With…" listing the
// applications that open its target, the desktop's default first.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "support/WindowFixture.h"
#include "ui/AddApplications.h"

using namespace testing_support;

namespace {

// The XDG folders of one test, put back after it.
class XdgFolders {
public:
    explicit XdgFolders(const QString &root)
    {
        for (const char *name : kNames)
            m_saved.push_back(qgetenv(name));
        qputenv("XDG_DATA_HOME", QFile::encodeName(root + "/home"));
        // The system's MIME types stay known; its applications do not.
        QDir(root).mkpath(QStringLiteral("share"));
        const QString systemData = qEnvironmentVariable("XDG_DATA_DIRS").section(QLatin1Char(':'), 0, 0);
        QFile::link(systemData + QStringLiteral("/mime"), root + QStringLiteral("/share/mime"));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(root + "/share"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + "/config"));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root + "/etc"));
        qunsetenv("XDG_CURRENT_DESKTOP");
    }
    ~XdgFolders()
    {
        for (size_t i = 0; i < std::size(kNames); ++i) {
            if (m_saved[i].isNull())
                qunsetenv(kNames[i]);
            else
                qputenv(kNames[i], m_saved[i]);
        }
    }

private:
    static constexpr const char *kNames[] = {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS",
                                             "XDG_CURRENT_DESKTOP"};
    std::vector<QByteArray> m_saved;
};

class EntryMenuTest : public OpenWindowFixture {
protected:
    XdgFolders xdg{dir.path()};
    QString apps = dir.filePath(QStringLiteral("share/applications"));

    void SetUp() override
    {
        OpenWindowFixture::SetUp();
        for (const char *folder : {"share/applications", "config", "home"})
            ASSERT_TRUE(QDir(dir.path()).mkpath(QLatin1String(folder)));
    }
    QString write(const QString &path, const QByteArray &body)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(body);
        return path;
    }
    QString app(const char *name, const QByteArray &body)
    {
        return write(apps + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".desktop"), body);
    }
    // The popup's items as shown, between "Open Shortcut" and "Show in Folder",
    // with `menu` left up for the test to use.
    QStringList shownAfterOpen(QMenu &menu)
    {
        menu.popup(list().mapToGlobal(QPoint(10, 10)));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&menu));
        QStringList shown;
        bool inside = false;
        for (QAction *action : menu.actions()) {
            if (action->objectName() == QLatin1String("mnuShowInFolder"))
                break;
            if (inside && action->isVisible())
                shown << action->objectName() + QLatin1Char('=') + action->text();
            inside = inside || action->objectName() == QLatin1String("mnuOpen");
        }
        return shown;
    }
    static QAction *item(QMenu &menu, const QString &text)
    {
        for (QAction *action : menu.actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }
};

TEST_F(EntryMenuTest, AnEntrysActionsFollowOpenShortcutAndStartTheOneChosen)
{
    const QString browser =
        app("browser", "[Desktop Entry]\nType=Application\nName=Browser\nExec=browser %u\nActions=new;private;\n"
                       "[Desktop Action new]\nName=New Window\nName[de]=Neues Fenster\nIcon=window-new\n"
                       "Exec=browser --new\n[Desktop Action private]\nName=Fish & Chips\nExec=browser --private\n");
    window->controller().addTargets({QStringLiteral("https://example.org"), browser});
    list().selectRow(1);
    QMenu &menu = window->mnuPopup();
    EXPECT_EQ(shownAfterOpen(menu), (QStringList{"mnuDesktopAction=New Window", "mnuDesktopAction=Fish && Chips",
                                                 "mnuOpenWith=Open &With\u2026"}));
    QAction *second = item(menu, QStringLiteral("Fish && Chips"));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->property("desktopAction").toString(), "private");
    menu.hide();
    second->trigger();
    EXPECT_EQ(opener.started, (std::vector<RecordingOpener::Started>{{browser, "private", {}}}));
    EXPECT_TRUE(opener.opened.isEmpty());

    // Another shortcut: the entry's items are gone.
    list().selectRow(0);
    EXPECT_EQ(shownAfterOpen(menu), (QStringList{"mnuOpenWith=Open &With\u2026"}));
    menu.hide();
}

TEST_F(EntryMenuTest, OpenWithListsTheDefaultFirstAndOpensTheFileWithTheOneChosen)
{
    const QString zed = app("zed", "[Desktop Entry]\nType=Application\nName=Zed\nMimeType=text/plain;\nExec=zed %f\n");
    app("alpha", "[Desktop Entry]\nType=Application\nName=Alpha\nMimeType=text/plain;\nExec=alpha %U\n");
    app("gone", "[Desktop Entry]\nType=Application\nName=Gone\nMimeType=text/plain;\nExec=gone %F\n");
    app("viewer", "[Desktop Entry]\nType=Application\nName=Viewer\nMimeType=image/png;\nExec=viewer %f\n");
    write(dir.filePath(QStringLiteral("config/mimeapps.list")),
          "[Default Applications]\ntext/plain=zed.desktop\n[Removed Associations]\ntext/plain=gone.desktop\n");
    const QString notes = write(dir.filePath(QStringLiteral("notes.txt")), "text");
    const QString gone = write(dir.filePath(QStringLiteral("gone.txt")), "text");
    window->controller().addTargets({notes, gone});
    ASSERT_EQ(window->model().count(), 2);
    ASSERT_TRUE(QFile::remove(gone));
    list().selectRow(0);
    QMenu &menu = window->mnuPopup();
    shownAfterOpen(menu);
    auto *openWith = menu.findChild<QMenu *>(QStringLiteral("mnuOpenWith"));
    ASSERT_NE(openWith, nullptr);
    ASSERT_TRUE(openWith->menuAction()->isEnabled());
    openWith->popup(menu.mapToGlobal(QPoint(40, 40)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(openWith));
    QStringList shown;
    for (QAction *action : openWith->actions())
        shown << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(shown, (QStringList{"Zed", "Alpha", "-", "Other Application\u2026"}));
    EXPECT_EQ(openWith->actions().constFirst()->property("desktopEntry").toString(), zed);
    QAction *first = openWith->actions().constFirst();
    openWith->hide();
    menu.hide();
    first->trigger();
    EXPECT_EQ(opener.started, (std::vector<RecordingOpener::Started>{{zed, "", {notes}}}));

    // A shortcut whose file is gone has nothing to open it with.
    list().selectRow(1);
    shownAfterOpen(menu);
    EXPECT_FALSE(openWith->menuAction()->isEnabled());
    menu.hide();
}

TEST_F(EntryMenuTest, OtherApplicationChoosesOneFromTheInstalledOnes)
{
    const QString zed = app("zed", "[Desktop Entry]\nType=Application\nName=Zed\nExec=zed %f\n");
    app("alpha", "[Desktop Entry]\nType=Application\nName=Alpha\nExec=alpha %f\n");
    const QString notes = write(dir.filePath(QStringLiteral("notes.txt")), "text");
    window->controller().addTargets({notes});
    const platform::ApplicationPlaces places{{dir.filePath(QStringLiteral("share"))}, {}, {}, QStringLiteral("C")};
    ui::AddApplications chooser(window->controller(), places, window.get(), notes);
    EXPECT_EQ(chooser.windowTitle(), "Tessaflow - Open With");
    auto *open = chooser.findChild<QPushButton *>(QStringLiteral("cmdAdd"));
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->text(), "&Open");
    EXPECT_EQ(chooser.list().selectionMode(), QAbstractItemView::SingleSelection);
    QTest::keyClicks(&chooser.filter(), "ze");
    EXPECT_EQ(chooser.chosen(), QStringList{zed});
    open->click();
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(opener.started, (std::vector<RecordingOpener::Started>{{zed, "", {notes}}}));
    // Nothing was added as a shortcut.
    EXPECT_EQ(window->model().count(), 1);
}

} // namespace
