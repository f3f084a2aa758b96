// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web_form.h"

#include "design.h"
#include "dom.h"
#include "look.h"
#include "screen_reader.h"
#include "trial_division.h"

#include <cstdio>
#include <stdexcept>

namespace web {
namespace {

    // CSS pixels as pixels at 96 dpi: the page at 100 % zoom is the size of the desktop window.
    double pixels(int twips) { return form::pixels(twips); }

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

    using form::isOption;

    dom::Element elementOf(form::Name name)
    {
        switch (name) {
        case form::Name::Text1:
            return dom::Element::TextBox;
        case form::Name::List1:
        case form::Name::List2:
            return dom::Element::List;
        case form::Name::Frame1:
        case form::Name::Frame2:
            return dom::Element::Frame;
        case form::Name::Option1:
        case form::Name::Option2:
            return dom::Element::Option;
        case form::Name::Label1:
            return dom::Element::Label;
        case form::Name::Label2:
            break;
        }
        return dom::Element::Time;
    }

    // The keys the window knows, by their browser names; any other is what it types.
    struct PageKey {
        const char* name;
        form::Key key;
    };
    constexpr PageKey pageKeys[] = {
        { "Tab", form::Key::Tab },
        { "ArrowUp", form::Key::Up },
        { "ArrowDown", form::Key::Down },
        { "ArrowLeft", form::Key::Left },
        { "ArrowRight", form::Key::Right },
        { "Home", form::Key::Home },
        { "End", form::Key::End },
        { "PageUp", form::Key::PageUp },
        { "PageDown", form::Key::PageDown },
    };

    form::Key keyNamed(const std::string& name)
    {
        for (const PageKey& known : pageKeys) {
            if (name == known.name)
                return known.key;
        }
        return form::typedKey(name);
    }

    // The page's title is the window's caption. A browser collapses blanks in a title, so the
    // caption's run of blanks becomes no-break spaces.
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

} // namespace

WebForm::WebForm()
{
    dom::setTitle(pageTitle());
    dom::setForm({ pixels(form::window.clientWidth), pixels(form::window.clientHeight),
        cssColour(form::window.background), form::window.fontName,
        static_cast<double>(form::window.fontPoints) });
    for (const form::ControlRow& row : form::design)
        controls_.push_back({ &row, {}, -1, false });
    for (const form::ControlRow& row : form::timeDesign)
        controls_.push_back({ &row, {}, -1, false });

    for (std::size_t k = 0; k < controls_.size(); ++k) {
        const form::ControlRow& row = *controls_[k].row;
        const form::ControlId id = form::idOf(row);
        const form::Look look = form::look(row);
        const form::Spoken spoken = form::spoken(id);
        int parent = -1;
        if (row.container == form::Container::Frame1)
            parent = number({ form::Name::Frame1, 0 });
        else if (row.container == form::Container::Frame2)
            parent = number({ form::Name::Frame2, 0 });
        std::string heading;
        if (spoken.heading)
            heading = form::designName(
                *controls_[static_cast<std::size_t>(number(*spoken.heading))].row);
        dom::ControlDescription described {
            .id = form::designName(row),
            .element = elementOf(row.name),
            .parent = parent,
            .left = pixels(row.left),
            .top = pixels(row.top),
            .width = pixels(row.width),
            .height = pixels(row.height),
            .background = cssColour(row.background),
            .visible = row.visible,
            .text = row.text ? row.text : "",
            .blackText = look.text == form::Look::TextColour::Black,
            .centreHorizontally = look.horizontal == form::Look::Align::Centre,
            .centreVertically = look.vertical == form::Look::Align::Centre,
            .radioGroup
            = isOption(row.name) ? (row.name == form::Name::Option1 ? "Option1" : "Option2") : "",
            .group = spoken.role == form::Role::Group,
            // A label is read by its own text.
            .name = spoken.role == form::Role::Label ? std::string() : spoken.name,
            .description = spoken.description,
            .heading = heading,
            .chosen = row.chosen,
        };
        // Frames are containers only: their design text ("Frame1") is never shown.
        if (row.name == form::Name::Frame1 || row.name == form::Name::Frame2)
            described.text.clear();
        dom::addControl(static_cast<int>(k), described);
        for (const char* value : form::initialRows(row))
            controls_[k].rows.emplace_back(value);
    }
    logic_.Form_Load();
    dom::focus(number(form::initialFocus()));
    warmUp();
}

// A browser runs new WebAssembly through a quick baseline compiler first and optimises a function
// only once it has run for a while, and a call that is running keeps its code. So the first
// interval click would time the search in unoptimised code, about twice as slow as every click
// after it, where a native program is as fast at its first click as at any. A search of a middle
// interval with each bound, about 10 ms in all, has the engine optimise it, and the bounds, before
// the pupil's first click.
void WebForm::warmUp()
{
    constexpr std::int64_t enough = 10'000'000; // ns
    constexpr int mostRuns = 30;
    const auto methods = static_cast<int>(primes::methodCount);
    const std::int64_t start = clock_.now();
    for (int runs = 0; runs < mostRuns && (runs < 2 * methods || clock_.now() - start < enough);
         ++runs)
        primes::findPrimes(2, static_cast<std::int16_t>(runs % methods));
}

int WebForm::number(form::ControlId id) const
{
    for (std::size_t k = 0; k < controls_.size(); ++k) {
        if (controls_[k].row->name == id.name && controls_[k].row->index == id.index)
            return static_cast<int>(k);
    }
    throw std::out_of_range("no control for this id");
}

WebForm::Control& WebForm::list(form::ControlId id)
{
    return controls_[static_cast<std::size_t>(number(id))];
}

const WebForm::Control& WebForm::list(form::ControlId id) const
{
    return controls_[static_cast<std::size_t>(number(id))];
}

void WebForm::optionClicked(int control)
{
    if (control < 0 || control >= static_cast<int>(controls_.size()))
        return;
    const form::ControlRow& row = *controls_[static_cast<std::size_t>(control)].row;
    const auto index = static_cast<std::int16_t>(row.index);
    if (row.name == form::Name::Option1)
        logic_.Option1_Click(index);
    else if (row.name == form::Name::Option2)
        logic_.Option2_Click(index);
    update();
}

void WebForm::rowChosen(int control, int row)
{
    if (control < 0 || control >= static_cast<int>(controls_.size()))
        return;
    Control& chosen = controls_[static_cast<std::size_t>(control)];
    if (chosen.row->name != form::Name::List1 || row < 0
        || row >= static_cast<int>(chosen.rows.size()))
        return;
    if (chosen.selected != row) {
        chosen.selected = row;
        dom::select(control, row);
    }
    logic_.List1_Click(static_cast<std::int16_t>(chosen.row->index));
    update();
}

std::optional<form::ControlId> WebForm::idOf(int control) const
{
    if (control < 0 || control >= static_cast<int>(controls_.size()))
        return std::nullopt;
    const form::ControlRow& row = *controls_[static_cast<std::size_t>(control)].row;
    return form::idOf(row);
}

bool WebForm::keyPressed(form::Modifiers modifiers)
{
    const form::KeyAction action = form::keyAction(*this, keyNamed(dom::pressedKey()), modifiers);
    switch (action.kind) {
    case form::KeyAction::Kind::None:
        return false;
    case form::KeyAction::Kind::Focus:
        dom::focus(number(action.target));
        return true;
    case form::KeyAction::Kind::Choose: {
        const int target = number(action.target);
        dom::focus(target);
        dom::check(target);
        optionClicked(target);
        return true;
    }
    case form::KeyAction::Kind::Select:
        rowChosen(number(action.target), action.row);
        return true;
    case form::KeyAction::Kind::Swallow:
        return true;
    }
    return true;
}

void WebForm::showRows()
{
    for (std::size_t k = 0; k < controls_.size(); ++k) {
        Control& control = controls_[k];
        if (!control.changed)
            continue;
        control.changed = false;
        std::string rows;
        for (const std::string& row : control.rows) {
            if (!rows.empty())
                rows += '\n';
            rows += row;
        }
        dom::setRows(static_cast<int>(k), rows, control.selected);
    }
}

void WebForm::update()
{
    showRows();
    if (times_) {
        for (std::size_t i = 0; i < times_->size(); ++i) {
            dom::showTime(number({ form::Name::Label2, static_cast<std::int16_t>(i) }),
                (*times_)[i].text, (*times_)[i].description);
        }
        times_.reset();
    }
    if (announcement_) {
        dom::announce(*announcement_);
        announcement_.reset();
    }
}

void WebForm::clearList(form::ControlId id)
{
    Control& control = list(id);
    control.rows.clear();
    control.selected = -1;
    control.changed = control.row->visible;
}

void WebForm::appendRow(form::ControlId id, const std::string& text)
{
    Control& control = list(id);
    control.rows.push_back(text);
    control.changed = control.row->visible;
}

std::int16_t WebForm::rowCount(form::ControlId id) const
{
    return static_cast<std::int16_t>(list(id).rows.size());
}

std::string WebForm::rowText(form::ControlId id, std::int16_t row) const
{
    const Control& control = list(id);
    if (row < 0 || static_cast<std::size_t>(row) >= control.rows.size())
        return {};
    return control.rows[static_cast<std::size_t>(row)];
}

std::int16_t WebForm::selectedRow(form::ControlId id) const
{
    return static_cast<std::int16_t>(list(id).selected);
}

// Selecting the row already selected does nothing; the page raises a row's click only for the
// user's own clicks and keys, so the row sync cannot re-enter.
void WebForm::setSelectedRow(form::ControlId id, std::int16_t row)
{
    Control& control = list(id);
    if (row == control.selected)
        return;
    control.selected = row >= 0 && row < static_cast<int>(control.rows.size()) ? row : -1;
    if (!control.changed && control.row->visible)
        dom::select(number(id), control.selected);
}

std::string WebForm::caption(form::ControlId option) const
{
    if (!isOption(option.name))
        return {};
    return dom::text(number(option));
}

void WebForm::setText(form::ControlId textBox, const std::string& text)
{
    dom::setText(number(textBox), text);
}

void WebForm::showTimes(const std::array<form::TimeText, 2>& times) { times_ = times; }

void WebForm::announce(const std::string& text) { announcement_ = text; }

std::string WebForm::shownText(form::ControlId control) const
{
    std::string text = dom::text(number(control));
    if (control.name != form::Name::Text1)
        return text;
    // A text area gives its text with LF line ends.
    std::string crlf;
    for (const char c : text) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    return crlf;
}

bool WebForm::isChosen(form::ControlId option) const
{
    return isOption(option.name) && dom::checked(number(option));
}

bool WebForm::isShown(form::ControlId control) const { return dom::shown(number(control)); }

std::optional<form::ControlId> WebForm::focused() const { return idOf(dom::focused()); }

form::ListView WebForm::listView(form::ControlId id) const
{
    const Control& shown = list(id);
    const int control = number(id);
    return { shown.selected, static_cast<int>(shown.rows.size()), dom::listHeight(control),
        dom::rowHeight(control) };
}

std::string WebForm::brokenInvariant() const { return form::brokenInvariant(*this, *this, logic_); }

} // namespace web
