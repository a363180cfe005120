#pragma once

#include <QMenu>
#include <functional>

namespace shortcuts {

// The list's context menu: "&Open Shortcut", "&Delete Shortcut", separator,
// "&Add URL Shortcut", separator, "&Options". Every command acts on the
// selected shortcut when it runs; nothing in the menu is ever disabled.
struct ContextMenuCommands {
    std::function<void()> open, remove, addUrl, options;
};

QMenu *makeContextMenu(const ContextMenuCommands &commands, QWidget *parent);

// Button bits of a mouse press: 1 left, 2 right, 4 middle. Only the right
// button brings the menu up.
inline bool showsContextMenu(int button) { return (button & 2) != 0; }

} // namespace shortcuts
