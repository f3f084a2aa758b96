// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kernels.h"

namespace bench {

void remainderBaseline(std::int64_t operations)
{
    int dividend = 5000;
    int divisor = 37;
    for (std::int64_t i = 0; i < operations; ++i) {
        // Hides the operands' values from the compiler (no instruction is emitted), so it can
        // neither hoist the division out of the loop nor turn it into a multiplication.
        asm volatile("" : "+r"(dividend), "+r"(divisor));
        const int remainder = dividend % divisor;
        asm volatile("" : : "r"(remainder));
    }
}

} // namespace bench
