#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace platform {

// The end of a launch's startup notification on X11: the desktop shows a busy
// cursor from the launch until a "remove" message names its DESKTOP_STARTUP_ID.
// Qt sends it when a start maps its first window; a start that hands over to
// the running copy maps none and sends it itself.

// The message's text: "remove: ID=…", the value quoted and escaped when it
// holds a blank, a quote or a backslash.
QByteArray startupRemoveText(const QString &id);
// The text as the window system carries it: 20-byte pieces of client
// messages, the text ended by a NUL byte, the last piece padded with NULs.
QList<QByteArray> startupInfoPieces(const QByteArray &text);
// Sends the "remove" for `id` to the display DISPLAY names, on a connection
// of its own (no application object needed); false when there is none.
bool endStartupNotification(const QString &id);

} // namespace platform
