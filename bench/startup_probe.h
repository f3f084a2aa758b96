// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct xcb_connection_t;

namespace bench {

struct StartupRun {
    double secondsToMap; // from starting the process to its first window being mapped
    double secondsToDraw; // ... to that window's contents being drawn on the screen
    double peakMebibytes; // the process's peak resident memory, over its whole life
};

// Starts programs as whole processes on the X display in $DISPLAY (Xvfb under `make bench`) and
// watches the display for their first window. Holds one connection for all its runs: an X server
// resets when its last client leaves, and would refuse the next run for a moment.
class StartupProbe {
public:
    StartupProbe();
    ~StartupProbe();
    StartupProbe(const StartupProbe&) = delete;
    StartupProbe& operator=(const StartupProbe&) = delete;

    // Why the last measurement, or the connection, failed.
    const std::string& error() const { return error_; }

    // Starts `program`, waits for its first top-level window to be mapped and then drawn (the
    // middle of the window differs from the screen before), lets it settle, then ends it. Empty
    // when there is no display or no window was drawn in time.
    std::optional<StartupRun> measure(const std::string& program);

private:
    xcb_connection_t* connection_ = nullptr;
    unsigned root_ = 0;
    std::uint16_t screenWidth_ = 0;
    std::uint16_t screenHeight_ = 0;
    std::string error_;
};

} // namespace bench
