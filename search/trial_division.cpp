// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trial_division.h"

#include <cmath>

namespace primes {
namespace {

    // Round to nearest, ties to even, by hand: MinGW-w64's nearbyint saves and restores the whole
    // floating-point environment each call, which made the Windows window's search of 1 - 10 with
    // the rounded bounds several times slower than the other windows'. A bound is well within
    // 32 bits, where the fraction left by truncation is exact.
    std::int16_t toInt16(double value)
    {
        const auto truncated = static_cast<std::int32_t>(value);
        const double fraction = value - truncated;
        const bool odd = (truncated & 1) != 0;
        std::int32_t rounded = truncated;
        if (fraction > 0.5 || (fraction == 0.5 && odd))
            ++rounded;
        else if (fraction < -0.5 || (fraction == -0.5 && odd))
            --rounded;
        return static_cast<std::int16_t>(rounded);
    }

    std::int16_t boundAllBelow(std::int16_t n) { return static_cast<std::int16_t>(n - 1); }

    std::int16_t boundHalf(std::int16_t n) { return toInt16(n / 2.0); }

    std::int16_t boundSquareRoot(std::int16_t n)
    {
        return n < 6 ? boundHalf(n) : toInt16(std::sqrt(static_cast<double>(n)) + 1.0);
    }

    using BoundFunction = std::int16_t (*)(std::int16_t);
    constexpr std::array<BoundFunction, methodCount> bounds { boundAllBelow, boundHalf,
        boundSquareRoot };

    bool validIndices(std::int16_t interval, std::int16_t method)
    {
        return interval >= 0 && static_cast<std::size_t>(interval) < intervals.size() && method >= 0
            && static_cast<std::size_t>(method) < methodCount;
    }

    // Makes the compiler produce every remainder: without it, it may stop the divisor loop at the
    // first divisor found, since later iterations cannot change a flag that is already false.
    inline void keepRemainder(int remainder)
    {
#if defined(__GNUC__) || defined(__clang__)
        asm volatile("" : : "r"(remainder));
#else
        static volatile int sink;
        sink = remainder;
#endif
    }

    // The divisor loop. It adds to `remainders` each remainder it computes: the one count of the
    // search's cost that the window, the tests and the bench all read.
    bool noDivisorUpTo(std::int16_t n, std::int16_t bound, std::int64_t& remainders)
    {
        bool prime = true;
        for (std::int16_t j = 2; j <= bound; ++j) {
            const int remainder = n % j;
            keepRemainder(remainder);
            ++remainders;
            if (remainder == 0)
                prime = false;
        }
        return prime;
    }

} // namespace

std::int16_t divisorBound(Method method, std::int16_t n)
{
    return bounds[static_cast<std::size_t>(method)](n);
}

bool hasNoDivisorUpTo(std::int16_t n, std::int16_t bound)
{
    std::int64_t remainders = 0;
    return noDivisorUpTo(n, bound, remainders);
}

Search findPrimes(std::int16_t interval, std::int16_t method)
{
    Search result;
    if (!validIndices(interval, method))
        return result;
    const BoundFunction bound = bounds[static_cast<std::size_t>(method)];
    const Interval range = intervals[static_cast<std::size_t>(interval)];
    for (std::int16_t n = range.first; n <= range.last; ++n) {
        if (noDivisorUpTo(n, bound(n), result.remainderOperations))
            result.primes.push_back(n);
    }
    return result;
}

} // namespace primes
