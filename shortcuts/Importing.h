#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "shortcuts/Shortcut.h"
#include "shortcuts/ShortcutModel.h"

namespace shortcuts {

// What one source offers to import: shortcuts as found (target, caption,
// their group where the source has one), the groups it has, in order, and
// what it could not take, with why.
struct Skipped {
    QString name;
    QString why;
};
struct Found {
    std::vector<Shortcut> shortcuts;
    QStringList groups;
    std::vector<Skipped> skipped;
};

// Every application entry of a folder (not its subfolders), in name order,
// each a shortcut to its .desktop file.
Found readDesktopFolder(const QString &folder);
// The launchers other docks and panels keep under `home` (their own files,
// which name desktop entries or are ones): xfce4-panel's, Plank's, LXQt's
// and lxpanel's. `applicationFolders` are where an entry named by its file
// name alone is looked for.
Found readDocks(const QString &home, const QStringList &applicationFolders);

// The result of merging what a source offered into the shortcuts there are.
struct Imported {
    ListState state;          // the shortcuts and groups afterwards
    QStringList added;        // captions, in order
    QStringList alreadyThere; // captions of those whose target is a shortcut already
    std::vector<Skipped> skipped;
};
// Appends the shortcuts of `found` whose target is not there yet (by
// target, as a path is written in any way, and once each), their own places
// forgotten. A shortcut without a group (or in the source's unnamed first
// group) goes to `addingGroup`; the named groups of `found` missing from
// `current` are added, a name matching a group's title (in any case) taken
// as that group.
Imported takeIn(const ListState &current, const Found &found, const QString &addingGroup);
// One message for the user: counts, and the first few names of each.
QString importReport(const Imported &merged);

// --- Bookmarks.cpp: the HTML bookmarks file every browser exports and imports.
// Each web address (http, https, ftp) a link of the file names. Its folders
// become groups, named after the folder a link is directly in, when the
// links lie in more than one place (two folders, or a folder and outside
// any); otherwise they all go to the group shown.
Found readBookmarks(const QByteArray &html);
// The web addresses among `state`'s shortcuts as such a file: one folder per
// group when there is more than one group, names escaped.
QByteArray bookmarksHtml(const ListState &state);
// Whether a target is a web address a bookmarks file holds.
bool isBookmarkAddress(const QString &target);

} // namespace shortcuts
