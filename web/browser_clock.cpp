// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "browser_clock.h"

#include "dom.h"

#include <cmath>

namespace web {

std::int64_t BrowserClock::now() { return std::llround(dom::now() * 1e6); }

} // namespace web
