#pragma once

#include <QString>

namespace platform {

// Path operations with the results the shortcut code relies on. None of them
// opens a file; only FileExists looks at the file system.
namespace PathOps {

// True only for an existing file (a folder does not count). A symbolic link
// counts when it leads to a file.
bool FileExists(const QString &path);
// True for an existing folder.
bool FolderExists(const QString &path);
// The extension of the last component without its dot; "" when there is none.
QString GetExtensionName(const QString &path);
// The last component, trailing separators ignored ("Games" for "/srv/Games/").
QString GetFileName(const QString &path);
// True when the text begins with a URL scheme and "://" ("https://",
// "HTTP://", "ftp://"): a web address, never a file path.
bool HasUrlScheme(const QString &text);
// The absolute, normalised path ("." and ".." resolved, no trailing separator),
// a relative path taken against the current directory. Empty for empty text.
QString GetAbsolutePathName(const QString &path);

} // namespace PathOps
} // namespace platform
