#pragma once

#include <QString>

#include "platform/widgets/Dialogs.h"
#include "shortcuts/ShortcutList.h"

namespace shortcuts {

// "Are you sure you want to delete “<caption>”?", and that only the shortcut
// goes: what it opens stays.
QString deleteQuestion(const QString &caption);

// Asks about the selected shortcut and, after Yes, removes that shortcut:
// the one the question named, even when others were added or selected
// while it was up; nothing when it has gone meanwhile. False when nothing is
// selected: then nothing is asked.
bool DeleteSelected(ShortcutList &list, platform::Dialogs &dialogs);

} // namespace shortcuts
