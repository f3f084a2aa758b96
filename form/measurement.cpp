// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "measurement.h"

#include <algorithm>
#include <utility>

namespace form {

std::int64_t observeStep(Clock& clock, std::int64_t mostReadings, std::int64_t mostNanoseconds)
{
    // The first change ends a part of a step only; the next few are whole steps.
    constexpr int wholeSteps = 4;
    std::int64_t last = clock.now();
    std::int64_t firstChangeAt = 0;
    std::int64_t firstChange = 0;
    std::int64_t smallest = 0;
    int changes = 0;
    for (std::int64_t readings = 1; readings < mostReadings && changes <= wholeSteps; ++readings) {
        const std::int64_t now = clock.now();
        if (now <= last)
            continue;
        const std::int64_t change = now - last;
        if (changes == 0) {
            firstChange = change;
            firstChangeAt = now;
        } else {
            smallest = smallest == 0 ? change : std::min(smallest, change);
        }
        ++changes;
        last = now;
        if (changes > 1 && now - firstChangeAt >= mostNanoseconds)
            break;
    }
    return changes > 1 ? smallest : firstChange;
}

int digitsFor(std::int64_t steps) { return steps >= 1000 ? 3 : steps >= 100 ? 2 : 1; }

namespace {

    // One round of batches, as measure() describes, within `most` nanoseconds; and the time it
    // took. It starts as the clock's reading changes, and unless a run is surely longer than a
    // quarter of a step it ends so too, in batches small against the runs so far: the runs then
    // span whole steps, where a coarse clock (a browser's 1 ms) would blur each end by up to a
    // step, a quarter of a round's figure.
    std::pair<Timing, std::int64_t> round(Clock& clock, const std::function<void()>& work,
        std::int64_t step, std::int64_t enough, std::int64_t most)
    {
        // Bounds for a clock that stops moving, and for work that takes no time on the clock (as
        // a test's may): real work, 8 ns or more a run, reaches the cap long before.
        constexpr int mostReadings = 1 << 26;
        constexpr int mostEndBatches = 1024;
        constexpr std::int64_t mostRuns = 1 << 17;
        const std::int64_t called = clock.now();
        std::int64_t start = called;
        for (int k = 0; start == called && k < mostReadings; ++k)
            start = clock.now();
        // The wait for the start counts against the cap, and two steps are kept for the end.
        const std::int64_t budget = most - (start - called) - 2 * step;
        std::int64_t reading = start;
        std::int64_t runs = 0;
        std::int64_t batch = 1;
        bool last = false;
        for (;;) {
            for (std::int64_t i = 0; i < batch; ++i)
                work();
            runs += batch;
            reading = clock.now();
            if (last || reading - start >= enough || runs >= mostRuns)
                break;
            // Each reading may lag the true time by up to a step, so the runs so far took less
            // than `atMost`; the next batch is sized so that even then the whole stays within the
            // cap. Where the clock jitters (Firefox's), a reading may also be early, by up to a
            // step, and the cap is kept to within that step.
            const std::int64_t atMost = reading - start + step;
            const std::int64_t perRun = (atMost + runs - 1) / runs;
            const std::int64_t fits = (budget - atMost) / perRun;
            if (fits < 1)
                break;
            batch = std::min({ runs, fits, mostRuns - runs });
            last = batch == fits;
        }
        if (4 * (reading - start - step) <= runs * step) {
            const std::int64_t before = reading;
            for (int k = 0; reading == before && k < mostEndBatches && runs < 2 * mostRuns; ++k) {
                const std::int64_t small = std::max<std::int64_t>(runs / 32, 1);
                for (std::int64_t i = 0; i < small; ++i)
                    work();
                runs += small;
                reading = clock.now();
            }
        }
        const std::int64_t elapsed = reading - start;
        // Less than a step spanned: the time was somewhere below one step, so half a step is the
        // best guess.
        const std::int64_t total = elapsed > 0 ? elapsed : step / 2;
        const Timing timing { std::max<std::int64_t>((total + runs / 2) / runs, 1),
            static_cast<int>(runs), digitsFor(elapsed / step) };
        return { timing, elapsed };
    }

} // namespace

// A stall of the machine (it ran something else) lengthens the round it falls in, and on a fine
// clock it ends that round at once, as if enough had been spanned. So the work gets two rounds,
// each within half the cap, and the faster is its time: a busy machine shows the work, not the
// stall. Work of which a single run fills a round gets one, rather than keep the window waiting
// twice; so does a clock too coarse to be read within half the cap.
Timing measure(Clock& clock, const std::function<void()>& work, const MeasureLimits& limits)
{
    const std::int64_t step = clock.step();
    if (step <= 0) {
        work();
        return { 1, 1, 1 };
    }
    const std::int64_t half = limits.mostNanoseconds / 2;
    const std::int64_t enough = std::max(limits.enoughSteps * step, limits.leastNanoseconds);
    if (3 * step > half)
        return round(clock, work, step, enough, std::max(limits.mostNanoseconds, 3 * step)).first;
    const auto [first, took] = round(clock, work, step, enough, half);
    if (first.runs == 1 && took >= half)
        return first;
    const Timing second = round(clock, work, step, enough, half).first;
    return second.nanoseconds < first.nanoseconds ? second : first;
}

} // namespace form
