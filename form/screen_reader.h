// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader hears of each control, for every window system: its role, its name, its
// description, and the heading that names it. A front end hands these to its accessibility API.

#include "chart.h"
#include "controls.h"

#include <optional>
#include <string>

namespace form {

enum class Role { None, TextBox, List, Group, OptionButton, Label, Table, Button, Picture };

struct Spoken {
    Role role = Role::None; // None: hidden, nothing to say and nothing reaches it
    std::string name; // empty for a time label: it is named by the time it shows
    std::string description; // empty: none; a time label's comes with its time (TimeText)
    std::optional<ControlId> heading; // the label that names it, where one does
};

Spoken spoken(ControlId control);

// The parts of «Измервания»: the table named by its title, the chart by its own words in `chart`
// (an image's text alternative), the page's copy button by its text; each described.
Spoken spoken(MeasurementsPart part, const Chart& chart);

} // namespace form
