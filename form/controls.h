// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "design.h"
#include "timing_table.h"

#include <array>
#include <cstdint>
#include <string>

namespace form {

// The time under one list, and what it measures (for a tooltip and a screen reader): which side,
// and, where the figure is the mean of several runs, how many.
struct TimeText {
    std::string text;
    std::string description;
};

// What the handlers ask of the window's controls, and nothing more. Each front end implements it
// over its own window system. Texts are UTF-8; rows and counts are 0-based, -1 for "none".
class Controls {
public:
    virtual ~Controls() = default;

    // List boxes: List1(0), List1(1) and the hidden List2(0) to List2(3).
    virtual void clearList(ControlId list) = 0;
    virtual void appendRow(ControlId list, const std::string& text) = 0;
    virtual std::int16_t rowCount(ControlId list) const = 0;
    virtual std::string rowText(ControlId list, std::int16_t row) const = 0;
    virtual std::int16_t selectedRow(ControlId list) const = 0;
    // Selecting the row already selected must raise no click: the row sync relies on it to end.
    virtual void setSelectedRow(ControlId list, std::int16_t row) = 0;

    // Option buttons.
    virtual std::string caption(ControlId option) const = 0;

    // Text boxes: replaces the whole text.
    virtual void setText(ControlId textBox, const std::string& text) = 0;

    // Shows Label2(0) and Label2(1) with these texts.
    virtual void showTimes(const std::array<TimeText, 2>& times) = 0;

    // Every measurement so far, after each interval click and outside both measured sides, for
    // the table and the chart of a front end that shows them now.
    virtual void showTimingTable(const TimingTable& table) = 0;

    // Has a screen reader read `text` once, without moving the focus, where the system can.
    virtual void announce(const std::string& text) = 0;

    // The update bracket: an interval click puts it around the measured work, so that what each
    // time covers is the same on every window system. The stored side's time covers the refill
    // of List1(0) through the operations above, the computed side's all of FindPrimes: the search
    // and the refill of List1(1). Neither covers the window system's drawing of the rows, which
    // a front end holds back from beginUpdate until endUpdate, and which happens after that.
    virtual void beginUpdate() = 0;
    virtual void endUpdate() = 0;
};

} // namespace form
