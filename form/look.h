// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How each control's text looks on its background, for every window system.

#include "design.h"

#include <cstdint>

namespace form {

struct Look {
    enum class TextColour : std::uint8_t {
        System, // the system's text colour for the kind of control, on its system background
        Black, // on the designed colours, which are light in any desktop theme
    };
    enum class Align : std::uint8_t { Start, Centre };
    TextColour text;
    Align horizontal;
    Align vertical;
};

Look look(const ControlRow& row);

} // namespace form
