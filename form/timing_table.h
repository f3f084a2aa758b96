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

// The parts of «Измервания» (the table and the chart of every measurement) that take the focus,
// in Tab's order. Only the page has a button for the copy; the desktop copies with Ctrl+C and,
// on Windows, from the context menu.
enum class MeasurementsPart { Table, CopyButton, Chart };

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

    // The table as every window shows it, `shownColumns` wide: the heading row («Интервал», then
    // each side's), then per interval its heading and each side's time.
    static constexpr int shownColumns = 1 + sideCount;
    static std::string heading(int column);
    std::string shownText(int interval, int column) const;

    // What the copy puts on the clipboard, for a spreadsheet to chart: the times as plain numbers
    // in one unit, named in the headings, with the decimal comma and no more digits than each
    // measurement warrants; below them, after an empty line, the divisibility checks of each
    // search. Cells are separated by tabs, rows ended by CR LF; a cell never measured is empty.
    std::string clipboardText() const;

private:
    std::array<std::array<std::optional<TimingCell>, sideCount>, intervalCount> cells_ {};
};

} // namespace form
