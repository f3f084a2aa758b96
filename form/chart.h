// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The chart of every measurement, as data: the logic computes the scales, the points, the ticks
// and every word, and each window only draws the primitives below with its own means (QPainter,
// GDI, SVG). Coordinates are in the chart's own box, `Chart::width` by `Chart::height` units, y
// downwards, which a front end scales uniformly into the space it has.

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

// A black text of `Chart::textSize` units, its middle height on `at.y`.
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

// The four intervals evenly apart (a logarithmic scale of N, as each is ten times the last) and
// the time on a logarithmic scale; one line of points per side, in the design's colours.
Chart timingChart(const TimingTable& table);

} // namespace form
