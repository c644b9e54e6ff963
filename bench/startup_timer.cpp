// startup_timer PROGRAM [ARGUMENT...]: starts the program and times its start from outside,
// the same way for any program: milliseconds from the start of the process until its first
// top-level window is mapped and until that window is first painted (the X server reports
// drawing into it through the DAMAGE extension), then its resident memory a settling time
// after the first paint (STARTUP_TIMER_SETTLE_MS, 2000 by default). Ends the program and
// prints "mapped-ms", "painted-ms" and "rss-kib" lines, and "cpu-ms", the processor time the
// program used in all (which a busy machine inflates less than the elapsed times).
// Needs an X display.
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/uio.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;
constexpr double TimeoutMs = 30000;

// The DAMAGE extension has no header here; its two requests and one event are written out.
xcb_extension_t damageExtension = {"DAMAGE", 0};
constexpr std::uint8_t DamageQueryVersion = 0;
constexpr std::uint8_t DamageCreate = 1;
constexpr std::uint8_t ReportRawRectangles = 0;

struct DamageQueryVersionRequest {
    std::uint8_t major, minor;
    std::uint16_t length;
    std::uint32_t clientMajor, clientMinor;
};
struct DamageCreateRequest {
    std::uint8_t major, minor;
    std::uint16_t length;
    std::uint32_t damage, drawable;
    std::uint8_t level, pad[3];
};
struct DamageNotifyEvent {
    std::uint8_t responseType, level;
    std::uint16_t sequence;
    std::uint32_t drawable, damage, timestamp;
    std::int16_t x, y;
    std::uint16_t width, height;
};

template <typename Request>
unsigned int sendDamageRequest(xcb_connection_t* c, Request& request, std::uint8_t opcode, bool hasReply)
{
    iovec parts[4] = {};
    parts[2].iov_base = &request;
    parts[2].iov_len = sizeof request;
    xcb_protocol_request_t info = {1, &damageExtension, opcode, static_cast<std::uint8_t>(hasReply ? 0 : 1)};
    return xcb_send_request(c, hasReply ? XCB_REQUEST_CHECKED : 0, parts + 2, &info);
}

// Watches drawing anywhere on the screen; returns the first event code of DAMAGE, or -1.
int watchDamage(xcb_connection_t* c, xcb_window_t root)
{
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &damageExtension);
    if (!ext || !ext->present)
        return -1;
    DamageQueryVersionRequest version = {0, 0, 0, 1, 1};
    const unsigned int sequence = sendDamageRequest(c, version, DamageQueryVersion, true);
    xcb_generic_error_t* error = nullptr;
    std::free(xcb_wait_for_reply(c, sequence, &error));
    if (error) {
        std::free(error);
        return -1;
    }
    DamageCreateRequest create = {0, 0, 0, xcb_generate_id(c), root, ReportRawRectangles, {}};
    sendDamageRequest(c, create, DamageCreate, false);
    xcb_flush(c);
    return ext->first_event;
}

double msSince(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

std::optional<long> residentKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return std::nullopt;
}

xcb_rectangle_t geometry(xcb_connection_t* c, xcb_window_t window)
{
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    const xcb_rectangle_t area = g ? xcb_rectangle_t{g->x, g->y, g->width, g->height} : xcb_rectangle_t{};
    std::free(g);
    return area;
}

bool inside(const DamageNotifyEvent& d, const xcb_rectangle_t& window)
{
    return d.x < window.x + window.width && window.x < d.x + d.width && d.y < window.y + window.height
           && window.y < d.y + d.height;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_timer PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "startup_timer: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    const int damageEvent = watchDamage(c, root);
    if (damageEvent < 0) {
        std::fprintf(stderr, "startup_timer: the X server has no DAMAGE extension\n");
        return 2;
    }
    const char* settleText = std::getenv("STARTUP_TIMER_SETTLE_MS");
    const int settleMs = settleText ? std::atoi(settleText) : 2000;

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        std::perror("startup_timer: exec");
        _exit(127);
    }

    std::optional<xcb_window_t> window;
    xcb_rectangle_t area = {};
    double mappedMs = 0;
    std::optional<double> paintedMs;
    pollfd x = {xcb_get_file_descriptor(c), POLLIN, 0};
    while (!paintedMs && msSince(start) < TimeoutMs && waitpid(pid, nullptr, WNOHANG) == 0) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            const int type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && !window) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!map->override_redirect) {
                    mappedMs = msSince(start);
                    window = map->window;
                    area = geometry(c, map->window);
                }
            } else if (type == damageEvent && window && !paintedMs
                       && inside(*reinterpret_cast<const DamageNotifyEvent*>(event), area)) {
                paintedMs = msSince(start);
            }
            std::free(event);
        }
        if (!paintedMs)
            poll(&x, 1, 20);
    }
    if (!paintedMs) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        std::fprintf(stderr, "startup_timer: the program painted no window\n");
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const std::optional<long> rss = residentKib(pid);
    kill(pid, SIGTERM);
    rusage used = {};
    wait4(pid, nullptr, 0, &used);
    xcb_disconnect(c);
    if (!rss) {
        std::fprintf(stderr, "startup_timer: the program ended before its memory was read\n");
        return 1;
    }
    const auto cpuMs = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    std::printf("mapped-ms %.1f\npainted-ms %.1f\nrss-kib %ld\ncpu-ms %.1f\n", mappedMs, *paintedMs, *rss,
                cpuMs(used.ru_utime) + cpuMs(used.ru_stime));
    return 0;
}
