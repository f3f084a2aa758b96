// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace bench {

// The machine's limit for the search's one costly instruction: `operations` independent 32-bit
// integer remainders (the width of n % j once the 16-bit operands are promoted), dividends and
// divisors of the sizes the search uses, with nothing else in the loop.
void remainderBaseline(std::int64_t operations);

} // namespace bench
