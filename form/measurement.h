// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How the logic measures one side of a click, on any clock: it observes the step the clock really
// moves by, repeats work too short for that step in batches that grow, reading the clock once per
// batch, stops when enough steps are spanned or at a wall-time cap, leaves out a batch that a
// stall of the machine clearly lengthened, and shows no more digits than the steps spanned
// warrant.

#include "clock.h"

#include <cstdint>
#include <functional>

namespace form {

struct MeasureLimits {
    // Enough for three digits: one step in a thousand.
    std::int64_t enoughSteps = 1000;
    // The most one side may take, repeats included: on a browser's 1 ms clock both sides of a
    // click together stay near 25 ms, which a user does not notice. A clock coarser than a third
    // of it (a browser that blurs its clock against fingerprinting: 16.7 or 100 ms) gets three of
    // its steps instead: enough to see it move once, whatever its readings lag, so that the
    // figure comes from a step spanned, not from a guess.
    std::int64_t mostNanoseconds = 12'000'000;
    // And at least this long, within the cap: every window's figure is then the mean of many warm
    // runs. A fine clock would otherwise stop after a few runs, their caches still cold from
    // whatever ran before, where a browser's 1 ms clock takes thousands. Short, for a click's own
    // wait: each side is measured twice.
    std::int64_t leastNanoseconds = 100'000;
};

struct Timing {
    std::int64_t nanoseconds = 0; // of one run: the mean where the work was repeated; never 0
    int runs = 0;
    int digits = 1; // significant digits the clock warrants: 1, 2 or 3
};

// The step between consecutive readings of `clock` as they change, in nanoseconds: the smallest
// of a few whole steps. Reading as fast as the program can, a fine clock's step is the time one
// reading takes. Bounded in the clock's own time as well as in readings: on a coarse clock (a
// browser's that blurs it to 100 ms) one whole step suffices once `mostNanoseconds` have passed
// since its first change. 0 for a clock that did not move in `mostReadings` readings.
std::int64_t observeStep(Clock& clock, std::int64_t mostReadings = std::int64_t { 1 } << 26,
    std::int64_t mostNanoseconds = 20'000'000);

// The significant digits that `steps` whole steps of a clock warrant.
int digitsFor(std::int64_t steps);

// The time of one run of `work` on `clock`, as above. A clock that does not move runs the work
// once and warrants nothing: its time is the least there is, 1 ns, with one digit.
Timing measure(Clock& clock, const std::function<void()>& work, const MeasureLimits& limits = {});

} // namespace form
