#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "platform/widgets/ListView.h"
#include "shortcuts/ShortcutModel.h"

namespace shortcuts {

// The shortcuts and the list view that shows them (its items are the
// model's rows), with what the profile held that cannot be shown.
struct ShortcutList {
    ShortcutModel &model;
    platform::ListView &view;
    // Stored entries that could not be shown (unreadable, or without a
    // usable target), as stored; every save writes them back after the
    // shown ones.
    QStringList unshown = {};

    int count() const { return model.count(); }
};

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
// How many of them match what was typed, as screen readers say it.
QString matchText(int matching, int count);

// The shortcut for a target: the target as kept (an absolute path, or a
// web address unchanged) and a caption (`caption`, else the name a desktop
// entry gives itself, else the file name). Nothing when no target can be
// formed. Its icon is given as it joins a model.
std::optional<Shortcut> makeShortcut(const QString &target, const QString &caption = QString());

// Adds the shortcut for a target at the end of the list; false when nothing
// was added.
bool addShortcut(ShortcutModel &model, const QString &target, const QString &caption = QString());

} // namespace shortcuts
