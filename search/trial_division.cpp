// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trial_division.h"

#include <cmath>

namespace primes {
namespace {

    // Round to nearest, ties to even (the default rounding mode, which nothing here changes).
    std::int16_t toInt16(double value) { return static_cast<std::int16_t>(std::nearbyint(value)); }

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

    // Remainders a candidate costs: one for each divisor 2..bound, none when the bound is below 2.
    std::int64_t remaindersUpTo(std::int16_t bound) { return bound >= 2 ? bound - 1 : 0; }

    // The divisor loop, shared by the shipped search and the counting one. `count` is called once
    // per remainder; the shipped search passes a function that does nothing, so its loop compiles
    // to the bare remainders.
    template <typename Count> bool noDivisorUpTo(std::int16_t n, std::int16_t bound, Count& count)
    {
        bool prime = true;
        for (std::int16_t j = 2; j <= bound; ++j) {
            const int remainder = n % j;
            keepRemainder(remainder);
            count();
            if (remainder == 0)
                prime = false;
        }
        return prime;
    }

    template <typename Count>
    Search search(std::int16_t interval, std::int16_t method, Count& count)
    {
        Search result;
        if (!validIndices(interval, method))
            return result;
        const BoundFunction bound = bounds[static_cast<std::size_t>(method)];
        const Interval range = intervals[static_cast<std::size_t>(interval)];
        for (std::int16_t n = range.first; n <= range.last; ++n) {
            const std::int16_t b = bound(n);
            result.remainderOperations += remaindersUpTo(b);
            if (noDivisorUpTo(n, b, count))
                result.primes.push_back(n);
        }
        return result;
    }

    struct Uncounted {
        void operator()() const { }
    };

} // namespace

std::int16_t divisorBound(Method method, std::int16_t n)
{
    return bounds[static_cast<std::size_t>(method)](n);
}

bool hasNoDivisorUpTo(std::int16_t n, std::int16_t bound)
{
    Uncounted uncounted;
    return noDivisorUpTo(n, bound, uncounted);
}

Search findPrimes(std::int16_t interval, std::int16_t method)
{
    Uncounted uncounted;
    return search(interval, method, uncounted);
}

Search findPrimesCounting(std::int16_t interval, std::int16_t method, std::int64_t& computed)
{
    auto count = [&computed] { ++computed; };
    return search(interval, method, count);
}

std::int64_t remainderOperations(std::int16_t interval, std::int16_t method)
{
    if (!validIndices(interval, method))
        return 0;
    const BoundFunction bound = bounds[static_cast<std::size_t>(method)];
    const Interval range = intervals[static_cast<std::size_t>(interval)];
    std::int64_t operations = 0;
    for (std::int16_t n = range.first; n <= range.last; ++n)
        operations += remaindersUpTo(bound(n));
    return operations;
}

} // namespace primes
