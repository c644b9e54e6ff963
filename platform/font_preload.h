#pragma once
// Loads the system's font configuration, and then the fonts the first window shows, ahead of
// need.
#include <QFont>
#include <QList>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace platform {

// Started before the application object: reads the font configuration and the font caches on
// a worker thread (a few milliseconds of parsing) while the main thread connects to the
// display. Once the application exists, preload() hands the worker the fonts the first
// window will show: it looks them up in the font database, which fills the database and
// finds the fallback families of fonts the system lacks while the main thread does other
// start-up work. Without fontconfig only that second step is done. wait() (or the
// destructor) ends the worker; it must run before the application object goes.
class FontPreload {
public:
    FontPreload();
    ~FontPreload();
    FontPreload(const FontPreload&) = delete;
    FontPreload& operator=(const FontPreload&) = delete;
    void preload(QList<QFont> fonts);
    void wait();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_closed = false;
    QList<QFont> m_fonts;
    std::thread m_worker;
};

} // namespace platform
