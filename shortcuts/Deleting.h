#pragma once

#include <QString>

#include "platform/widgets/Dialogs.h"
#include "shortcuts/ShortcutList.h"

namespace shortcuts {

// "Are you sure you want to delete “<caption>”?", and that only the shortcut
// goes: what it opens stays.
QString deleteQuestion(const QString &caption);

// The question for several shortcuts at once: "Remove 5 shortcuts?", and
// that what they open stays.
QString deleteManyQuestion(int count);

// Asks about the selected shortcuts (once, however many) and, after Yes,
// removes them: those the question was about, even when others were added
// or selected while it was up; not those that have gone meanwhile. False
// when nothing is selected: then nothing is asked.
bool DeleteSelected(ShortcutList &list, platform::Dialogs &dialogs);

} // namespace shortcuts
