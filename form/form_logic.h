// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window's behaviour, for every window system: its two items of state and its handlers.
//
// A front end builds its controls from the design (design.h), implements Controls over them, calls
// Form_Load before showing the window, and turns its controls' clicks into calls of the handlers
// below. A click on an interval button runs Option1_Click: within the update bracket (controls.h),
// the left list is refilled from the stored list, the summary replaces the text box's text, and
// FindPrimes refills the right list by trial division, each side measured on the front end's
// clock (measurement.h); then the two times are shown and the result is read out. A method
// button only records the bound for the next interval. Selecting a row in either list selects the
// same row in both.

#include "clock.h"
#include "controls.h"
#include "measurement.h"
#include "timing_table.h"

#include <cstdint>

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
    // Observes the clock's step now, if it has not been, rather than at the first click.
    explicit MainFormLogic(Controls& controls, Clock& clock = steadyClock())
        : controls_(controls)
        , clock_(clock)
    {
        clock_.step();
    }

    void Form_Load();
    void Option1_Click(std::int16_t Index);
    void Option2_Click(std::int16_t Index);
    void List1_Click(std::int16_t Index);

    std::int16_t intervalIndex() const { return IntervalIndex; }
    std::int16_t methodIndex() const { return MethodIndex; }
    const LastClick& lastClick() const { return lastClick_; }
    const TimingTable& timings() const { return timings_; }

private:
    void FindPrimes();
    void showTimes(const std::string& summary);

    Controls& controls_;
    Clock& clock_;
    std::int16_t IntervalIndex = -1; // -1 until the user chooses an interval
    std::int16_t MethodIndex = 2;
    LastClick lastClick_;
    TimingTable timings_;
};

} // namespace form
