#include "platform/session/FolderWatch.h"

#include <QFileInfo>

namespace platform {

void SystemFolderWatch::watch(const QString &filePath, std::function<void()> changed)
{
    m_file = filePath;
    m_changed = std::move(changed);
    m_watcher.addPath(QFileInfo(filePath).absolutePath());
    rewatchFile();
    QObject::connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_watcher, [this] {
        rewatchFile();
        m_changed();
    });
    QObject::connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_watcher, [this] {
        rewatchFile();
        m_changed();
    });
}

void SystemFolderWatch::rewatchFile()
{
    // A file renamed over is another inode: the watch on the old one is gone.
    m_watcher.removePath(m_file);
    if (QFileInfo::exists(m_file))
        m_watcher.addPath(m_file);
}

} // namespace platform
