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

} // namespace SchemeHandlers
} // namespace platform
