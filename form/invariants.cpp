// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "invariants.h"

#include "design.h"
#include "form_texts.h"
#include "keyboard.h"

#include <algorithm>
#include <iterator>

namespace form {
namespace {

    std::string nameOf(ControlId id)
    {
        const ControlRow* row = rowOf(id);
        return row ? designName(*row) : "an unknown control";
    }

    // The start of a long text, enough to tell which one it is.
    std::string quoted(const std::string& text)
    {
        std::size_t shown = 60;
        if (text.size() <= shown)
            return "\"" + text + "\"";
        while (shown > 0 && (static_cast<unsigned char>(text[shown]) & 0xC0) == 0x80)
            --shown; // not within a UTF-8 sequence
        return "\"" + text.substr(0, shown) + "…\"";
    }

    // The index the logic should hold for a group, from what its buttons show; or what is wrong.
    std::string chosenIn(const Readback& shown, Name group, int size, std::int16_t logicIndex)
    {
        int chosen = -1;
        for (std::int16_t i = 0; i < size; ++i) {
            if (!shown.isChosen({ group, i }))
                continue;
            if (chosen >= 0)
                return nameOf({ group, static_cast<std::int16_t>(chosen) }) + " and "
                    + nameOf({ group, i }) + " are both chosen";
            chosen = i;
        }
        if (chosen != logicIndex)
            return (chosen < 0 ? std::string("no button of its group")
                               : nameOf({ group, static_cast<std::int16_t>(chosen) }))
                + " is chosen, but the logic's index is " + std::to_string(logicIndex);
        return {};
    }

    std::string listHolds(const Readback& shown, ControlId list,
        std::span<const char* const> expected, const std::string& what)
    {
        const int count = shown.listView(list).count;
        if (count != static_cast<int>(expected.size()))
            return nameOf(list) + " has " + std::to_string(count) + " rows, not the "
                + std::to_string(expected.size()) + " " + what;
        for (int row = 0; row < count; ++row) {
            const std::string text = shown.rowText(list, row);
            if (text != expected[static_cast<std::size_t>(row)])
                return nameOf(list) + " row " + std::to_string(row) + " is " + quoted(text)
                    + ", not " + quoted(expected[static_cast<std::size_t>(row)]) + " of " + what;
        }
        return {};
    }

} // namespace

std::string brokenInvariant(
    const Controls& controls, const Readback& shown, const MainFormLogic& logic)
{
    constexpr auto intervals = static_cast<int>(std::size(texts::intervalCaptions));
    constexpr auto methods = static_cast<int>(std::size(texts::methodCaptions));
    if (std::string broken = chosenIn(shown, Name::Option1, intervals, logic.intervalIndex());
        !broken.empty())
        return broken;
    if (std::string broken = chosenIn(shown, Name::Option2, methods, logic.methodIndex());
        !broken.empty())
        return broken;
    const std::int16_t interval = logic.intervalIndex();

    // The stored lists are the reference, read from the program's table, not from the search.
    for (std::int16_t i = 0; i < intervals; ++i) {
        const ControlId stored { Name::List2, i };
        const std::size_t rows = initialRows(*rowOf(stored)).size();
        if (const int count = shown.listView(stored).count; count != static_cast<int>(rows))
            return nameOf(stored) + " has " + std::to_string(count) + " rows, not its "
                + std::to_string(rows) + " stored ones";
    }
    const std::span<const char* const> expected = interval >= 0
        ? initialRows(*rowOf({ Name::List2, interval }))
        : std::span<const char* const> {};
    const std::string what = interval >= 0
        ? std::string("stored primes of ") + texts::intervalCaptions[interval]
        : std::string("rows before any interval is chosen");
    for (std::int16_t i = 0; i < 2; ++i) {
        if (std::string broken = listHolds(shown, { Name::List1, i }, expected, what);
            !broken.empty())
            return broken;
    }

    const std::int16_t left = controls.selectedRow({ Name::List1, 0 });
    const std::int16_t right = controls.selectedRow({ Name::List1, 1 });
    if (left != right)
        return "row " + std::to_string(left) + " is selected in List1(0), row "
            + std::to_string(right) + " in List1(1)";
    if (left < -1 || left >= static_cast<std::int16_t>(expected.size()))
        return "row " + std::to_string(left) + " is selected, past the lists' rows";

    const std::string text = shown.shownText({ Name::Text1, 0 });
    const std::string wanted = interval >= 0
        ? texts::summaryBefore + std::string(texts::intervalCaptions[interval])
            + texts::summaryBetween + std::to_string(expected.size()) + texts::lineEnd
        : std::string(texts::taskStatement);
    if (text != wanted)
        return "Text1(0) shows " + quoted(text) + ", not "
            + (interval >= 0 ? "the summary " + quoted(wanted) : std::string("the task statement"));

    for (std::int16_t i = 0; i < 2; ++i) {
        const ControlId time { Name::Label2, i };
        if (shown.isShown(time) != (interval >= 0))
            return nameOf(time)
                + (interval >= 0 ? " is hidden after an interval was chosen"
                                 : " shows before any interval is chosen");
        if (interval >= 0 && shown.shownText(time).empty())
            return nameOf(time) + " shows no time";
    }
    for (const ControlRow& row : design) {
        const ControlId id { row.name, static_cast<std::int16_t>(row.index) };
        if (shown.isShown(id) != row.visible)
            return designName(row) + (row.visible ? " is hidden" : " shows");
    }

    const std::optional<ControlId> focus = shown.focused();
    if (!focus)
        return "no control of the window has the focus";
    const ControlRow* focusRow = rowOf(*focus);
    if (!focusRow || !takesFocus(*focusRow) || !shown.isShown(*focus))
        return "the focus is on " + nameOf(*focus) + ", which does not take it";
    return {};
}

} // namespace form
