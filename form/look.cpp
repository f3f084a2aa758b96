// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look.h"

namespace form {

Look look(const ControlRow& row)
{
    using Align = Look::Align;
    Look result { Look::TextColour::System, Align::Start, Align::Centre };
    // The designed colours are light, and the time labels show the window's light blue: black
    // text stays readable on them under a dark desktop theme too.
    if (row.background.kind != Background::Kind::System)
        result.text = Look::TextColour::Black;
    if (row.name == Name::Label1) {
        result.horizontal = Align::Centre;
        result.vertical = Align::Start;
    } else if (row.name == Name::Label2) {
        result.horizontal = Align::Centre;
    } else if (row.name == Name::Text1) {
        result.vertical = Align::Start;
    }
    return result;
}

} // namespace form
