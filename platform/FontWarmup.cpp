#include "platform/FontWarmup.h"

#include <system_error>

#ifdef TESSAFLOW_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace platform {

FontWarmup::FontWarmup()
{
#ifdef TESSAFLOW_FONTCONFIG
    // If no thread can be started, Qt reads the configuration itself, as always.
    try {
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
    }
#endif
}

FontWarmup::~FontWarmup()
{
    wait();
}

void FontWarmup::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace platform
