#pragma once

#include <QString>
#include <QStringList>

#include "platform/icons/ImageList.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/ListView.h"
#include "shortcuts/Icons.h"

namespace shortcuts {

// The shortcuts are spread over four controls that move in step: item k
// (1-based) of the list view, entry k - 1 of the hidden target list, and image
// n of each image list for the n-th shortcut added in the run.
struct ShortcutList {
    platform::ListView &lstButtons;
    platform::ListBox &lstPrograms;
    platform::ImageList &IconList;
    platform::ImageList &IconListSml;
    Icons &icons;
    // Stored entries that could not be shown (past the image limit, or
    // unreadable), as stored; every save writes them back after the shown ones.
    QStringList unshown = {};

    int count() const { return lstButtons.Count(); }
    // The number the next shortcut's images will get.
    int nextImageIndex() const { return IconList.Count() + 1; }
};

// Image numbers are 16-bit signed: a run makes at most this many shortcuts.
inline constexpr int kMaxImages = 32767;

// Whether a stored target is a web address or other link, kept as typed
// (readTarget() with Source::Stored says so).
bool isWebAddress(const QString &target);

// Whether a stored target names a file or folder that is not there (a
// symbolic link to nothing included); a link never is missing.
bool isMissing(const QString &target);

// What an item's tooltip says under its caption: the target, and that it is
// missing when it is.
QString targetDetail(const QString &target);

// How many shortcuts the list holds, as screen readers say it.
QString countText(int count);

// Adds one shortcut at the end of the list: its icon pair by file type, a
// caption (the file name when sName is empty), the target (absolute path, or
// a web address unchanged) and, only while icons are placed by hand, the
// stored position. The list view and the target list both grow or neither
// does. False when nothing was added.
bool AddButton(ShortcutList &list, const QString &sFileName, const QString &sName, int sCount,
               const QString &szLeft = QString(), const QString &szTop = QString());

// Icons chosen again for every shortcut, so targets that went missing (or
// came back) show it.
void RefreshIcons(ShortcutList &list);

} // namespace shortcuts
