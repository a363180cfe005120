#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace app {

// What the command line asks for. Read before any window exists, so --help,
// --version and mistakes need no display.
struct CommandLine {
    // Set when the program ends at once with this status, after printing
    // `output` to standard output and `errors` to standard error.
    std::optional<int> exitStatus;
    QString output;
    QString errors;
    // Start hidden in the tray (the login entry passes it).
    bool minimized = false;
    // Show the running copy, or hide it when it is the active window, as the
    // show/hide key does; a first start is shown.
    bool toggle = false;
    // --group NAME: the group to show, and to add `targets` to; a group's
    // own name or its shown title, as the user typed it.
    std::optional<QString> group;
    // The shortcuts to add, in order: absolute paths of existing files and
    // folders, and URIs as given.
    QStringList targets;
    // Files or folders to import (--import), absolute, in order.
    QStringList imports;
};

// `arguments` includes the program name first; relative paths are taken
// against `workingDir`. Arguments that name nothing are reported in `errors`;
// when some were given and none can be added the status is 1.
CommandLine parseCommandLine(const QStringList &arguments, const QString &workingDir);

// The shortcut target for one argument, as readTarget() reads an argument
// in `workingDir`: a link (an address starting "www." gets "http://"), or the
// absolute path of a file or folder that is there (also given as a file://
// URI); nothing for a path to nothing.
std::optional<QString> commandLineTarget(const QString &argument, const QString &workingDir);

// A target a later start handed over, as readTarget() reads one: the
// sender's working folder is not known here, so only absolute paths (and
// links) count. Nothing, with the line to report to the sender, for anything
// else: an empty name, a relative one, one that names nothing.
std::optional<QString> handedOverTarget(const QString &target, QString *refusal);

// What is said when --group names no group, in the user's language.
QString noSuchGroupText(const QString &name);

} // namespace app
