#pragma once

#include <QMenu>
#include <functional>

namespace shortcuts {

// The list's context menu: "&Open Shortcut", "&Rename", "&Delete Shortcut",
// separator, "&Add URL Shortcut", "&Paste", "Add &Files…", "Add Fo&lder…",
// separator, "&Options". Each shows the key that does the same in the list.
// Every command acts on the selected shortcut when it runs; those that need
// one are greyed out while nothing is selected.
struct ContextMenuCommands {
    std::function<void()> open, remove, addUrl, options;
    std::function<void()> rename, paste, addFiles, addFolders;
    // Whether a shortcut is selected, asked as the menu comes up.
    std::function<bool()> hasSelection;
};

QMenu *makeContextMenu(const ContextMenuCommands &commands, QWidget *parent);

// Button bits of a mouse press: 1 left, 2 right, 4 middle. Only the right
// button brings the menu up.
inline bool showsContextMenu(int button) { return (button & 2) != 0; }

} // namespace shortcuts
