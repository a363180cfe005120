#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// What became of reading a file that may be anything at all: a shortcut's
// target, a cache entry, a desktop entry.
enum class FileRead {
    Done,       // the bytes are there
    Missing,    // nothing at the path
    NotRegular, // a FIFO, a device, a socket or a folder: never read
    Unreadable, // a regular file without read rights (or a failing disk)
};

// Reads at most `limit` bytes of a regular file, or of one a link leads to,
// without ever waiting: anything else is not even opened (opening a FIFO
// waits for a writer, a device may act on being opened), and the file is
// opened without blocking and its kind checked again once open, in case
// something else was put in its place in between.
FileRead readRegularFile(const QString &path, qint64 limit, QByteArray *bytes);

} // namespace platform
