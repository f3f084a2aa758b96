// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_logic.h"

#include "form_texts.h"
#include "stored_primes.h"
#include "time_text.h"
#include "trial_division.h"

#include <algorithm>

namespace form {
namespace {

    // One interval button, one stored list and one row of the search's table per interval.
    static_assert(std::size(texts::intervalCaptions) == primes::storedListCount);
    static_assert(std::size(texts::intervalCaptions) == primes::intervals.size());

    constexpr ControlId List1(std::int16_t i) { return { Name::List1, i }; }
    constexpr ControlId List2(std::int16_t i) { return { Name::List2, i }; }
    constexpr ControlId Option1(std::int16_t i) { return { Name::Option1, i }; }
    constexpr ControlId Text1(std::int16_t i) { return { Name::Text1, i }; }

    // A time's description: what it measures, and how many runs its figure is the mean of.
    std::string described(std::string what, int runs)
    {
        if (runs > 1)
            what += texts::spoken::meanOfRunsBefore + countText(runs)
                + texts::spoken::meanOfRunsAfter;
        return what + texts::measurementsHint;
    }

} // namespace

void MainFormLogic::Form_Load()
{
    MethodIndex = 2;
    IntervalIndex = -1;
}

void MainFormLogic::Option1_Click(std::int16_t Index)
{
    // Only the four interval buttons call this; anything else would read past the stored lists.
    if (Index < 0 || Index >= static_cast<std::int16_t>(std::size(texts::intervalCaptions)))
        return;
    IntervalIndex = Index;
    std::int16_t n = 0;
    controls_.beginUpdate();
    const Timing stored = measure(clock_, [&] {
        controls_.clearList(List1(0));
        n = controls_.rowCount(List2(Index));
        for (std::int16_t i = 0; i < n; ++i)
            controls_.appendRow(List1(0), controls_.rowText(List2(Index), i));
    });
    const std::string summary = texts::summaryBefore + controls_.caption(Option1(Index))
        + texts::summaryBetween + std::to_string(n);
    controls_.setText(Text1(0), summary + texts::lineEnd);
    const Timing computed = measure(clock_, [this] { FindPrimes(); });
    controls_.endUpdate();
    lastClick_.stored = stored;
    lastClick_.computed = computed;
    showTimes(summary);
    timings_.record(Index, MethodIndex, stored, computed, lastClick_.remainderOperations);
    controls_.showTimingTable(timings_);
}

void MainFormLogic::Option2_Click(std::int16_t Index)
{
    // Only the three method buttons call this; anything else would name no bound.
    if (Index < 0 || Index >= static_cast<std::int16_t>(std::size(texts::methodCaptions)))
        return;
    MethodIndex = Index;
}

void MainFormLogic::List1_Click(std::int16_t Index)
{
    if (controls_.rowCount(List1(0)) < 2 || IntervalIndex < 0 || Index < 0 || Index > 1)
        return;
    const std::int16_t row = controls_.selectedRow(List1(Index));
    controls_.setSelectedRow(List1(0), row);
    controls_.setSelectedRow(List1(1), row);
}

void MainFormLogic::FindPrimes()
{
    controls_.clearList(List1(1));
    const primes::Search found = primes::findPrimes(IntervalIndex, MethodIndex);
    for (const std::int16_t prime : found.primes)
        controls_.appendRow(List1(1), std::to_string(prime));
    lastClick_.remainderOperations = found.remainderOperations;
}

// Both times change within the click's handler, so they appear in the same repaint as the lists;
// then the result, which changed away from the focus, is read out once.
void MainFormLogic::showTimes(const std::string& summary)
{
    namespace spoken = texts::spoken;
    std::string method = "?";
    if (MethodIndex >= 0
        && MethodIndex < static_cast<std::int16_t>(std::size(texts::methodCaptions)))
        method = texts::methodCaptions[MethodIndex];
    const std::array<TimeText, 2> times { {
        { durationText(lastClick_.stored.nanoseconds, lastClick_.stored.digits),
            described(spoken::storedTimeDescription, lastClick_.stored.runs) },
        { durationText(lastClick_.computed.nanoseconds, lastClick_.computed.digits),
            described(spoken::computedTimeBefore + method + ": "
                    + countText(lastClick_.remainderOperations) + spoken::computedTimeAfter,
                lastClick_.computed.runs) },
    } };
    controls_.showTimes(times);
    controls_.announce(summary + spoken::announcedStored + times[0].text + spoken::announcedComputed
        + times[1].text + spoken::announcedEnd);
}

} // namespace form
