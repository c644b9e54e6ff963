#include "platform/font_config.h"

#ifdef ORVANEL_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace platform {

FontConfigPreload::FontConfigPreload()
{
#ifdef ORVANEL_HAVE_FONTCONFIG
    // fontconfig keeps one current configuration and installs it atomically, so the font
    // database asking for it meanwhile is safe: it then loads one of its own, and the later
    // of the two is dropped.
    m_worker = std::thread([] { FcInit(); });
#endif
}

FontConfigPreload::~FontConfigPreload() { wait(); }

void FontConfigPreload::wait()
{
    if (m_worker.joinable())
        m_worker.join();
}

} // namespace platform
