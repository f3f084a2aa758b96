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

namespace dom {

void setText(int control, std::string_view text);
// What a control shows: a text box's text, a label's or an option button's caption.
std::string text(int control);
// Rows separated by '\n', built into the list in one go.
void setRows(int control, std::string_view rows, int selected);
void select(int control, int row);
int rowsPerPage(int control);
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
// `key`: a key's place in web::pageKeys. Returns 1 where the page must not give the key its own
// meaning.
int web_key_pressed(int control, int key, int shift, int ctrl, int alt, int meta);
}
