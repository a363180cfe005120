#pragma once

#include <QString>

namespace platform {

// Which program the desktop opens links of a URI scheme ("mailto", "magnet")
// with, read from the freedesktop.org MIME application lists
// (x-scheme-handler/<scheme>) and the installed entries' MIME caches, the way
// `xdg-mime query default` answers. Only a few small files are read; nothing
// is started, so the answer never hangs.
namespace SchemeHandlers {

// The absolute path of the handler's desktop entry; "" when the desktop has
// none installed.
QString desktopEntryFor(const QString &scheme);

// The scheme (lower case) of a link the desktop opens that `text` begins
// with; empty when it begins with none. Any scheme followed by "//" counts
// ("https://", "HTTP://", "ftp://"), as do the well-known ones written
// without it ("mailto:", "tel:", "magnet:?", ...) and any other scheme the
// desktop has a handler for. "localhost:3000", "steam:8080" (a host and
// port), "c:" (a drive) and "a_b://x" begin with none. Reads the text and
// the handler lists only, never the file system: whether a file of that name
// comes first is for the caller to say.
QString linkScheme(const QString &text);

} // namespace SchemeHandlers
} // namespace platform
