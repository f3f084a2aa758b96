// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock.h"

#include "measurement.h"

#include <chrono>

namespace form {
namespace {

    class SteadyClock final : public Clock {
    public:
        std::int64_t now() override
        {
            return std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::chrono::steady_clock::now().time_since_epoch())
                .count();
        }
    };

} // namespace

std::int64_t Clock::step()
{
    if (!observed_)
        observed_ = observeStep(*this);
    return *observed_;
}

Clock& steadyClock()
{
    static SteadyClock clock;
    return clock;
}

} // namespace form
