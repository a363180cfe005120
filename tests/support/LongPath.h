#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace testing_support {

// A file under `folder` whose absolute path is longer than PATH_MAX, made one
// folder at a time (a call that takes the whole path refuses it), and removed
// the same way when this goes: a temporary folder's own clean-up cannot.
class FileBeyondPathMax {
public:
    explicit FileBeyondPathMax(const QString &folder)
    {
        int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        QByteArray path = QFile::encodeName(folder);
        while (fd >= 0) {
            m_folders.push_back(fd);
            if (path.size() > PATH_MAX)
                break;
            if (::mkdirat(fd, kPart.constData(), 0700) != 0)
                return;
            fd = ::openat(fd, kPart.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            path += '/' + kPart;
        }
        if (fd < 0)
            return;
        const int file = ::openat(fd, "far.txt", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (file < 0)
            return;
        ::close(file);
        m_path = QFile::decodeName(path + "/far.txt");
    }
    ~FileBeyondPathMax()
    {
        if (!m_folders.empty())
            ::unlinkat(m_folders.back(), "far.txt", 0);
        for (size_t i = m_folders.size(); i-- > 0;) {
            ::close(m_folders[i]);
            if (i > 0)
                ::unlinkat(m_folders[i - 1], kPart.constData(), AT_REMOVEDIR);
        }
    }
    FileBeyondPathMax(const FileBeyondPathMax &) = delete;
    FileBeyondPathMax &operator=(const FileBeyondPathMax &) = delete;
    // Empty when it could not be made.
    const QString &path() const { return m_path; }

private:
    const QByteArray kPart = QByteArray(200, 'd');
    std::vector<int> m_folders; // the given folder first
    QString m_path;
};

} // namespace testing_support
