#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "platform/desktop/Spawner.h"

namespace platform {

class Dialogs;

// The desktop's "open": a program starts, a document opens in its program, a
// folder in the file manager, a web address in the browser. It returns at
// once; whether the open worked is never reported to the caller.
class Opener {
public:
    virtual ~Opener() = default;
    virtual void open(const QString &target) = 0;
};

// Opens targets the way a Linux desktop does, and tells the user in a
// message box titled "Tessaflow" when that fails.
class DesktopOpener : public Opener {
public:
    DesktopOpener(Spawner &spawner, Dialogs &dialogs) : m_spawner(spawner), m_dialogs(dialogs) {}
    void open(const QString &target) override;

    // What would be started for a target; nothing, with a reason for the
    // user, when it cannot be opened at all.
    static std::optional<Command> commandFor(const QString &target, QString *reason = nullptr);

private:
    Spawner &m_spawner;
    Dialogs &m_dialogs;
    // xdg-open may run for as long as the program it started: a late result
    // must not reach an opener that no longer exists.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

} // namespace platform
