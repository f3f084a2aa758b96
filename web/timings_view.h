// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every measurement so far, below the form: the logic's table (form/timing_table.h) as an HTML
// table, and its chart (form/chart.h) as an inline SVG drawn from the chart's primitives. The page
// builds the section once, empty; after each interval click WebForm hands the table here, and its
// cells and chart are shown in one go, after the measured work.

#include "timing_table.h"

#include <array>

namespace web {

// The section, its table's headings and the copy button; a click on either of `timeLabels` (the
// controls' numbers) brings it into view.
void addTimings(std::array<int, 2> timeLabels);

// The table's cells and the chart, in one DOM batch.
void showTimings(const form::TimingTable& table);

// The table on the clipboard as a spreadsheet takes it (form::TimingTable::clipboardText), and
// whether it went said in the live region.
void copyTimings(const form::TimingTable& table);

} // namespace web
