#pragma once

#include <QString>
#include <optional>

namespace platform {

// Path operations with the results the shortcut code relies on. Only
// FileExists, FolderExists and IsProgram look at the file system, and only
// IsProgram opens the path it is given. Whether a text is a path at all or
// a link is not decided here.
namespace PathOps {

// True only for an existing file (a folder does not count). A symbolic link
// counts when it leads to a file.
bool FileExists(const QString &path);
// True for an existing folder.
bool FolderExists(const QString &path);
// Whether a path names something. Only "no such entry" (ENOENT, ENOTDIR)
// makes it Missing; a path the system cannot reach (too long, no permission
// on a folder on the way, an I/O error) is Unreachable and may well exist:
// nothing may be given up for it. `error` gets the errno of Unreachable.
enum class Presence { Exists, Missing, Unreachable };
Presence PathPresence(const QString &path, int *error = nullptr);
// The extension of the last component without its dot; "" when there is none.
QString GetExtensionName(const QString &path);
// The last component, trailing separators ignored ("Games" for "/srv/Games/").
QString GetFileName(const QString &path);
// Whether a file is a program the system runs itself: the execute bit, and
// an ELF binary or a "#!" script by its first bytes. Nothing when it has the
// execute bit but its bytes cannot be read (execute-only). Only a regular
// file is opened, never waiting: a FIFO or device is no program.
std::optional<bool> IsProgram(const QString &path);
// The absolute, normalised path ("." and ".." resolved, no trailing separator),
// a relative path taken against the current directory. Empty for empty text.
QString GetAbsolutePathName(const QString &path);

} // namespace PathOps
} // namespace platform
