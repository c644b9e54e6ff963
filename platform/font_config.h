#pragma once
// Loads the system's font configuration ahead of need.
#include <thread>

namespace platform {

// Started before the application object: reads the font configuration and the font caches on
// a worker thread (a few milliseconds of parsing), while the main thread loads the window
// system plugin, so the font database finds them ready. Does nothing where fonts are not
// configured through fontconfig. wait() (or the destructor) joins the worker.
class FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;
    void wait();

private:
    std::thread m_worker;
};

} // namespace platform
