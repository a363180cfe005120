#include "platform/widgets/FontWarmup.h"

#include <QFontDatabase>
#include <QStringList>
#include <system_error>

#ifdef TESSAFLOW_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace platform {

FontWarmup::FontWarmup()
    // Started from a desktop launcher, Qt removes the launch token from the
    // environment while it builds the application; fontconfig reads the
    // environment (HOME, XDG_*, FONTCONFIG_FILE) and could miss a variable
    // that moves under it. Then the configuration is read afterwards.
    : m_readsAhead(!qEnvironmentVariableIsSet("DESKTOP_STARTUP_ID")
                   && !qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"))
{
    // If no thread can be started, Qt reads the fonts itself, as always.
    try {
        m_thread = std::thread([this] {
#ifdef TESSAFLOW_FONTCONFIG
            if (m_readsAhead)
                FcInit(); // needs no application yet
#endif
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_state != State::Starting; });
            if (m_state == State::ApplicationReady) {
                lock.unlock();
                QFontDatabase::families(); // fills the database, under its own lock
            }
        });
    } catch (const std::system_error &) {
    }
}

FontWarmup::~FontWarmup()
{
    wait();
}

void FontWarmup::tell(State state)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_state == State::Starting)
            m_state = state;
    }
    m_changed.notify_all();
}

void FontWarmup::wait()
{
    tell(State::Done);
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace platform
