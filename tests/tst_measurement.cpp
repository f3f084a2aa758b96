// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How the logic measures a side and writes its time, on a clock that counts what the test charges
// it instead of time: the step it observes, the repeats and their cap, the digits, what each time
// covers within the update bracket, and the time's text. No time is asserted. No window system.

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>

#include "clock.h"
#include "form_texts.h"
#include "measurement.h"
#include "recording_controls.h"
#include "time_text.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <span>

namespace {

// True time moves by `readingCost` for each reading and by what the test charges; a reading shows
// it in whole steps of `grain`, as a real clock does. A grain of 0 never moves. A `stall` is a
// pause of the reader (the system ran something else) before one reading, by default the second.
// Jittered, each step's edge is moved by its own random part of a step, as Firefox blurs its clock:
// the readings still move by whole steps, but at uneven times, and may be early as well as late.
class FakeClock final : public form::Clock {
public:
    FakeClock(std::int64_t grain, std::int64_t readingCost, bool jittered = false)
        : grain(grain)
        , readingCost(readingCost)
        , jittered(jittered)
    {
    }
    std::int64_t now() override
    {
        ++readings;
        trueTime += readingCost + (readings == stallAt ? stall : 0);
        if (grain <= 0)
            return 0;
        const std::int64_t step = trueTime / grain;
        return jittered && trueTime >= step * grain + edge(step) ? (step + 1) * grain
                                                                 : step * grain;
    }
    const std::int64_t grain;
    const std::int64_t readingCost;
    const bool jittered;
    std::int64_t stall = 0;
    std::int64_t stallAt = 2; // the reading the stall comes before
    std::int64_t trueTime = 123'456'789; // any phase
    std::int64_t readings = 0;

private:
    // Where in step `k` the reading moves on: splitmix64 of k, so the same at every reading.
    std::int64_t edge(std::int64_t k) const
    {
        std::uint64_t z = static_cast<std::uint64_t>(k) + 0x9e3779b97f4a7c15;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
        z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
        return static_cast<std::int64_t>((z ^ (z >> 31)) % static_cast<std::uint64_t>(grain));
    }
};

constexpr std::int64_t cap = form::MeasureLimits {}.mostNanoseconds;
constexpr std::int64_t millisecond = 1'000'000;

// The clock the logic's own work is charged to while a test clicks: a nanosecond for every byte
// its rows take or give back. Rows are short strings held in their list's array, so a list's cost
// grows with its rows, as real time does. None outside such a test.
FakeClock* chargedForMemory = nullptr;

struct ChargeMemory {
    explicit ChargeMemory(FakeClock& clock) { chargedForMemory = &clock; }
    ~ChargeMemory() { chargedForMemory = nullptr; }
    ChargeMemory(const ChargeMemory&) = delete;
    ChargeMemory& operator=(const ChargeMemory&) = delete;
};

// Every operation on a control costs a second: a time that covers any of them shows it.
constexpr std::int64_t controlCost = 1'000'000'000;

// Passes every operation on to a recording front end and charges its cost to the clock.
class TimedControls final : public form::Controls {
public:
    explicit TimedControls(FakeClock& clock)
        : clock_(clock)
    {
    }

    RecordingControls recorded;

private:
    form::Controls& inner() { return recorded; }
    const form::Controls& inner() const { return recorded; }
    void charge() const { clock_.trueTime += controlCost; }

    void showRows(form::ControlId id, std::span<const form::ResultRow> rows) override
    {
        charge();
        inner().showRows(id, rows);
    }
    std::int16_t selectedRow(form::ControlId id) const override { return inner().selectedRow(id); }
    void setSelectedRow(form::ControlId id, std::int16_t row) override
    {
        inner().setSelectedRow(id, row);
    }
    std::string caption(form::ControlId id) const override
    {
        charge();
        return inner().caption(id);
    }
    void setText(form::ControlId id, const std::string& text) override
    {
        charge();
        inner().setText(id, text);
    }
    void showTimes(const std::array<form::TimeText, 2>& times) override
    {
        charge();
        inner().showTimes(times);
    }
    void announce(const std::string& text) override
    {
        charge();
        inner().announce(text);
    }
    void showTimingTable(const form::TimingTable& table) override
    {
        charge();
        inner().showTimingTable(table);
    }
    void beginUpdate() override { inner().beginUpdate(); }
    void endUpdate() override { inner().endUpdate(); }

    FakeClock& clock_;
};

} // namespace

// Each block keeps its size before it, so that giving it back is charged as taking it was.
void* operator new(std::size_t size)
{
    constexpr std::size_t header = alignof(std::max_align_t);
    if (chargedForMemory)
        chargedForMemory->trueTime += static_cast<std::int64_t>(size);
    auto* block = static_cast<unsigned char*>(std::malloc(size + header));
    if (!block)
        throw std::bad_alloc();
    std::memcpy(block, &size, sizeof size);
    return block + header;
}

void operator delete(void* memory) noexcept
{
    if (!memory)
        return;
    auto* block = static_cast<unsigned char*>(memory) - alignof(std::max_align_t);
    std::size_t size = 0;
    std::memcpy(&size, block, sizeof size);
    if (chargedForMemory)
        chargedForMemory->trueTime += static_cast<std::int64_t>(size);
    std::free(block);
}

void operator delete(void* memory, std::size_t) noexcept { operator delete(memory); }

// The other forms, so that every block is taken and given back by the two above, under a
// sanitizer's allocator too.
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete[](void* memory) noexcept { operator delete(memory); }
void operator delete[](void* memory, std::size_t) noexcept { operator delete(memory); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return operator new(size, std::nothrow);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept { operator delete(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { operator delete(memory); }

TEST_CASE("the step a clock moves by is observed, whatever one reading costs, in bounded time")
{
    struct Row {
        const char* name;
        std::int64_t grain, readingCost, stall;
        bool jittered;
        std::int64_t step;
    };
    const Row rows[] = {
        { "1 ns, read at once", 1, 1, 0, false, 1 },
        { "1 ns, 25 ns a reading: the step a reader sees", 1, 25, 0, false, 25 },
        { "1 ns, 25 ns a reading, the reader stalled once", 1, 25, 10'000, false, 25 },
        { "100 ns, as Windows' clock", 100, 30, 0, false, 100 },
        { "1 ms, as WebKit's", millisecond, 40, 0, false, millisecond },
        { "1 ms with jitter, as Firefox's", millisecond, 40, 0, true, millisecond },
        { "100 ms read in 20 ns, as a clock blurred against fingerprinting", 100 * millisecond, 20,
            0, false, 100 * millisecond },
        { "never moves", 0, 40, 0, false, 0 },
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        // Several phases: a jittered clock's steps come at other times from each.
        for (const std::int64_t phase : { 0, 1, 7, 31 }) {
            CAPTURE(phase);
            FakeClock clock(row.grain, row.readingCost, row.jittered);
            clock.stall = row.stall;
            clock.trueTime += phase * (row.grain / 32 + 1);
            const std::int64_t start = clock.trueTime;
            CHECK(clock.step() == row.step);
            // A coarse clock is watched for one whole step, not for several.
            if (row.step > 0)
                CHECK(clock.trueTime - start <= 2 * row.step + 20 * millisecond);
            const std::int64_t readings = clock.readings;
            CHECK(clock.step() == row.step); // observed once, then kept
            CHECK(clock.readings == readings);
        }
    }
}

// The fault this guards against is the clock's declared period taken as its step: 1 ns, where
// Windows' clock moves by 100 ns.
TEST_CASE("steady_clock's observed step is one it really moves by")
{
    form::Clock& clock = form::steadyClock();
    const std::int64_t step = clock.step();
    MESSAGE("steady_clock moves by " << step << " ns");
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
        bool jittered;
    };
    const Clock clocks[] = {
        { "1 ns", 1, 20, false },
        { "100 ns", 100, 30, false },
        { "1 ms", millisecond, 40, false },
        { "1 ms with jitter", millisecond, 40, true },
    };
    const std::int64_t works[] = { 300, 5'000, 2'000'000, 40'000'000 };
    for (const Clock& c : clocks) {
        for (const std::int64_t work : works) {
            CAPTURE(std::string(c.name));
            CAPTURE(work);
            FakeClock clock(c.grain, c.readingCost, c.jittered);
            const std::int64_t step = clock.step();
            const std::int64_t start = clock.trueTime;
            // The batches: runs after a reading. The readings among the runs, which the figure
            // pays for, are one per batch.
            std::int64_t seen = clock.readings;
            std::int64_t batches = 0;
            const form::Timing timing = form::measure(clock, [&] {
                batches += clock.readings != seen;
                seen = clock.readings;
                clock.trueTime += work;
            });
            const std::int64_t spent = clock.trueTime - start;

            REQUIRE(timing.runs >= 1);
            // The cap holds, to within the step a jittered reading may be early by; only one run
            // longer than it may pass it.
            CHECK((spent <= cap + (c.jittered ? step : 0) || timing.runs == 1));
            // Enough steps spanned, or most of the cap used: no needless stop.
            CHECK((spent >= 1000 * step || spent >= cap / 2));
            // One reading per batch, batches that grow (to a 32nd of the runs so far, at the end):
            // not one per run; in two rounds at most.
            CHECK(batches <= 2 * (std::log2(timing.runs) + 3 + 32));
            // The figure is one run, to within what the clock and its readings blur: a step at
            // each end where the clock jitters; else the runs span whole steps, and it is the last
            // small batch at most, and never more than a step.
            const std::int64_t blur
                = c.jittered ? 2 * step : std::min(step, (timing.runs / 32 + 1) * work);
            CHECK(timing.nanoseconds > 0);
            CHECK(std::abs(timing.nanoseconds - work) * timing.runs
                <= blur + batches * c.readingCost + timing.runs);
            // No more digits than the steps the measurement truly spanned warrant.
            CHECK(timing.digits <= form::digitsFor(spent / c.grain + 1));
        }
    }
}

// The fault this guards against: a busy machine's pause counted as the work's, which showed
// 120 µs for a side of 1 - 10 in a browser.
TEST_CASE("a stall of the machine during the repeats shows in no figure")
{
    constexpr std::int64_t work = 300;
    for (const std::int64_t grain : { 1, 100, 100'000 }) {
        for (std::int64_t at = 3; at < 12; ++at) {
            CAPTURE(grain);
            CAPTURE(at);
            FakeClock clock(grain, 20);
            const std::int64_t step = clock.step();
            clock.stall = 2 * millisecond;
            clock.stallAt = clock.readings + at;
            const std::int64_t start = clock.trueTime;
            const form::Timing timing = form::measure(clock, [&] { clock.trueTime += work; });
            if (clock.trueTime - start < clock.stall)
                continue; // ended before the stall came
            // Within what the clock blurs, a step at each end of the runs the figure covers.
            CHECK(timing.nanoseconds <= work + 20 + 2 * step / timing.runs + 1);
            CHECK(timing.digits <= form::digitsFor(timing.nanoseconds * timing.runs / step + 1));
        }
    }
}

TEST_CASE("a 1 ms clock: many runs within the cap, one digit")
{
    FakeClock clock(millisecond, 40);
    const form::Timing timing = form::measure(clock, [&] { clock.trueTime += 2'000; });
    CHECK(timing.digits == 1);
    CHECK(timing.runs > 1'000);
    CHECK(form::durationText(timing.nanoseconds, timing.digits) == "2 мкс");
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
        CHECK(timing.nanoseconds >= 2'000 / 2);
        CHECK(timing.nanoseconds <= 5 * 2'040);
    }
}

TEST_CASE("a clock that never moves runs the work once, its time is never 0, and the warm-up ends")
{
    FakeClock clock(0, 40);
    int runs = 0;
    const form::Timing timing = form::measure(clock, [&] { ++runs; });
    CHECK(runs == 1);
    CHECK(timing.runs == 1);
    CHECK(timing.nanoseconds == 1);
    CHECK(timing.digits == 1);
    // A window asks for slices of the warm-up until it says it is done.
    RecordingControls window;
    form::MainFormLogic logic(window, clock);
    int slices = 1;
    while (logic.warmUp() && slices < 1000)
        ++slices;
    CHECK(slices < 1000);
}

// The fault this guards against: anything a window does to its controls inside a measured side,
// which made 1 - 10 slower after 1000 - 10000 than after itself. The stored side's runs after
// the first allocate nothing, so cost nothing here: the measurement's bound on runs ends them.
TEST_CASE("a side's time is its own work for the clicked interval, whatever was shown before")
{
    const auto click = [](std::int16_t before, std::int16_t interval) {
        FakeClock clock(1, 1);
        const ChargeMemory charged(clock);
        TimedControls controls(clock);
        form::MainFormLogic logic(controls, clock);
        logic.Form_Load();
        if (before >= 0)
            logic.Option1_Click(before);
        logic.Option1_Click(interval);
        // The repeated work still leaves one copy of each list, shown within the bracket.
        RecordingControls& recorded = controls.recorded;
        CHECK(recorded.listChangesOutsideUpdate == 0);
        CHECK(recorded.list1(0).rows.size()
            == form::initialRows(*form::rowOf({ form::Name::List2, interval })).size());
        CHECK(recorded.list1(0).rows == recorded.list1(1).rows);
        return logic.lastClick();
    };
    for (std::int16_t interval = 0; interval < 4; ++interval) {
        CAPTURE(interval);
        const form::LastClick first = click(-1, interval);
        // All the runs together, not only their mean, took less than one operation on a control.
        CHECK(first.stored.nanoseconds * first.stored.runs < controlCost);
        CHECK(first.computed.nanoseconds * first.computed.runs < controlCost);
        for (const std::int16_t before : { 0, 3 }) {
            CAPTURE(before);
            const form::LastClick after = click(before, interval);
            CHECK(after.stored.nanoseconds == first.stored.nanoseconds);
            CHECK(after.computed.nanoseconds == first.computed.nanoseconds);
        }
    }
}

TEST_CASE("an interval click shows its times within the update bracket; a mean says how many runs")
{
    const auto described = [](const std::string& what, const form::Timing& timing) {
        const std::string mean = timing.runs > 1 ? texts::spoken::meanOfRunsBefore
                + form::countText(timing.runs) + texts::spoken::meanOfRunsAfter
                                                 : std::string();
        return what + mean + texts::measurementsHint;
    };
    // A clock of 10 ns, on which every side is repeated for a tenth of a millisecond at least; and
    // one that never moves, on which each runs once.
    for (const std::int64_t grain : { 10, 0 }) {
        FakeClock clock(grain, 5);
        const ChargeMemory charged(clock);
        TimedControls controls(clock);
        RecordingControls& recorded = controls.recorded;
        form::MainFormLogic logic(controls, clock);
        logic.Form_Load();
        for (std::int16_t interval = 0; interval < 4; ++interval) {
            CAPTURE(grain);
            CAPTURE(interval);
            logic.Option1_Click(interval);
            CHECK(recorded.updates == interval + 1);
            CHECK_FALSE(recorded.updating);

            const form::LastClick& measured = logic.lastClick();
            const auto& shown = recorded.shownTimes.back();
            CHECK((measured.stored.runs > 1) == (grain > 0));
            CHECK((measured.computed.runs > 1) == (grain > 0));
            CHECK(shown[0].description
                == described(texts::spoken::storedTimeDescription, measured.stored));
            CHECK(shown[1].description.ends_with(
                described(texts::spoken::computedTimeAfter, measured.computed)));
            CHECK(shown[0].text
                == form::durationText(measured.stored.nanoseconds, measured.stored.digits));
            CHECK(shown[1].text
                == form::durationText(measured.computed.nanoseconds, measured.computed.digits));
        }
    }
}

TEST_CASE("a time shows the digits measured, no more, three at most; a count is grouped")
{
    struct Case {
        const char* what;
        std::int64_t nanoseconds;
        int digits;
        const char* text;
    };
    const Case times[] = {
        { "nothing measured", 0, 3, "0 нс" },
        { "last nanoseconds", 999, 3, "999 нс" },
        { "first microsecond", 1000, 3, "1,00 мкс" },
        { "two digits before the comma", 11'340, 3, "11,3 мкс" },
        { "half rounds up", 11'350, 3, "11,4 мкс" },
        { "three before the comma", 170'449, 3, "170 мкс" },
        { "rounds into the next unit", 999'600, 3, "1,00 мс" },
        { "just below the next unit", 999'400, 3, "999 мкс" },
        { "milliseconds", 1'284'999, 3, "1,28 мс" },
        { "slowest search", 81'649'000, 3, "81,6 мс" },
        { "seconds", 2'345'678'901, 3, "2,35 с" },
        { "two digits", 4010, 2, "4,0 мкс" },
        { "one digit", 4010, 1, "4 мкс" },
        { "two digits into the next unit", 999'600, 2, "1,0 мс" },
        { "nanoseconds keep three places whatever the digits", 850, 2, "850 нс" },
        { "one digit of nanoseconds", 96, 1, "100 нс" },
        { "one digit, below it", 7, 1, "7 нс" },
    };
    for (const Case& c : times) {
        CAPTURE(c.what);
        CHECK(form::durationText(c.nanoseconds, c.digits) == c.text);
    }

    CHECK(form::countText(0) == "0");
    CHECK(form::countText(4823) == "4823"); // four digits stay whole
    CHECK(form::countText(20'428) == "20\u00a0428");
    CHECK(form::countText(645'644) == "645\u00a0644");
    CHECK(form::countText(49'487'498) == "49\u00a0487\u00a0498");
}
