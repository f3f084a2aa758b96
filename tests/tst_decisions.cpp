// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The logic's decisions, each tested once, against properties of the design rather than a copy
// of it: where the keyboard goes, what a screen reader hears and how texts look. No window
// system.

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>

#include "form_texts.h"
#include "keyboard.h"
#include "look.h"
#include "recording_controls.h"
#include "screen_reader.h"

#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using form::ControlId;
using form::Key;
using form::KeyAction;
using form::Name;

const form::ControlRow& designRow(ControlId id)
{
    const form::ControlRow* row = form::rowOf(id);
    if (!row)
        throw std::out_of_range("not in the design");
    return *row;
}

using form::idOf;

bool same(ControlId a, ControlId b) { return a.name == b.name && a.index == b.index; }

using form::isOption;

std::string nameOf(ControlId id) { return form::designName(designRow(id)); }

// What keyAction reads of a window: the focus, the buttons shown chosen, the focused list.
struct Window final : form::Readback {
    std::optional<ControlId> focus;
    form::Choices chosen;
    form::ListView list;

    std::string shownText(ControlId) const override { return {}; }
    bool isChosen(ControlId option) const override
    {
        return isOption(option.name)
            && option.index == (option.name == Name::Option1 ? chosen.interval : chosen.method);
    }
    bool isShown(ControlId) const override { return true; }
    std::optional<ControlId> focused() const override { return focus; }
    form::ListView listView(ControlId) const override { return list; }
    std::string rowText(ControlId, int) const override { return {}; }
};

KeyAction press(std::optional<ControlId> focus, Key key, form::Modifiers modifiers,
    form::Choices chosen, form::ListView list = {})
{
    Window window;
    window.focus = focus;
    window.chosen = chosen;
    window.list = list;
    return form::keyAction(window, key, modifiers);
}

// A list of `count` rows with `selected` selected, tall enough for `rows` rows of 16 pixels and
// part of one more.
form::ListView shows(int selected, int count, int rows)
{
    return { selected, count, rows * 16 + 7, 16 };
}

// Every state of the two groups: none or one button chosen in each.
std::vector<form::Choices> everyChoice()
{
    std::vector<form::Choices> all;
    for (int interval = -1; interval < 4; ++interval) {
        for (int method = -1; method < 3; ++method)
            all.push_back({ interval, method });
    }
    return all;
}

} // namespace

TEST_CASE("every showing control that takes the focus is a stop once, in the design's order")
{
    for (const form::Choices chosen : everyChoice()) {
        CAPTURE(chosen.interval);
        CAPTURE(chosen.method);
        const std::vector<ControlId> stops = form::tabStops(chosen);
        int lastTab = -1;
        std::set<Name> groupsSeen;
        for (const ControlId stop : stops) {
            const form::ControlRow& row = designRow(stop);
            CAPTURE(nameOf(stop));
            CHECK(row.visible);
            CHECK(row.tabIndex > lastTab);
            lastTab = row.tabIndex;
            if (isOption(stop.name)) {
                CHECK(groupsSeen.insert(stop.name).second); // one stop per group
                const int inGroup = stop.name == Name::Option1 ? chosen.interval : chosen.method;
                CHECK(stop.index == (inGroup >= 0 ? inGroup : 0));
            }
        }
        CHECK(groupsSeen.size() == 2);
        // Every other showing text box and list is a stop; no label, frame or hidden control is.
        for (const form::ControlRow& row : form::design) {
            const bool stop = std::any_of(
                stops.begin(), stops.end(), [&](ControlId s) { return same(s, idOf(row)); });
            const bool focusable = row.visible
                && (row.name == Name::Text1 || row.name == Name::List1 || row.name == Name::List2);
            if (!isOption(row.name))
                CHECK_MESSAGE(stop == focusable, form::designName(row));
        }
    }
    CHECK(same(form::initialFocus(), { Name::Text1, 0 }));
}

TEST_CASE("Tab and Shift+Tab go round the stops and back, from anywhere")
{
    form::Modifiers shift;
    shift.shift = true;
    for (const form::Choices chosen : everyChoice()) {
        const std::vector<ControlId> stops = form::tabStops(chosen);
        const std::size_t count = stops.size();
        CAPTURE(chosen.interval);
        CAPTURE(chosen.method);
        for (std::size_t i = 0; i < count; ++i) {
            const KeyAction forward = press(stops[i], Key::Tab, {}, chosen);
            const KeyAction back = press(stops[i], Key::Tab, shift, chosen);
            CHECK(forward.kind == KeyAction::Kind::Focus);
            CHECK(same(forward.target, stops[(i + 1) % count]));
            CHECK(back.kind == KeyAction::Kind::Focus);
            CHECK(same(back.target, stops[(i + count - 1) % count]));
        }
        // With nothing focused, Tab reaches the first stop and Shift+Tab the last.
        CHECK(same(press(std::nullopt, Key::Tab, {}, chosen).target, stops.front()));
        CHECK(same(press(std::nullopt, Key::Tab, shift, chosen).target, stops.back()));
    }
    // From a button that is not its group's stop (the focus came with Tab, nothing chosen yet,
    // then moved within the group), Tab leaves the group as from its stop.
    const form::Choices none;
    const KeyAction fromThird = press(ControlId { Name::Option1, 2 }, Key::Tab, {}, none);
    const KeyAction fromStop = press(ControlId { Name::Option1, 0 }, Key::Tab, {}, none);
    CHECK(same(fromThird.target, fromStop.target));
    CHECK(fromThird.target.name == Name::List1);
}

TEST_CASE("arrows choose the next or previous button of their group, round the group")
{
    for (const Name group : { Name::Option1, Name::Option2 }) {
        std::vector<ControlId> buttons;
        for (const form::ControlRow& row : form::design) {
            if (row.name == group)
                buttons.push_back(idOf(row));
        }
        const std::size_t count = buttons.size();
        for (std::size_t i = 0; i < count; ++i) {
            CAPTURE(nameOf(buttons[i]));
            for (const Key key : { Key::Down, Key::Right }) {
                const KeyAction next = press(buttons[i], key, {}, {});
                CHECK(next.kind == KeyAction::Kind::Choose);
                CHECK(same(next.target, buttons[(i + 1) % count]));
            }
            for (const Key key : { Key::Up, Key::Left }) {
                const KeyAction previous = press(buttons[i], key, {}, {});
                CHECK(previous.kind == KeyAction::Kind::Choose);
                CHECK(same(previous.target, buttons[(i + count - 1) % count]));
            }
        }
    }
    // The text box keeps its arrows for its caret; Home, End and the page keys are no button's.
    for (const Key key : { Key::Down, Key::Left, Key::Home, Key::PageDown, Key::Space })
        CHECK(press(ControlId { Name::Text1, 0 }, key, {}, {}).kind == KeyAction::Kind::None);
    for (const Key key : { Key::Home, Key::End, Key::PageUp, Key::PageDown, Key::Other })
        CHECK(press(ControlId { Name::Option1, 0 }, key, {}, {}).kind == KeyAction::Kind::None);
}

TEST_CASE("Space clicks the focused button, also the chosen one")
{
    for (const ControlId button :
        { ControlId { Name::Option1, 2 }, ControlId { Name::Option2, 0 } }) {
        CAPTURE(nameOf(button));
        for (const form::Choices chosen : { form::Choices {}, form::Choices { 2, 0 } }) {
            const KeyAction space = press(button, Key::Space, {}, chosen);
            CHECK(space.kind == KeyAction::Kind::Choose);
            CHECK(same(space.target, button));
            // Typing on a button is not the window's: it chooses nothing.
            CHECK(press(button, Key::Character, {}, chosen).kind == KeyAction::Kind::None);
        }
    }
}

TEST_CASE("a list's keys move its selection a row, a page or to an end, and stop there")
{
    const ControlId list { Name::List1, 1 };
    struct Case {
        const char* what;
        Key key;
        form::ListView shown;
        int row; // -1: nothing happens
    };
    // Three rows show at once, so a page moves two and the row selected before stays in view.
    const Case cases[] = {
        { "Down", Key::Down, shows(4, 21, 3), 5 },
        { "Up", Key::Up, shows(4, 21, 3), 3 },
        { "Page Down", Key::PageDown, shows(4, 21, 3), 6 },
        { "Page Up", Key::PageUp, shows(4, 21, 3), 2 },
        { "Home", Key::Home, shows(4, 21, 3), 0 },
        { "End", Key::End, shows(4, 21, 3), 20 },
        { "Page Down near the end", Key::PageDown, shows(19, 21, 3), 20 },
        { "Page Up near the start", Key::PageUp, shows(1, 21, 3), 0 },
        { "Page Down, one row shows", Key::PageDown, shows(4, 21, 1), 5 },
        { "Page Down, eight rows show", Key::PageDown, shows(4, 21, 8), 11 },
        { "Down on the last row", Key::Down, shows(20, 21, 3), -1 },
        { "Up on the first row", Key::Up, shows(0, 21, 3), -1 },
        { "Home on the first row", Key::Home, shows(0, 21, 3), -1 },
        { "Down, none selected", Key::Down, shows(-1, 21, 3), 0 },
        { "Up, none selected", Key::Up, shows(-1, 21, 3), 0 },
        { "Page Down, none selected", Key::PageDown, shows(-1, 21, 3), 0 },
        { "End, none selected", Key::End, shows(-1, 21, 3), 20 },
        { "Down in an empty list", Key::Down, shows(-1, 0, 3), -1 },
        { "End in an empty list", Key::End, shows(-1, 0, 3), -1 },
        { "Left", Key::Left, shows(4, 21, 3), -1 },
        { "Right", Key::Right, shows(4, 21, 3), -1 },
        { "Space", Key::Space, shows(4, 21, 3), -1 },
        { "typing", Key::Character, shows(4, 21, 3), -1 },
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        const KeyAction action = press(list, c.key, {}, {}, c.shown);
        if (c.row < 0) {
            CHECK(action.kind == KeyAction::Kind::Swallow);
            continue;
        }
        CHECK(action.kind == KeyAction::Kind::Select);
        CHECK(same(action.target, list));
        CHECK(action.row == c.row);
    }
    // A page is a row at least: where less than a row shows, and before any row is laid out.
    CHECK(form::rowsPerPage({ 4, 21, 9, 16 }) == 1);
    CHECK(form::rowsPerPage({ 4, 21, 100, 0 }) == 1);
}

TEST_CASE("a key types when it types one printable character; Enter, Backspace, Escape do not")
{
    struct Case {
        const char* what;
        const char* text;
        Key key;
    };
    const Case cases[] = {
        { "a letter", "a", Key::Character },
        { "a Cyrillic letter", "я", Key::Character },
        { "a sign of four bytes", "😀", Key::Character },
        { "a blank", " ", Key::Space },
        { "Enter", "\r", Key::Other },
        { "Backspace", "\b", Key::Other },
        { "Escape", "\x1b", Key::Other },
        { "Ctrl+A", "\x01", Key::Other },
        { "Delete", "\x7f", Key::Other },
        { "a C1 control", "\u0085", Key::Other },
        { "nothing", "", Key::Other },
        { "two letters", "ab", Key::Other },
        { "a browser's name for Enter", "Enter", Key::Other },
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        CHECK(form::typedKey(c.text) == c.key);
    }
    // So Enter in a list is no typing the list swallows: it is the window's own, as in a text box.
    CHECK(press(ControlId { Name::List1, 0 }, form::typedKey("\r"), {}, {}, shows(4, 21, 3)).kind
        == KeyAction::Kind::None);
}

TEST_CASE("Ctrl, Alt and the logo key leave the window's keys doing nothing and the others to the "
          "browser; Shift does not")
{
    const ControlId option { Name::Option2, 1 };
    const ControlId list { Name::List1, 1 };
    const form::ListView shown = shows(4, 21, 3);
    for (int held = 1; held < 8; ++held) {
        form::Modifiers modifiers;
        modifiers.control = held & 1;
        modifiers.alt = held & 2;
        modifiers.meta = held & 4;
        CAPTURE(held);
        for (const ControlId focused : { option, list, ControlId { Name::Text1, 0 } })
            CHECK(press(focused, Key::Tab, modifiers, {}).kind == KeyAction::Kind::Swallow);
        CHECK(press(std::nullopt, Key::Tab, modifiers, {}).kind == KeyAction::Kind::Swallow);
        CHECK(press(option, Key::Down, modifiers, {}).kind == KeyAction::Kind::Swallow);
        CHECK(press(option, Key::Space, modifiers, {}).kind == KeyAction::Kind::Swallow);
        for (const Key key :
            { Key::Down, Key::Up, Key::Home, Key::End, Key::PageUp, Key::PageDown, Key::Space })
            CHECK(press(list, key, modifiers, {}, shown).kind == KeyAction::Kind::Swallow);
        // The rest is the browser's or the desktop's, wherever the focus is: Ctrl+F, Ctrl and +,
        // Alt+D, Alt+F2, a browser's Alt+Left. Only Windows' list box steps on Ctrl+Left, and
        // jumps on what AltGr (to Windows, Ctrl and Alt) types.
        const bool altGr = modifiers.control && modifiers.alt && !modifiers.meta;
        const std::optional<ControlId> focuses[]
            = { option, list, ControlId { Name::Text1, 0 }, std::nullopt };
        for (const std::optional<ControlId> focused : focuses) {
            const bool inList = focused && same(*focused, list);
            CHECK(press(focused, Key::Character, modifiers, {}, shown).kind
                == (inList && altGr ? KeyAction::Kind::Swallow : KeyAction::Kind::None));
            CHECK(press(focused, Key::F2, modifiers, {}, shown).kind == KeyAction::Kind::None);
        }
        CHECK(press(list, Key::Left, modifiers, {}, shown).kind
            == (modifiers.control ? KeyAction::Kind::Swallow : KeyAction::Kind::None));
    }
    form::Modifiers shift;
    shift.shift = true;
    CHECK(press(option, Key::Down, shift, {}).kind == KeyAction::Kind::Choose);
    CHECK(press(option, Key::Space, shift, {}).kind == KeyAction::Kind::Choose);
    CHECK(press(list, Key::Down, shift, {}, shown).kind == KeyAction::Kind::Select);
}

TEST_CASE("a screen reader names each list and group by the heading right above it")
{
    for (const form::ControlRow& row : form::design) {
        const form::Spoken spoken = form::spoken(idOf(row));
        CAPTURE(form::designName(row));
        if (row.name != Name::List1 && row.name != Name::Frame1 && row.name != Name::Frame2) {
            CHECK_FALSE(spoken.heading);
            continue;
        }
        // The lowest label above the control's top edge that overlaps it sideways.
        const form::ControlRow* above = nullptr;
        for (const form::ControlRow& label : form::design) {
            const bool overlaps
                = label.left < row.left + row.width && row.left < label.left + label.width;
            if (label.name == Name::Label1 && label.top < row.top && overlaps
                && (!above || label.top > above->top))
                above = &label;
        }
        REQUIRE(above);
        REQUIRE(spoken.heading);
        CHECK(same(*spoken.heading, idOf(*above)));
        CHECK(spoken.name == above->text);
    }
}

TEST_CASE("what a screen reader hears: every showing control named and told apart")
{
    std::set<std::string> descriptions;
    for (const form::ControlRow& row : form::design) {
        const form::Spoken spoken = form::spoken(idOf(row));
        CAPTURE(form::designName(row));
        if (!row.visible) {
            CHECK(spoken.role == form::Role::None);
            CHECK(spoken.name.empty());
            CHECK(spoken.description.empty());
            continue;
        }
        CHECK(spoken.role != form::Role::None);
        CHECK_FALSE(spoken.name.empty());
        if (row.text && row.name != Name::Text1 && row.name != Name::Frame1
            && row.name != Name::Frame2)
            CHECK(spoken.name == row.text); // a caption or a heading is what it says
        if (form::takesFocus(row) || spoken.role == form::Role::Group) {
            CHECK_FALSE(spoken.description.empty());
            CHECK(spoken.description != spoken.name);
            CHECK(descriptions.insert(spoken.description).second); // no two alike
        }
    }
    for (const form::ControlRow& row : form::timeDesign) {
        const form::Spoken time = form::spoken(idOf(row));
        CHECK(time.role == form::Role::Label);
        CHECK(time.name.empty()); // named by the time it shows
    }
    // «Измервания»: the chart named by its own words, as an image by its text alternative.
    const form::Chart chart = form::timingChart({});
    for (const auto part : { form::MeasurementsPart::Table, form::MeasurementsPart::CopyButton,
             form::MeasurementsPart::Chart }) {
        const form::Spoken spoken = form::spoken(part, chart);
        CAPTURE(spoken.name);
        CHECK(spoken.role != form::Role::None);
        CHECK_FALSE(spoken.name.empty());
        CHECK(descriptions.insert(spoken.description).second);
    }
    CHECK(form::spoken(form::MeasurementsPart::Chart, chart).name == chart.description);
}

TEST_CASE("in «Измервания», Ctrl+C copies, Tab goes round its parts or on to the form, Esc leaves")
{
    using Part = form::MeasurementsPart;
    using Kind = form::MeasurementsAction::Kind;
    constexpr auto window = form::MeasurementsPlace::Window, page = form::MeasurementsPlace::Page;
    const form::Modifiers none, shift { true }, ctrl { false, true }, ctrlShift { true, true },
        alt { false, false, true };
    struct Case {
        std::string what;
        Key key;
        form::Modifiers held;
        Part focused;
        form::MeasurementsPlace place;
        Kind kind;
        Part target = Part::Table;
    };
    const Case cases[] = {
        { "Ctrl+C in the table", Key::C, ctrl, Part::Table, window, Kind::Copy },
        { "Ctrl+C on the page's chart", Key::C, ctrl, Part::Chart, page, Kind::Copy },
        { "Ctrl+Shift+C, a browser's tools", Key::C, ctrlShift, Part::Table, page, Kind::None },
        { "C alone", Key::C, none, Part::Table, window, Kind::None },
        { "Tab, table to chart", Key::Tab, none, Part::Table, window, Kind::Focus, Part::Chart },
        { "Tab, chart round to table", Key::Tab, none, Part::Chart, window, Kind::Focus },
        { "Shift+Tab, table round to chart", Key::Tab, shift, Part::Table, window, Kind::Focus,
            Part::Chart },
        { "Tab on the page, table to button", Key::Tab, none, Part::Table, page, Kind::Focus,
            Part::CopyButton },
        { "Shift+Tab on the page, chart to button", Key::Tab, shift, Part::Chart, page, Kind::Focus,
            Part::CopyButton },
        { "Tab on the page past the chart", Key::Tab, none, Part::Chart, page, Kind::Form },
        { "Shift+Tab on the page before the table", Key::Tab, shift, Part::Table, page,
            Kind::Form },
        { "Ctrl+Tab", Key::Tab, ctrl, Part::Table, window, Kind::None },
        { "Esc in the window", Key::Escape, none, Part::Chart, window, Kind::Leave },
        { "Esc on the page's button", Key::Escape, none, Part::CopyButton, page, Kind::Leave },
        { "Alt+Esc", Key::Escape, alt, Part::Table, window, Kind::None },
        { "an arrow, the table's", Key::Down, none, Part::Table, page, Kind::None },
        { "Space, the button's", Key::Space, none, Part::CopyButton, page, Kind::None },
        { "Ctrl and a letter, the browser's", Key::Character, ctrl, Part::Table, page, Kind::None },
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        const form::MeasurementsAction action
            = form::measurementsKey(c.key, c.held, c.focused, c.place);
        CHECK(action.kind == c.kind);
        if (c.kind == Kind::Focus)
            CHECK(action.target == c.target);
    }
}

TEST_CASE("each description speaks of its own control")
{
    // Each list's description speaks of the same way as the time under it: stored data on the
    // left, computed on the right.
    const std::string left = form::spoken({ Name::List1, 0 }).description;
    const std::string right = form::spoken({ Name::List1, 1 }).description;
    const std::string storedWay = "предварително въведен";
    const std::string computedWay = "изчисл";
    CHECK(std::string(texts::spoken::storedTimeDescription).find(storedWay) != std::string::npos);
    CHECK(std::string(texts::spoken::computedTimeBefore).find(computedWay) != std::string::npos);
    CHECK(left.find(storedWay) != std::string::npos);
    CHECK(left.find(computedWay) == std::string::npos);
    CHECK(right.find(computedWay) != std::string::npos);
    CHECK(right.find(storedWay) == std::string::npos);

    // An interval button's description names both ends of its caption, "от 10 до 100".
    for (std::int16_t i = 0; i < 4; ++i) {
        const std::string caption = texts::intervalCaptions[i];
        const std::string from = caption.substr(0, caption.find(' '));
        const std::string to = caption.substr(caption.rfind(' ') + 1);
        CHECK(form::spoken({ Name::Option1, i }).description
            == "Простите числа от " + from + " до " + to);
    }
    // A method button's description names the bound between its caption's brackets.
    const std::string bounds[] = { "N-1", "N/2", "корен квадратен от N" };
    for (std::int16_t i = 0; i < 3; ++i) {
        const std::string description = form::spoken({ Name::Option2, i }).description;
        CAPTURE(description);
        CHECK(description.size() > bounds[i].size());
        CHECK(
            description.compare(description.size() - bounds[i].size(), bounds[i].size(), bounds[i])
            == 0);
    }
    // The groups: the interval group says the lists fill, the method group when a bound counts.
    CHECK(form::spoken({ Name::Frame1, 0 }).description.find("интервал") != std::string::npos);
    CHECK(form::spoken({ Name::Frame2, 0 }).description.find("следващия") != std::string::npos);
}

namespace {

// WCAG's relative luminance of a colour, and the contrast ratio of two.
double luminance(std::uint32_t rgb)
{
    const auto channel = [](std::uint32_t value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel((rgb >> 16) & 0xFF) + 0.7152 * channel((rgb >> 8) & 0xFF)
        + 0.0722 * channel(rgb & 0xFF);
}

double contrast(std::uint32_t a, std::uint32_t b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour behind a control's text: its own, or for none of its own, its container's.
std::optional<std::uint32_t> shownBehind(const form::ControlRow& row)
{
    if (row.background.kind == form::Background::Kind::Rgb)
        return row.background.rgb;
    if (row.background.kind == form::Background::Kind::System)
        return std::nullopt;
    if (row.container == form::Container::Window)
        return form::window.background.rgb;
    return designRow({ row.container == form::Container::Frame1 ? Name::Frame1 : Name::Frame2, 0 })
        .background.rgb;
}

} // namespace

// Whatever the desktop's theme: the system's text colour goes only on the system's background,
// which the theme makes readable; on every colour of the design the text must be readable by
// itself, at WCAG's 4.5 to 1 at least, where a dark theme's light text would not be.
TEST_CASE("the text is readable on every background the design shows")
{
    std::vector<form::ControlRow> rows(std::begin(form::design), std::end(form::design));
    rows.insert(rows.end(), std::begin(form::timeDesign), std::end(form::timeDesign));
    int coloured = 0;
    for (const form::ControlRow& row : rows) {
        CAPTURE(form::designName(row));
        const form::Look look = form::look(row);
        const std::optional<std::uint32_t> behind = shownBehind(row);
        if (!behind) {
            CHECK(look.text == form::Look::TextColour::System);
            continue;
        }
        ++coloured;
        REQUIRE(look.text == form::Look::TextColour::Black);
        CHECK(contrast(0x000000, *behind) >= 4.5);
    }
    CHECK(coloured >= 10); // the buttons, headings, frames and times
}
