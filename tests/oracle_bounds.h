// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trial_division.h"

#include <algorithm>
#include <cstdint>

// The test oracle for the divisor bounds, in integers only, sharing nothing with the search's
// floating-point rounding.

// Round half to even of n / 2, in integers only.
inline int halfBound(int n)
{
    if (n % 2 == 0)
        return n / 2;
    const int below = (n - 1) / 2;
    return below % 2 == 0 ? below : below + 1;
}

// sqrt(n) + 1 to the nearest integer, in integers only: sqrt(n) is never exactly half-way.
inline int squareRootBound(int n)
{
    if (n < 6)
        return halfBound(n);
    int root = 0;
    while ((root + 1) * (root + 1) <= n)
        ++root;
    // sqrt(n) rounds up exactly when n > (root + 1/2)^2, that is n > root^2 + root.
    return (n > root * root + root ? root + 1 : root) + 1;
}

inline int oracleBound(primes::Method method, int n)
{
    switch (method) {
    case primes::Method::AllBelow:
        return n - 1;
    case primes::Method::Half:
        return halfBound(n);
    case primes::Method::SquareRoot:
        return squareRootBound(n);
    }
    return 0;
}

// The remainder operations a search of first..last with `method` must make: bound - 1 for each
// candidate, none where the bound is below 2.
inline std::int64_t oracleOperations(int first, int last, primes::Method method)
{
    std::int64_t operations = 0;
    for (int n = first; n <= last; ++n)
        operations += std::max(oracleBound(method, n) - 1, 0);
    return operations;
}
