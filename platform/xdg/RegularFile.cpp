#include "platform/xdg/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

FileRead readRegularFile(const QString &path, qint64 limit, QByteArray *bytes)
{
    bytes->clear();
    const QByteArray name = QFile::encodeName(path);
    struct stat st = {};
    if (path.isEmpty() || ::stat(name.constData(), &st) != 0)
        return errno == EACCES ? FileRead::Unreadable : FileRead::Missing;
    if (!S_ISREG(st.st_mode))
        return FileRead::NotRegular;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? FileRead::Missing : FileRead::Unreadable;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return FileRead::NotRegular;
    }
    QByteArray data(qsizetype(qMin<qint64>(limit, qMax<qint64>(st.st_size, 0) + 1)), Qt::Uninitialized);
    qsizetype have = 0;
    for (;;) {
        if (have == data.size()) {
            if (have >= limit)
                break;
            data.resize(qsizetype(qMin<qint64>(limit, qint64(have) * 2 + 4096)));
        }
        const ssize_t n = ::read(fd, data.data() + have, size_t(data.size() - have));
        if (n > 0) {
            have += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return FileRead::Unreadable;
        }
        break; // the end
    }
    ::close(fd);
    data.truncate(have);
    *bytes = std::move(data);
    return FileRead::Done;
}

} // namespace platform
