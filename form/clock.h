// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The clock the window's logic measures the two sides with, and the step it really moves by.
// A front end supplies the clock; the logic observes its step (measurement.h), because what a
// clock declares is no step: Windows' steady_clock declares 1 ns and moves by 100 ns, and a
// browser's performance.now() declares nothing and moves by 100 µs or 1 ms.

#include <cstdint>
#include <optional>

namespace form {

class Clock {
public:
    virtual ~Clock() = default;
    // Now, in nanoseconds from any fixed start.
    virtual std::int64_t now() = 0;

    // The step its readings move by, observed on the first call (observeStep) and kept. 0 for a
    // clock that did not move.
    std::int64_t step();

private:
    std::optional<std::int64_t> observed_;
};

// std::chrono::steady_clock.
Clock& steadyClock();

} // namespace form
