// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the keyboard goes, for every window system: the Tab stops and the arrows among option
// buttons. A front end tells which control has the focus and what its option groups show as
// chosen, and carries out the answer with its own controls.

#include "controls.h"

#include <optional>
#include <vector>

namespace form {

enum class Key { Tab, Up, Down, Left, Right, Other };

struct Modifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool meta = false; // the logo key
};

// What each option group shows as chosen: its index there, -1 for none.
struct Choices {
    int interval = -1; // Option1
    int method = -1; // Option2
};

// Whether a control of the design can take the keyboard focus: a showing text box, list box or
// option button. Labels, frames and hidden controls never do.
bool takesFocus(const ControlRow& row);

// The Tab stops in the design's tab order: every control that takes the focus, once, except that
// an option group is one stop, at its chosen button, or at its first while none is chosen.
std::vector<ControlId> tabStops(Choices chosen);

// Where the focus is when the window opens: the first Tab stop, the text box.
ControlId initialFocus();

// With Ctrl, Alt or the logo key held, Tab and the arrows are not the window's: Tab is left to the
// focused control, and an arrow on an option button does nothing. Shift only turns Tab back.
bool leftAlone(Modifiers modifiers);

// What a key pressed on `focused` (nothing: no control has the focus) does in the window.
struct KeyAction {
    enum class Kind {
        None, // not the window's key: the focused control's own (a list's arrows, the text box's)
        Focus, // move the focus to `target`, choosing nothing (Tab, Shift+Tab)
        Choose, // move the focus to the option button `target` and click it (arrows in a group)
        Swallow, // nothing happens: an arrow left alone on an option button, whose toolkits'
                 // own meanings (move, choose or both, with or without wrap) differ
    };
    Kind kind = Kind::None;
    ControlId target { Name::Text1, 0 };
};
KeyAction keyAction(std::optional<ControlId> focused, Key key, Modifiers modifiers, Choices chosen);

} // namespace form
