#pragma once

#include <QHash>
#include <QIcon>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>

namespace platform {

// Icons that say what a shortcut's target is. A target is first turned into
// an icon key, so icons are still looked up once per kind and cached:
//   "uri:SCHEME"       a web address or other URI
//   "folder:NAME"      a folder; NAME is the icon of a user folder
//                      ("user-home", "folder-documents", ...) or empty
//   "desktop:PATH"     a desktop entry, by its absolute path
//   "program:.EXT"     a program (execute bit, and ELF or "#!")
//   ".EXT", "."        any other file, by its extension
//   "missing:KEY"      a target that is not there: KEY's icon, dimmed
namespace TargetIcons {

// The first of the theme's icons by these names that it has; null if none.
QIcon firstThemed(std::initializer_list<QString> names);

// The user's own folders (home, Desktop, Documents, ...) by absolute path,
// with the theme icon each has.
QHash<QString, QString> userFolders();

// The key for a target. Reads the file system: one stat, and the first bytes
// of a file that has the execute bit.
QString keyFor(const QString &target, const QHash<QString, QString> &userFolders);

// The icon for a key of the forms above other than ".EXT" (nothing for
// those); `plain` gives the icon of a plain ".EXT" key.
std::optional<QIcon> iconFor(const QString &key, const std::function<QIcon(const QString &)> &plain);

// An icon drawn at about 40 % opacity, sharp at any size.
QIcon dimmed(const QIcon &icon);

// The caption a desktop entry gives itself (its localized Name=); empty for
// any other target.
QString desktopEntryName(const QString &target);

} // namespace TargetIcons
} // namespace platform
