// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup_probe.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench {
namespace {

    using Clock = std::chrono::steady_clock;

    constexpr auto windowTimeout = std::chrono::seconds(20);
    // After the window is mapped: time to paint its contents and reach its steady memory.
    constexpr auto settleTime = std::chrono::milliseconds(500);

    // This process's environment, with the child's window going to the X display.
    std::vector<std::string> childEnvironment()
    {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
                env.emplace_back(*e);
        }
        env.emplace_back("QT_QPA_PLATFORM=xcb");
        return env;
    }

    // Waits until `deadline` for a MapNotify of a child of the root window; returns that window,
    // or 0.
    xcb_window_t waitForMap(xcb_connection_t* c, xcb_window_t root, Clock::time_point deadline)
    {
        pollfd fd { xcb_get_file_descriptor(c), POLLIN, 0 };
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
                const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(
                    event, &std::free);
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && map->event == root)
                    return map->window;
            }
            if (xcb_connection_has_error(c))
                return 0;
            const auto left
                = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            poll(&fd, 1, static_cast<int>(std::max<long>(left.count(), 0)));
        }
        return 0;
    }

    struct Area {
        std::int16_t x, y;
        std::uint16_t width, height;
    };

    // The screen's pixels in `area`, as the X server holds them (windows included).
    std::vector<std::uint8_t> grab(xcb_connection_t* c, xcb_window_t root, Area area)
    {
        const xcb_get_image_cookie_t cookie = xcb_get_image(
            c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, area.x, area.y, area.width, area.height, ~0u);
        xcb_get_image_reply_t* reply = xcb_get_image_reply(c, cookie, nullptr);
        if (!reply)
            return {};
        const std::uint8_t* data = xcb_get_image_data(reply);
        std::vector<std::uint8_t> pixels(data, data + xcb_get_image_data_length(reply));
        std::free(reply);
        return pixels;
    }

    // The middle of the window, where every one of the measured programs draws something.
    Area middleOf(xcb_connection_t* c, xcb_window_t window)
    {
        xcb_get_geometry_reply_t* geometry
            = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
        if (!geometry)
            return { 0, 0, 1, 1 };
        const Area area { static_cast<std::int16_t>(geometry->x + geometry->width / 2 - 32),
            static_cast<std::int16_t>(geometry->y + geometry->height / 2 - 32), 64, 64 };
        std::free(geometry);
        return area;
    }

    // The peak resident memory of the running process `pid` since it started its program, as
    // the kernel keeps it (VmHWM). Not wait4's ru_maxrss: posix_spawn's child runs in this
    // process's memory until its exec, and ru_maxrss would count this process too.
    double peakResidentKiB(pid_t pid)
    {
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("VmHWM:", 0) == 0)
                return std::stod(line.substr(6));
        }
        return NAN;
    }

    // `area` cut out of a grab of the whole screen.
    std::vector<std::uint8_t> cut(
        const std::vector<std::uint8_t>& screen, std::uint16_t screenHeight, Area area)
    {
        const std::size_t stride = screen.size() / screenHeight;
        const std::size_t pixel = 4; // 24-bit depth is stored in 32 bits
        std::vector<std::uint8_t> part;
        for (int row = 0; row < area.height; ++row) {
            const auto from = screen.begin()
                + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(area.y + row) * stride
                    + static_cast<std::size_t>(area.x) * pixel);
            part.insert(part.end(), from, from + area.width * static_cast<std::ptrdiff_t>(pixel));
        }
        return part;
    }

} // namespace

StartupProbe::StartupProbe()
    : connection_(xcb_connect(nullptr, nullptr))
{
    if (xcb_connection_has_error(connection_)) {
        error_ = "no X display to start the programs on (run under xvfb-run)";
        return;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    root_ = screen->root;
    screenWidth_ = screen->width_in_pixels;
    screenHeight_ = screen->height_in_pixels;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const xcb_void_cookie_t cookie
        = xcb_change_window_attributes_checked(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t* failed = xcb_request_check(connection_, cookie)) {
        std::free(failed);
        error_ = "cannot watch the X display's windows";
    }
}

StartupProbe::~StartupProbe() { xcb_disconnect(connection_); }

std::optional<StartupRun> StartupProbe::measure(const std::string& program)
{
    if (!error_.empty())
        return std::nullopt;
    std::vector<std::string> env = childEnvironment();
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = program;
    char* argv[] = { path.data(), nullptr };

    // Events of the previous program's windows are no news of this one's.
    while (xcb_generic_event_t* stale = xcb_poll_for_event(connection_))
        std::free(stale);
    // The screen before the program starts: its window is drawn when its middle differs.
    const std::vector<std::uint8_t> before
        = grab(connection_, root_, { 0, 0, screenWidth_, screenHeight_ });

    const Clock::time_point start = Clock::now();
    // The programs' own messages (Qt's notes about the environment) would only clutter the table.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &quiet, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        error_ = "cannot start " + program;
        return std::nullopt;
    }
    const xcb_window_t window = waitForMap(connection_, root_, start + windowTimeout);
    const Clock::time_point mapped = Clock::now();
    Clock::time_point drawn = mapped;
    bool shown = false;
    if (window) {
        const Area middle = middleOf(connection_, window);
        const std::vector<std::uint8_t> empty = cut(before, screenHeight_, middle);
        while (!shown && Clock::now() < start + windowTimeout) {
            shown = grab(connection_, root_, middle) != empty;
            drawn = Clock::now();
            if (!shown)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::this_thread::sleep_for(settleTime);
    }
    const double peakKiB = peakResidentKiB(pid);
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!shown) {
        error_ = program + (window ? " drew nothing in its window" : " showed no window");
        return std::nullopt;
    }
    return StartupRun { std::chrono::duration<double>(mapped - start).count(),
        std::chrono::duration<double>(drawn - start).count(), peakKiB / 1024.0 };
}

} // namespace bench
