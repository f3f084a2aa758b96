// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The clock the window's logic measures the two sides with. Replaceable: a browser's clock is
// coarse, and the tests count ticks instead of time.

#include <cstdint>

namespace form {

class Clock {
public:
    virtual ~Clock() = default;
    // Now, in nanoseconds from any fixed start.
    virtual std::int64_t now() = 0;
    // The smallest step between two readings, in nanoseconds.
    virtual std::int64_t resolution() const = 0;
};

// std::chrono::steady_clock.
Clock& steadyClock();

} // namespace form
