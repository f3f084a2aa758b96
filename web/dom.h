// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one edge between the C++ front end and the page, both directions: the calls into the page's
// script (page.js, each a few lines of JavaScript in dom.cpp) and the page's events, which
// page.js calls (main.cpp carries them out). Controls are numbered as web::pageRows() lists them,
// the numbers the build wrote into the page's markup; keys cross as the build numbered them
// (web::pageKeys), texts as UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace dom {

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

// Every measurement so far, below the form (timings_view.h): built once, then shown after each
// interval click in one go.
struct TimingsDescription {
    std::string caption; // the table's, which names it
    std::string copy; // the copy button's text
    // What a screen reader hears of the table, the button and the chart, in that order
    // (form::MeasurementsPart), besides their names.
    std::vector<std::string> descriptions;
    std::vector<std::string> columns; // the heading row
    std::vector<std::string> rows; // each interval's heading
    std::vector<int> openers; // the controls whose click brings the table into view
    bool takeFocus; // whether they, and F2, also give it the focus
    double width, height; // the chart's box
};
struct TimingsShown {
    std::vector<std::string> cells; // row by row, "" where never measured
    std::string chart; // SVG elements in the chart's box
    std::string chartName;
};
void addTimings(const TimingsDescription& described);
void showTimings(const TimingsShown& shown);
// Scrolls the table into view, and gives it the focus where the description says so.
void revealTimings();
// The focus to one of its parts, numbered as form::MeasurementsPart.
void focusTimings(int part);
// The focus back to the form's control that had it before the table, or else to `control`.
void leaveTimings(int control);
// Puts `text` on the clipboard, from a click's or a key's handler, and announces `said` once it
// is there, `failed` where the browser refused it.
void copy(std::string_view text, std::string_view said, std::string_view failed);

} // namespace dom

// The page's events (main.cpp). A control number or a key the C++ side does not know is ignored.
extern "C" {
void web_option_clicked(int control);
void web_row_chosen(int control, int row);
// A key pressed, dom::pressedKey, with the modifiers held. Returns 1 where the page must not give
// the key its own meaning.
int web_key_pressed(int shift, int ctrl, int alt, int meta);
// The copy button below the table.
void web_copy_timings();
// A key pressed (dom::pressedKey) in a part of the measurements, numbered as
// form::MeasurementsPart. Returns 1 where the page must not give the key its own meaning.
int web_timings_key_pressed(int part, int shift, int ctrl, int alt, int meta);
// One more slice of the warm-up, when the page is idle. Returns 0 once it is done.
int web_warm_up();
}
