// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart.h"

#include "design.h"
#include "form_texts.h"
#include "time_text.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace form {
namespace {

    // The plot's box within the chart, leaving room for the time labels on the left, the
    // intervals below and the legend under them.
    constexpr double plotLeft = 62, plotRight = 352, plotTop = 10, plotBottom = 188;
    constexpr double intervalLabelY = 206;
    constexpr double legendY[] = { 232, 256 };
    constexpr double legendX[] = { 16, 186 };
    constexpr double markerRadius = 5;

    constexpr std::uint32_t gridGrey = 0xC8C8C8;

    // Each side's colour is one of the design's own; its line and outline are the same colour
    // at half strength, which stays readable on white.
    constexpr std::uint32_t sideColours[sideCount]
        = { lightOrange.rgb, pink.rgb, lightBlue.rgb, lightCyan.rgb };

    std::uint32_t darker(std::uint32_t rgb)
    {
        const auto half = [rgb](int shift) { return ((rgb >> shift & 0xFF) / 2) << shift; };
        return static_cast<std::uint32_t>(half(16) | half(8) | half(0));
    }

    // Each side has its own marker too, so that the lines part without colour.
    enum class Shape { Circle, Square, Triangle, Diamond };
    constexpr Shape sideShapes[sideCount]
        = { Shape::Circle, Shape::Square, Shape::Triangle, Shape::Diamond };

    ChartPath line(std::vector<ChartPoint> points, std::uint32_t stroke, double width = 1)
    {
        ChartPath path;
        path.points = std::move(points);
        path.stroke = stroke;
        path.strokeWidth = width;
        return path;
    }

    ChartPath marker(ChartPoint at, int side)
    {
        ChartPath path;
        path.stroke = darker(sideColours[side]);
        path.fill = sideColours[side];
        path.closed = true;
        const double r = markerRadius;
        switch (sideShapes[side]) {
        case Shape::Circle:
            for (int i = 0; i < 12; ++i) {
                const double a = i * std::numbers::pi / 6;
                path.points.push_back({ at.x + r * std::cos(a), at.y + r * std::sin(a) });
            }
            break;
        case Shape::Square:
            path.points = { { at.x - r, at.y - r }, { at.x + r, at.y - r }, { at.x + r, at.y + r },
                { at.x - r, at.y + r } };
            break;
        case Shape::Triangle:
            path.points = { { at.x, at.y - r * 1.2 }, { at.x + r * 1.2, at.y + r },
                { at.x - r * 1.2, at.y + r } };
            break;
        case Shape::Diamond:
            path.points = { { at.x, at.y - r * 1.3 }, { at.x + r * 1.3, at.y },
                { at.x, at.y + r * 1.3 }, { at.x - r * 1.3, at.y } };
            break;
        }
        return path;
    }

    // floor(log10(n)) for n >= 1, and whether n is a power of ten.
    int decadeOf(std::int64_t n)
    {
        int decade = 0;
        for (; n >= 10; n /= 10)
            ++decade;
        return decade;
    }

    std::int64_t powerOfTen(int decade)
    {
        std::int64_t n = 1;
        for (int i = 0; i < decade; ++i)
            n *= 10;
        return n;
    }

    double intervalX(int interval)
    {
        return plotLeft + (interval + 0.5) * (plotRight - plotLeft) / intervalCount;
    }

    std::string at(const TimingTable& table, int interval, int side)
    {
        return table.cellText(interval, side) + texts::chart::at
            + TimingTable::rowHeading(interval);
    }

} // namespace

ChartFit fitChart(double width, double height)
{
    ChartFit fit;
    fit.scale = std::max(0.0, std::min(width / Chart::width, height / Chart::height));
    fit.left = (width - Chart::width * fit.scale) / 2;
    fit.top = (height - Chart::height * fit.scale) / 2;
    return fit;
}

Chart timingChart(const TimingTable& table)
{
    Chart chart;

    // The decades that hold every measurement; before the first, those of the usual figures.
    std::int64_t least = 0, most = 0;
    for (int interval = 0; interval < intervalCount; ++interval) {
        for (int side = 0; side < sideCount; ++side) {
            if (const auto& cell = table.cell(interval, side)) {
                const std::int64_t ns = std::max<std::int64_t>(cell->timing.nanoseconds, 1);
                least = least == 0 ? ns : std::min(least, ns);
                most = std::max(most, ns);
            }
        }
    }
    if (most == 0) {
        chart.lowDecade = 2;
        chart.highDecade = 8;
    } else {
        chart.lowDecade = decadeOf(least);
        chart.highDecade = decadeOf(most) + (powerOfTen(decadeOf(most)) == most ? 0 : 1);
        if (chart.highDecade == chart.lowDecade)
            ++chart.highDecade;
    }
    const auto timeY = [&](std::int64_t ns) {
        const double decades = std::log10(static_cast<double>(std::max<std::int64_t>(ns, 1)));
        return plotBottom
            - (decades - chart.lowDecade) / (chart.highDecade - chart.lowDecade)
            * (plotBottom - plotTop);
    };

    // A grid line and a label at each decade, then the axes.
    for (int decade = chart.lowDecade; decade <= chart.highDecade; ++decade) {
        const double y = timeY(powerOfTen(decade));
        chart.paths.push_back(line({ { plotLeft, y }, { plotRight, y } }, gridGrey));
        chart.texts.push_back(
            { { plotLeft - 6, y }, durationText(powerOfTen(decade), 1), ChartText::Anchor::End });
    }
    chart.paths.push_back(
        line({ { plotLeft, plotTop }, { plotLeft, plotBottom }, { plotRight, plotBottom } },
            Chart::textColour));
    for (int interval = 0; interval < intervalCount; ++interval) {
        const double x = intervalX(interval);
        chart.paths.push_back(
            line({ { x, plotBottom }, { x, plotBottom + 5 } }, Chart::textColour));
        chart.texts.push_back({ { x, intervalLabelY }, TimingTable::rowHeading(interval),
            ChartText::Anchor::Middle });
    }

    // One line per side through its measured intervals, markers over all the lines.
    for (int side = 0; side < sideCount; ++side) {
        for (int interval = 0; interval < intervalCount; ++interval) {
            if (const auto& cell = table.cell(interval, side))
                chart.points[side].push_back(
                    { intervalX(interval), timeY(cell->timing.nanoseconds) });
        }
        if (chart.points[side].size() > 1)
            chart.paths.push_back(line(chart.points[side], darker(sideColours[side]), 2));
    }
    for (int side = 0; side < sideCount; ++side) {
        for (const ChartPoint& point : chart.points[side])
            chart.paths.push_back(marker(point, side));
    }

    // The legend: a sample of each line and its heading, two by two under the intervals.
    for (int side = 0; side < sideCount; ++side) {
        const double x = legendX[side % 2], y = legendY[side / 2];
        chart.paths.push_back(line({ { x, y }, { x + 28, y } }, darker(sideColours[side]), 2));
        chart.paths.push_back(marker({ x + 14, y }, side));
        chart.texts.push_back(
            { { x + 36, y }, TimingTable::columnHeading(side), ChartText::Anchor::Start });
    }

    // In words: each side's first and last measurement.
    namespace words = texts::chart;
    if (table.empty()) {
        chart.description = std::string(words::intro) + words::nothingYet;
        return chart;
    }
    chart.description = words::intro;
    for (int side = 0; side < sideCount; ++side) {
        int first = -1, last = -1;
        for (int interval = 0; interval < intervalCount; ++interval) {
            if (table.cell(interval, side)) {
                first = first < 0 ? interval : first;
                last = interval;
            }
        }
        chart.description += ' ' + TimingTable::columnHeading(side);
        if (first < 0)
            chart.description += words::none;
        else if (first == last)
            chart.description += ": " + at(table, first, side) + '.';
        else
            chart.description
                += words::from + at(table, first, side) + words::to + at(table, last, side) + '.';
    }
    return chart;
}

} // namespace form
