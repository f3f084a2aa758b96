// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How the window writes the times it measured (measurement.h) and the counts beside them, in
// Bulgarian, as UTF-8. No Qt: the same text in every window, in the tests and in the benchmark.

#include <cstdint>
#include <string>

namespace form {

// Three significant digits, a decimal comma and the unit that keeps the number between 1 and 999:
// "850 нс", "11,3 мкс", "1,28 мс", "81,6 мс". Below a microsecond, whole nanoseconds, the
// clock's resolution. A coarser measurement gives fewer digits (one or two): "1,3 мкс".
std::string durationText(std::int64_t nanoseconds, int digits = 3);

// The same time as a plain number of microseconds, for a spreadsheet: the decimal comma, no unit,
// no grouping, and no digit beyond those warranted ("0,160", "1,1", "423", "41000").
std::string microsecondsNumber(std::int64_t nanoseconds, int digits = 3);

// A count as Bulgarian writes it: from five digits on, groups of three apart, separated by a
// no-break space so that a tooltip never splits a number ("4823", "645 644").
std::string countText(std::int64_t count);

} // namespace form
