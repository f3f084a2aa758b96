// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The random user of every front end's window: which events it makes and how often, the keys it
// presses and types, and how many events each front end's user makes by default. The Qt and the
// Windows users include this header; the page's user reads it from the page's test facts
// (build-web/prime-intervals-facts.json), so all three draw from the same mix.

#include <cstddef>
#include <cstdint>
#include <iterator>

namespace random_use {

// One outcome of a roll, as likely as its weight among its table's.
template <typename What> struct Share {
    What what;
    const char* name;
    int weight;
};

template <typename What, std::size_t N> constexpr int total(const Share<What> (&shares)[N])
{
    int sum = 0;
    for (const Share<What>& share : shares)
        sum += share.weight;
    return sum;
}

// What a roll of 0 to total(shares) - 1 falls on.
template <typename What, std::size_t N>
constexpr What shareFor(const Share<What> (&shares)[N], int roll)
{
    for (const Share<What>& share : shares) {
        if (roll < share.weight)
            return share.what;
        roll -= share.weight;
    }
    return shares[N - 1].what;
}

// A click anywhere in the window, on an option button, on a list row (in an empty list, on its
// empty area), a key of `keyNames`, or a click into the text box and a few keys typed there.
enum class Event { ClickAnywhere, ClickOption1, ClickOption2, ClickRow, PressKey, Type };
// clang-format off
inline constexpr Share<Event> events[] = {
    { Event::ClickAnywhere, "clickAnywhere", 15 },
    { Event::ClickOption1,  "clickOption1",   6 },
    { Event::ClickOption2,  "clickOption2",   8 },
    { Event::ClickRow,      "clickRow",      23 },
    { Event::PressKey,      "pressKey",      42 },
    { Event::Type,          "type",           6 },
};
// clang-format on
static_assert(total(events) == 100, "events are drawn by a roll of 0 to 99");

// Of the clicks and the keys pressed (not those typed), how many in a hundred hold Ctrl.
inline constexpr int ctrlPercent = 20;

// The keys pressed, one as likely as another; Shift+Tab as a key of its own, never with Ctrl.
enum class Key { Tab, ShiftTab, Up, Down, Left, Right, Space, Home, End, PageUp, PageDown };
inline constexpr const char* keyNames[] = { "Tab", "Shift+Tab", "Up", "Down", "Left", "Right",
    "Space", "Home", "End", "PageUp", "PageDown" };
inline constexpr int keyCount = static_cast<int>(std::size(keyNames));

// What is typed into the text box: 1 to `mostTyped` keys, each drawn by a roll of 0 to 9.
inline constexpr int mostTyped = 8;
enum class Typed { Latin, Cyrillic, Digit, Editing };
inline constexpr Share<Typed> typed[]
    = { { Typed::Latin, "latin", 3 }, { Typed::Cyrillic, "cyrillic", 3 },
          { Typed::Digit, "digit", 1 }, { Typed::Editing, "editing", 3 } };
static_assert(total(typed) == 10);
inline constexpr const char* editingKeys[]
    = { "Backspace", "Delete", "Enter", "Ctrl+A", "Ctrl+X", "Ctrl+V", "Ctrl+Z" };

// Any fixed value: the same user on every run. RANDOM_USE_SEED replays another.
inline constexpr std::uint64_t seed = 20261208;

// Each front end's share of the random use: its user's events in one run of its suite
// (RANDOM_USE_EVENTS changes it), as many as its input takes in about a minute.
inline constexpr int qtEvents = 20000; // events sent straight to the widgets
inline constexpr int windowsEvents = 3000; // real input through Wine's queue
inline constexpr int pageEvents = 300; // WebDriver actions, in each of three engines

} // namespace random_use
