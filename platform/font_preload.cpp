#include "platform/font_preload.h"

#include <QFontMetrics>

#ifdef ORVANEL_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace platform {

FontPreload::FontPreload() : m_worker([this] { run(); }) {}

FontPreload::~FontPreload() { wait(); }

void FontPreload::run()
{
#ifdef ORVANEL_HAVE_FONTCONFIG
    // fontconfig keeps one current configuration and installs it atomically, so the font
    // database asking for it meanwhile is safe: it then loads one of its own, and the later
    // of the two is dropped.
    FcInit();
#endif
    QList<QFont> fonts;
    {
        std::unique_lock lock(m_mutex);
        m_wake.wait(lock, [this] { return m_closed || !m_fonts.isEmpty(); });
        fonts.swap(m_fonts);
    }
    // The font database is shared by all threads and guarded by Qt; each font's metrics make
    // it resolve the family (and its fallbacks) once for every thread.
    for (const QFont& font : fonts)
        QFontMetrics(font).height();
}

void FontPreload::preload(QList<QFont> fonts)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_closed)
            return;
        m_fonts = std::move(fonts);
        m_closed = true;
    }
    m_wake.notify_one();
}

void FontPreload::wait()
{
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
    }
    m_wake.notify_one();
    if (m_worker.joinable())
        m_worker.join();
}

} // namespace platform
