// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one edge between the C++ front end and the page, both directions: the calls into the page's
// script (page.js, each a few lines of JavaScript in dom.cpp) and the page's events, which
// page.js calls (main.cpp carries them out). Controls are numbered in the order they were added;
// kinds of element and keys cross by name, descriptions as one object per control, texts as UTF-8.

#include <string>
#include <string_view>

namespace dom {

// The element page.js builds for a control.
enum class Element { TextBox, List, Frame, Option, Label, Time };

// How page.js builds one control. Sizes in CSS pixels at 100 % zoom; colours as CSS colours.
struct ControlDescription {
    std::string id; // the design's name, "Option1(2)": the element's id
    Element element;
    int parent; // the frame's number, -1 for the window
    double left, top, width, height;
    std::string background; // empty: the system's colours for the kind of element
    bool visible;
    std::string text;
    bool blackText;
    bool centreHorizontally, centreVertically;
    std::string radioGroup; // option buttons: the group's name
    bool group; // a frame that holds a group of buttons
    std::string name; // what a screen reader calls it, where no heading names it; empty: its text
    std::string description;
    std::string heading; // the id of the label that names it, or empty
    bool chosen;
};

struct FormDescription {
    double width, height; // CSS pixels at 100 % zoom
    std::string background;
    std::string font;
    double points;
};

void setTitle(std::string_view title);
void setForm(const FormDescription& form);
void addControl(int control, const ControlDescription& described);
void setText(int control, std::string_view text);
// What a control shows: a text box's text, a label's or an option button's caption.
std::string text(int control);
// Rows separated by '\n', built into the list in one go.
void setRows(int control, std::string_view rows, int selected);
void select(int control, int row);
// The heights of a list's area for rows and of one row (0 while it has none), in CSS pixels.
int listHeight(int control);
int rowHeight(int control);
// The key being pressed, as the browser names it (KeyboardEvent.key): "Tab", "ArrowUp", or the
// text it types.
std::string pressedKey();
void showTime(int control, std::string_view text, std::string_view description);
void announce(std::string_view text);
void focus(int control);
void check(int control);
bool checked(int control);
bool shown(int control);
// The control with the keyboard focus, -1 for none.
int focused();
// For the page's test build: the text that the script calling into C++ gets back.
void reply(std::string_view text);
// performance.now(), in milliseconds.
double now();

} // namespace dom

// The page's events (main.cpp). A control number or a key the C++ side does not know is ignored.
extern "C" {
void web_option_clicked(int control);
void web_row_chosen(int control, int row);
// A key pressed, dom::pressedKey, with the modifiers held. Returns 1 where the page must not give
// the key its own meaning.
int web_key_pressed(int shift, int ctrl, int alt, int meta);
}
