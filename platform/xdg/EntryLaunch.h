#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "platform/xdg/DesktopEntry.h"

namespace platform::DesktopEntry {

// One [Desktop Action <id>] group that an entry's Actions= lists: "New
// Window", "Private Window", ...
struct Action {
    QString id;
    QString name; // in the user's language where the entry has it
    QString icon; // Icon= as written, may be empty
    QString exec; // escapes undone
};

// The actions an entry's Actions= lists, in that order; those without a
// group, a Name or an Exec (one started over D-Bus only) left out, and an id
// listed twice taken once. Names localized for `suffixes` (localeSuffixes()).
std::vector<Action> actions(const KeyFile &file, const QStringList &suffixes);
// The same read from the file at `path`, in the language of `locale`; none
// for a file that is not a readable desktop entry of an application.
std::vector<Action> readActions(const QString &path, const QString &locale);

// What starting an entry, or one of its actions, asks for.
struct Launch {
    QString exec;             // the Exec value, escapes undone
    QString title;            // the action's name, else the entry's: what the user chose
    QString name;             // the entry's translated Name (%c)
    QString icon;             // the entry's Icon (%i)
    QString entryPath;        // the entry file (%k)
    QString workingDirectory; // Path=, empty when unset
    bool terminal = false;    // Terminal=true
};

// The entry at `path`, or its action `actionId` when that is not empty.
// Nothing, with the reason for the user, when the file is no desktop entry,
// not an application, has no such action or nothing to start.
std::optional<Launch> launchOf(const QString &path, const QString &actionId, const QString &locale,
                               QString *why = nullptr);

// The argument vectors that start `launch` with `targets` (each an absolute
// path or a URI), its field codes filled in: %f and %F give local paths (a
// file: URI as its path), %u and %U URIs (a path as a file:// URI), %i
// "--icon" and the icon when there is one, %c the name, %k the entry file,
// %% a "%"; %d %D %n %N %v %m give nothing. %F, %U and %i stand as arguments
// of their own. Exec with %f or %u is started once per target (once without
// any when there are none), with %F or %U once for all of them, with none
// of them once, the targets not given. Nothing, with the reason, for an
// empty Exec, an unknown field code, an unclosed quote, or a target %f or %F
// cannot give as a local file.
std::optional<std::vector<QStringList>> expandExec(const Launch &launch, const QStringList &targets,
                                                   QString *why = nullptr);

} // namespace platform::DesktopEntry
