// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace primes {

// Both ends are candidates. The first interval starts at 2 so that 1 is never tested.
struct Interval {
    std::int16_t first;
    std::int16_t last;
};

inline constexpr std::array<Interval, 4> intervals { {
    { 2, 10 },
    { 10, 100 },
    { 100, 1000 },
    { 1000, 10000 },
} };

// The three trial-division bounds, in the order of the method buttons.
enum class Method : std::int16_t { AllBelow, Half, SquareRoot };
inline constexpr std::size_t methodCount = 3;

// Largest trial divisor B for candidate n; divisors 2..B are tried, none when B < 2.
std::int16_t divisorBound(Method method, std::int16_t n);

// Whether n has no divisor in 2..bound. Tries every divisor even after finding one, so that a
// candidate costs exactly bound - 1 remainder operations, prime or not.
bool hasNoDivisorUpTo(std::int16_t n, std::int16_t bound);

// What one search found: the primes, ascending, and the remainder operations its divisor loop
// computed.
struct Search {
    std::vector<std::int16_t> primes;
    std::int64_t remainderOperations = 0;
};

// The primes of intervals[interval] by trial division with `method`. Empty when either index is
// outside its table.
Search findPrimes(std::int16_t interval, std::int16_t method);

} // namespace primes
