#pragma once

#include <QIcon>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

namespace shortcuts {

// One shortcut: what it opens, what it is called, where its icon stands and
// which icon it shows. A plain value; the list of them is a ShortcutModel.
// A field added here is read and written through the model's roles, and
// stored by config/Config when the profile keeps it.
struct Shortcut {
    // An absolute path, or a web address as it was typed.
    QString target;
    QString caption;
    // The user's own place for the icon, in twips, while icons are placed by
    // hand: where it was put, stored or first placed. Either coordinate may
    // be known alone (a hand-edited profile); the list completes the other
    // from where it lays the icon out. A change of view never writes over it.
    std::optional<double> left, top;
    // Where the current view shows the icon, in pixels: its own place, or
    // the nearest free cell when that would cover another icon. The list's
    // note, kept beside the shortcut so that it follows it through every
    // insert and removal.
    std::optional<QPoint> shown;
    // How a target that opens by running it (a program or a script) runs:
    // its arguments as the text the user typed, in a desktop entry's Exec
    // syntax (quotes and backslashes as there, "%%" for "%"); the folder it
    // starts in (empty: the launcher's own); whether it runs in a terminal.
    // Other targets keep them but do not use them.
    QString arguments;
    QString workingDirectory;
    bool terminal = false;
    // The icon the user chose instead of the one its kind of target gets:
    // empty for that one, else a theme icon's name or an image file's path.
    QString iconName;
    // A note of the user's: the tooltip's first line, and what screen
    // readers say first after the caption.
    QString comment;
    // The group it belongs to, by name (see ShortcutModel::groups()); empty
    // for the first group while that keeps the name it came with.
    QString group;
    // Stored fields this version does not know, as read, for the save to
    // write back unchanged.
    QStringList otherFields;
    // What kind of target it is (see Icons.h), and that kind's icon (or the
    // one of iconName).
    QString iconKey;
    QIcon icon;
};

} // namespace shortcuts
