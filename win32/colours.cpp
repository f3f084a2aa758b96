// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The design's colours behind the controls' texts.

#include "main_window.h"

#include "look.h"
#include "window_parts.h"

#include <algorithm>

namespace win32 {

// The text colour is the logic's (form::look); the time labels have no background, the window's
// colour shows through; the read-only text box (a STATIC colour case) keeps the system's colours
// for a text box, as designed, not the grey of a read-only one.
LRESULT MainWindow::colours(HDC dc, HWND hwnd)
{
    const Child* child = find(hwnd);
    if (!child)
        return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
            reinterpret_cast<LPARAM>(hwnd));
    SetTextColor(dc,
        form::look(*child->row).text == form::Look::TextColour::Black
            ? RGB(0, 0, 0)
            : GetSysColor(COLOR_WINDOWTEXT));
    const form::Background background = child->row->background;
    switch (background.kind) {
    case form::Background::Kind::System:
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case form::Background::Kind::None:
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(windowBrush_.get());
    case form::Background::Kind::Rgb:
        break;
    }
    auto brush = std::find_if(brushes_.begin(), brushes_.end(),
        [&](const auto& entry) { return entry.first == background.rgb; });
    if (brush == brushes_.end()) {
        brushes_.emplace_back(background.rgb, Brush(CreateSolidBrush(colourRef(background.rgb))));
        brush = brushes_.end() - 1;
    }
    SetBkColor(dc, colourRef(background.rgb));
    return reinterpret_cast<LRESULT>(brush->second.get());
}

} // namespace win32
