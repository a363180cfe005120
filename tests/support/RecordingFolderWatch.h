#pragma once

#include <QStringList>
#include <functional>

#include "platform/session/FolderWatch.h"

namespace testing_support {

// Records what is watched; a test says when the file changed.
class RecordingFolderWatch : public platform::FolderWatch {
public:
    QStringList watched;
    void watch(const QString &filePath, std::function<void()> changed) override
    {
        watched << filePath;
        m_changed = std::move(changed);
    }
    // As the file system would tell of a change.
    void fire()
    {
        if (m_changed)
            m_changed();
    }

private:
    std::function<void()> m_changed;
};

} // namespace testing_support
