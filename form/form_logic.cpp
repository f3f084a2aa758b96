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

MainFormLogic::MainFormLogic(Controls& controls, Clock& clock)
    : controls_(controls)
    , clock_(clock)
{
    for (std::int16_t i = 0; i < static_cast<std::int16_t>(primes::storedListCount); ++i) {
        const std::span<const char* const> stored = initialRows(*rowOf(List2(i)));
        Rows& rows = List2_.emplace_back();
        for (const char* row : stored)
            rows.emplace_back(row);
    }
    clock_.step();
}

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
    controls_.beginUpdate();
    // The rows of the interval shown before, and their room, go unmeasured: a side's time must
    // not depend on what was clicked before it. Each measured run then empties the rows of its
    // own last run, and fills the list again.
    List1_ = {};
    const Timing stored = measure(clock_, storedSide(List1_[0], IntervalIndex));
    const auto n = static_cast<std::int16_t>(List1_[0].size());
    const std::string summary = texts::summaryBefore + controls_.caption(Option1(Index))
        + texts::summaryBetween + std::to_string(n);
    controls_.setText(Text1(0), summary + texts::lineEnd);
    const Timing computed = measure(
        clock_, FindPrimes(List1_[1], IntervalIndex, MethodIndex, lastClick_.remainderOperations));
    controls_.showRows(List1(0), List1_[0]);
    controls_.showRows(List1(1), List1_[1]);
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
    if (List1_[0].size() < 2 || IntervalIndex < 0 || Index < 0 || Index > 1)
        return;
    const std::int16_t row = controls_.selectedRow(List1(Index));
    controls_.setSelectedRow(List1(0), row);
    controls_.setSelectedRow(List1(1), row);
}

const std::vector<ResultRow>& MainFormLogic::rows(std::int16_t list) const
{
    return List1_.at(list == 1 ? 1 : 0);
}

void MainFormLogic::copyStored(Rows& into, std::int16_t interval) const
{
    into.clear();
    const Rows& stored = List2_[static_cast<std::size_t>(interval)];
    into.reserve(stored.size());
    for (const ResultRow& row : stored)
        into.push_back(row);
}

std::int64_t MainFormLogic::search(Rows& into, std::int16_t interval, std::int16_t method)
{
    into.clear();
    const primes::Search found = primes::findPrimes(interval, method);
    into.reserve(found.primes.size());
    for (const std::int16_t prime : found.primes)
        into.emplace_back(prime);
    return found.remainderOperations;
}

std::function<void()> MainFormLogic::storedSide(Rows& into, std::int16_t interval) const
{
    return [this, &into, interval] { copyStored(into, interval); };
}

std::function<void()> MainFormLogic::FindPrimes(
    Rows& into, std::int16_t interval, std::int16_t method, std::int64_t& operations)
{
    return [&into, interval, method, &operations] { operations = search(into, interval, method); };
}

// The three smaller intervals with every bound, each side once a round, until the slice is up:
// the largest interval runs the same code, for up to a tenth of a second with the slowest bound.
// Each side goes through the measurement as a click's does, for a single step of the clock.
bool MainFormLogic::warmUp()
{
    constexpr std::int64_t slice = 10'000'000; // ns
    constexpr std::int64_t enough = 200'000'000; // ns in all
    // Bounds for a clock that hardly moves, so that a window never keeps warming.
    constexpr int mostRounds = 30;
    constexpr int mostSlices = 40;
    constexpr MeasureLimits oneStep { 1, 0, 0 };
    if (warmSlices_ >= mostSlices || warmedFor_ >= enough)
        return false;
    const auto methods = static_cast<int>(std::size(texts::methodCaptions));
    // The first slice tries every bound on each interval at least once.
    const int atLeast = warmSlices_ == 0 ? 3 * methods : 1;
    Rows rows;
    std::int64_t operations = 0;
    const std::int64_t start = clock_.now();
    for (int round = 0; round < mostRounds && (round < atLeast || clock_.now() - start < slice);
         ++round) {
        const auto interval = static_cast<std::int16_t>(warmRounds_ / methods % 3);
        const auto method = static_cast<std::int16_t>(warmRounds_ % methods);
        ++warmRounds_;
        measure(clock_, storedSide(rows, interval), oneStep);
        measure(clock_, FindPrimes(rows, interval, method, operations), oneStep);
    }
    warmedFor_ += clock_.now() - start;
    return ++warmSlices_ < mostSlices && warmedFor_ < enough;
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
