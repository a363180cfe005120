#pragma once

#include <QString>

#include "platform/process/Opener.h"
#include "platform/widgets/Dialogs.h"
#include "shortcuts/ShortcutList.h"

namespace shortcuts {

// Opens a target as readTarget() reads a stored one: a link goes to the
// desktop as a URI ("www.…" with "http://" in front), anything else as a path
// made absolute. Never changes a list and never saves.
void Launch(const QString &sFileName, platform::Opener &opener);

// How a shortcut's program or script runs: its arguments read as a desktop
// entry's Exec arguments are, one argv entry each, its folder, its terminal.
platform::RunOptions runOptions(const Shortcut &shortcut);

// Opens a shortcut's target as Launch() opens it; a program or script runs
// with the shortcut's arguments, in its folder, in a terminal when asked.
void Launch(const Shortcut &shortcut, platform::Opener &opener);

// Opens the selected shortcut's target; false when nothing is selected.
bool OpenSelected(const ShortcutList &list, platform::Opener &opener);

// The question asked when a shortcut whose target is missing is opened.
QString missingQuestion(const QString &caption, const QString &target);

// Opens the selected shortcut; when its target is missing, asks instead
// whether to remove the shortcut, and removes it after Yes. True when it was
// removed.
bool OpenOrOfferRemoval(ShortcutList &list, platform::Opener &opener, platform::Dialogs &dialogs);

} // namespace shortcuts
