// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window on a screen narrower than the design, as a phone held upright shows it: the same
// controls, texts, colours, tab order and keys, only placed and sized for a finger. From the top:
// the title; the four intervals two by two; the three bounds in a row; the two lists side by side,
// each under its heading and over its time; the text box. Widths follow the screen, heights are
// fixed, so the form is as tall at 320 pixels as at 460 and whatever follows it starts below.

#include "design.h"

namespace form {

// A length across: a share of the container's width plus CSS pixels (which may be negative).
struct Across {
    double share;
    int px;
};

// Where one control goes, from its container's top-left corner, as in the design table.
struct PhonePlace {
    ControlId control;
    Across left, width;
    int top, height; // CSS pixels
};

struct PhoneArrangement {
    int narrowerThan; // CSS pixels: the arrangement applies below the design's width
    int formHeight; // CSS pixels
    int fontPx; // every text, captions and rows included
    int rowPx; // one row of a list
    int radioPx; // the round button inside an option button's rectangle
    std::span<const PhonePlace> places; // the controls that show; the hidden ones stay hidden
};

// clang-format off
inline constexpr PhonePlace phonePlaces[] = {
//    control                    left          width         top  height
    { { Name::Label1,  0 }, { 0,     8 }, { 1,    -16 },   8,  44 },  // the title, in two lines if need be
    { { Name::Label1,  1 }, { 0,     8 }, { 1,    -16 },  60,  24 },  // "Интервал"
    { { Name::Frame1,  0 }, { 0,     8 }, { 1,    -16 },  84, 108 },
    { { Name::Option1, 0 }, { 0,     3 }, { 0.5,   -6 },   4,  48 },
    { { Name::Option1, 1 }, { 0.5,   3 }, { 0.5,   -6 },   4,  48 },
    { { Name::Option1, 2 }, { 0,     3 }, { 0.5,   -6 },  56,  48 },
    { { Name::Option1, 3 }, { 0.5,   3 }, { 0.5,   -6 },  56,  48 },
    { { Name::Label1,  4 }, { 0,     8 }, { 1,    -16 }, 200,  24 },  // "Алгоритъм"
    { { Name::Frame2,  0 }, { 0,     8 }, { 1,    -16 }, 224,  56 },
    { { Name::Option2, 0 }, { 0,     3 }, { 1./3, -6 },    4,  48 },
    { { Name::Option2, 1 }, { 1./3,  3 }, { 1./3, -6 },    4,  48 },
    { { Name::Option2, 2 }, { 2./3,  3 }, { 1./3, -6 },    4,  48 },
    { { Name::Label1,  2 }, { 0,     8 }, { 0.5, -12 },  288,  24 },  // "Директно"
    { { Name::Label1,  3 }, { 0.5,   4 }, { 0.5, -12 },  288,  24 },  // "Последователно"
    { { Name::List1,   0 }, { 0,     8 }, { 0.5, -12 },  312, 206 },  // 8 rows and half of the next
    { { Name::List1,   1 }, { 0.5,   4 }, { 0.5, -12 },  312, 206 },
    { { Name::Label2,  0 }, { 0,     8 }, { 0.5, -12 },  522,  24 },
    { { Name::Label2,  1 }, { 0.5,   4 }, { 0.5, -12 },  522,  24 },
    { { Name::Text1,   0 }, { 0,     8 }, { 1,    -16 }, 554, 170 },
};
// clang-format on

inline constexpr PhoneArrangement phone {
    .narrowerThan = pixels(window.clientWidth),
    .formHeight = 732,
    .fontPx = 16,
    .rowPx = 24,
    .radioPx = 20,
    .places = phonePlaces,
};

} // namespace form
