#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>

class QMimeData;

namespace platform {

// What a drag from another program carries that can become shortcuts, in
// its order: local files and folders, and links with a scheme the desktop
// can open (SchemeHandlers::linkScheme(), by which the shortcuts read a
// URL too). `titles` runs beside `urls`: the title a browser gives a link
// (text/x-moz-url, or _NETSCAPE_URL, which is what arrives through X11:
// Qt's X11 layer turns text/x-moz-url into a bare uri-list), empty for files
// and untitled links.
// Comment lines of a uri-list and relative or invalid URLs are left out.
struct DroppedLinks {
    QList<QUrl> urls;
    QStringList titles;
    bool isEmpty() const { return urls.isEmpty(); }
};

DroppedLinks droppedLinks(const QMimeData &data);

} // namespace platform
