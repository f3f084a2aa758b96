// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The chart of every measurement, as data: the logic computes the scales, the points, the ticks
// and every word, and each window only draws the primitives below with its own means (QPainter,
// GDI, SVG). Coordinates are in the chart's own box, `Chart::width` by `Chart::height` units, y
// downwards, which a front end scales into the space it has as `fitChart` says.

#include "design.h"
#include "timing_table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace form {

struct ChartPoint {
    double x = 0;
    double y = 0;
};

// A polyline, or a polygon where closed (a marker, a legend's sample).
struct ChartPath {
    std::vector<ChartPoint> points;
    std::uint32_t stroke = 0; // 0xRRGGBB
    double strokeWidth = 1;
    bool closed = false;
    std::optional<std::uint32_t> fill;
};

// A text in `Chart::textColour` and `Chart::fontName`, `Chart::textSize` units high, its middle
// height on `at.y`.
struct ChartText {
    enum class Anchor { Start, Middle, End };
    ChartPoint at;
    std::string text;
    Anchor anchor = Anchor::Start;
};

struct Chart {
    // Narrow enough that on a phone 320 pixels wide the words stay near 12 pixels.
    static constexpr double width = 360;
    static constexpr double height = 270;
    // Its own look, whatever the window around it: black on white, which the sides' colours at
    // half strength are chosen for, in the design's font.
    static constexpr std::uint32_t background = 0xFFFFFF;
    static constexpr std::uint32_t textColour = 0x000000;
    static constexpr const char* fontName = window.fontName;
    static constexpr double textSize = 14;

    std::vector<ChartPath> paths; // in drawing order: grid, axes, lines, markers, legend
    std::vector<ChartText> texts;
    // What a screen reader reads instead: each side's first and last value, in words.
    std::string description;

    // The time axis spans 10^lowDecade to 10^highDecade nanoseconds, one grid line a decade.
    int lowDecade = 0;
    int highDecade = 0;
    // Each side's measured points, by interval, as the lines join them.
    std::array<std::vector<ChartPoint>, sideCount> points;
};

// Where the chart's box goes in a box of `width` by `height` (pixels, or any unit): scaled by the
// same factor both ways, as large as fits, and centred.
struct ChartFit {
    double scale = 0;
    double left = 0;
    double top = 0;
    ChartPoint at(ChartPoint point) const
    {
        return { left + point.x * scale, top + point.y * scale };
    }
};
ChartFit fitChart(double width, double height);

// The four intervals evenly apart (a logarithmic scale of N, as each is ten times the last) and
// the time on a logarithmic scale; one line of points per side, in the design's colours.
Chart timingChart(const TimingTable& table);

} // namespace form
