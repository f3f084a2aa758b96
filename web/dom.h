// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one edge between the C++ front end and the page: each function is a few lines of
// JavaScript (dom.cpp) calling the page's own script (page.js). Controls are numbered in the
// order they were added; texts cross as UTF-8.

#include <string>
#include <string_view>

namespace dom {

// How page.js builds one control. `kind` and `role` are form::Name and form::Role as numbers;
// sizes in CSS pixels at 100 % zoom; `background` 0xRRGGBB, or -1 for the system's colours of
// the control's kind, or -2 for none of its own.
struct ControlDescription {
    std::string id; // the design's name, "Option1(2)": the element's id
    int kind;
    int parent; // the frame's number, -1 for the window
    double left, top, width, height;
    int background;
    bool visible;
    std::string text;
    bool blackText;
    bool centreHorizontally, centreVertically;
    int role;
    std::string name;
    std::string description;
    std::string heading; // the id of the label that names it, or empty
    bool chosen;
};

void setTitle(std::string_view title);
void setFormSize(double width, double height, int background, std::string_view font, double points);
void addControl(int control, const ControlDescription& described);
void setText(int control, std::string_view text);
std::string text(int control);
// Rows separated by '\n', built into the list in one go.
void setRows(int control, std::string_view rows, int selected);
void select(int control, int row);
void showTime(int control, std::string_view text, std::string_view description);
void announce(std::string_view text);
void focus(int control);
void check(int control);
bool checked(int control);
// performance.now(), in milliseconds.
double now();

} // namespace dom
