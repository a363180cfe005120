// With a pseudo-translation installed (every text of the .ts files wrapped in
// [!! … !!]) the program is walked through: every text it shows must come
// out wrapped, or else it did not go through Qt's translation.
#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTranslator>
#include <cerrno>
#include <sys/stat.h>

#include "Version.h"
#include "app/CommandLine.h"
#include "options/frmOptions.h"
#include "platform/globalkey/GlobalKey.h"
#include "support/RecordingSpawner.h"
#include "support/WindowFixture.h"
#include "ui/AddApplications.h"
#include "ui/GroupTabs.h"
#include "ui/Properties.h"

using namespace testing_support;

namespace {

class PseudoTranslationTest : public WindowFixture {
protected:
    QTranslator pseudo;
    QStringList stray;

    void SetUp() override
    {
        ASSERT_TRUE(pseudo.load(QStringLiteral(PSEUDO_QM)));
        QCoreApplication::installTranslator(&pseudo);
    }
    void TearDown() override
    {
        QCoreApplication::removeTranslator(&pseudo);
        EXPECT_TRUE(stray.isEmpty()) << "shown untranslated:\n" << stray.join(QLatin1Char('\n')).toStdString();
    }

    // What the user gave (paths, captions, typed text) and the program's
    // own name and site are shown as they are; wrapped texts are taken out,
    // innermost first. Anything but numbers, blanks and punctuation left over
    // was shown without going through the translation.
    void see(const QString &where, const QString &text, const QStringList &given = {})
    {
        QString rest = text;
        for (const QString &g : given + QStringList{dir.path(), QLatin1String(version::kWebUrl),
                                                   QLatin1String(version::kWebHost), QLatin1String(version::kProductName)})
            if (!g.isEmpty())
                rest.remove(g);
        static const QRegularExpression innermost(QStringLiteral("\\[!!((?!\\[!!).)*?!!\\]"),
                                                  QRegularExpression::DotMatchesEverythingOption);
        for (qsizetype before = -1; before != rest.size();) {
            before = rest.size();
            rest.remove(innermost);
        }
        static const QRegularExpression neutral(QStringLiteral("^[\\d\\s\\p{P}\\p{S}]*$"));
        if (!neutral.match(rest).hasMatch())
            stray << where + QStringLiteral(": ") + text;
    }
    void seeMenu(const QString &where, const QMenu &menu, const QStringList &given = {})
    {
        see(where, menu.title(), given);
        for (QAction *a : menu.actions()) {
            see(where, a->text(), given);
            if (a->menu())
                seeMenu(where + QStringLiteral(" > ") + a->text(), *a->menu(), given);
        }
    }
    void seeShown(const QStringList &given)
    {
        for (const auto &shown : dialogs.shown)
            see(shown.kind, shown.title + QLatin1Char('\n') + shown.text, given);
    }
    // Every text a dialog's widgets show or give screen readers.
    void seeDialog(const QString &where, const QWidget &dialog, const QStringList &given = {})
    {
        see(where + QStringLiteral(" title"), dialog.windowTitle(), given);
        for (QWidget *w : dialog.findChildren<QWidget *>()) {
            const QString at = where + QLatin1Char(' ') + w->objectName();
            see(at, w->toolTip(), given);
            see(at, w->accessibleName(), given);
            see(at, w->accessibleDescription(), given);
            if (auto *label = qobject_cast<QLabel *>(w))
                see(at, label->text(), given);
            // OK, Cancel and the like are Qt's own, translated by Qt.
            auto *box = qobject_cast<QDialogButtonBox *>(w->parentWidget());
            auto *button = qobject_cast<QAbstractButton *>(w);
            if (button && !(box && box->standardButton(button) != QDialogButtonBox::NoButton))
                see(at, button->text(), given);
            if (auto *field = qobject_cast<QLineEdit *>(w))
                see(at, field->placeholderText(), given);
        }
    }
    QString touch(const QString &name)
    {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return f.fileName();
    }
};

TEST_F(PseudoTranslationTest, TheWindowItsMenusTrayAndList)
{
    auto window = open();
    see(QStringLiteral("title"), window->windowTitle());
    see(QStringLiteral("tray tip"), tray.tip);
    seeMenu(QStringLiteral("tray menu"), window->mPopupSys());
    seeMenu(QStringLiteral("context menu"), window->mnuPopup());
    platform::ListView &list = window->lstButtons();
    see(QStringLiteral("list tooltip"), list.toolTip());
    see(QStringLiteral("placeholder"), list.placeholderText());
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&list);
    see(QStringLiteral("list name"), iface->text(QAccessible::Name));
    see(QStringLiteral("empty list"), iface->text(QAccessible::Description));

    const QString file = touch(QStringLiteral("notes.txt"));
    const QString gone = dir.filePath(QStringLiteral("gone.txt"));
    window->controller().addTargets({file, gone, QStringLiteral("https://example.org/")});
    const QStringList given{QStringLiteral("notes.txt"), QStringLiteral("gone.txt"),
                            QStringLiteral("https://example.org/"), QStringLiteral("example.org")};
    see(QStringLiteral("count"), iface->text(QAccessible::Description));
    for (int row = 0; row < iface->childCount(); ++row) {
        see(QStringLiteral("item name"), iface->child(row)->text(QAccessible::Name), given);
        see(QStringLiteral("item description"), iface->child(row)->text(QAccessible::Description), given);
        see(QStringLiteral("item tooltip"), list.model()->index(row, 0).data(Qt::ToolTipRole).toString(), given);
    }
    QTest::keyClicks(&list, QStringLiteral("no"));
    for (QLabel *line : list.findChildren<QLabel *>())
        see(QStringLiteral("filter line"), line->text(), {QStringLiteral("no")});
    QTest::keyClicks(&list, QStringLiteral("qq"));
    ASSERT_TRUE(list.showsNoMatch());
    see(QStringLiteral("no match"), list.noMatchText(), {QStringLiteral("noqq")});
}

TEST_F(PseudoTranslationTest, GroupsTheirTabsMenusPromptsAndMatchesElsewhere)
{
    writeProfile("[Tessaflow]\nArrange=1\nGroups=|Work\n0=http://a.example|alpha||\n1=http://b.example|alpine|||group=Work\n");
    auto window = open();
    const QStringList given{QStringLiteral("Work"), QStringLiteral("alpha"), QStringLiteral("alpine"),
                            QStringLiteral("http://b.example"), QStringLiteral("Tools"), QStringLiteral("al")};
    auto *tabs = window->findChild<ui::GroupTabs *>();
    ASSERT_NE(tabs, nullptr);
    for (int tab = 0; tab < tabs->count(); ++tab)
        see(QStringLiteral("tab"), tabs->tabText(tab), given);
    std::unique_ptr<QMenu> menu(tabs->menuFor(0));
    seeMenu(QStringLiteral("tab menu"), *menu);
    window->lstButtons().selectRow(0);
    window->mnuPopup().popup({});
    for (QAction *item : window->mnuPopup().actions())
        if (item->objectName() == QStringLiteral("mnuMoveToGroup")) {
            emit item->menu()->aboutToShow();
            EXPECT_EQ(item->menu()->actions().size(), 3) << "Work, a line, New Group";
        }
    seeMenu(QStringLiteral("context menu with groups"), window->mnuPopup(), given);
    window->mnuPopup().hide();
    // The prompts, a refusal, the question before deleting.
    dialogs.nextInput = QStringLiteral("work");
    dialogs.laterInputs = {QStringLiteral("Tools")};
    window->controller().newGroup();
    dialogs.nextInput = std::nullopt;
    window->controller().renameGroup(QStringLiteral("Work"));
    dialogs.nextAnswer = platform::Dialogs::No;
    window->controller().deleteGroup(QStringLiteral("Work"));
    seeShown(given);
    // A match in another group, and only there.
    window->controller().showGroup(QString());
    QTest::keyClicks(&window->lstButtons(), QStringLiteral("alpi"));
    const auto &elsewhere = window->controller().finder().otherGroups();
    ASSERT_EQ(elsewhere.rowCount(), 1);
    for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole), int(Qt::AccessibleDescriptionRole)})
        see(QStringLiteral("match elsewhere"), elsewhere.index(0).data(role).toString(), given);
    see(QStringLiteral("no match here"), window->lstButtons().noMatchText(), given + QStringList{"alpi"});
}

TEST_F(PseudoTranslationTest, QuestionsPromptsReportsAndChoosers)
{
    auto window = open();
    const QString file = touch(QStringLiteral("notes.txt"));
    const QString gone = dir.filePath(QStringLiteral("gone.txt"));
    window->controller().addTargets({file, gone});
    // The names given, the URL prompt's "http://www." to type on, the name a
    // drop carried (not UTF-8) and the program the desktop opens files with.
    const QStringList given{QStringLiteral("notes.txt"), QStringLiteral("gone.txt"), QStringLiteral("two words"),
                            QStringLiteral("http://a.example"), QStringLiteral("a.example"),
                            QStringLiteral("http://www."), QStringLiteral("/d/bad\uFFFDname"),
                            QStandardPaths::findExecutable(QStringLiteral("xdg-open"))};
    dialogs.nextAnswer = platform::Dialogs::No;
    window->lstButtons().selectRow(0);
    window->controller().deleteSelected();
    window->lstButtons().selectRow(1);
    window->controller().openSelected(); // missing: offers to remove it
    dialogs.nextInput = QStringLiteral("two words");
    window->controller().addUrl();
    clipboard.fill().setText(QStringLiteral("http://a.example\nnot a thing"));
    window->controller().paste();
    clipboard.fill().setText(QStringLiteral("not a thing"));
    window->controller().paste();
    window->controller().addDropped({QUrl::fromEncoded("file:///d/bad%FFname")});
    window->controller().addFiles();
    window->controller().addFolders();
    for (const QString &title : fileChooser.titles)
        see(QStringLiteral("file chooser"), title);
    // Starting at login where its folder cannot be made.
    touch(QStringLiteral("autostart"));
    window->controller().setStartAtLogin(true);
    // Opening fails.
    RecordingSpawner spawner;
    platform::DesktopOpener opener(spawner, platform::notifyThrough(dialogs));
    opener.openPath(file);
    ASSERT_FALSE(spawner.calls.empty());
    spawner.finish(0, {false, ENOENT, 0});
    EXPECT_GE(dialogs.shown.size(), 8u);
    seeShown(given);
    // What a second start is refused.
    QString refusal;
    (void)app::handedOverTarget(QStringLiteral("relative.txt"), &refusal);
    see(QStringLiteral("handed over"), refusal, {QStringLiteral("relative.txt")});
}

TEST_F(PseudoTranslationTest, TheProfileCannotBeReadOrSavedOrWasChangedOnDisk)
{
    writeProfile("[Tessaflow]\n0=http://mine.org|mine||\n");
    auto window = open();
    writeProfile("[Tessaflow]\n0=http://theirs.org|theirs||\n");
    window->controller().save(); // keeps theirs as a backup and says so
    window.reset();
    const QString regular = profile;
    profile = dir.filePath(QStringLiteral("fifo.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(profile).constData(), 0600), 0);
    open().reset(); // cannot be read
    profile = regular + QStringLiteral("/tsw.ini");
    auto blocked = open();
    blocked->controller().save(); // cannot be written
    blocked.reset();
    EXPECT_GE(dialogs.shown.size(), 3u);
    seeShown({QStringLiteral("tsw.ini"), QStringLiteral("fifo.ini")});
}

TEST_F(PseudoTranslationTest, TheOptionsDialogAndTheShowHideKey)
{
    platform::NoGlobalKey noKey;
    ui::MainWindow window(profile, ui::Services{tray, dialogs, icons, opener, clipboard, fileChooser, autostart,
                                                    noKey, activation, monitors});
    window.start();
    window.showOptions();
    options::frmOptions *options = window.frmOptions();
    ASSERT_NE(options, nullptr);
    auto *key = options->findChild<QKeySequenceEdit *>();
    ASSERT_NE(key, nullptr);
    key->setKeySequence(QKeySequence(QStringLiteral("Ctrl+Alt+Space")));
    const QStringList given{key->keySequence().toString(QKeySequence::NativeText)};
    see(QStringLiteral("options title"), options->windowTitle());
    for (QWidget *w : options->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QString where = QStringLiteral("options ") + w->objectName();
        see(where, w->toolTip());
        if (auto *label = qobject_cast<QLabel *>(w))
            see(where, label->text(), given);
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            see(where, button->text());
        if (auto *combo = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                see(where, combo->itemText(i));
    }
    EXPECT_FALSE(options->findChild<QLabel *>(QStringLiteral("lblKeyProblem"))->text().isEmpty());
    options->close();
}

TEST_F(PseudoTranslationTest, TheAddApplicationsWindow)
{
    const QString apps = dir.filePath(QStringLiteral("share/applications"));
    ASSERT_TRUE(QDir().mkpath(apps));
    QFile entry(apps + QStringLiteral("/editor.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Editor\nExec=true\n");
    entry.close();
    QFile other(apps + QStringLiteral("/viewer.desktop"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("[Desktop Entry]\nType=Application\nName=Viewer\nComment=Looks\nExec=true\n");
    other.close();
    auto window = open();
    window->controller().addApplications({entry.fileName()});
    const platform::ApplicationPlaces places{{dir.filePath(QStringLiteral("share"))}, {}, {}, QStringLiteral("C")};
    ui::AddApplications dialog(window->controller(), places, window.get());
    const QStringList given{QStringLiteral("Editor"), QStringLiteral("Viewer"), QStringLiteral("Looks")};
    seeDialog(QStringLiteral("add applications"), dialog, given);
    const QAbstractItemModel &rows = *dialog.list().model();
    ASSERT_EQ(rows.rowCount(), 2);
    for (int row = 0; row < rows.rowCount(); ++row) {
        see(QStringLiteral("application row"), rows.index(row, 0).data(Qt::DisplayRole).toString(), given);
        see(QStringLiteral("application description"),
            rows.index(row, 0).data(Qt::AccessibleDescriptionRole).toString(), given);
    }
}

TEST_F(PseudoTranslationTest, PropertiesOpenWithAndTheirRefusals)
{
    const QString script = touch(QStringLiteral("run.sh"));
    {
        QFile file(script);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nexit 0\n");
    }
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    auto window = open();
    window->controller().addTargets({script});
    const auto shortcut = shortcuts::makeShortcut(script);
    ASSERT_TRUE(shortcut);
    ui::Properties properties(*shortcut, fileChooser, [](const QString &, const QString &) { return QIcon(); },
                              window.get());
    ASSERT_TRUE(properties.offersRunning());
    const QStringList given{QStringLiteral("run.sh"), QStringLiteral("Editor")};
    seeDialog(QStringLiteral("properties"), properties, given);
    // Refused: a blank caption, a target that names nothing.
    properties.caption().clear();
    properties.target().setText(QStringLiteral("not a thing at all"));
    properties.done(QDialog::Accepted);
    seeDialog(QStringLiteral("refused properties"), properties, given + QStringList{QStringLiteral("not a thing at all")});

    // The Open With list and its own window, over applications of our own.
    const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
    const auto restore = qScopeGuard([dataDirs] { qputenv("XDG_DATA_DIRS", dataDirs); });
    qputenv("XDG_DATA_DIRS", QFile::encodeName(dir.filePath(QStringLiteral("share"))));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("share/applications"))));
    QFile entry(dir.filePath(QStringLiteral("share/applications/editor.desktop")));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Editor\nExec=true %f\n"
                "MimeType=application/x-shellscript;text/plain;application/octet-stream;\n");
    entry.close();
    window->lstButtons().selectRow(0);
    auto *openWith = window->mnuPopup().findChild<QMenu *>(QStringLiteral("mnuOpenWith"));
    ASSERT_NE(openWith, nullptr);
    emit openWith->aboutToShow();
    ASSERT_GE(openWith->actions().size(), 3); // Editor, a line, Other Application…
    for (QAction *item : openWith->actions())
        see(QStringLiteral("open with"), item->text(), given);
    const platform::ApplicationPlaces places{{dir.filePath(QStringLiteral("share"))}, {}, {}, QStringLiteral("C")};
    ui::AddApplications chooser(window->controller(), places, window.get(), script);
    seeDialog(QStringLiteral("open with"), chooser, given);
}

TEST_F(PseudoTranslationTest, AnApplicationOfferedWhileTyping)
{
    auto window = open();
    platform::Application app;
    app.id = QStringLiteral("zebra.desktop");
    app.path = dir.filePath(app.id);
    app.name = QStringLiteral("Zebra");
    window->controller().offers().setReader([app] { return std::vector<platform::Application>{app}; });
    QTest::keyClicks(&window->lstButtons(), QStringLiteral("zeb"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->lstButtons().offerCount() == 1; }));
    const QStringList given{QStringLiteral("Zebra"), QStringLiteral("zeb")};
    const QAbstractItemModel &shown = *window->lstButtons().model();
    for (int row = 0; row < shown.rowCount(); ++row) {
        see(QStringLiteral("offer"), shown.index(row, 0).data(Qt::DisplayRole).toString(), given);
        see(QStringLiteral("offer description"), shown.index(row, 0).data(Qt::AccessibleDescriptionRole).toString(),
            given);
    }
    seeMenu(QStringLiteral("context menu on an offer"), window->mnuPopup());
}

} // namespace
