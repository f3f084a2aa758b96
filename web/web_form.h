// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window as a web page: the design's controls as HTML elements (radio buttons in two named
// groups, two list boxes with role="listbox", a read-only textarea, labels), written into the
// page by the build from the design table, the screen-reader texts and the look that form/
// decides (described.h), and painted before this program runs. It attaches to them after the
// first paint (page.js), observes its clock and begins warming up what a click measures; a tap
// made before then is kept and carried out once it has. A click on a radio button or a row, or a
// key, reaches WebForm through the page's events (dom.h, carried out in main.cpp); form::keyAction
// decides what a key does. A click runs the form's handler (Option1_Click, Option2_Click,
// List1_Click), which asks for the lists, the text box and the times through the Controls interface
// implemented here.
//
// Within the update bracket around the measured work, a list's rows are only data here; at its
// end, each list that changed is built in the page in one go, as the Windows window redraws its
// lists only then. So the measured sides time the logic's work, not the browser's layout of a
// thousand rows.

#include "browser_clock.h"
#include "controls.h"
#include "form_logic.h"
#include "invariants.h"
#include "keyboard.h"

#include <optional>
#include <string>
#include <vector>

namespace web {

class WebForm final : public form::Controls, public form::Readback {
public:
    // Attaches to the page's controls and runs Form_Load.
    WebForm();

    // The page's events, with controls numbered as they were built.
    void optionClicked(int control);
    void rowChosen(int control, int row);
    // The key dom::pressedKey. True if the page must not give the key its own meaning.
    bool keyPressed(form::Modifiers modifiers);
    // The key dom::pressedKey in `part` of the measurements below the form
    // (form::MeasurementsPart's number); true where the page must not give it its own meaning.
    bool timingsKeyPressed(int part, form::Modifiers modifiers);
    void copyTimings();

    const form::MainFormLogic& logic() const { return logic_; }
    // One more slice of the warm-up the constructor began.
    bool warmUp() { return logic_.warmUp(); }
    // For tests: what is wrong with the page, empty if nothing (form::brokenInvariant).
    std::string brokenInvariant() const;

    // form::Controls
    void showRows(form::ControlId list, std::span<const form::ResultRow> rows) override;
    std::int16_t selectedRow(form::ControlId list) const override;
    void setSelectedRow(form::ControlId list, std::int16_t row) override;
    std::string caption(form::ControlId option) const override;
    void setText(form::ControlId textBox, const std::string& text) override;
    void showTimes(const std::array<form::TimeText, 2>& times) override;
    // Shown by update(), after the handler: the table and chart below the form (timings_view.h).
    void showTimingTable(const form::TimingTable& table) override { timings_ = table; }
    void announce(const std::string& text) override;
    // Nothing to do: rows are only data until writeRows, at the end of the bracket or the handler.
    void beginUpdate() override { }
    void endUpdate() override { writeRows(); }

    // form::Readback: what the page's elements show.
    std::string shownText(form::ControlId control) const override;
    bool isChosen(form::ControlId option) const override;
    bool isShown(form::ControlId control) const override;
    std::optional<form::ControlId> focused() const override;
    form::ListView listView(form::ControlId list) const override;
    std::string rowText(form::ControlId list, int row) const override;

private:
    struct Control {
        const form::ControlRow* row;
        std::vector<std::string> rows; // list boxes
        int selected = -1;
        bool changed = false; // rows changed since the page last showed them
    };

    int number(form::ControlId id) const;
    std::optional<form::ControlId> idOf(int control) const;
    Control& list(form::ControlId id);
    const Control& list(form::ControlId id) const;
    // The lists that changed, each in one go.
    void writeRows();
    // After each handler: the lists that changed, the times, then the announcement.
    void update();

    std::vector<Control> controls_; // the design's rows, then the time labels
    std::optional<std::array<form::TimeText, 2>> times_;
    std::optional<form::TimingTable> timings_;
    std::optional<std::string> announcement_;
    BrowserClock clock_;
    form::MainFormLogic logic_ { *this, clock_ };
};

} // namespace web
