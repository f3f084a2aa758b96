// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web_form.h"

#include "described.h"
#include "design.h"
#include "dom.h"
#include "timings_view.h"

#include <stdexcept>

namespace web {
namespace {

    // The keys the window knows by their browser names (described.h); any other is what it types.
    form::Key keyNamed(const std::string& name)
    {
        for (const PageKey& known : pageKeys) {
            if (name == known.name)
                return known.key;
        }
        return form::typedKey(name);
    }

} // namespace

// The page's elements are there already, written by the build from the same rows (markup.cpp);
// the page's script has numbered them in this order.
WebForm::WebForm()
{
    for (const form::ControlRow* row : pageRows())
        controls_.push_back({ row, {}, -1, false });
    for (Control& control : controls_) {
        for (const char* value : form::initialRows(*control.row))
            control.rows.emplace_back(value);
    }
    addTimings({ number({ form::Name::Label2, 0 }), number({ form::Name::Label2, 1 }) });
    showTimings(logic_.timings());
    logic_.Form_Load();
    // The page's autofocus has placed it, unless the user has moved it since.
    if (dom::focused() < 0)
        dom::focus(number(form::initialFocus()));
    // The page's script starts the program once the form is painted; it runs the warm-up's other
    // slices when the page is idle.
    logic_.warmUp();
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
    case form::KeyAction::Kind::ShowTimings:
        dom::revealTimings();
        return true;
    case form::KeyAction::Kind::Swallow:
        return true;
    }
    return true;
}

bool WebForm::timingsKeyPressed(int part, form::Modifiers modifiers)
{
    if (part < 0 || part > static_cast<int>(form::MeasurementsPart::Chart))
        return false;
    // The page names the key of the letter C "KeyC", whatever the layout types with it.
    const std::string name = dom::pressedKey();
    const form::Key key = name == "Tab" ? form::Key::Tab
        : name == "Escape"              ? form::Key::Escape
        : name == "KeyC"                ? form::Key::C
                                        : form::Key::Other;
    const form::MeasurementsAction action = form::measurementsKey(
        key, modifiers, static_cast<form::MeasurementsPart>(part), form::MeasurementsPlace::Page);
    switch (action.kind) {
    case form::MeasurementsAction::Kind::None:
        return false;
    case form::MeasurementsAction::Kind::Copy:
        copyTimings();
        return true;
    case form::MeasurementsAction::Kind::Focus:
        dom::focusTimings(static_cast<int>(action.target));
        return true;
    case form::MeasurementsAction::Kind::Leave:
        dom::leaveTimings(number(form::initialFocus()));
        return true;
    case form::MeasurementsAction::Kind::Form:
        break;
    }
    // Tab, with no control of the form focused: its first stop, or with Shift its last.
    return keyPressed(modifiers);
}

void WebForm::copyTimings() { web::copyTimings(logic_.timings()); }

void WebForm::writeRows()
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
    writeRows();
    if (times_) {
        for (std::size_t i = 0; i < times_->size(); ++i) {
            dom::showTime(number({ form::Name::Label2, static_cast<std::int16_t>(i) }),
                (*times_)[i].text, (*times_)[i].description);
        }
        times_.reset();
    }
    if (timings_) {
        showTimings(*timings_);
        timings_.reset();
    }
    if (announcement_) {
        dom::announce(*announcement_);
        announcement_.reset();
    }
}

void WebForm::showRows(form::ControlId id, std::span<const form::ResultRow> rows)
{
    Control& control = list(id);
    control.rows.clear();
    for (const form::ResultRow& row : rows)
        control.rows.emplace_back(row.text());
    control.selected = -1;
    control.changed = control.row->visible;
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
    if (!form::isOption(option.name))
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
    return form::isOption(option.name) && dom::checked(number(option));
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

std::string WebForm::rowText(form::ControlId id, int row) const
{
    const Control& control = list(id);
    if (row < 0 || static_cast<std::size_t>(row) >= control.rows.size())
        return {};
    return control.rows[static_cast<std::size_t>(row)];
}

std::string WebForm::brokenInvariant() const { return form::brokenInvariant(*this, *this, logic_); }

} // namespace web
