#pragma once

#include <QTimer>
#include <chrono>

#include "launcher/Controller.h"
#include "platform/session/FolderWatch.h"

namespace launcher {

// Merges into the window what other programs (a sync tool, an editor) write
// to the profile while it runs: the profile's folder is watched, and a
// moment after the last change (a write comes as several) the controller
// looks at the file and at the conflict copies beside it.
class ProfileWatch {
public:
    ProfileWatch(Controller &controller, platform::FolderWatch &watch,
                 std::chrono::milliseconds settle = std::chrono::milliseconds(200));

private:
    QTimer m_settle;
};

} // namespace launcher
