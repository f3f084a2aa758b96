// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the parts of MainWindow (main_window.cpp, layout.cpp, keyboard.cpp, colours.cpp,
// controls.cpp) and the measurements window share: the window's classes and style, the design's
// font, and small conversions.

#include "design.h"
#include "wide_text.h"

#include <windows.h>

#include <cstdint>

namespace win32 {

inline constexpr wchar_t windowClass[] = L"PrimeIntervalsWindow";
inline constexpr wchar_t frameClass[] = L"PrimeIntervalsFrame";
inline constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
inline constexpr DWORD windowExStyle = 0;
inline constexpr int firstControlId = 100; // a child's id: this plus its place in children_

inline int pixels(int twips, UINT dpi) { return form::pixels(twips, static_cast<int>(dpi)); }

// The design's font, or another of its kind, with Cyrillic, `height` pixels to the em.
inline HFONT createDesignFont(int height, const char* name = form::window.fontName)
{
    return CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_ROMAN,
        wide(name).c_str());
}

inline COLORREF colourRef(std::uint32_t rgb)
{
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

using form::isOption;

inline bool isChecked(HWND button)
{
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace win32
