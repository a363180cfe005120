#pragma once

#include <QFileSystemWatcher>
#include <QString>
#include <functional>

namespace platform {

// Tells when another program may have written a file: the file itself
// changed, or an entry of its folder came, went or was renamed over (how
// atomic writers, sync tools among them, replace a file). A hint, often more
// than one per write, our own writes included: whoever listens looks at the
// file to know.
class FolderWatch {
public:
    virtual ~FolderWatch() = default;
    // From now on `changed` runs on every change of `filePath` and its folder.
    virtual void watch(const QString &filePath, std::function<void()> changed) = 0;
};

// The file system's notifications (inotify on Linux).
class SystemFolderWatch : public FolderWatch {
public:
    void watch(const QString &filePath, std::function<void()> changed) override;

private:
    void rewatchFile();

    QFileSystemWatcher m_watcher;
    QString m_file;
    std::function<void()> m_changed;
};

} // namespace platform
