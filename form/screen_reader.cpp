// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen_reader.h"

#include "form_texts.h"

namespace form {
namespace {

    // The heading over each list and each group: its text names the control, as a sighted user
    // reads it there.
    struct Heading {
        Name control;
        std::int16_t controlIndex;
        std::int16_t label; // in Label1
    };
    constexpr Heading headings[] = {
        { Name::List1, 0, 2 }, // "Директно"
        { Name::List1, 1, 3 }, // "Последователно"
        { Name::Frame1, 0, 1 }, // "Интервал"
        { Name::Frame2, 0, 4 }, // "Алгоритъм"
    };

    template <std::size_t N> std::string at(const char* const (&texts)[N], std::int16_t i)
    {
        return i >= 0 && static_cast<std::size_t>(i) < N ? texts[i] : "";
    }

} // namespace

Spoken spoken(ControlId control)
{
    namespace said = texts::spoken;
    const ControlRow* row = rowOf(control);
    // Nothing reaches a hidden control; a time label shows from the first interval click on.
    if (!row || (!row->visible && row->name != Name::Label2))
        return {};

    Spoken result;
    for (const Heading& h : headings) {
        if (h.control == control.name && h.controlIndex == control.index) {
            result.heading = ControlId { Name::Label1, h.label };
            result.name = rowOf(*result.heading)->text;
        }
    }
    switch (control.name) {
    case Name::Text1:
        result.role = Role::TextBox;
        result.name = said::textBoxName;
        result.description = said::textBoxDescription;
        break;
    case Name::List1:
        result.role = Role::List;
        result.description
            = control.index == 0 ? said::storedListDescription : said::computedListDescription;
        break;
    case Name::Frame1:
        result.role = Role::Group;
        result.description = said::intervalGroupDescription;
        break;
    case Name::Frame2:
        result.role = Role::Group;
        result.description = said::methodGroupDescription;
        break;
    case Name::Option1:
        result.role = Role::OptionButton;
        result.name = row->text;
        result.description = at(said::intervalDescriptions, control.index);
        break;
    case Name::Option2:
        result.role = Role::OptionButton;
        result.name = row->text;
        result.description = at(said::methodDescriptions, control.index);
        break;
    case Name::Label1:
        result.role = Role::Label;
        result.name = row->text;
        break;
    case Name::Label2:
        result.role = Role::Label;
        break;
    case Name::List2:
        break;
    }
    return result;
}

Spoken spoken(MeasurementsPart part, const Chart& chart)
{
    namespace said = texts::spoken;
    switch (part) {
    case MeasurementsPart::Table:
        return { Role::Table, texts::measurementsTitle, said::measurementsTableDescription, {} };
    case MeasurementsPart::CopyButton:
        return { Role::Button, texts::copyTable, said::copyButtonDescription, {} };
    case MeasurementsPart::Chart:
        break;
    }
    return { Role::Picture, chart.description, said::chartDescription, {} };
}

} // namespace form
