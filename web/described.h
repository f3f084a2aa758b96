// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The page's controls as HTML elements, described from form/: which element each design row
// becomes, where it goes, its colours, texts and what a screen reader hears. The build writes the
// page's markup from these (markup.cpp), and the page's program numbers the controls in the same
// order (web_form.cpp), so both sides of the edge read one table.

#include "design.h"
#include "keyboard.h"

#include <string>
#include <string_view>
#include <vector>

namespace web {

// The element a control becomes.
enum class Element { TextBox, List, Frame, Option, Label, Time };

// One control. Sizes in CSS pixels at 100 % zoom; colours as CSS colours.
struct ControlDescription {
    std::string id; // the design's name, "Option1(2)": the element's id
    Element element;
    form::Container container;
    int left, top, width, height;
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
    bool initialFocus; // has the focus when the page opens
};

struct FormDescription {
    int width, height; // CSS pixels at 100 % zoom
    std::string background;
    std::string font;
    int fontPx;
};

// The page's controls, numbered as both sides of the edge number them: the design's rows, then
// the time labels.
std::vector<const form::ControlRow*> pageRows();

ControlDescription describe(const form::ControlRow& row);
FormDescription describeForm();

// The page's title: the window's caption, its run of blanks as no-break spaces.
std::string pageTitle();

// The CSS font families for `font`: Liberation Serif has the metrics of Times New Roman, and the
// page carries a subset of it for systems that have neither.
std::string fontFamilies(std::string_view font);

// `text` as the markup's text or, with `attribute`, an attribute's value in double quotes. CR is
// dropped: a text area's lines end with LF, whatever they were written with.
std::string escaped(std::string_view text, bool attribute = false);

// The keys the window knows by their browser names (KeyboardEvent.key); any other is what it
// types (form::typedKey). Until the program has attached, the page keeps these and what types one
// character for it, held with neither Ctrl, Alt nor the logo key, and leaves the browser every
// other key.
struct PageKey {
    const char* name;
    form::Key key;
};
inline constexpr PageKey pageKeys[] = {
    { "Tab", form::Key::Tab },
    { "ArrowUp", form::Key::Up },
    { "ArrowDown", form::Key::Down },
    { "ArrowLeft", form::Key::Left },
    { "ArrowRight", form::Key::Right },
    { "Home", form::Key::Home },
    { "End", form::Key::End },
    { "PageUp", form::Key::PageUp },
    { "PageDown", form::Key::PageDown },
    { "F2", form::Key::F2 },
};

} // namespace web
