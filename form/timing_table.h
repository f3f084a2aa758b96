// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every measurement of the window's life, one cell per interval and side: the lesson is the way
// the two sides draw apart as the interval grows, which a pupil sees only with all of them in one
// place. Kept in memory only; it ends with the window.

#include "measurement.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace form {

// The sides the table and the chart compare: the stored list, then the search with each bound.
inline constexpr int intervalCount = 4;
inline constexpr int sideCount = 4;
inline constexpr int storedSide = 0;
constexpr int computedSide(int method) { return 1 + method; }

struct TimingCell {
    Timing timing;
    std::int64_t remainderOperations = 0; // of the search; 0 on the stored side
};

class TimingTable {
public:
    // An interval click's two sides; the latest replaces what the same interval and bound gave
    // before. Indices out of range change nothing.
    void record(int interval, int method, const Timing& stored, const Timing& computed,
        std::int64_t remainderOperations);

    // Empty where that side was never measured on that interval.
    const std::optional<TimingCell>& cell(int interval, int side) const;
    bool empty() const;

    // The words the table and the chart share: the headings of rows and columns, and a cell's
    // time as the label under the list showed it ("" where never measured).
    static std::string rowHeading(int interval);
    static std::string columnHeading(int side);
    std::string cellText(int interval, int side) const;

    // The whole table as a spreadsheet takes it from the clipboard: a heading row, then one row
    // per interval, cells separated by tabs, each row ended by CR LF.
    std::string tabSeparated() const;

private:
    std::array<std::array<std::optional<TimingCell>, sideCount>, intervalCount> cells_ {};
};

} // namespace form
