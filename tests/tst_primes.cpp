// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The primes library: trial division with its three bounds, and the stored lists, against a sieve
// and an oracle of the bounds in integers. No window system, so it runs wherever the library
// ships: natively, under Wine and under Node.js.

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>

#include "oracle_bounds.h"
#include "sieve.h"
#include "stored_primes.h"
#include "trial_division.h"

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

using primes::Method;

namespace {

const char* methodName(Method method)
{
    switch (method) {
    case Method::AllBelow:
        return "N-1 bound";
    case Method::Half:
        return "halving bound";
    case Method::SquareRoot:
        return "square-root bound";
    }
    return "";
}

constexpr Method allMethods[] = { Method::AllBelow, Method::Half, Method::SquareRoot };

std::int16_t i16(int value) { return static_cast<std::int16_t>(value); }

} // namespace

TEST_CASE("the bounds of the design's table, around the square root's switch and of halves")
{
    // The design's table of the smallest candidates, N = 2 to 11.
    const int table[3][10] = {
        { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 },
        { 1, 2, 2, 2, 3, 4, 4, 4, 5, 6 },
        { 1, 2, 2, 2, 3, 4, 4, 4, 4, 4 },
    };
    for (const Method method : allMethods) {
        for (int n = 2; n <= 11; ++n) {
            CAPTURE(methodName(method));
            CAPTURE(n);
            CHECK(primes::divisorBound(method, i16(n)) == table[static_cast<int>(method)][n - 2]);
        }
    }
    // Perfect squares and the largest candidate.
    const int squareRoot[][2] = { { 5, 2 }, { 6, 3 }, { 9, 4 }, { 25, 6 }, { 99, 11 }, { 100, 11 },
        { 110, 11 }, { 111, 12 }, { 1000, 33 }, { 9999, 101 }, { 10000, 101 } };
    for (const auto& nBound : squareRoot) {
        const int n = nBound[0];
        CAPTURE(n);
        CHECK(primes::divisorBound(Method::SquareRoot, i16(n)) == nBound[1]);
    }
    // Halves round to the even neighbour.
    const int half[][2] = { { 13, 6 }, { 15, 8 }, { 9999, 5000 }, { 10000, 5000 } };
    for (const auto& nBound : half) {
        const int n = nBound[0];
        CAPTURE(n);
        CHECK(primes::divisorBound(Method::Half, i16(n)) == nBound[1]);
    }
}

TEST_CASE("every candidate's bound is the oracle's")
{
    for (const Method method : allMethods) {
        for (int n = 2; n <= 10000; ++n) {
            const int bound = primes::divisorBound(method, i16(n));
            if (bound != oracleBound(method, n)) {
                CAPTURE(methodName(method));
                CAPTURE(n);
                REQUIRE(bound == oracleBound(method, n));
            }
        }
    }
}

TEST_CASE("a divisor is found up to the bound, and only there")
{
    struct Case {
        const char* what;
        int n, bound;
        bool noDivisor;
    };
    const Case cases[] = {
        { "2, no divisor tried", 2, 1, true },
        { "3, tried by 2", 3, 2, true },
        { "4, divisor 2 is the bound", 4, 2, false },
        { "9, divisor 3 inside bound 4", 9, 4, false },
        { "25, divisor 5 inside bound 6", 25, 6, false },
        { "25, bound 4 misses divisor 5", 25, 4, true },
        { "9973, every divisor below", 9973, 9972, true },
        { "10000, divisor found first still composite", 10000, 9999, false },
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        CHECK(primes::hasNoDivisorUpTo(i16(c.n), i16(c.bound)) == c.noDivisor);
    }
}

TEST_CASE("each interval's primes with each bound are the sieve's, and so are the stored lists")
{
    const int counts[] = { 4, 21, 143, 1061 };
    for (int interval = 0; interval < 4; ++interval) {
        CAPTURE(interval);
        const auto range = primes::intervals[static_cast<std::size_t>(interval)];
        const std::vector<int> expected = primesBetween(range.first, range.last);
        CHECK(expected.size() == static_cast<std::size_t>(counts[interval]));

        // Stored as plain decimal text (no blank, sign or leading zero), ascending.
        std::vector<std::string> stored;
        for (const char* row : primes::storedPrimes(static_cast<std::size_t>(interval)))
            stored.emplace_back(row);
        std::vector<std::string> expectedText;
        for (const int p : expected)
            expectedText.push_back(std::to_string(p));
        CHECK(stored == expectedText);

        for (const Method method : allMethods) {
            CAPTURE(methodName(method));
            const auto m = static_cast<std::int16_t>(method);
            const std::vector<std::int16_t> found = primes::findPrimes(i16(interval), m).primes;
            CHECK(std::vector<int>(found.begin(), found.end()) == expected);
            // A second run finds the same, with nothing carried over from the first.
            CHECK(primes::findPrimes(i16(interval), m).primes == found);
        }
    }
}

TEST_CASE("the stored lists hold every prime below ten thousand once, and no list past the last")
{
    std::multiset<int> all;
    for (std::size_t list = 0; list < primes::storedListCount; ++list) {
        for (const char* row : primes::storedPrimes(list))
            all.insert(std::atoi(row));
    }
    CHECK(std::vector<int>(all.begin(), all.end()) == primesBetween(1, 10000));
    CHECK(primes::storedPrimes(primes::storedListCount).empty());
}

// The window never passes such indices; the search still answers with nothing.
TEST_CASE("indices outside the tables find nothing")
{
    for (const std::pair<int, int>& indices :
        { std::pair<int, int> { -1, 2 }, { 4, 2 }, { 0, -1 }, { 3, 3 } }) {
        const int interval = indices.first;
        const int method = indices.second;
        CAPTURE(interval);
        CAPTURE(method);
        const primes::Search found = primes::findPrimes(i16(interval), i16(method));
        CHECK(found.primes.empty());
        CHECK(found.remainderOperations == 0);
    }
}

TEST_CASE("the search counts every remainder its bounds call for, near the design's figures")
{
    // The design's figures, exact or rounded, and how far the rounding goes.
    const std::int64_t figures[4][3] = {
        { 36, 18, 17 },
        { 4800, 2400, 651 },
        { 494000, 247000, 20400 },
        { 49500000, 24700000, 646000 },
    };
    const std::int64_t tolerances[4][3] = {
        { 0, 0, 0 },
        { 50, 50, 0 },
        { 500, 500, 50 },
        { 50000, 50000, 500 },
    };
    for (int interval = 0; interval < 4; ++interval) {
        for (const Method method : allMethods) {
            CAPTURE(interval);
            CAPTURE(methodName(method));
            const auto range = primes::intervals[static_cast<std::size_t>(interval)];
            const auto m = static_cast<int>(method);
            // Counted in the divisor loop: a loop that stops at the first divisor, or skips one,
            // computes fewer remainders than the bounds call for.
            const std::int64_t counted
                = primes::findPrimes(i16(interval), i16(m)).remainderOperations;
            CHECK(counted == oracleOperations(range.first, range.last, method));
            CHECK(std::abs(counted - figures[interval][m]) <= tolerances[interval][m]);
        }
    }
}
