// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How the logic measures a side, on clocks that count ticks instead of time: the step it
// observes, the repeats and their cap, the digits, and the update bracket around the measured
// work. No time is asserted. No window system.

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>

#include "clock.h"
#include "form_texts.h"
#include "measured_time.h"
#include "measurement.h"
#include "recording_controls.h"

#include <chrono>
#include <cmath>
#include <cstdlib>

namespace {

// True time moves by `readingCost` for each reading and by what the work is charged; a reading
// shows it in whole steps of `grain`, as a real clock does. A grain of 0 never moves.
class FakeClock final : public form::Clock {
public:
    FakeClock(std::int64_t grain, std::int64_t readingCost)
        : grain(grain)
        , readingCost(readingCost)
    {
    }
    std::int64_t now() override
    {
        ++readings;
        trueTime += readingCost;
        return grain > 0 ? trueTime / grain * grain : 0;
    }
    const std::int64_t grain;
    const std::int64_t readingCost;
    std::int64_t trueTime = 123'456'789; // any phase
    std::int64_t readings = 0;
};

constexpr std::int64_t cap = form::MeasureLimits {}.mostNanoseconds;

} // namespace

TEST_CASE("the step a clock moves by is observed, whatever one reading costs")
{
    struct Row {
        const char* name;
        std::int64_t grain, readingCost, step;
    };
    const Row rows[] = {
        { "1 ns, read at once", 1, 1, 1 },
        { "1 ns, 25 ns a reading: the step a reader sees", 1, 25, 25 },
        { "100 ns, as Windows' clock", 100, 30, 100 },
        { "1 ms, as Firefox's and WebKit's", 1'000'000, 40, 1'000'000 },
        { "never moves", 0, 40, 0 },
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        FakeClock clock(row.grain, row.readingCost);
        CHECK(clock.step() == row.step);
        const std::int64_t readings = clock.readings;
        CHECK(readings <= std::int64_t { 1 } << 22);
        CHECK(clock.step() == row.step); // observed once, then kept
        CHECK(clock.readings == readings);
    }
}

// The fault this guards against is the clock's declared period taken as its step: 1 ns, where
// Windows' clock moves by 100 ns.
TEST_CASE("steady_clock's observed step is one it really moves by")
{
    form::Clock& clock = form::steadyClock();
    const std::int64_t step = clock.step();
    MESSAGE("steady_clock moves by " << step << " ns");
    using Period = std::chrono::steady_clock::period;
    CHECK(step * Period::den >= Period::num * 1'000'000'000);
    // Consecutive readings that differ, differ by about the step: some pair by less than twice it.
    std::int64_t smallest = 0;
    for (int i = 0; i < 100'000; ++i) {
        const std::int64_t a = clock.now(), b = clock.now();
        if (b > a && (smallest == 0 || b - a < smallest))
            smallest = b - a;
    }
    REQUIRE(smallest > 0);
    CHECK(smallest < 2 * step);
}

TEST_CASE("repeats stop at enough steps or at the cap, and show no more digits than were spanned")
{
    struct Clock {
        const char* name;
        std::int64_t grain, readingCost;
    };
    const Clock clocks[] = {
        { "1 ns", 1, 20 },
        { "100 ns", 100, 30 },
        { "1 ms", 1'000'000, 40 },
    };
    const std::int64_t works[] = { 300, 5'000, 2'000'000, 40'000'000 };
    for (const Clock& c : clocks) {
        for (const std::int64_t work : works) {
            CAPTURE(c.name);
            CAPTURE(work);
            FakeClock clock(c.grain, c.readingCost);
            const std::int64_t step = clock.step();
            const std::int64_t readingsBefore = clock.readings;
            const std::int64_t start = clock.trueTime;
            const form::Timing timing = form::measure(clock, [&] { clock.trueTime += work; });
            const std::int64_t spent = clock.trueTime - start;
            const std::int64_t readings = clock.readings - readingsBefore;

            REQUIRE(timing.runs >= 1);
            // The cap holds; only one run longer than it may pass it.
            CHECK((spent <= cap || timing.runs == 1));
            // Enough steps spanned, or most of the cap used: no needless stop.
            CHECK((spent >= 1000 * step || spent >= cap / 2));
            // One reading per batch, batches that grow: not one per run.
            CHECK(readings <= std::log2(timing.runs) + 3);
            // The figure is one run, to within what the clock and its readings blur.
            CHECK(timing.nanoseconds > 0);
            CHECK(std::abs(timing.nanoseconds - work) * timing.runs
                <= step + readings * c.readingCost + timing.runs);
            // No more digits than the steps the measurement truly spanned warrant.
            CHECK(timing.digits <= form::digitsFor(spent / c.grain + 1));
        }
    }
}

TEST_CASE("a 1 ms clock: many runs within the cap, one digit")
{
    FakeClock clock(1'000'000, 40);
    const form::Timing timing = form::measure(clock, [&] { clock.trueTime += 2'000; });
    CHECK(timing.digits == 1);
    CHECK(timing.runs > 1'000);
    CHECK(measured::durationText(timing.nanoseconds, timing.digits) == "2 мкс");
}

TEST_CASE("a clock coarser than the cap: its step is spanned, at three steps' cost at most")
{
    for (const std::int64_t grain : { 16'666'667, 100'000'000 }) {
        CAPTURE(grain);
        FakeClock clock(grain, 40);
        const std::int64_t step = clock.step();
        const std::int64_t start = clock.trueTime;
        const form::Timing timing = form::measure(clock, [&] { clock.trueTime += 2'000; });
        CHECK(clock.trueTime - start <= 3 * step);
        CHECK(timing.digits == 1);
        // A step spanned or more, so the figure is the work's blurred by one step at most (of
        // the two or more the runs took), not half a step shared among a few runs.
        CHECK(timing.runs > 1'000);
        CHECK(timing.nanoseconds >= 2'040 / 2);
        CHECK(timing.nanoseconds <= 5 * 2'040);
    }
}

TEST_CASE("a clock that never moves runs the work once, and its time is never 0")
{
    FakeClock clock(0, 40);
    int runs = 0;
    const form::Timing timing = form::measure(clock, [&] { ++runs; });
    CHECK(runs == 1);
    CHECK(timing.runs == 1);
    CHECK(timing.nanoseconds == 1);
    CHECK(timing.digits == 1);
}

TEST_CASE("an interval click measures within the update bracket, and a mean says how many runs")
{
    FakeClock clock(100, 30); // Windows' clock
    RecordingControls recorded;
    recorded.onAppendRow = [&clock] { clock.trueTime += 10'000; };
    form::MainFormLogic logic(recorded, clock);
    logic.Form_Load();
    const std::string stored = texts::spoken::storedTimeDescription;
    for (std::int16_t interval = 0; interval < 4; ++interval) {
        CAPTURE(interval);
        logic.Option1_Click(interval);
        CHECK(recorded.updates == interval + 1);
        CHECK_FALSE(recorded.updating);
        CHECK(recorded.listChangesOutsideUpdate == 0);

        const form::Measured& measured = logic.measured();
        const auto& shown = recorded.shownTimes.back();
        // At 10 µs a row, 1 - 10 is repeated; from 10 - 100 on, one run spans enough steps.
        CHECK((measured.storedRuns > 1) == (interval == 0));
        const std::string mean = texts::spoken::meanOfRunsBefore
            + measured::countText(measured.storedRuns) + texts::spoken::meanOfRunsAfter;
        const std::string hint = texts::measurementsHint;
        CHECK(shown[0].description == (interval == 0 ? stored + mean : stored) + hint);
        CHECK((measured.computedRuns > 1) == (interval == 0));
        CHECK(shown[1].description.ends_with(
            (interval == 0 ? mean : texts::spoken::computedTimeAfter) + hint));
        // The repeated work still leaves one copy of each list.
        CHECK(recorded.list1(0).rows == recorded.list1(1).rows);
    }
}
