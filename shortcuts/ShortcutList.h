#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "platform/widgets/ListView.h"
#include "shortcuts/GroupFilter.h"
#include "shortcuts/ShortcutModel.h"

namespace shortcuts {

// The shortcuts and the list view that shows those of one group (its
// items are the rows of `shown`), with what the profile held that cannot be
// shown. Rows named here are the model's; the view's are mapped.
struct ShortcutList {
    ShortcutList(ShortcutModel &model, platform::ListView &view);
    ~ShortcutList();
    ShortcutList(const ShortcutList &) = delete;
    ShortcutList &operator=(const ShortcutList &) = delete;

    ShortcutModel &model;
    platform::ListView &view;
    // The shown group's shortcuts: the view's items.
    GroupFilter shown;
    // Stored entries that could not be shown (unreadable, or without a
    // usable target), as stored; every save writes them back after the
    // shown ones.
    QStringList unshown = {};

    int count() const { return model.count(); }
    // Shows group `name`: the view shows its shortcuts and what is added
    // goes there. False when there is no such group.
    bool showGroup(const QString &name);
    const QString &shownGroup() const { return shown.group(); }
    // The selected shortcut (the one the keys are on), -1 when none; every
    // selected one, in the list's order.
    int selected() const { return shown.toModel(view.selectedRow()); }
    std::vector<int> selectedRows() const { return shown.toModel(view.selectedRows()); }
    // Selects shortcut `row` (shown: also scrolled to, with the focus);
    // nothing for one of another group.
    void select(int row) { view.selectRow(shown.fromModel(row)); }
    void addToSelection(int row);
    void show(int row) { view.showRow(shown.fromModel(row)); }
    // Where shortcut `row` stands as the profile stores it, in twips: where
    // the view shows it, or its own place for one of another group.
    QPointF placeOf(int row) const;
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
