// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader hears of each control, for every window system: its role, its name, its
// description, and the heading that names it. A front end hands these to its accessibility API.

#include "controls.h"

#include <optional>
#include <string>

namespace form {

enum class Role { None, TextBox, List, Group, OptionButton, Label };

struct Spoken {
    Role role = Role::None; // None: hidden, nothing to say and nothing reaches it
    std::string name; // empty for a time label: it is named by the time it shows
    std::string description; // empty: none; a time label's comes with its time (TimeText)
    std::optional<ControlId> heading; // the label that names it, where one does
};

Spoken spoken(ControlId control);

} // namespace form
