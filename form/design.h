// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window as designed: one row per control, in twips, plain RGB colours and UTF-8 texts, for
// every front end to build its controls from. No window system in here.

#include "form_texts.h"

#include <cstdint>
#include <span>
#include <string>

namespace form {

// The control array a control belongs to; its kind follows from it: Text1 text boxes, Label1
// and Label2 labels, List1 and List2 list boxes, Option1 and Option2 option buttons. Frame1 and
// Frame2 are single frames, not arrays.
enum class Name { Text1, Label1, List1, List2, Frame1, Frame2, Option1, Option2, Label2 };

enum class Container { Window, Frame1, Frame2 };

// One control of the design: its array and its index there ("List1", 0).
struct ControlId {
    Name name;
    std::int16_t index;
};

constexpr bool isOption(Name name) { return name == Name::Option1 || name == Name::Option2; }

// A control's background: the system's colours for its kind, none of its own (black text on
// whatever its container shows), or a fixed colour.
struct Background {
    enum class Kind : std::uint8_t { System, None, Rgb };
    Kind kind;
    std::uint32_t rgb; // 0xRRGGBB, for Kind::Rgb

    constexpr std::uint8_t red() const { return static_cast<std::uint8_t>(rgb >> 16); }
    constexpr std::uint8_t green() const { return static_cast<std::uint8_t>(rgb >> 8); }
    constexpr std::uint8_t blue() const { return static_cast<std::uint8_t>(rgb); }
};

inline constexpr Background systemColours { Background::Kind::System, 0 };
inline constexpr Background noBackground { Background::Kind::None, 0 };
inline constexpr Background lightBlue { Background::Kind::Rgb, 0xC0'C0'FF };
inline constexpr Background lightOrange { Background::Kind::Rgb, 0xFF'C0'80 };
inline constexpr Background lightCyan { Background::Kind::Rgb, 0x80'FF'FF };
inline constexpr Background pink { Background::Kind::Rgb, 0xFF'80'FF };

struct ControlRow {
    int tabIndex; // -1: not in the tab order
    Name name;
    int index; // in its control array
    Container container;
    int left, top, width, height; // twips, from the container's top-left corner
    Background background;
    bool visible;
    const char* text; // nullptr for the lists
    bool chosen; // option buttons: chosen when the window opens
};

inline constexpr int twipsPerInch = 1440;

// A length of the design in pixels at `dpi` dots per inch, rounded to the nearest: 15 twips make
// one pixel at 96 dpi (one device-independent pixel, one CSS pixel at 100 % zoom).
constexpr int pixels(int twips, int dpi = 96)
{
    return (twips * dpi + twipsPerInch / 2) / twipsPerInch;
}

// The window itself: its client area, colour, title and the font every control inherits.
struct WindowDesign {
    int clientWidth, clientHeight; // twips
    Background background;
    const char* fontName;
    int fontPoints;
};
inline constexpr WindowDesign window { 6915, 5175, lightBlue, "Times New Roman", 12 };

// Controls are made row by row, so each frame comes before the option buttons it holds.
// clang-format off
inline constexpr ControlRow design[] = {
//   tab  name          index container         Left  Top   Width Height background  visible text                           chosen
    { 0,  Name::Text1,   0, Container::Window, 120, 2880, 6735, 2175, systemColours, true,  texts::taskStatement,         false },
    { 1,  Name::Text1,   1, Container::Window, 600, 3240, 6735, 1815, systemColours, false, texts::quotation,             false },
    { 2,  Name::Label1,  0, Container::Window, 840,    0, 5295,  375, lightOrange,   true,  texts::title,                 false },
    { 3,  Name::List1,   0, Container::Window, 2520, 840, 1815,  915, systemColours, true,  nullptr,                      false },
    { 4,  Name::Frame1,  0, Container::Window, 240,  840, 2055, 2055, lightBlue,     true,  "Frame1",                     false },
    { 5,  Name::Option1, 0, Container::Frame1, 120,  120, 1815,  375, lightCyan,     true,  texts::intervalCaptions[0],   false },
    { 6,  Name::Option1, 1, Container::Frame1, 120,  600, 1815,  375, lightCyan,     true,  texts::intervalCaptions[1],   false },
    { 7,  Name::Option1, 2, Container::Frame1, 120, 1080, 1815,  375, lightCyan,     true,  texts::intervalCaptions[2],   false },
    { 8,  Name::Option1, 3, Container::Frame1, 120, 1560, 1815,  375, lightCyan,     true,  texts::intervalCaptions[3],   false },
    { 9,  Name::List2,   0, Container::Window, 2640, 2760, 735, 1770, systemColours, false, nullptr,                      false },
    { 10, Name::List2,   1, Container::Window, 3360, 2760, 735, 1770, systemColours, false, nullptr,                      false },
    { 11, Name::List2,   2, Container::Window, 4200, 2760, 735, 1770, systemColours, false, nullptr,                      false },
    { 12, Name::List2,   3, Container::Window, 5040, 2760, 735, 1770, systemColours, false, nullptr,                      false },
    { 13, Name::Label1,  1, Container::Window, 360,  480, 1815,  375, lightOrange,   true,  texts::intervalHeading,       false },
    { 14, Name::Label1,  2, Container::Window, 2520, 480, 1815,  375, lightOrange,   true,  texts::storedHeading,         false },
    { 15, Name::List1,   1, Container::Window, 4800, 840, 1695,  915, systemColours, true,  nullptr,                      false },
    { 16, Name::Label1,  3, Container::Window, 4800, 480, 1695,  375, lightOrange,   true,  texts::computedHeading,       false },
    { 17, Name::Frame2,  0, Container::Window, 2520, 2280, 4215, 495, lightBlue,     true,  "Frame2",                     false },
    { 18, Name::Option2, 0, Container::Frame2, 120,  120, 1215,  375, pink,          true,  texts::methodCaptions[0],     false },
    { 19, Name::Option2, 1, Container::Frame2, 1440, 120, 1215,  375, pink,          true,  texts::methodCaptions[1],     false },
    { 20, Name::Option2, 2, Container::Frame2, 2760, 120, 1335,  375, pink,          true,  texts::methodCaptions[2],     true  },
    { 21, Name::Label1,  4, Container::Window, 3600, 1920, 1815, 375, lightOrange,   true,  texts::methodHeading,         false },
};

// Added to the design: the measured time of each side, centred under its list in the free band
// between the lists and Frame2, on either side of the heading "Алгоритъм". No tab stop; hidden
// until the first interval click, so that the window opens as designed.
inline constexpr ControlRow timeDesign[] = {
    { -1, Name::Label2,  0, Container::Window, 2520, 1905, 1065, 375, noBackground,  false, "",                           false },
    { -1, Name::Label2,  1, Container::Window, 5430, 1905, 1065, 375, noBackground,  false, "",                           false },
};
// clang-format on

// The rows are the tab order: the window's Tab stops follow the table.
constexpr bool inTabOrder(std::span<const ControlRow> rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].tabIndex != static_cast<int>(i))
            return false;
    }
    return true;
}
static_assert(inTabOrder(design), "the design table lists its controls in tab order");

// The row of a control in the design or among the time labels; nullptr for none.
const ControlRow* rowOf(ControlId id);

constexpr ControlId idOf(const ControlRow& row)
{
    return { row.name, static_cast<std::int16_t>(row.index) };
}

// The name the design gives a control: "Option1(2)" in a control array, "Frame1" for a frame.
std::string designName(const ControlRow& row);

// The rows a list box holds when the window opens: the stored primes for List2(i), none for the
// others.
std::span<const char* const> initialRows(const ControlRow& row);

// The window's caption: the homepage's host, two blanks, then the title's end.
std::string windowTitle();

} // namespace form
