// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// performance.now() as the form's clock. Without cross-origin isolation, which a page opened from
// a file cannot have, browsers coarsen it (Chromium to 100 µs, Firefox and WebKit to 1 ms), so
// the logic observes its step and repeats a side's work until the clock can resolve it, within a
// cap (form/measurement.h).

#include "clock.h"

namespace web {

class BrowserClock final : public form::Clock {
public:
    std::int64_t now() override;
};

} // namespace web
