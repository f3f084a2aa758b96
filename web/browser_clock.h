// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// performance.now() as the form's clock. Without cross-origin isolation, which a page opened from
// a file cannot have, browsers coarsen it (Chromium to 100 µs, Firefox to 1 ms or more), so its
// step is measured once when the page starts, and the logic repeats a side's work until the
// clock can resolve it.

#include "clock.h"

namespace web {

class BrowserClock final : public form::Clock {
public:
    BrowserClock();
    std::int64_t now() override;
    std::int64_t resolution() const override { return resolution_; }

private:
    std::int64_t resolution_;
};

} // namespace web
