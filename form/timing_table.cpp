// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timing_table.h"

#include "form_texts.h"
#include "time_text.h"

#include <iterator>

namespace form {

static_assert(std::size(texts::intervalCaptions) == intervalCount);
static_assert(std::size(texts::methodCaptions) + 1 == sideCount);

void TimingTable::record(int interval, int method, const Timing& stored, const Timing& computed,
    std::int64_t remainderOperations)
{
    if (interval < 0 || interval >= intervalCount || method < 0 || method >= sideCount - 1)
        return;
    cells_[interval][storedSide] = TimingCell { stored, 0 };
    cells_[interval][computedSide(method)] = TimingCell { computed, remainderOperations };
}

const std::optional<TimingCell>& TimingTable::cell(int interval, int side) const
{
    static const std::optional<TimingCell> none;
    if (interval < 0 || interval >= intervalCount || side < 0 || side >= sideCount)
        return none;
    return cells_[interval][side];
}

bool TimingTable::empty() const
{
    for (const auto& row : cells_) {
        for (const auto& cell : row) {
            if (cell)
                return false;
        }
    }
    return true;
}

std::string TimingTable::rowHeading(int interval)
{
    return interval >= 0 && interval < intervalCount ? texts::intervalCaptions[interval] : "";
}

std::string TimingTable::columnHeading(int side)
{
    if (side == storedSide)
        return texts::storedHeading;
    return side > 0 && side < sideCount ? texts::methodCaptions[side - 1] : "";
}

std::string TimingTable::cellText(int interval, int side) const
{
    const std::optional<TimingCell>& found = cell(interval, side);
    return found ? durationText(found->timing.nanoseconds, found->timing.digits) : "";
}

std::string TimingTable::heading(int column)
{
    return column == 0 ? texts::intervalHeading : columnHeading(column - 1);
}

std::string TimingTable::shownText(int interval, int column) const
{
    return column == 0 ? rowHeading(interval) : cellText(interval, column - 1);
}

// Microseconds for every time: the least a clock shows, a nanosecond, is 0,001 and the most a
// side takes, seconds, is a whole number of six digits.
std::string TimingTable::clipboardText() const
{
    std::string text = heading(0);
    for (int side = 0; side < sideCount; ++side)
        text += '\t' + columnHeading(side) + texts::copiedTimeUnit;
    text += texts::lineEnd;
    for (int interval = 0; interval < intervalCount; ++interval) {
        text += rowHeading(interval);
        for (int side = 0; side < sideCount; ++side) {
            const std::optional<TimingCell>& found = cell(interval, side);
            text += '\t'
                + (found ? microsecondsNumber(found->timing.nanoseconds, found->timing.digits)
                         : "");
        }
        text += texts::lineEnd;
    }
    text += texts::lineEnd + heading(0);
    for (int side = computedSide(0); side < sideCount; ++side)
        text += '\t' + columnHeading(side) + texts::copiedChecksUnit;
    text += texts::lineEnd;
    for (int interval = 0; interval < intervalCount; ++interval) {
        text += rowHeading(interval);
        for (int side = computedSide(0); side < sideCount; ++side) {
            const std::optional<TimingCell>& found = cell(interval, side);
            text += '\t' + (found ? std::to_string(found->remainderOperations) : "");
        }
        text += texts::lineEnd;
    }
    return text;
}

} // namespace form
