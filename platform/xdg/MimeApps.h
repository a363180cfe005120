#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "platform/xdg/Applications.h"

namespace platform {

// Which applications open a kind of file or link, as the freedesktop.org
// MIME application lists (mimeapps.list) and the entries' own MimeType= say.
namespace MimeApps {

// The list files in the order the rules give them weight, most important
// first: $XDG_CONFIG_HOME, $XDG_CONFIG_DIRS, then $XDG_DATA_HOME and
// $XDG_DATA_DIRS under applications/; in each folder the current desktops'
// own lists ("xfce-mimeapps.list") before the common one.
QStringList listFiles();

// A desktop file id ("org.gnome.Evolution.desktop", or "kde-foo.desktop" for
// applications/kde/foo.desktop) to the installed file it names; "" for none.
QString installedEntry(const QString &id);

// The types a file or folder is opened as, most specific first: its own
// type and its aliases, then each of its parents with theirs
// ("text/x-csrc", …, "text/plain"). The catch-all application/octet-stream
// only for a file of that type itself.
QStringList typesOfFile(const QString &path);

// The applications among `installed` that open what has `types` (most
// specific first), in the order the desktop offers them: its default (the
// first [Default Applications] entry of the most specific type that has one
// installed) first, then those [Added Associations] add, then those whose
// MimeType= lists one of the types, by name. An application a list's
// [Removed Associations] takes away for a type is not offered for it by
// that list or a less important one (nor by MimeType=). `lists` are the
// list files, most important first (listFiles()). Linear in the number of
// applications.
std::vector<Application> applicationsFor(const QStringList &types, const std::vector<Application> &installed,
                                         const QStringList &lists);

} // namespace MimeApps
} // namespace platform
