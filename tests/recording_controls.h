// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls.h"
#include "design.h"
#include "form_logic.h"
#include "invariants.h"
#include "keyboard.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

// A front end with no window: it keeps what the logic asks it to show, built from the same design
// table as the real windows, and turns a selection set from code into a list click when asked to,
// as some window systems do. It also keeps what a user's clicks would show: which option buttons
// are chosen, which controls show, where the focus is.
class RecordingControls : public form::Controls, public form::Readback {
public:
    struct List {
        std::vector<std::string> rows;
        std::int16_t selected = -1;
    };

    RecordingControls()
    {
        for (const form::ControlRow& row : form::design) {
            if (row.name == form::Name::List1 || row.name == form::Name::List2) {
                List& list = lists[key(row.name, row.index)];
                for (const char* text : form::initialRows(row))
                    list.rows.emplace_back(text);
            } else if (row.text) {
                texts[key(row.name, row.index)] = row.text;
            }
            chosen[key(row.name, row.index)] = row.chosen;
            shown[key(row.name, row.index)] = row.visible;
        }
        for (const form::ControlRow& row : form::timeDesign)
            shown[key(row.name, row.index)] = row.visible;
        logic.Form_Load();
    }

    // What a user's click on an option button does: chooses it alone in its group, gives it the
    // focus, then the window raises its click.
    void clickOption(form::Name group, std::int16_t index)
    {
        for (auto& [id, isChosen] : chosen) {
            if (id.first == static_cast<int>(group))
                isChosen = id.second == index;
        }
        focus = form::ControlId { group, index };
        if (group == form::Name::Option1)
            logic.Option1_Click(index);
        else
            logic.Option2_Click(index);
    }

    // What a user's click on a row does: selects it, then the window raises the list's click.
    void clickRow(std::int16_t list, std::int16_t row)
    {
        list1(list).selected = row;
        raiseListClick(list);
    }

    List& list1(std::int16_t i) { return lists[key(form::Name::List1, i)]; }
    List& list2(std::int16_t i) { return lists[key(form::Name::List2, i)]; }
    const std::string& text1(std::int16_t i) { return texts[key(form::Name::Text1, i)]; }
    // What a control shows, apart from what the logic wrote there (a user's typing, say).
    std::string& textOf(form::Name name, std::int16_t i) { return texts[key(name, i)]; }
    bool& chosenOf(form::Name name, std::int16_t i) { return chosen[key(name, i)]; }
    bool& shownOf(form::Name name, std::int16_t i) { return shown[key(name, i)]; }

    form::MainFormLogic logic { *this };
    bool clickOnSelectionFromCode = false;
    int clickDepth = 0;
    int deepestClick = 0;
    int selectionsSet = 0;
    std::vector<std::array<form::TimeText, 2>> shownTimes;
    std::vector<std::string> announced;
    // The last table of every measurement the logic showed, and whether it came within the bracket.
    std::optional<form::TimingTable> shownTable;
    bool tableShownWhileUpdating = false;
    std::optional<form::ControlId> focus = form::initialFocus();
    // The update bracket: whether it is open, how often it was opened, and the changes to a shown
    // list made outside it.
    bool updating = false;
    int updates = 0;
    int listChangesOutsideUpdate = 0;

private:
    static std::pair<int, int> key(form::Name name, int index)
    {
        return { static_cast<int>(name), index };
    }
    List& list(form::ControlId id) { return lists[key(id.name, id.index)]; }

    void raiseListClick(std::int16_t list)
    {
        ++clickDepth;
        deepestClick = std::max(deepestClick, clickDepth);
        if (clickDepth < 10) // a runaway recursion fails the test instead of the stack
            logic.List1_Click(list);
        --clickDepth;
    }

    void showRows(form::ControlId id, std::span<const form::ResultRow> rows) override
    {
        if (!updating)
            ++listChangesOutsideUpdate;
        list(id).rows.clear();
        for (const form::ResultRow& row : rows)
            list(id).rows.emplace_back(row.text());
        list(id).selected = -1;
    }
    std::int16_t selectedRow(form::ControlId id) const override
    {
        return lists.at(key(id.name, id.index)).selected;
    }
    void setSelectedRow(form::ControlId id, std::int16_t row) override
    {
        ++selectionsSet;
        if (list(id).selected == row)
            return;
        list(id).selected = row;
        if (clickOnSelectionFromCode && id.name == form::Name::List1)
            raiseListClick(id.index);
    }
    std::string caption(form::ControlId id) const override
    {
        return texts.at(key(id.name, id.index));
    }
    void setText(form::ControlId id, const std::string& text) override
    {
        texts[key(id.name, id.index)] = text;
    }
    void showTimes(const std::array<form::TimeText, 2>& times) override
    {
        shownTimes.push_back(times);
        for (std::int16_t i = 0; i < 2; ++i) {
            texts[key(form::Name::Label2, i)] = times[static_cast<std::size_t>(i)].text;
            shown[key(form::Name::Label2, i)] = true;
        }
    }
    void announce(const std::string& text) override { announced.push_back(text); }
    void showTimingTable(const form::TimingTable& table) override
    {
        shownTable = table;
        tableShownWhileUpdating = tableShownWhileUpdating || updating;
    }
    void beginUpdate() override
    {
        updating = true;
        ++updates;
    }
    void endUpdate() override { updating = false; }

    // form::Readback
    std::string shownText(form::ControlId id) const override
    {
        const auto found = texts.find(key(id.name, id.index));
        return found == texts.end() ? std::string() : found->second;
    }
    bool isChosen(form::ControlId id) const override
    {
        const auto found = chosen.find(key(id.name, id.index));
        return found != chosen.end() && found->second;
    }
    bool isShown(form::ControlId id) const override
    {
        const auto found = shown.find(key(id.name, id.index));
        return found != shown.end() && found->second;
    }
    std::optional<form::ControlId> focused() const override { return focus; }
    form::ListView listView(form::ControlId id) const override
    {
        const auto found = lists.find(key(id.name, id.index));
        const int count = found == lists.end() ? 0 : static_cast<int>(found->second.rows.size());
        return { selectedRow(id), count, 0, 0 };
    }
    std::string rowText(form::ControlId id, int row) const override
    {
        const std::vector<std::string>& rows = lists.at(key(id.name, id.index)).rows;
        return row >= 0 && row < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(row)]
                                                               : std::string();
    }

    std::map<std::pair<int, int>, List> lists;
    std::map<std::pair<int, int>, std::string> texts;
    std::map<std::pair<int, int>, bool> chosen;
    std::map<std::pair<int, int>, bool> shown;
};
