// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <span>

namespace primes {

inline constexpr std::size_t storedListCount = 4;

// The primes of interval `interval` (the same index as the interval table) as decimal text, in
// ascending order; empty for an index past the last list.
std::span<const char* const> storedPrimes(std::size_t interval);

} // namespace primes
