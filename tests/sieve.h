// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

// The test oracle: the primes up to `limit` by the sieve of Eratosthenes, which shares nothing
// with trial division.
inline std::vector<bool> sieve(int limit)
{
    std::vector<bool> prime(static_cast<std::size_t>(limit) + 1, true);
    prime[0] = false;
    if (limit >= 1)
        prime[1] = false;
    for (int p = 2; p * p <= limit; ++p) {
        if (!prime[static_cast<std::size_t>(p)])
            continue;
        for (int m = p * p; m <= limit; m += p)
            prime[static_cast<std::size_t>(m)] = false;
    }
    return prime;
}

inline std::vector<int> primesBetween(int first, int last)
{
    const std::vector<bool> prime = sieve(last);
    std::vector<int> found;
    for (int n = first; n <= last; ++n) {
        if (prime[static_cast<std::size_t>(n)])
            found.push_back(n);
    }
    return found;
}
