// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every key the window knows does, for every window system: the Tab stops, the arrows and
// Space on option buttons, and a list's arrows, Home, End, Page Up and Page Down. A front end
// passes the key as its event gives it; the logic reads the focus, the chosen buttons and the
// focused list through Readback, and the front end carries out the answer with its own controls.

#include "controls.h"
#include "timing_table.h"

#include <optional>
#include <string_view>
#include <vector>

namespace form {

// Character: a key that types a character (a letter, a digit, a sign), Space aside.
// F2: every measurement so far, wherever the focus is (F1 is help in most systems, F3 and the
// later ones a browser's own).
enum class Key {
    Tab,
    Up,
    Down,
    Left,
    Right,
    Home,
    End,
    PageUp,
    PageDown,
    Space,
    F2,
    Character,
    Other,
    // Only «Измервания» answers these (measurementsKey).
    Escape,
    C, // the letter C's key, whatever the layout types with it: Ctrl and it copy
};

// The key that typed `text`, what a key press types as UTF-8 (Qt's QKeyEvent::text, a browser's
// KeyboardEvent.key, Windows' WM_CHAR): Space for a blank, Character for one other printable
// character, Other for none, for several and for a control character, which Enter, Backspace,
// Escape, Tab and Ctrl with a letter type.
Key typedKey(std::string_view text);

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
// What the option groups of `window` show as chosen; a group showing two, its first.
Choices choicesShown(const Readback& window);

// Whether a control of the design can take the keyboard focus: a showing text box, list box or
// option button. Labels, frames and hidden controls never do.
bool takesFocus(const ControlRow& row);

// The Tab stops in the design's tab order: every control that takes the focus, once, except that
// an option group is one stop, at its chosen button, or at its first while none is chosen.
std::vector<ControlId> tabStops(Choices chosen);

// Where the focus is when the window opens: the first Tab stop, the text box.
ControlId initialFocus();

// How many rows a list shows whole at once, 1 at least.
int rowsPerPage(ListView list);

// The row a list's key selects: Up and Down step one row, Page Up and Page Down a page less one
// row, so that the row selected before stays in view, Home and End go to the first and the last
// row; all stop at the ends. With no row selected yet, End selects the last row and every other
// key the first. Nothing for another key or an empty list.
std::optional<int> listRow(Key key, ListView list);

// With Ctrl, Alt or the logo key held, none of the window's keys does anything: not Tab, not an
// arrow or Space on an option button, not a list's keys. Shift only turns Tab back. Such a key is
// kept from the toolkit only where its own meaning would break a rule of the window; any other
// is the browser's or the desktop's (Ctrl+F, Ctrl and +, Alt+F4), wherever the focus is.
bool leftAlone(Modifiers modifiers);

// What a key pressed on the control that has the focus (or on none) does in the window.
struct KeyAction {
    enum class Kind {
        None, // not the window's key: the text box's own (its caret and scrolling), the
              // browser's or the desktop's
        Focus, // move the focus to `target`, choosing nothing (Tab, Shift+Tab)
        Choose, // move the focus to the option button `target` and click it, also when it is
                // chosen already (arrows in a group, Space)
        Select, // select `row` in the list `target` and click it, as a click on the row does
        ShowTimings, // show the table and the chart of every measurement (F2)
        Swallow, // nothing happens, where the toolkits' own meanings differ (a modified Tab,
                 // move, choose or both on a button, a list's row moved without its selection)
    };
    Kind kind = Kind::None;
    ControlId target { Name::Text1, 0 };
    int row = -1; // for Select
};
KeyAction keyAction(const Readback& window, Key key, Modifiers modifiers);

// «Измервания», the table and the chart of every measurement: a window of its own on the desktop,
// a section of the page below the form, which also has the copy button between them.
enum class MeasurementsPlace { Window, Page };

// Opening it, by F2 or a click on a time, moves the focus to its table: who asks for every
// measurement reads them next, with a screen reader too.
inline constexpr bool measurementsTakeFocus = true;

// What a key pressed in one of its parts does there. Ctrl+C copies from any part; Tab and
// Shift+Tab go from part to part, round them in a window, and on the page past the first or the
// last to the form; Esc leaves it. With Ctrl, Alt or the logo key held, every other key is the
// system's: the measurements take nothing from the browser or the desktop.
struct MeasurementsAction {
    enum class Kind {
        None, // the part's own or the system's: the table's arrows, the button's Space
        Copy, // TimingTable::clipboardText to the clipboard, and said whether it went
        Focus, // the focus to `target`
        Leave, // the window closes; on the page, the focus goes back to the form
        Form, // on the page: the form's own Tab, as from outside its stops
    };
    Kind kind = Kind::None;
    MeasurementsPart target = MeasurementsPart::Table;
};
MeasurementsAction measurementsKey(
    Key key, Modifiers modifiers, MeasurementsPart focused, MeasurementsPlace place);

} // namespace form
