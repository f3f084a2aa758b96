// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "design.h"
#include "result_row.h"
#include "timing_table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
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

    // The result lists, List1(0) and List1(1). The logic holds their rows and measures its work on
    // them as plain data (form_logic.h); a window shows them all at once with no row selected,
    // replacing what it showed, within the update bracket.
    virtual void showRows(ControlId list, std::span<const ResultRow> rows) = 0;
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

    // The update bracket: an interval click puts it around its work, so that the lists, the
    // summary and both times appear in one repaint. Neither time covers anything done to a
    // control: a front end holds back its drawing from beginUpdate until endUpdate.
    virtual void beginUpdate() = 0;
    virtual void endUpdate() = 0;
};

// What a list box shows: its selected row (-1 for none), its number of rows, and the heights of the
// area that shows its rows and of one row, in any one unit (0 for a row while there is none).
struct ListView {
    int selected = -1;
    int count = 0;
    int shownHeight = 0;
    int rowHeight = 0;
};

// What the window shows that the handlers do not ask for: what a user can change or see without
// the logic's knowing. The keyboard's decisions read it (keyboard.h), and a test reads it after
// each event (invariants.h). Each front end implements it beside Controls.
class Readback {
public:
    virtual ~Readback() = default;
    // The text a text box, label or option button shows, as UTF-8 with CR LF line ends.
    virtual std::string shownText(ControlId control) const = 0;
    // Whether an option button shows as chosen.
    virtual bool isChosen(ControlId option) const = 0;
    // Whether a control shows: it and the windows holding it are visible.
    virtual bool isShown(ControlId control) const = 0;
    // The control of the design that has the keyboard focus; none when nothing has it or it is
    // elsewhere (the window itself, another window).
    virtual std::optional<ControlId> focused() const = 0;
    // What a list box of the design shows, and the text of one of its rows (empty past the last).
    virtual ListView listView(ControlId list) const = 0;
    virtual std::string rowText(ControlId list, int row) const = 0;
};

} // namespace form
