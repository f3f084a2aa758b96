// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "described.h"

#include "look.h"
#include "screen_reader.h"

#include <cstdio>

namespace web {
namespace {

    // Empty for the system's colours of the element.
    std::string cssColour(form::Background background)
    {
        switch (background.kind) {
        case form::Background::Kind::System:
            return {};
        case form::Background::Kind::None:
            return "transparent";
        case form::Background::Kind::Rgb:
            break;
        }
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%06x", static_cast<unsigned>(background.rgb));
        return colour;
    }

    Element elementOf(form::Name name)
    {
        switch (name) {
        case form::Name::Text1:
            return Element::TextBox;
        case form::Name::List1:
        case form::Name::List2:
            return Element::List;
        case form::Name::Frame1:
        case form::Name::Frame2:
            return Element::Frame;
        case form::Name::Option1:
        case form::Name::Option2:
            return Element::Option;
        case form::Name::Label1:
            return Element::Label;
        case form::Name::Label2:
            break;
        }
        return Element::Time;
    }

} // namespace

std::vector<const form::ControlRow*> pageRows()
{
    std::vector<const form::ControlRow*> rows;
    for (const form::ControlRow& row : form::design)
        rows.push_back(&row);
    for (const form::ControlRow& row : form::timeDesign)
        rows.push_back(&row);
    return rows;
}

ControlDescription describe(const form::ControlRow& row)
{
    const form::ControlId id = form::idOf(row);
    const form::Look look = form::look(row);
    const form::Spoken spoken = form::spoken(id);
    const form::ControlId focus = form::initialFocus();
    // Frames are containers only: their design text ("Frame1") is never shown.
    const bool frame = row.name == form::Name::Frame1 || row.name == form::Name::Frame2;
    return {
        .id = form::designName(row),
        .element = elementOf(row.name),
        .container = row.container,
        .left = form::pixels(row.left),
        .top = form::pixels(row.top),
        .width = form::pixels(row.width),
        .height = form::pixels(row.height),
        .background = cssColour(row.background),
        .visible = row.visible,
        .text = row.text && !frame ? row.text : "",
        .blackText = look.text == form::Look::TextColour::Black,
        .centreHorizontally = look.horizontal == form::Look::Align::Centre,
        .centreVertically = look.vertical == form::Look::Align::Centre,
        .radioGroup
        = form::isOption(row.name) ? (row.name == form::Name::Option1 ? "Option1" : "Option2") : "",
        .group = spoken.role == form::Role::Group,
        // A label is read by its own text.
        .name = spoken.role == form::Role::Label ? std::string() : spoken.name,
        .description = spoken.description,
        .heading = spoken.heading ? form::designName(*form::rowOf(*spoken.heading)) : "",
        .chosen = row.chosen,
        .initialFocus = focus.name == id.name && focus.index == id.index,
    };
}

FormDescription describeForm()
{
    // 1 pt is 4/3 CSS pixels.
    return { form::pixels(form::window.clientWidth), form::pixels(form::window.clientHeight),
        cssColour(form::window.background), form::window.fontName,
        form::window.fontPoints * 4 / 3 };
}

// A browser collapses blanks in a title, so the caption's run of blanks becomes no-break spaces.
std::string pageTitle()
{
    std::string title = form::windowTitle();
    for (std::size_t at = title.find("  "); at != std::string::npos; at = title.find("  ")) {
        std::size_t end = title.find_first_not_of(' ', at);
        if (end == std::string::npos)
            end = title.size();
        std::string spaces;
        for (std::size_t i = at; i < end; ++i)
            spaces += "\u00a0";
        title.replace(at, end - at, spaces);
    }
    return title;
}

std::string escaped(std::string_view text, bool attribute)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += attribute ? "&quot;" : "\"";
            break;
        case '\r':
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string fontFamilies(std::string_view font)
{
    return '"' + std::string(font) + "\", \"Liberation Serif\", \"Prime Intervals Serif\", serif";
}

} // namespace web
