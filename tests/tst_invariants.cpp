// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The check every front end's random user runs after each event: it passes on a window used as a
// person uses it, and names each way a window can go wrong.

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>

#include "recording_controls.h"

#include <functional>
#include <string>

using form::Name;

namespace {

std::string broken(const RecordingControls& window)
{
    return form::brokenInvariant(window, window, window.logic);
}

} // namespace

TEST_CASE("a window used as a person uses it keeps every invariant")
{
    RecordingControls window;
    CHECK(broken(window) == "");
    for (const std::int16_t interval : { 3, 0, 2, 1 }) {
        CAPTURE(interval);
        window.clickOption(Name::Option1, interval);
        CHECK(broken(window) == "");
        window.clickRow(1, 2);
        CHECK(broken(window) == "");
        window.clickOption(Name::Option2, static_cast<std::int16_t>(interval % 3));
        CHECK(broken(window) == "");
    }
}

TEST_CASE("each broken state is named")
{
    struct Breakage {
        const char* what;
        std::function<void(RecordingControls&)> breakIt;
        const char* named; // a part of the message
    };
    const Breakage breakages[] = {
        { "two interval buttons chosen",
            [](RecordingControls& w) { w.chosenOf(Name::Option1, 3) = true; },
            "Option1(1) and Option1(3) are both chosen" },
        { "two method buttons chosen",
            [](RecordingControls& w) { w.chosenOf(Name::Option2, 0) = true; },
            "Option2(0) and Option2(2) are both chosen" },
        { "a button chosen whose click never ran",
            [](RecordingControls& w) {
                w.chosenOf(Name::Option1, 1) = false;
                w.chosenOf(Name::Option1, 2) = true;
            },
            "Option1(2) is chosen, but the logic's index is 1" },
        { "no method chosen", [](RecordingControls& w) { w.chosenOf(Name::Option2, 2) = false; },
            "no button of its group is chosen, but the logic's index is 2" },
        { "a stored list lost a row", [](RecordingControls& w) { w.list2(3).rows.pop_back(); },
            "List2(3) has 1060 rows, not its 1061 stored ones" },
        { "the left list short of a row", [](RecordingControls& w) { w.list1(0).rows.pop_back(); },
            "List1(0) has 20 rows, not the 21 stored primes of 10 - 100" },
        { "a wrong row on the right", [](RecordingControls& w) { w.list1(1).rows[4] = "15"; },
            "List1(1) row 4 is \"15\", not \"23\" of stored primes of 10 - 100" },
        { "the rows of another interval",
            [](RecordingControls& w) { w.list1(1).rows = w.list2(2).rows; },
            "List1(1) has 143 rows, not the 21" },
        { "different rows selected", [](RecordingControls& w) { w.list1(1).selected = 4; },
            "row 2 is selected in List1(0), row 4 in List1(1)" },
        { "a row selected past the end",
            [](RecordingControls& w) { w.list1(0).selected = w.list1(1).selected = 21; },
            "row 21 is selected, past the lists' rows" },
        { "typing changed the summary",
            [](RecordingControls& w) { w.textOf(Name::Text1, 0).insert(2, "x"); },
            "Text1(0) shows \"Вx интервала 10 - 100" },
        { "a time hidden", [](RecordingControls& w) { w.shownOf(Name::Label2, 1) = false; },
            "Label2(1) is hidden after an interval was chosen" },
        { "a time with no text", [](RecordingControls& w) { w.textOf(Name::Label2, 0).clear(); },
            "Label2(0) shows no time" },
        { "a list hidden", [](RecordingControls& w) { w.shownOf(Name::List1, 1) = false; },
            "List1(1) is hidden" },
        { "a stored list shows", [](RecordingControls& w) { w.shownOf(Name::List2, 0) = true; },
            "List2(0) shows" },
        { "the focus nowhere", [](RecordingControls& w) { w.focus.reset(); },
            "no control of the window has the focus" },
        { "the focus on a label",
            [](RecordingControls& w) {
                w.focus = form::ControlId { Name::Label1, 2 };
            },
            "the focus is on Label1(2), which does not take it" },
        { "the focus on a frame",
            [](RecordingControls& w) {
                w.focus = form::ControlId { Name::Frame1, 0 };
            },
            "the focus is on Frame1, which does not take it" },
        { "the focus on a hidden list",
            [](RecordingControls& w) {
                w.focus = form::ControlId { Name::List2, 1 };
            },
            "the focus is on List2(1), which does not take it" },
    };
    for (const Breakage& breakage : breakages) {
        const std::string what = breakage.what;
        CAPTURE(what);
        RecordingControls window;
        window.clickOption(Name::Option1, 1);
        window.clickRow(0, 2);
        REQUIRE(broken(window) == "");
        breakage.breakIt(window);
        const std::string message = broken(window);
        CAPTURE(message);
        CHECK(message.find(breakage.named) != std::string::npos);
    }
}

TEST_CASE("before any interval: empty lists, the task statement, no times")
{
    const std::pair<const char*, std::function<void(RecordingControls&)>> breakages[] = {
        { "List1(0) has 1 rows, not the 0 rows before any interval is chosen",
            [](RecordingControls& w) { w.list1(0).rows.push_back("2"); } },
        { "Text1(0) shows \"Да се", [](RecordingControls& w) { w.textOf(Name::Text1, 0) += "x"; } },
        { "Label2(0) shows before any interval is chosen",
            [](RecordingControls& w) { w.shownOf(Name::Label2, 0) = true; } },
    };
    for (const auto& [named, breakIt] : breakages) {
        RecordingControls window;
        REQUIRE(broken(window) == "");
        breakIt(window);
        const std::string message = broken(window);
        CAPTURE(message);
        CHECK(message.find(named) != std::string::npos);
    }
}
