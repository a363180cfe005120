#pragma once

#include <QString>

#include "platform/widgets/Dialogs.h"
#include "shortcuts/ShortcutList.h"

namespace shortcuts {

// "Are you sure you want to delete <caption>?"
QString deleteQuestion(const QString &caption);

// Removes shortcut i (1-based): its target, then its list item; the images
// stay, so every other item keeps its icon. False when there is no item i.
bool RemoveShortcut(ShortcutList &list, int i);

// Asks about the selected shortcut and, after Yes, removes its target and then
// its list item; the images stay, so every other item keeps its icon. False
// when nothing is selected: then nothing is asked.
bool DeleteSelected(ShortcutList &list, platform::Dialogs &dialogs);

} // namespace shortcuts
