// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window's behaviour, for every window system: its two items of state and its handlers.
//
// A front end builds its controls from the design (design.h), implements Controls over them, calls
// Form_Load before showing the window, and turns its controls' clicks into calls of the handlers
// below. A click on an interval button runs Option1_Click: within the update bracket (controls.h),
// the left list's rows are refilled from the stored list, the summary replaces the text box's
// text, and FindPrimes refills the right list's rows by trial division, each side measured on the
// front end's clock (measurement.h); the window then gets both lists' rows, and the two times are
// shown and the result read out. A method button only records the bound for the next interval.
// Selecting a row in either list selects the same row in both.
//
// The result lists' rows are the logic's, plain data (result_row.h): the work each time covers is
// then the same in every window, that side's own for the clicked interval, and none of a toolkit's
// per-row bookkeeping, nor the removal of the rows an earlier click left.

#include "clock.h"
#include "controls.h"
#include "measurement.h"
#include "timing_table.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace form {

// What the last interval click measured: the stored side (the left list refilled from its stored
// list), the computed side (all of FindPrimes), and the remainder operations of its search. Zero
// before the first click. Where the clock cannot resolve one run of a side, its time is the mean
// of several runs, with the digits the clock's steps warrant (measurement.h).
struct LastClick {
    Timing stored;
    Timing computed;
    std::int64_t remainderOperations = 0;
};

class MainFormLogic {
public:
    // Takes the stored lists' rows, and observes the clock's step now rather than at the first
    // click.
    explicit MainFormLogic(Controls& controls, Clock& clock = steadyClock());

    void Form_Load();
    void Option1_Click(std::int16_t Index);
    void Option2_Click(std::int16_t Index);
    void List1_Click(std::int16_t Index);

    // Runs both sides' work a while, unshown, on rows of its own: code run for the first time is
    // slow (cold caches and pages; a browser optimises WebAssembly in tiers, the last only after
    // the code has run a while), and the first figure a pupil sees must be like every later one.
    // One slice of about 10 ms of the clock, so that a click waits no longer than that; true while
    // more would still help, about 0.2 s in all. A front end calls it once its window is painted,
    // then again each time it is idle, until it says false.
    bool warmUp();

    std::int16_t intervalIndex() const { return IntervalIndex; }
    std::int16_t methodIndex() const { return MethodIndex; }
    const LastClick& lastClick() const { return lastClick_; }
    const TimingTable& timings() const { return timings_; }
    // The rows of List1(0) or List1(1).
    const std::vector<ResultRow>& rows(std::int16_t list) const;

private:
    using Rows = std::vector<ResultRow>;
    // Each side's work: the stored rows copied, the primes found and written (with the count of
    // remainder operations), into rows emptied first. The rows' room is taken once, for as many
    // as there will be, and kept by the runs that repeat the work: how a system's allocator grows
    // an array, or gives its memory back to the system, is no part of the lesson, and differs
    // from one window to the next.
    void copyStored(Rows& into, std::int16_t interval) const;
    static std::int64_t search(Rows& into, std::int16_t interval, std::int16_t method);
    // The two sides as closures, which a click and the warm-up both measure, each on its own rows:
    // a browser optimises WebAssembly a function at a time, and the first click must run the code
    // the warm-up ran, not a copy of it inlined into another closure. FindPrimes searches with the
    // bound into `into`, and counts the remainder operations into `operations`.
    std::function<void()> storedSide(Rows& into, std::int16_t interval) const;
    static std::function<void()> FindPrimes(
        Rows& into, std::int16_t interval, std::int16_t method, std::int64_t& operations);
    void showTimes(const std::string& summary);

    Controls& controls_;
    Clock& clock_;
    std::int16_t IntervalIndex = -1; // -1 until the user chooses an interval
    std::int16_t MethodIndex = 2;
    LastClick lastClick_;
    int warmRounds_ = 0;
    int warmSlices_ = 0;
    std::int64_t warmedFor_ = 0;
    std::array<Rows, 2> List1_;
    // The stored lists' rows as their list boxes hold them, read once: copying one is then the
    // same few bytes in every window, and not a scan for its end, which a browser does several
    // times slower than a desktop's C library.
    std::vector<Rows> List2_;
    TimingTable timings_;
};

} // namespace form
