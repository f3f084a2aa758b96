// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock.h"

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
        std::int64_t resolution() const override
        {
            using Period = std::chrono::steady_clock::period;
            const std::int64_t ns = Period::num * 1'000'000'000 / Period::den;
            return ns > 0 ? ns : 1;
        }
    };

} // namespace

Clock& steadyClock()
{
    static SteadyClock clock;
    return clock;
}

} // namespace form
