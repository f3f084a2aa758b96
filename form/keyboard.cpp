// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard.h"

#include <algorithm>
#include <iterator>

namespace form {
namespace {

    bool same(ControlId a, ControlId b) { return a.name == b.name && a.index == b.index; }

    // The buttons of the option group `name`, in the design's order.
    std::vector<ControlId> group(Name name)
    {
        std::vector<ControlId> buttons;
        for (const ControlRow& row : design) {
            if (row.name == name)
                buttons.push_back(idOf(row));
        }
        return buttons;
    }

    int chosenIn(Name group, Choices chosen)
    {
        return group == Name::Option1 ? chosen.interval : chosen.method;
    }

    KeyAction tab(std::optional<ControlId> focused, bool forward, Choices chosen)
    {
        const std::vector<ControlId> stops = tabStops(chosen);
        const auto count = static_cast<std::ptrdiff_t>(stops.size());
        // From outside every stop, Tab reaches the first and Shift+Tab the last; from a button
        // that is not its group's stop, the keys move on from the group's stop.
        std::ptrdiff_t at = forward ? -1 : count;
        if (focused) {
            const auto found = std::find_if(stops.begin(), stops.end(), [&](ControlId stop) {
                return same(stop, *focused)
                    || (isOption(focused->name) && stop.name == focused->name);
            });
            if (found != stops.end())
                at = found - stops.begin();
        }
        at = ((at + (forward ? 1 : -1)) % count + count) % count;
        return { KeyAction::Kind::Focus, stops[static_cast<std::size_t>(at)] };
    }

    // Whether a toolkit's own list would move its row or its selection on a key held with Ctrl,
    // Alt or the logo key, where the window's lists do nothing: Qt's on the row keys and Space
    // with any of them (Ctrl+Space takes the selection away), Windows' list box also on Left and
    // Right with Ctrl, which it takes as Up and Down (Alt comes to it as a system key, the logo
    // key's are the shell's), and on what AltGr types, which Windows reports as Ctrl and Alt.
    bool movesAList(Key key, Modifiers modifiers)
    {
        switch (key) {
        case Key::Up:
        case Key::Down:
        case Key::Home:
        case Key::End:
        case Key::PageUp:
        case Key::PageDown:
        case Key::Space:
            return true;
        case Key::Left:
        case Key::Right:
            return modifiers.control;
        case Key::Character:
            return modifiers.control && modifiers.alt && !modifiers.meta;
        default:
            return false;
        }
    }

} // namespace

bool takesFocus(const ControlRow& row)
{
    switch (row.name) {
    case Name::Text1:
    case Name::List1:
    case Name::List2:
    case Name::Option1:
    case Name::Option2:
        return row.visible;
    case Name::Label1:
    case Name::Label2:
    case Name::Frame1:
    case Name::Frame2:
        break;
    }
    return false;
}

std::vector<ControlId> tabStops(Choices chosen)
{
    std::vector<ControlId> stops;
    for (const ControlRow& row : design) {
        if (!takesFocus(row))
            continue;
        if (isOption(row.name)) {
            const int inGroup = chosenIn(row.name, chosen);
            const int stop
                = inGroup >= 0 && inGroup < static_cast<int>(group(row.name).size()) ? inGroup : 0;
            if (row.index != stop)
                continue;
        }
        stops.push_back(idOf(row));
    }
    return stops;
}

ControlId initialFocus() { return tabStops({}).front(); }

std::optional<int> listRow(Key key, ListView list)
{
    if (list.count <= 0)
        return std::nullopt;
    const int last = list.count - 1;
    const int page = std::max(rowsPerPage(list) - 1, 1);
    const bool none = list.selected < 0;
    int row = 0;
    switch (key) {
    case Key::Up:
        row = none ? 0 : list.selected - 1;
        break;
    case Key::Down:
        row = none ? 0 : list.selected + 1;
        break;
    case Key::PageUp:
        row = none ? 0 : list.selected - page;
        break;
    case Key::PageDown:
        row = none ? 0 : list.selected + page;
        break;
    case Key::Home:
        row = 0;
        break;
    case Key::End:
        row = last;
        break;
    default:
        return std::nullopt;
    }
    return std::clamp(row, 0, last);
}

Key typedKey(std::string_view text)
{
    if (text == " ")
        return Key::Space;
    // One code point, in UTF-8: its lead byte says how many bytes follow.
    if (text.empty())
        return Key::Other;
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (text.size() != length)
        return Key::Other;
    // C0 controls and DEL; C1 controls are U+0080 to U+009F, C2 80 to C2 9F.
    const bool control = lead < 0x20 || lead == 0x7F
        || (lead == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0);
    return control ? Key::Other : Key::Character;
}

Choices choicesShown(const Readback& window)
{
    const auto chosen = [&](Name name) {
        for (const ControlId button : group(name)) {
            if (window.isChosen(button))
                return static_cast<int>(button.index);
        }
        return -1;
    };
    return { chosen(Name::Option1), chosen(Name::Option2) };
}

int rowsPerPage(ListView list)
{
    return list.rowHeight > 0 ? std::max(list.shownHeight / list.rowHeight, 1) : 1;
}

bool leftAlone(Modifiers modifiers) { return modifiers.control || modifiers.alt || modifiers.meta; }

KeyAction keyAction(const Readback& window, Key key, Modifiers modifiers)
{
    const std::optional<ControlId> focused = window.focused();
    const KeyAction nothing { KeyAction::Kind::Swallow,
        focused.value_or(ControlId { Name::Text1, 0 }) };
    if (key == Key::Other)
        return {};
    // Tab with Ctrl, Alt or the logo key: what the system leaves of it (Alt+Tab and a browser's
    // Ctrl+Tab never reach the window) does nothing, rather than moving by rules of the toolkit's
    // own that differ from the stops above.
    if (key == Key::Tab)
        return leftAlone(modifiers) ? nothing
                                    : tab(focused, !modifiers.shift, choicesShown(window));
    if (key == Key::F2)
        return leftAlone(modifiers) ? KeyAction {} : KeyAction { KeyAction::Kind::ShowTimings };
    if (!focused)
        return {};
    // In a list, Left, Right and Space, which toolkits give a list's current row without its
    // selection, or the page's scrolling, do nothing; so does typing, with which the desktop's
    // lists jump to a row that starts with what is typed and a page's does not. With Ctrl, Alt
    // or the logo key, only what a toolkit's list would move on does nothing; Ctrl+F, zoom,
    // Alt+Left and the rest are the browser's or the desktop's.
    if (focused->name == Name::List1) {
        if (leftAlone(modifiers))
            return movesAList(key, modifiers) ? nothing : KeyAction {};
        const ListView list = window.listView(*focused);
        const std::optional<int> row = listRow(key, list);
        if (!row || *row == list.selected)
            return nothing;
        return { KeyAction::Kind::Select, *focused, *row };
    }
    if (!isOption(focused->name))
        return {};
    // On an option button, Home, End, the page keys and typing are not the window's; Space clicks
    // the button, also the chosen one, as a click of the mouse does.
    if (key == Key::Home || key == Key::End || key == Key::PageUp || key == Key::PageDown
        || key == Key::Character)
        return {};
    if (leftAlone(modifiers))
        return nothing;
    if (key == Key::Space)
        return { KeyAction::Kind::Choose, *focused };
    // Within a group, the arrows choose the next or the previous button, round the group.
    const std::vector<ControlId> buttons = group(focused->name);
    const auto count = static_cast<std::ptrdiff_t>(buttons.size());
    const auto at = std::find_if(buttons.begin(), buttons.end(), [&](ControlId b) {
        return same(b, *focused);
    }) - buttons.begin();
    if (at == count)
        return {};
    const bool forward = key == Key::Down || key == Key::Right;
    return { KeyAction::Kind::Choose,
        buttons[static_cast<std::size_t>((at + (forward ? 1 : -1) + count) % count)] };
}

MeasurementsAction measurementsKey(
    Key key, Modifiers modifiers, MeasurementsPart focused, MeasurementsPlace place)
{
    using Kind = MeasurementsAction::Kind;
    const bool held = modifiers.control || modifiers.alt || modifiers.meta;
    if (key == Key::C && held)
        return { modifiers.control && !modifiers.alt && !modifiers.meta && !modifiers.shift
                ? Kind::Copy
                : Kind::None };
    if (held)
        return {};
    if (key == Key::Escape)
        return { Kind::Leave };
    if (key != Key::Tab)
        return {};
    std::vector<MeasurementsPart> parts { MeasurementsPart::Table, MeasurementsPart::Chart };
    if (place == MeasurementsPlace::Page)
        parts.insert(parts.begin() + 1, MeasurementsPart::CopyButton);
    const auto count = static_cast<std::ptrdiff_t>(parts.size());
    const std::ptrdiff_t at = std::find(parts.begin(), parts.end(), focused) - parts.begin();
    std::ptrdiff_t next = at + (modifiers.shift ? -1 : 1);
    if (next < 0 || next >= count) {
        if (place == MeasurementsPlace::Page)
            return { Kind::Form };
        next = (next + count) % count;
    }
    return { Kind::Focus, parts[static_cast<std::size_t>(next)] };
}

} // namespace form
