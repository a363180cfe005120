#pragma once

namespace platform {

// Tells screen readers that a top-level window made of a plain QWidget (the
// main window, the options dialog) is a window: Qt gives such a widget the
// role of a mere filler, and readers then never announce its title.
// Call once the application exists.
void installAccessibleWindowRoles();

// Gives each item of a platform::ListView, besides selecting, the action
// that opens it (ListView::openRow), first among its actions. Call once the
// application exists, before any list is shown.
void installAccessibleListItems();

} // namespace platform
