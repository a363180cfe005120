#pragma once

#include <QHash>
#include <QIcon>
#include <QString>
#include <optional>

#include "platform/icons/IconLookup.h"

namespace shortcuts {

// Which icon a shortcut shows, by what its target is. A target is first turned
// into an icon key, so icons are still looked up once per kind and cached:
//   "uri:SCHEME"       a web address or other URI: the icon of the program
//                      that opens it
//   "folder:NAME"      a folder; NAME is the icon of a user folder
//                      ("user-home", "folder-documents", ...) or empty
//   "desktop:PATH"     a desktop entry, by its absolute path: its own icon
//   "program:.EXT"     a program (execute bit, and ELF or "#!")
//   ".EXT", "."        any other file, by its extension
//   "own:NAME"         the user's own icon: a theme icon's name or an image
//                      file's path (the kind's icon when neither is found)
//   "missing:KEY"      a target that is not there: KEY's icon, faded
// One icon serves every view: the view draws it at its own size, sharp at
// any pixel ratio.
class Icons {
public:
    explicit Icons(platform::IconLookup &lookup) : m_lookup(lookup) {}
    // The icon of a key. Never null: a type without an icon of its own gets a
    // generic one.
    QIcon iconForKey(const QString &key);
    // The key for a target. Reads the file system: one stat, and the first
    // bytes of a file that has the execute bit.
    QString keyFor(const QString &target);
    // The same for a shortcut whose own icon is `iconName` (empty: none).
    QString keyFor(const QString &target, const QString &iconName);

private:
    // The icon of a key of the forms above other than ".EXT"; nothing for those.
    std::optional<QIcon> kindIcon(const QString &key);

    platform::IconLookup &m_lookup;
    // The icons of the kinds of target, each drawn once; plain types are
    // cached by the lookup.
    QHash<QString, QIcon> m_kinds;
    // Read once, at the first folder.
    std::optional<QHash<QString, QString>> m_userFolders;
};

} // namespace shortcuts
