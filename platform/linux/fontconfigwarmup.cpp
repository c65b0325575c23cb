#include "platform/linux/fontconfigwarmup.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace velmaro::platform {

FontConfigWarmUp::FontConfigWarmUp()
{
    try {
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread: Qt reads the configuration itself when it first needs it.
    }
}

void FontConfigWarmUp::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

FontConfigWarmUp::~FontConfigWarmUp()
{
    wait();
}

} // namespace velmaro::platform
