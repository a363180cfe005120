#pragma once

#include <QIcon>
#include <QPoint>
#include <QString>
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
    // What kind of target it is (see Icons.h), and that kind's icon.
    QString iconKey;
    QIcon icon;
};

} // namespace shortcuts
