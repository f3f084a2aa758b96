// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What must hold of the window after any event, whatever the user did, for every window system:
// a test drives a front end and runs brokenInvariant after each event.

#include "controls.h"
#include "form_logic.h"

#include <string>

namespace form {

// Empty when the window is as the logic and the stored lists say it must be, else what is wrong,
// in words a failure message prints:
// - at most one option button chosen in each group, the one the logic's index names;
// - both lists hold the stored primes of the chosen interval (none before the first choice),
//   and the stored lists keep their rows;
// - the same row selected in both lists;
// - the text box shows the task statement, then the summary of the chosen interval, whatever
//   was typed into it;
// - the times show once an interval is chosen, and the hidden controls stay hidden;
// - the focus is on a shown control that takes it.
std::string brokenInvariant(
    const Controls& controls, const Readback& shown, const MainFormLogic& logic);

} // namespace form
