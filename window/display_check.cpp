// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display_check.h"

#include "app_info.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// QT_QPA_PLATFORM may list several platforms to try, separated by ';': a display is needed when
// every one of them needs one. Unset or empty means the default, xcb.
bool needsDisplay(std::string_view platforms)
{
    if (platforms.empty())
        return true;
    while (!platforms.empty()) {
        const std::size_t end = platforms.find(';');
        const std::string_view platform = platforms.substr(0, end);
        const std::string_view name = platform.substr(0, platform.find(':'));
        if (name != "xcb" && name != "wayland" && name != "wayland-egl")
            return false;
        platforms = end == std::string_view::npos ? std::string_view() : platforms.substr(end + 1);
    }
    return true;
}

// The platform Qt is asked for: the last `-platform NAME` (or `--platform NAME`) on the command
// line, else QT_QPA_PLATFORM.
std::string_view requestedPlatform(int argc, char* argv[])
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-platform" || arg == "--platform")
            platform = argv[++i];
    }
    return platform ? platform : "";
}

} // namespace

bool reportMissingDisplay(int argc, char* argv[])
{
#if defined(_WIN32) || defined(__APPLE__) || defined(__ANDROID__)
    // Their windows need no display server, and Qt's default platform there is not xcb.
    (void)argc;
    (void)argv;
    return false;
#else
    if (!needsDisplay(requestedPlatform(argc, argv)) || isSet("DISPLAY")
        || isSet("WAYLAND_DISPLAY"))
        return false;
    std::fprintf(stderr,
        "%s: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
        "start it from a desktop session.\n",
        appinfo::name);
    return true;
#endif
}
