#pragma once

#include <QDir>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

#include "config/Config.h"
#include "config/IniFile.h"
#include "launcher/Reporter.h"
#include "platform/icons/IconLookup.h"
#include "platform/process/Opener.h"
#include "platform/session/Autostart.h"
#include "platform/session/Clipboard.h"
#include "platform/session/FileChooser.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/ListView.h"
#include "platform/xdg/Applications.h"
#include "platform/xdg/EntryLaunch.h"
#include "shortcuts/Finder.h"
#include "shortcuts/Icons.h"
#include "shortcuts/Importing.h"
#include "shortcuts/OfferedApplications.h"
#include "shortcuts/ShortcutList.h"
#include "shortcuts/ShortcutModel.h"
#include "shortcuts/UndoHistory.h"

class QWidget;

namespace launcher {

// The desktop services the commands use, owned by whoever makes the controller.
struct Services {
    platform::Dialogs &dialogs;
    platform::Opener &opener;
    platform::Clipboard &clipboard;
    platform::FileChooser &fileChooser;
    platform::Autostart &autostart;
    platform::IconLookup &iconLookup;
};

// What the user can ask of the shortcuts, apart from any window: open, delete,
// rename, add (drop, paste, file chooser, web address, another start), start
// at login; the profile read at start and written after every change; and
// how problems are told. The list view it is given shows the shortcuts and
// says which one is selected; it need not be on screen.
class Controller : public QObject {
    Q_OBJECT
public:
    // `frame` is the window's frame as the profile stores it; prompts and the
    // file chooser stand over `dialogParent`.
    Controller(const QString &profilePath, Services services, platform::ListView &view, config::WindowFrame &frame,
               QWidget &dialogParent, QObject *parent = nullptr);

    shortcuts::ShortcutModel &model() { return m_model; }
    shortcuts::Finder &finder() { return m_finder; }
    // Where openings are counted for typing to rank by; none: not counted.
    void setFrecency(shortcuts::Frecency *frecency) { m_finder.setFrecency(m_frecency = frecency); }
    // The installed applications typing offers after the shortcuts.
    shortcuts::OfferedApplications &offers() { return m_offers; }
    shortcuts::Icons &icons() { return m_icons; }
    const QString &profilePath() const { return m_ini.path(); }
    Reporter &reporter() { return m_reporter; }

    // Reads the profile into the list, the view and the frame; an unreadable
    // profile is told and kept. Until then nothing is saved: a save could
    // only replace the stored shortcuts with none.
    void load();
    bool loaded() const { return m_loaded; }
    // Writes the profile; false when it could not be written (told once a run).
    bool save();
    // The last save, as the program ends.
    void end();

    // Opens the selected shortcut, or offers to remove it when its target is
    // missing; starts the selected application offered while typing.
    void openSelected();
    // Starts application `offer` (a row of offers()) as its desktop entry would be opened.
    void openOffer(int offer);
    // Adds the selected application offered while typing as a shortcut, selected.
    void addSelectedApplication();
    // Whether typing offers installed applications too (stored in the profile).
    bool findsApplications() const { return m_offers.enabled(); }
    void setFindApplications(bool on);
    // Opens the n-th shortcut as shown (from 1), the matches' order while typing finds some.
    void openShown(int n);
    // Deletes the selected shortcuts, after one question for all of them.
    void deleteSelected();
    // Shows the selected shortcut's file or folder in the file manager (the
    // nearest folder still there when it is gone); nothing for a link.
    void showSelectedInFolder();
    // The actions of the selected shortcut's desktop entry ("New Window", …);
    // none when it is no entry of an application.
    std::vector<platform::DesktopEntry::Action> selectedActions() const;
    // Starts action `actionId` of the desktop entry `entryPath` (a shortcut's target).
    void startAction(const QString &entryPath, const QString &actionId);
    // The installed applications that open a shortcut's target, the
    // desktop's default first; none for a missing target.
    std::vector<platform::Application> openWithCandidates(const QString &target) const;
    // Opens a shortcut's target with the application of the desktop entry `entryPath`.
    void openWith(const QString &target, const QString &entryPath);
    // Copies the selected shortcut's path or address.
    void copySelectedTarget();
    // The selected shortcut's target as stored; empty when none is selected.
    QString selectedTarget() const;
    // Moves the selected shortcuts one place towards the start (`step` < 0)
    // or the end of the list; nothing while typing finds shortcuts.
    void moveSelected(int step);
    // Shortcuts dragged onto another's place (`target` == count: the end).
    void moveOnto(const std::vector<int> &rows, int target);
    // A caption was renamed in place.
    void renamed();
    // Asks for a shortcut's edited self; nothing when the user cancels.
    using AskProperties = std::function<std::optional<shortcuts::Shortcut>(const shortcuts::Shortcut &)>;
    // The selected shortcut's properties: asked, then applied as one change,
    // saved once; nothing changes when it was cancelled or the shortcut went
    // meanwhile.
    void editSelected(const AskProperties &ask);
    // Files and links dropped from outside; titles run beside the URLs.
    void addDropped(const QList<QUrl> &urls, const QStringList &titles = {});
    void addUrl();
    void paste();
    void addFiles();
    void addFolders();
    // Targets from the command line, another start or the file chooser:
    // local paths as a drop adds them, the rest as web addresses.
    void addTargets(const QStringList &targets);
    // Installed applications chosen from a list: their desktop entries added
    // as a drop of those files adds them, and all of them selected.
    void addApplications(const QStringList &entryFiles);
    // Opens a link or file that is not a shortcut (the options dialog's web site).
    void launch(const QString &target);

    // --- groups (GroupCommands.cpp) ---
    const QStringList &groups() const { return m_model.groups(); }
    const QString &shownGroup() const { return m_list.shownGroup(); }
    // The group a name given by the user (on the command line) means: its
    // own or shown name, exactly, else in any case; empty when none.
    std::optional<QString> groupNamed(const QString &name) const;
    // Shows group `name`, typing ended; false when there is none.
    bool showGroup(const QString &name);
    // Shows the group `step` places after the shown one (before: < 0), round.
    void showNextGroup(int step);
    // Asks for a name and adds a group at the end, shown, with the shortcuts
    // `moving` (those still there) moved into it; empty when cancelled.
    std::optional<QString> newGroup(const std::vector<QPersistentModelIndex> &moving = {});
    // A new group, asked for, that the selected shortcuts move to.
    void newGroupForSelected();
    // The selected shortcuts (or the shown group's `rows`, dragged onto a
    // tab) go to group `name`.
    void moveSelectedToGroup(const QString &name);
    void moveToGroup(const std::vector<int> &rows, const QString &name);
    // Asks for group `name`'s new name.
    void renameGroup(const QString &name);
    // Asks, then deletes group `name`: its shortcuts go to the group beside
    // it (the one before, or the next for the first). The last one stays.
    void deleteGroup(const QString &name);
    // A group's tab dragged from `from` to `to`.
    void moveGroup(int from, int to);
    // Files and links dropped on group `name`'s tab: added there, and shown.
    void addDroppedToGroup(const QString &name, const QList<QUrl> &urls, const QStringList &titles = {});

    // Replaces every shortcut and group (an earlier version, a merge): one
    // change, saved once, a step called `step` (empty: "Restore"); the shown
    // group stays when it is still there.
    void replaceShortcuts(shortcuts::ListState state, const QString &step = QString());

    // --- undo (UndoCommands.cpp): every change of the shortcuts this session
    // is a step, undone and redone in order, each saved as any change is.
    void undo();
    void redo();
    // The step undo (redo) would act on, as a menu names it; empty when none.
    QString undoName() const { return m_history.undoName(); }
    QString redoName() const { return m_history.redoName(); }

    // --- importing and exporting (ImportCommands.cpp)
    enum class ImportKind { File, Folder, Docks };
    // Asks what to import (a chooser; the docks need none), imports it and
    // tells what came of it in one message.
    void importChosen(ImportKind kind);
    // Imports a profile, a bookmarks file or a folder of desktop entries, by
    // what `path` is, saved once; what came of it, one message.
    QString importFrom(const QString &path);
    // The launchers of other docks and panels under the home folder.
    QString importDocks();
    enum class ExportKind { Profile, Bookmarks };
    // Asks where to, writes the profile's copy or its web addresses as
    // bookmarks, and tells a failure.
    void exportChosen(ExportKind kind);
    bool exportTo(ExportKind kind, const QString &path, QString *error);

    // Takes in what another program wrote to the profile since this copy
    // last read or wrote it, and the conflict copies a sync tool left beside
    // it: merged with the shortcuts shown here (OutsideChanges.cpp), saved
    // only when the result is not what the file holds.
    void mergeOutsideChanges();

    bool startsAtLogin() const { return m_services.autostart.enabled(); }
    void setStartAtLogin(bool on);

signals:
    // A shortcut's target was handed to the desktop.
    void shortcutOpened();
    // Starting at login was asked to change (it may not have).
    void startAtLoginChanged();
    // Another group is shown.
    void groupShown();
    // What undo or redo would do changed.
    void historyChanged();

private:
    // Every command runs through here: when it changed the shortcuts, they
    // are saved once, as it ends.
    // It is one step, called `step` (empty: named by what it added).
    template <typename Run> void command(const QString &step, Run run)
    {
        m_changed = false;
        const shortcuts::ListState before = takeBefore();
        run();
        recordStep(step, before);
        saveChanges();
    }
    template <typename Run> void command(Run run) { command(QString(), run); }
    // The state a step starts from: the one before a drag by hand, or now.
    shortcuts::ListState takeBefore();
    void recordStep(const QString &step, const shortcuts::ListState &before);
    void putBack(std::optional<shortcuts::ListState> state);
    void movedByHand(const std::vector<int> &rows);
    // Step names (UndoCommands.cpp) for the shortcuts at model `rows`.
    QString deleteStep(const std::vector<int> &rows) const;
    QString moveStep(const std::vector<int> &rows) const;
    QString addStep(const shortcuts::ListState &before) const;
    QString moveToGroupStep(const QString &name) const;
    // The one rule: a change the model announced is saved, once.
    void saveChanges();
    void addChosen(const QStringList &chosen);
    QString imported(const shortcuts::Found &found);

    Services m_services;
    config::IniFile m_ini;
    config::WindowFrame &m_frame;
    QWidget &m_dialogParent;
    // Before the list and the finder: the menu asks it for names until they are gone.
    shortcuts::UndoHistory m_history;
    shortcuts::Icons m_icons;
    shortcuts::ShortcutModel m_model;
    shortcuts::ShortcutList m_list;
    shortcuts::OfferedApplications m_offers;
    shortcuts::Finder m_finder{m_list, &m_offers};
    shortcuts::Frecency *m_frecency = nullptr;
    Reporter m_reporter;
    bool m_loaded = false;
    // Set by the model when a shortcut comes, goes, moves or is renamed.
    bool m_changed = false;
    // Enter came while no shortcut matched and the applications were being read.
    bool m_openWhenRead = false;
    // Undo or redo is putting a state back: no step of its own.
    bool m_replaying = false;
    // The state before icons were dragged by hand, until the drop's step.
    std::optional<shortcuts::ListState> m_beforeHandMove;
    // A caption edited in place, until the view says the edit is done.
    std::optional<std::pair<int, QString>> m_editedCaption;
    // Where the file chooser opens: home, then the folder last chosen from.
    QString m_chooserFolder = QDir::homePath();
};

} // namespace launcher
